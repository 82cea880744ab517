// Edits change exactly what the user changed, and the hand gets what it asked for: the real
// main window on the demo track, driven through its widgets, its window and its files.
#include "ColorSwatch.h"
#include "MainLayout.h"
#include "MainWindowFixture.h"
#include "ModalAnswer.h"
#include "OpenGLView.h"
#include "SelectionSummary.h"
#include "TrackReader.h"
#include "Twips.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QUrl>

#include <cstdlib>
#include <filesystem>

using namespace mKavrano_TrackIO_1_3;

namespace {

class EditFidelityTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Open(demoPath);
    }

    // The file Save As writes, read back.
    std::vector<uint8_t> SaveAs(const std::string& name) {
        dialogs.SavePaths.push_back(QString::fromStdString(folder.Path(name)));
        window->ToolBar_ButtonClick(frmMain::CmdSaveAs);
        return TempFolder::Read(folder.Path(name));
    }

    // A view pixel whose pick is a segment of `type` (-1: the ground), found by picking.
    QPoint ViewPointOf(int32_t type) {
        OpenGLView& view = window->View();
        for (int y = 4; y < view.height(); y += 6)
            for (int x = 4; x < view.width(); x += 6) {
                const int32_t name = view.PickAt(x, y);
                const bool ground = name < 0 || name >= 99999;
                if (type < 0
                        ? ground
                        : !ground && window->Document().Segments[size_t(name)].SegmentType == type)
                    return {x, y};
            }
        ADD_FAILURE() << "nothing of type " << type << " in view";
        return {};
    }

    // A picture's centre in the window, for button `i` of the toolbar (16 pixels, from x 6).
    QPoint ToolBarButton(int i) const {
        const int x[] = {6, 28, 57, 86, 108, 137};
        return window->ToolBar().mapTo(window.get(), QPoint(x[i] + 8, 14));
    }
};

TEST_F(EditFidelityTest, AppliesThatChangeNoValueSaveTheOriginalBytes) {
    const std::vector<uint8_t> original = TempFolder::Read(demoPath);
    for (const int32_t type : {SegStation, SegLift, SegTransport, SegBrake}) {
        SCOPED_TRACE(type);
        const std::vector<int32_t> ofType = SegmentsOfType(type);
        ASSERT_FALSE(ofType.empty());
        SelectOnly({ofType.front()});
        ucContainer& panel = window->Panels().conSegStyle(type);
        for (NumericTextBox* box : panel.findChildren<NumericTextBox*>()) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
        }
        for (QRadioButton* option : panel.findChildren<QRadioButton*>())
            if (option->isChecked())
                option->click();
        // Off and on again: the boxes a disabled unit did not store still hold their values.
        for (QCheckBox* box : panel.findChildren<QCheckBox*>()) {
            box->click();
            box->click();
        }
        EXPECT_TRUE(window->State().bTrackModified); // every apply marks
    }
    EXPECT_EQ(SaveAs("same.kvtrack"), original);
}

TEST_F(EditFidelityTest, BoxesShowTheWholeStoredTextAndTheUserTypesUpToTheLimit) {
    const int32_t station = SegmentsOfType(SegStation).front();
    TrackSegment& s = window->Document().Segments[size_t(station)];
    s.StationWaitAverage = 12.125f;
    s.StationWaitMaximum = 120.25f;
    s.StationMainBrakeDecel = 1234567 * 9.816650390625f;
    SelectOnly({station});
    EXPECT_EQ(Find<NumericTextBox>("txtStationWait(0)").text(), "12.125");
    EXPECT_EQ(Find<NumericTextBox>("txtStationWait(2)").text(), "120.25");
    TypeAndEnter("txtStationWait(1)", "123456"); // five characters typed at most
    EXPECT_EQ(Find<NumericTextBox>("txtStationWait(1)").text(), "12345");
    EXPECT_EQ(s.StationWaitMinimum, 12345.0f);
    EXPECT_EQ(s.StationWaitAverage, 12.125f);
    EXPECT_EQ(s.StationWaitMaximum, 120.25f);

    // Eight characters fit every box at its design width: the caret at the end has not
    // scrolled the first one out.
    for (NumericTextBox* box : window->findChildren<NumericTextBox*>()) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setText("-8888888");
        box->setCursorPosition(0);
        const int start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        box->setCursorPosition(8);
        const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        EXPECT_EQ(end - start, box->fontMetrics().horizontalAdvance("-8888888"));
        EXPECT_GE(box->font().pixelSize(), 7);
    }
}

