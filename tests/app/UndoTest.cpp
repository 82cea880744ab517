// Undo and redo of the editors' runs, and opening a dropped file, on the real main window.
#include "EditHistory.h"
#include "MainWindowFixture.h"
#include "NumericTextBox.h"
#include "TrackReader.h"

#include <QDropEvent>
#include <QMimeData>
#include <QRadioButton>
#include <QUrl>

#include <functional>

using namespace mKavrano_TrackIO_1_3;

namespace {

class UndoTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Open(demoPath);
    }

    std::vector<uint8_t> SavedBytes() {
        TrackDocument copy = window->Document();
        return BuildTrackData(copy);
    }

    // Ctrl+Z and Ctrl+Y where the keyboard focus is.
    QWidget* Focus() const {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : window.get();
    }
    void Undo() { QTest::keyClick(Focus(), Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { QTest::keyClick(Focus(), Qt::Key_Y, Qt::ControlModifier); }

    void DropUrls(const QList<QUrl>& urls, bool* accepted = nullptr) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (accepted)
            *accepted = enter.isAccepted();
        if (!enter.isAccepted())
            return;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
    }
};

} // namespace

TEST_F(UndoTest, EveryEditorIsOneStepThatUndoesToTheOriginalBytes) {
    const std::vector<int32_t> lifts = SegmentsOfType(SegLift);
    const std::vector<int32_t> stations = SegmentsOfType(SegStation);
    const std::vector<int32_t> brakes = SegmentsOfType(SegBrake);
    const std::vector<int32_t> transports = SegmentsOfType(SegTransport);
    struct Edit {
        const char* Name;
        std::function<void()> Run;
    };
    const std::vector<Edit> edits = {
        {"Tunnel",
         [&] {
             SelectOnly({0, 5, 9});
             window->Panels().chkMainTunnel().click();
         }},
        {"Custom colours",
         [&] {
             SelectOnly({1, 2});
             window->Panels().chkMainColors().click();
         }},
        {"Rails colour",
         [&] {
             SelectOnly({4});
             dialogs.Colours.push_back(0x00123456);
             QTest::mouseClick(&window->Panels().lblMainColor(2), Qt::LeftButton);
         }},
        {"Lift settings",
         [&] {
             SelectOnly(lifts);
             TypeAndEnter("txtLiftMotor(0)", "50");
         }},
        {"Station settings",
         [&] {
             SelectOnly(stations);
             Find<QCheckBox>("chkStationSync").click();
         }},
        {"Transport settings",
         [&] {
             SelectOnly(transports);
             TypeAndEnter("txtTransportMotor(2)", "0.3");
         }},
        {"Brake settings",
         [&] {
             SelectOnly(brakes);
             Find<QCheckBox>("chkBrakeStop").click();
         }},
    };
    const std::vector<uint8_t> original = SavedBytes();
    for (const Edit& edit : edits) {
        const int before = window->History().Stack().index();
        edit.Run();
        ASSERT_EQ(window->History().Stack().index(), before + 1) << edit.Name;
        EXPECT_EQ(window->History().Stack().undoText(), edit.Name);
        const std::vector<uint8_t> edited = SavedBytes();
        ASSERT_NE(edited, original) << edit.Name;
        Undo();
        EXPECT_EQ(SavedBytes(), original) << edit.Name;
        Redo();
        EXPECT_EQ(SavedBytes(), edited) << edit.Name;
        Undo();
        EXPECT_EQ(SavedBytes(), original) << edit.Name;
    }
}

