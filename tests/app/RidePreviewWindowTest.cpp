// The ride preview window through the real main window: F5, its curves, following edits and
// undo, and a click on the chart selecting a segment.
#include "RidePreviewWindow.h"
#include "MainWindowFixture.h"
#include "RideChartView.h"

#include <QChart>
#include <QLabel>
#include <QLineSeries>

using namespace mKavrano_TrackIO_1_3;

namespace {

class RidePreviewWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QTest::keyClick(window.get(), Qt::Key_F5);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Preview()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    RidePreviewWindow& Preview() { return window->RidePreview(); }

    QList<QPointF> Speeds() { return Preview().Series(RidePreviewWindow::Speed).points(); }

    // A point of the speed chart's plot area, `fraction` of the way along, in the viewport.
    QPoint PlotPoint(double fraction) {
        RideChartView& view = Preview().SpeedChart();
        const QRectF plot = view.chart()->plotArea();
        return view.mapFromScene(view.chart()->mapToScene(
            QPointF(plot.left() + fraction * plot.width(), plot.center().y())));
    }
};

TEST_F(RidePreviewWindowTest, F5ShowsTheLapBesideTheMainWindowAndHidesIt) {
    const QSize mainSize = window->size();
    EXPECT_GE(Preview().frameGeometry().left(), window->frameGeometry().right());
    const mKV_RidePreview::RidePreview& ride = Preview().Ride();
    ASSERT_TRUE(ride.Started);
    EXPECT_EQ(ride.StartSegment, 4); // the demo's first lift
    for (int curve = 0; curve < RidePreviewWindow::CurveCount; ++curve)
        EXPECT_EQ(Preview().Series(RidePreviewWindow::Curve(curve)).count(),
                  qsizetype(ride.Samples.size()));
    EXPECT_TRUE(Find<QLabel>("lblRideEnd").text().startsWith("Enters the station in segment 0"));
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_FALSE(Preview().isVisible());
    EXPECT_EQ(window->size(), mainSize);
}

TEST_F(RidePreviewWindowTest, FollowsAnEditAndItsUndoAtOnce) {
    const QList<QPointF> before = Speeds();
    SelectOnly({4});
    EXPECT_EQ(Speeds(), before); // a selection alone changes nothing
    TypeAndEnter("txtLiftMotor(0)", "50");
    const QList<QPointF> raised = Speeds();
    ASSERT_FALSE(raised.isEmpty());
    EXPECT_GT(raised.front().y(), before.front().y());
    Undo();
    EXPECT_EQ(Speeds(), before);
}

TEST_F(RidePreviewWindowTest, HoverReadsAndAClickSelectsTheSegmentUnderThePointer) {
    QWidget* plot = Preview().SpeedChart().viewport();
    QTest::mouseMove(plot, PlotPoint(0.001));
    EXPECT_TRUE(Find<QLabel>("lblRideReadout").text().startsWith("Segment 4 · "));
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, PlotPoint(0.001));
    const auto& flags = window->Trace().SegmentSelected;
    EXPECT_EQ(std::count(flags.begin(), flags.end(), true), 1);
    EXPECT_TRUE(flags[4]);
    EXPECT_EQ(VisiblePanel(), SegLift);
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, PlotPoint(0.001));
    EXPECT_FALSE(flags[4]); // a second plain click unselects, as in the view
}

} // namespace
