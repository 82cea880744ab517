#pragma once

// The real main window on a temporary folder with the demo track opened, its modal seam answered
// by the test.
#include "DemoTrack.h"
#include "NumericTextBox.h"
#include "OpenGLView.h"
#include "ScriptedDialogs.h"
#include "SettingsPanels.h"
#include "TempFolder.h"
#include "TrackReader.h"
#include "TrackWriter.h"
#include "frmMain.h"
#include "ucContainer.h"
#include "ucToolBar.h"

#include <QCheckBox>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    using TrackSegment = mKavrano_TrackIO_1_3::TrackSegment;

    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> window;
    std::string demoPath;
    bool bOpenDemo = true;         // false: the window starts empty
    bool bPlatformDialogs = false; // true: the platform's own dialogs instead of the script
    QString simulatorOption;       // tornelle --simulator PATH

    void SetUp() override {
        mKavrano_TrackIO_1_3::TrackDocument demo = mKavrano_TrackIO_1_3::MakeDemoTrack();
        demoPath = folder.Path("demo.kvtrack");
        ASSERT_TRUE(SaveTrackFile(demo, demoPath).Saved);
        frmMainOptions options;
        options.Dialogs = bPlatformDialogs ? nullptr : &dialogs;
        options.ProgramFolder = QString::fromStdString(folder.MakeFolder("program"));
        options.Simulator = simulatorOption;
        options.EndProgram = [] { FAIL() << "the program ended"; };
        window = std::make_unique<frmMain>(options);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow(); // window-wide shortcuts act in the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(window->Form_Load());
        ASSERT_TRUE(!bOpenDemo || window->OpenTrackFile(QString::fromStdString(demoPath)));
    }

    int VisiblePanel() const {
        int shown = -1;
        for (int i = 0; i < SettingsPanels::kSegStylePanels; ++i)
            if (window->Panels().conSegStyle(i).isVisible()) {
                EXPECT_EQ(shown, -1) << "two panels visible";
                shown = i;
            }
        return shown;
    }

    std::vector<bool> EnabledButtons() const {
        std::vector<bool> enabled;
        for (int i = 0; i < window->ToolBar().ButtonCount(); ++i)
            enabled.push_back(window->ToolBar().ButtonIsEnabled(i));
        return enabled;
    }

    // The caption as the window system shows it.
    QString Caption() const { return window->windowHandle()->title(); }

    template <typename W = QWidget> W& Find(const char* name) {
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return *w;
    }

    TrackSegment& Segment(int32_t i) { return window->Document().Segments.at(size_t(i)); }

    // Types into a settings box and commits it with Enter, as the user does.
    void TypeAndEnter(const char* box, const char* text) {
        auto& edit = Find<NumericTextBox>(box);
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, text);
        QTest::keyClick(&edit, Qt::Key_Return);
    }

    // A mouse click on a control: buttons on their indicator, swatches anywhere.
    void Click(const char* name) {
        QWidget& control = Find(name);
        QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(6, control.height() / 2));
    }

    // A double click as the window system delivers it: click, double-click event, release.
    static void DoubleClick(QWidget& widget, Qt::MouseButton button, QPoint at) {
        QTest::mouseClick(&widget, button, {}, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, widget.mapToGlobal(at), button, button,
                           Qt::NoModifier);
        QApplication::sendEvent(&widget, &second);
        QTest::mouseRelease(&widget, button, {}, at);
    }

    void Open(const std::string& path) {
        dialogs.OpenPaths.push_back(QString::fromStdString(path));
        window->ToolBar_ButtonClick(frmMain::CmdOpen);
    }

    // The file Save As writes, read back.
    std::vector<uint8_t> SaveAs(const std::string& name) {
        dialogs.SavePaths.push_back(QString::fromStdString(folder.Path(name)));
        window->ToolBar_ButtonClick(frmMain::CmdSaveAs);
        return TempFolder::Read(folder.Path(name));
    }

    // The segments of a track file; none when it cannot be read.
    static std::vector<TrackSegment> SegmentsIn(const std::string& path) {
        mKavrano_TrackIO_1_3::TrackDocument onDisk;
        EXPECT_TRUE(LoadTrackFile(onDisk, path)) << path;
        return onDisk.Segments;
    }

    // An edit through the panels: ticks Tunnel with the first segment selected.
    void EditFirstSegment() {
        SelectOnly({0});
        window->Panels().chkMainTunnel().click();
    }

    std::vector<bool>& Selected() { return window->Trace().SegmentSelected; }

    // The selection flags with only `indexes` set.
    std::vector<bool> Flags(const std::vector<int32_t>& indexes) {
        std::vector<bool> flags(Selected().size(), false);
        for (int32_t i : indexes)
            flags.at(size_t(i)) = true;
        return flags;
    }

    void SelectOnly(const std::vector<int32_t>& indexes) {
        Selected() = Flags(indexes);
        window->UpdateSettingsPanels();
    }

    std::vector<int32_t> SegmentsOfType(int32_t type) const {
        std::vector<int32_t> found;
        for (int32_t i = 0; i < window->Document().SegmentCount; ++i)
            if (window->Document().Segments[size_t(i)].SegmentType == type)
                found.push_back(i);
        return found;
    }

    // Ctrl+Z and Ctrl+Y where the keyboard focus is.
    QWidget* Focus() const {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : window.get();
    }
    void Undo() { QTest::keyClick(Focus(), Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { QTest::keyClick(Focus(), Qt::Key_Y, Qt::ControlModifier); }

    // Drags files onto the window at `at` and drops them when the window takes them; true when
    // it took them.
    bool DropFiles(const QList<QUrl>& urls, QPoint at = {10, 10}) {
        QMimeData data;
        data.setUrls(urls);
        data.setText(urls.isEmpty() ? QString() : urls.front().toLocalFile());
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->windowHandle(), &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->windowHandle(), &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->windowHandle(), &drop);
        return true;
    }
};