TEST_F(UndoTest, UndoRestoresEveryLiftFieldTogetherAndTheStepsSelection) {
    const std::vector<int32_t> lifts = SegmentsOfType(SegLift);
    ASSERT_GE(lifts.size(), 2u);
    const TrackSegment before = window->Document().Segments[size_t(lifts[0])];
    SelectOnly(lifts);
    Find<QRadioButton>("optLiftStyle(1)").click();
    Find<QCheckBox>("chkLiftRailing(0)").click();
    TypeAndEnter("txtLiftMotor(0)", "72");
    ASSERT_EQ(window->History().Stack().count(), 3);
    EXPECT_NE(window->Document().Segments[size_t(lifts[0])].LiftMotorSpeed, before.LiftMotorSpeed);

    SelectOnly({0}); // a selection change is no step
    EXPECT_EQ(window->History().Stack().count(), 3);
    for (int i = 0; i < 3; ++i)
        Undo();
    const TrackSegment& after = window->Document().Segments[size_t(lifts[0])];
    EXPECT_EQ(after, before);
    // The step's selection is back, and the panel shows what is stored.
    for (int32_t i = 0; i < window->Document().SegmentCount; ++i)
        EXPECT_EQ(window->Trace().SegmentSelected[size_t(i)],
                  std::find(lifts.begin(), lifts.end(), i) != lifts.end());
    EXPECT_EQ(VisiblePanel(), SegLift);
    EXPECT_EQ(Find<QRadioButton>("optLiftStyle(1)").isChecked(), before.LiftStyle == 1);
    EXPECT_EQ(Find<QCheckBox>("chkLiftRailing(0)").isChecked(), before.LiftLeftRailing);
    EXPECT_FALSE(window->State().bTrackModified); // back at the opened state
}

TEST_F(UndoTest, TheStarFollowsTheSavedStep) {
    SelectOnly({3});
    window->Panels().chkMainTunnel().click();
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");
    Undo();
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo");
    EXPECT_FALSE(window->State().bTrackModified);
    Redo();
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");

    // A failed save keeps the saved step where it was.
    dialogs.SavePaths.push_back(QString::fromStdString(folder.MakeFolder("dir.kvtrack")));
    folder.Write("dir.kvtrack/x", {1});
    window->ToolBar_ButtonClick(frmMain::CmdSaveAs);
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");
    Undo();
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo");
    Redo();

    dialogs.SavePaths.push_back(QString::fromStdString(folder.Path("saved.kvtrack")));
    window->ToolBar_ButtonClick(frmMain::CmdSaveAs);
    EXPECT_EQ(Caption(), "Kavrano Tornelle - saved");
    Undo(); // leaving the saved step
    EXPECT_EQ(Caption(), "Kavrano Tornelle - saved*");
    Redo();
    EXPECT_EQ(Caption(), "Kavrano Tornelle - saved");
    const size_t messages = dialogs.Messages.size();
    EXPECT_TRUE(TryClose()) << "no question after coming back to the saved step";
    EXPECT_EQ(dialogs.Messages.size(), messages);
}

TEST_F(UndoTest, OpeningClearsTheHistory) {
    SelectOnly({3});
    window->Panels().chkMainTunnel().click();
    ASSERT_EQ(window->History().Stack().count(), 1);
    dialogs.Answers.push_back(MessageAnswer::No);
    Open(demoPath);
    EXPECT_EQ(window->History().Stack().count(), 0);
    EXPECT_FALSE(window->State().bTrackModified);
}

TEST_F(UndoTest, ATextBoxWithUnappliedTypingKeepsItsOwnUndo) {
    const std::vector<int32_t> lifts = SegmentsOfType(SegLift);
    SelectOnly(lifts);
    TypeAndEnter("txtLiftMotor(1)", "0.5");
    const std::vector<uint8_t> applied = SavedBytes();
    auto& speed = Find<NumericTextBox>("txtLiftMotor(0)");
    const QString shown = speed.text();
    speed.setFocus();
    speed.end(false);
    QTest::keyClicks(&speed, "9");
    Undo();
    EXPECT_EQ(speed.text(), shown); // the box took back its typing
    EXPECT_EQ(SavedBytes(), applied);
    EXPECT_EQ(window->History().Stack().index(), 1);
    Undo(); // nothing unapplied now: the history's step
    EXPECT_EQ(window->History().Stack().index(), 0);
}