TEST_F(EditFidelityTest, SwatchesCustomColoursAndTypedValuesGoThroughTheFile) {
    const auto& colours = window->Document().TrackColours;
    const Colour expected[] = {colours[0], colours[2], colours[1]}; // spine, crosstie, rails
    ASSERT_NE(expected[0], expected[2]);
    const auto swatches = [&] {
        std::vector<Colour> shown;
        for (int i = 0; i < 3; ++i)
            shown.push_back(window->Panels().lblMainColor(i).Colour());
        return shown;
    };
    EXPECT_EQ(swatches(), std::vector<Colour>(3, ColorSwatch::kNeutral)); // nothing selected
    window->ToolBar_ButtonClick(frmMain::CmdSelectAll);
    EXPECT_EQ(swatches(), std::vector<Colour>(std::begin(expected), std::end(expected)));

    // Custom colours ticked alone store what the simulator showed; a rails colour then joins
    // the track's spine and crosstie colours.
    const int32_t plain = SegmentsOfType(SegPlain).front();
    ASSERT_FALSE(window->Document().Segments[size_t(plain)].CustomColours);
    SelectOnly({plain});
    EXPECT_EQ(VisiblePanel(), SegPlain);
    window->Panels().chkMainColors().click();
    dialogs.Colours.push_back(0x00112233);
    QTest::mouseClick(&window->Panels().lblMainColor(2), Qt::LeftButton);
    // A typed value goes through the file too, and is shown rounded when reopened.
    const int32_t lift = SegmentsOfType(SegLift).front();
    SelectOnly({lift});
    TypeAndEnter("txtLiftMotor(0)", "36.6");
    SaveAs("colours.kvtrack");
    TrackDocument back;
    ASSERT_TRUE(LoadTrackFile(back, folder.Path("colours.kvtrack")));
    EXPECT_EQ(back.Segments[size_t(lift)].LiftMotorSpeed, float(36.6 * 0.277777791023254));
    Open(folder.Path("colours.kvtrack"));
    SelectOnly({lift});
    EXPECT_EQ(Find<NumericTextBox>("txtLiftMotor(0)").text(), "37");
    const TrackSegment& s = back.Segments[size_t(plain)];
    EXPECT_TRUE(s.CustomColours);
    EXPECT_EQ(s.SpineColour, expected[0]);
    EXPECT_EQ(s.CrosstieColour, expected[1]);
    EXPECT_EQ(s.RailsColour, 0x00112233u);
}

TEST_F(EditFidelityTest, TheHandMovesOnlyWhatItTouches) {
    // The wheel over the trigger bar moves nothing and applies nothing.
    const int32_t brake = SegmentsOfType(SegBrake).front();
    SelectOnly({brake});
    auto& bar = Find<QScrollBar>("hsBrakeTrigger");
    const int value = bar.value();
    QWheelEvent wheel(QPointF(5, 5), bar.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&bar, &wheel);
    EXPECT_EQ(bar.value(), value);
    EXPECT_FALSE(window->State().bTrackModified);

    // Typing in the lift panel outlives a Track Setting edit, and its undo stays its own.
    const int32_t lift = SegmentsOfType(SegLift).front();
    SelectOnly({lift});
    auto& speed = Find<NumericTextBox>("txtLiftMotor(0)");
    const QString filled = speed.text();
    speed.setFocus();
    speed.selectAll();
    QTest::keyClicks(&speed, "50");
    window->Panels().chkMainTunnel().click();
    ASSERT_TRUE(window->Document().Segments[size_t(lift)].Tunnel);
    speed.setFocus();
    QTest::keyClick(&speed, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(speed.text(), filled);
    EXPECT_TRUE(window->Document().Segments[size_t(lift)].Tunnel);

    // A file dropped on a number box is opened, never typed into it.
    const std::string other = folder.Path("other.kvtrack");
    std::filesystem::copy_file(demoPath, other);
    const QString before = speed.text();
    dialogs.Answers.push_back(MessageAnswer::No); // the tunnel edit is dropped
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
    data.setText(QString::fromStdString(other));
    const QPointF at = speed.mapTo(window.get(), QPointF(speed.rect().center()));
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->windowHandle(), &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->windowHandle(), &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->windowHandle(), &drop);
    EXPECT_EQ(speed.text(), before);
    EXPECT_EQ(window->State().CurrentFileName, other);
}

