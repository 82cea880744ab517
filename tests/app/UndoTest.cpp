// Undo beyond the single edits the panel tests undo, on the real main window, and the history's
// budget.
#include "EditHistory.h"
#include "MainWindowFixture.h"

using namespace mKavrano_TrackIO_1_3;

using UndoTest = MainWindowTest;

TEST_F(UndoTest, ATextBoxWithUnappliedTypingKeepsItsOwnUndo) {
    const std::vector<int32_t> lifts = SegmentsOfType(SegLift);
    SelectOnly(lifts);
    TypeAndEnter("txtLiftMotor(1)", "0.5");
    auto& speed = Find<NumericTextBox>("txtLiftMotor(0)");
    const QString shown = speed.text();
    speed.setFocus();
    speed.end(false);
    QTest::keyClicks(&speed, "9");
    // The typing outlives a Track Setting edit, and its undo stays its own.
    window->Panels().chkMainTunnel().click();
    const std::vector<TrackSegment> applied = window->Document().Segments;
    speed.setFocus();
    Undo();
    EXPECT_EQ(speed.text(), shown); // the box took back its typing
    EXPECT_EQ(window->Document().Segments, applied);
    EXPECT_EQ(window->History().Stack().index(), 2);
    Undo(); // nothing unapplied now: the history's step
    EXPECT_EQ(window->History().Stack().index(), 1);
    EXPECT_FALSE(Segment(lifts[0]).Tunnel);
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
    const std::vector<TrackSegment> original = window->Document().Segments;
    window->ToolBar_ButtonClick(frmMain::CmdSelectAll);
    window->Panels().chkMainTunnel().click();
    EXPECT_EQ(window->History().Stack().count(), 1);
    Undo();
    EXPECT_EQ(window->Document().Segments, original);
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
