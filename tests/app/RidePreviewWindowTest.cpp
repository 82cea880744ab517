// The ride preview window through the real main window: F5, its curves and summary, following
// edits and undo, the time axis, hovering the filtered forces and a click on the chart selecting
// a segment.
#include "RidePreviewWindow.h"
#include "MainWindowFixture.h"
#include "RideChartView.h"

#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QScreen>
#include <QValueAxis>

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
    EXPECT_EQ(ride.StartSegment, 4); // the lift after the station
    for (int curve = 0; curve < RidePreviewWindow::CurveCount; ++curve) {
        const bool filtered =
            curve >= RidePreviewWindow::VerticalG && curve <= RidePreviewWindow::LongitudinalG;
        EXPECT_EQ(preview.Series(RidePreviewWindow::Curve(curve)).count(),
                  qsizetype(filtered ? ride.Filtered.size() : ride.Samples.size()));
    }
    EXPECT_TRUE(Find<QLabel>("lblRideSummary")
                    .text()
                    .startsWith(QString::fromUtf8("Lap 958 m in 2:56 · top speed 95 km/h · "
                                                  "vertical −0.9 to 5.4 g")));
    EXPECT_TRUE(Find<QLabel>("lblRideEnd").text().startsWith("Enters the station in segment 0"));
    for (const char* type : {"Plain", "Station", "Lift", "Transport", "Brake"})
        EXPECT_TRUE(Find<QLabel>("lblBandLegend").text().contains(type)) << type;
    const auto* speedAxis =
        qobject_cast<QValueAxis*>(preview.SpeedChart().chart()->axes(Qt::Vertical).value(0));
    ASSERT_NE(speedAxis, nullptr);
    EXPECT_EQ(std::make_tuple(speedAxis->min(), speedAxis->max(), speedAxis->tickInterval()),
              std::make_tuple(0.0, 100.0, 20.0));

    // An edit and its undo show at once; a selection alone changes nothing.
    const auto speeds = [&] { return preview.Series(RidePreviewWindow::Speed).points(); };
    const QList<QPointF> before = speeds();
    SelectOnly({4});
    EXPECT_EQ(speeds(), before);
    TypeAndEnter("txtLiftMotor(0)", "50");
    EXPECT_GT(speeds().value(0).y(), before.value(0).y());
    Undo();
    EXPECT_EQ(speeds(), before);

    // Hovering reads the filtered forces: at the filtered peak, not the raw one above it.
    RideChartView& forces = preview.ForceChart();
    const auto pointAt = [](RideChartView& chart, double x) {
        const double y = chart.chart()->plotArea().center().y();
        const double at = chart.chart()->mapToPosition({x, 0}).x();
        return chart.mapFromScene(chart.chart()->mapToScene(QPointF(at, y)));
    };
    QTest::mouseMove(forces.viewport(), pointAt(forces, ride.Peaks.VerticalG.MaxAt));
    const QString readout = Find<QLabel>("lblRideReadout").text();
    const double vertical = readout.section("vertical ", 1).section(' ', 0, 0).toDouble();
    const double peak = ride.Peaks.VerticalG.Max; // a pixel off it reads a little less
    EXPECT_TRUE(vertical <= peak + 0.005 && vertical > peak - 0.2) << readout.toStdString();

    // Along time the charts end at the lap's duration.
    Click("optRideAxis(1)");
    EXPECT_NEAR(preview.Series(RidePreviewWindow::Speed).points().constLast().x(),
                ride.Peaks.Duration, 1e-9);
    Click("chkRawForces");
    EXPECT_FALSE(preview.Series(RidePreviewWindow::RawVerticalG).isVisible());

    // Hovering the start of the speed chart reads its segment; a click selects it, a second
    // unselects it, as in the view.
    window->ToolBar_ButtonClick(frmMain::CmdUnselectAll);
    RideChartView& chart = preview.SpeedChart();
    const QPoint start = pointAt(chart, 0.001 * ride.Peaks.Duration);
    QTest::mouseMove(chart.viewport(), start);
    EXPECT_TRUE(Find<QLabel>("lblRideReadout").text().startsWith("Segment 4 · "));
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::NoModifier, start);
    EXPECT_EQ(Selected(), Flags({4}));
    EXPECT_EQ(VisiblePanel(), SegLift);
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::NoModifier, start);
    EXPECT_EQ(Selected(), Flags({}));

    // F5 again hides it and leaves the main window's size alone.
    const QSize mainSize = window->size();
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_FALSE(preview.isVisible());
    EXPECT_EQ(window->size(), mainSize);
}