TEST_F(EditFidelityTest, LookModeKeysGoToTheCamera) {
    OpenGLView& view = window->View();
    QTest::mouseClick(&view, Qt::RightButton, {}, view.rect().center());
    ASSERT_NE(window->Camera().LookMode, 0);
    view.setFocus();
    const float z = window->Camera().CamPos.z;
    QTest::keyPress(&view, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyPress(&view, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyPress(&view, Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_FLOAT_EQ(window->Camera().CamPos.z, z + 1.0f); // backward, Shift's step
    QTest::keyClick(&view, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.SaveRequests.empty());
    EXPECT_EQ(dialogs.OpenRequests.size(), 1u); // the fixture's own open
    for (const Qt::Key key : {Qt::Key_S, Qt::Key_Control, Qt::Key_Shift})
        QTest::keyRelease(&view, key);

    QTest::mouseClick(&view, Qt::RightButton, {}, view.rect().center());
    dialogs.SavePaths.push_back("");
    QTest::keyClick(&view, Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(dialogs.SaveRequests.size(), 1u);
}

TEST_F(EditFidelityTest, ClicksInTheViewSelectOnceAndTheGroundClears) {
    OpenGLView& view = window->View();
    const QPoint plain = ViewPointOf(SegPlain);
    const QPoint ground = ViewPointOf(-1);
    const auto doubleClick = [&](Qt::MouseButton button, QPoint at) {
        QTest::mouseClick(&view, button, {}, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, view.mapToGlobal(at), button, button,
                           Qt::NoModifier);
        QApplication::sendEvent(&view, &second);
        QTest::mouseRelease(&view, button, {}, at);
    };
    doubleClick(Qt::LeftButton, plain);
    EXPECT_EQ(VisiblePanel(), SegPlain); // a plain segment: panel 0
    EXPECT_TRUE(EnabledButtons()[frmMain::CmdUnselectAll]);
    QTest::mouseClick(&view, Qt::LeftButton, {}, plain); // the same segment again
    EXPECT_EQ(VisiblePanel(), SettingsPanels::kEmptyPanel);
    EXPECT_FALSE(EnabledButtons()[frmMain::CmdUnselectAll]);
    doubleClick(Qt::RightButton, view.rect().center());
    EXPECT_NE(window->Camera().LookMode, 0);
    QTest::mouseClick(&view, Qt::RightButton, {}, view.rect().center());

    QTest::mouseClick(&view, Qt::LeftButton, {}, plain);
    ASSERT_EQ(VisiblePanel(), SegPlain);
    QTest::mouseClick(&view, Qt::LeftButton, {}, ground);
    EXPECT_EQ(VisiblePanel(), SettingsPanels::kEmptyPanel);
    EXPECT_EQ(mMain::CountSelectedSegments(window->Trace()), 0);
}

TEST_F(EditFidelityTest, TheToolbarStaysReachableAndItsButtonsActOnce) {
    // A double-click on About is one click.
    ucToolBar& bar = window->ToolBar();
    const QPoint about = bar.mapFrom(window.get(), ToolBarButton(frmMain::CmdAbout));
    QTest::mouseClick(&bar, Qt::LeftButton, {}, about);
    QMouseEvent second(QEvent::MouseButtonDblClick, about, bar.mapToGlobal(about), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &second);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, about);
    EXPECT_EQ(dialogs.AboutBoxes, 1);

    // UnSelect All disabling itself under the pointer shows no bevel.
    window->ToolBar_ButtonClick(frmMain::CmdSelectAll);
    const QPoint unselect = bar.mapFrom(window.get(), ToolBarButton(frmMain::CmdUnselectAll));
    const QPoint bevelCorner = unselect - QPoint(11, 11);
    const QColor face = bar.grab().toImage().pixelColor(bevelCorner);
    QTest::mouseMove(&bar, unselect);
    ASSERT_NE(bar.grab().toImage().pixelColor(bevelCorner), face);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, unselect);
    ASSERT_FALSE(EnabledButtons()[frmMain::CmdUnselectAll]);
    EXPECT_EQ(bar.grab().toImage().pixelColor(bevelCorner), face);

    // In a short window the toolbar lies above the panels and takes the click.
    window->resize(800, 60);
    QApplication::processEvents();
    ASSERT_GT(window->Panels().conSegStyle(SettingsPanels::kEmptyPanel).geometry().bottom(), 0);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, ToolBarButton(frmMain::CmdAbout));
    EXPECT_EQ(dialogs.AboutBoxes, 2);
}

TEST_F(EditFidelityTest, CaptionsShowNamesAsTheyAreAndMinimisingKeepsTheLayout) {
    const std::string odd = folder.Path("Track[*]x.kvtrack");
    std::filesystem::copy_file(demoPath, odd);
    Open(odd);
    EXPECT_EQ(Caption(), "Kavrano Tornelle - Track[*]x");
    EditFirstSegment();
    EXPECT_EQ(Caption(), "Kavrano Tornelle - Track[*]x*");

    // A minimised window keeps its layout whatever size the window system reports.
    const QRect view = window->View().geometry();
    window->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(window->isMinimized());
    window->resize(160, 40);
    QApplication::processEvents();
    EXPECT_EQ(window->View().geometry(), view);
}

// The real dialogs: Save As asks about the file it writes, and neither Qt dialog leaves a
// settings file in the user's configuration folder.
TEST(PlatformDialogsOfTheWindow, SaveAsAsksAboutTheWrittenFileAndNothingIsStored) {
    TempFolder folder;
    const std::string config = folder.MakeFolder("config");
    setenv("HOME", folder.MakeFolder("home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ASSERT_TRUE(QSettings(QSettings::UserScope, "QtProject")
                    .fileName()
                    .startsWith(QString::fromStdString(config)));

    TrackDocument demo = MakeDemoTrack();
    const std::string demoPath = folder.Path("demo.kvtrack");
    ASSERT_TRUE(SaveTrackFile(demo, demoPath).Saved);
    const std::string taken = folder.Write("Other.txt.kvtrack", {1, 2, 3});
    frmMainOptions options;
    options.ProgramFolder = QString::fromStdString(folder.MakeFolder("program"));
    frmMain window(options);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.Form_Load());
    ASSERT_TRUE(window.OpenTrackFile(QString::fromStdString(demoPath)));

    std::vector<QString> questions;
    AnswerNextModal([&](QWidget& modal) {
        auto* dialog = ModalAs<QFileDialog>(modal);
        if (!dialog)
            return;
        dialog->selectFile("Other.txt"); // typed with another extension
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            AnswerNextModal(
                [&, answer](QWidget& question) {
                    if (auto* box = ModalAs<QMessageBox>(question)) {
                        questions.push_back(box->text());
                        box->button(answer)->click();
                    }
                },
                dialog);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    window.ToolBar_ButtonClick(frmMain::CmdSaveAs);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_TRUE(questions[0].startsWith("Other.txt.kvtrack already exists"))
        << questions[0].toStdString();
    EXPECT_EQ(TempFolder::Read(taken), TempFolder::Read(demoPath));

    window.Trace().SegmentSelected[0] = true;
    window.UpdateSettingsPanels();
    AnswerNextModal([](QWidget& modal) {
        if (auto* picker = ModalAs<QColorDialog>(modal))
            picker->accept();
    });
    QTest::mouseClick(&window.Panels().lblMainColor(0), Qt::LeftButton);
    ASSERT_TRUE(window.State().bTrackModified);
    window.State().bTrackModified = false; // close without the question
    window.close();
    QApplication::processEvents();
    EXPECT_TRUE(std::filesystem::is_empty(config));
}

} // namespace
