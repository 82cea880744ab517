#pragma once

// The real main window on a temporary folder with the demo track, its modal seam answered by
// the test.
#include "DemoTrack.h"
#include "NumericTextBox.h"
#include "ScriptedDialogs.h"
#include "SettingsPanels.h"
#include "TempFolder.h"
#include "TrackWriter.h"
#include "frmMain.h"
#include "ucContainer.h"
#include "ucToolBar.h"

#include <QCheckBox>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> window;
    std::string demoPath;

    void SetUp() override {
        mKavrano_TrackIO_1_3::TrackDocument demo = mKavrano_TrackIO_1_3::MakeDemoTrack();
        demoPath = folder.Path("demo.kvtrack");
        ASSERT_TRUE(SaveTrackFile(demo, demoPath).Saved);
        frmMainOptions options;
        options.Dialogs = &dialogs;
        options.ProgramFolder = QString::fromStdString(folder.MakeFolder("program"));
        options.EndProgram = [] { FAIL() << "the program ended"; };
        window = std::make_unique<frmMain>(options);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow(); // window-wide shortcuts act in the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(window->Form_Load());
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

    template <typename W> W& Find(const char* name) {
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return *w;
    }

    // Types into a settings box and commits it with Enter, as the user does.
    void TypeAndEnter(const char* box, const char* text) {
        auto& edit = Find<NumericTextBox>(box);
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, text);
        QTest::keyClick(&edit, Qt::Key_Return);
    }

    void Open(const std::string& path) {
        dialogs.OpenPaths.push_back(QString::fromStdString(path));
        window->ToolBar_ButtonClick(frmMain::CmdOpen);
    }

    // An edit through the panels: ticks Tunnel with the first segment selected.
    void EditFirstSegment() {
        window->Trace().SegmentSelected[0] = true;
        window->UpdateSettingsPanels();
        window->Panels().chkMainTunnel().click();
    }

    void SelectOnly(const std::vector<int32_t>& indexes) {
        auto& flags = window->Trace().SegmentSelected;
        std::fill(flags.begin(), flags.end(), false);
        for (int32_t i : indexes)
            flags[size_t(i)] = true;
        window->UpdateSettingsPanels();
    }

    std::vector<int32_t> SegmentsOfType(int32_t type) const {
        std::vector<int32_t> found;
        for (int32_t i = 0; i < window->Document().SegmentCount; ++i)
            if (window->Document().Segments[size_t(i)].SegmentType == type)
                found.push_back(i);
        return found;
    }

    // Asks the window to close as the window system would; true when it closed.
    bool TryClose() { return window->close(); }
};