TEST_F(UndoTest, SelectAllOnAThousandsOfSegmentsTrackIsOneStep) {
    TrackDocument big;
    big.SegmentCount = big.BezierCount = 3000;
    big.Segments.resize(3000);
    big.BezierNodes.resize(3000);
    for (int i = 0; i < 3000; ++i) {
        const float z = -2.0f * float(i);
        big.BezierNodes[size_t(i)] = {{0, 2, z}, {0, 2, z + 0.6f}, {0, 2, z - 0.6f}};
    }
    const std::string path = folder.Path("big.kvtrack");
    ASSERT_TRUE(SaveTrackFile(big, path).Saved);
    Open(path);
    const std::vector<uint8_t> original = SavedBytes();
    window->ToolBar_ButtonClick(frmMain::CmdSelectAll);
    window->Panels().chkMainTunnel().click();
    EXPECT_EQ(window->History().Stack().count(), 1);
    Undo();
    EXPECT_EQ(SavedBytes(), original);
}

TEST_F(UndoTest, DroppedFilesOpenLikeTheOpenCommand) {
    TrackDocument lifts = MakeDemoTrack();
    lifts.InfoText = "dropped";
    const std::string other = folder.Path("other.kvtrack");
    ASSERT_TRUE(SaveTrackFile(lifts, other).Saved);
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(other));

    bool accepted = true;
    DropUrls({url, url}, &accepted);
    EXPECT_FALSE(accepted);
    DropUrls({QUrl("https://example.com/track.kvtrack")}, &accepted);
    EXPECT_FALSE(accepted);

    // With unsaved changes the question comes first; Cancel does nothing.
    SelectOnly({0});
    window->Panels().chkMainTunnel().click();
    dialogs.Answers.push_back(MessageAnswer::Cancel);
    DropUrls({url}, &accepted);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(window->Document().InfoText, "Tornelle demo circuit");
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");

    dialogs.Answers.push_back(MessageAnswer::No);
    DropUrls({url});
    EXPECT_EQ(window->Document().InfoText, "dropped");
    EXPECT_EQ(Caption(), "Kavrano Tornelle - other");

    // An invalid file: the message, and the document is kept.
    const std::string bad = folder.Write("bad.kvtrack", {'B', 'A', 'D', '!'});
    const size_t messages = dialogs.Messages.size();
    DropUrls({QUrl::fromLocalFile(QString::fromStdString(bad))});
    ASSERT_EQ(dialogs.Messages.size(), messages + 1);
    EXPECT_EQ(dialogs.Messages.back().Text, "Error: Invalid Track File!");
    EXPECT_EQ(window->Document().InfoText, "dropped");
}

TEST(EditHistory, TheBudgetDropsTheOldestSteps) {
    TrackDocument doc = MakeDemoTrack();
    mKV_TraceTrack::TraceState trace;
    trace.TracedSegmentCount = doc.SegmentCount;
    trace.SegmentSelected.assign(size_t(doc.SegmentCount), true);
    mMain::MainState state;
    const size_t step =
        mMain::EditHistory::StepBytes(size_t(doc.SegmentCount), size_t(doc.SegmentCount));
    mMain::EditHistory history(doc, trace, state, 3 * step);
    std::vector<TrackDocument> versions = {doc};
    for (int k = 1; k <= 5; ++k) {
        auto edits = mMain::PlanSelectedSegmentEdits(
            trace, doc, [&](TrackSegment& s) { s.BrakeTriggerPos = float(k); });
        history.Commit("step", std::move(edits));
        versions.push_back(doc);
    }
    EXPECT_EQ(history.Stack().count(), 3); // steps 1 and 2 are gone
    while (history.Stack().canUndo())
        history.Stack().undo();
    EXPECT_EQ(doc.Segments, versions[2].Segments);
    EXPECT_TRUE(state.bTrackModified); // the opened state can no longer be reached
}
