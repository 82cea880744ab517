// The ride preview window through the real main window: F5, its curves, following edits and
// undo, and a click on the chart selecting a segment.
#include "RidePreviewWindow.h"
#include "MainWindowFixture.h"
#include "RideChartView.h"

#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QScreen>

using namespace mKavrano_TrackIO_1_3;

using RidePreviewWindowTest = MainWindowTest;

TEST_F(RidePreviewWindowTest, F5ShowsTheLapFollowsEditsAndAClickSelectsTheSegment) {
    RidePreviewWindow& preview = window->RidePreview();
    QTest::keyClick(window.get(), Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(window->screen()->availableGeometry().contains(preview.frameGeometry()));
    const mKV_RidePreview::RidePreview& ride = preview.Ride();
    ASSERT_TRUE(ride.Started);
    EXPECT_EQ(ride.StartSegment, 4); // the demo's first lift
    for (int curve = 0; curve < RidePreviewWindow::CurveCount; ++curve)
        EXPECT_EQ(preview.Series(RidePreviewWindow::Curve(curve)).count(),
                  qsizetype(ride.Samples.size()));
    EXPECT_TRUE(Find<QLabel>("lblRideEnd").text().startsWith("Enters the station in segment 0"));

    // An edit and its undo show at once; a selection alone changes nothing.
    const auto speeds = [&] { return preview.Series(RidePreviewWindow::Speed).points(); };
    const QList<QPointF> before = speeds();
    SelectOnly({4});
    EXPECT_EQ(speeds(), before);
    TypeAndEnter("txtLiftMotor(0)", "50");
    EXPECT_GT(speeds().value(0).y(), before.value(0).y());
    Undo();
    EXPECT_EQ(speeds(), before);

    // Hovering the start of the speed chart reads its segment; a click selects it, a second
    // unselects it, as in the view.
    window->ToolBar_ButtonClick(frmMain::CmdUnselectAll);
    RideChartView& chart = preview.SpeedChart();
    const QRectF plot = chart.chart()->plotArea();
    const QPoint start = chart.mapFromScene(
        chart.chart()->mapToScene(QPointF(plot.left() + 0.001 * plot.width(), plot.center().y())));
    QTest::mouseMove(chart.viewport(), start);
    EXPECT_TRUE(Find<QLabel>("lblRideReadout").text().startsWith("Segment 4 · "));
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::NoModifier, start);
    const auto& flags = window->Trace().SegmentSelected;
    EXPECT_EQ(std::count(flags.begin(), flags.end(), true), 1);
    EXPECT_TRUE(flags[4]);
    EXPECT_EQ(VisiblePanel(), SegLift);
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::NoModifier, start);
    EXPECT_FALSE(flags[4]);

    // F5 again hides it and leaves the main window's size alone.
    const QSize mainSize = window->size();
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_FALSE(preview.isVisible());
    EXPECT_EQ(window->size(), mainSize);
}
