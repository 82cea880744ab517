#include "PanelFill.h"
#include "ColorSwatch.h"
#include "PanelHarness.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using mKavrano_TrackIO_1_3::SegBrake;
using mKavrano_TrackIO_1_3::SegLift;
using mKavrano_TrackIO_1_3::SegPlain;
using mKavrano_TrackIO_1_3::SegStation;
using mKavrano_TrackIO_1_3::SegTransport;
using mKavrano_TrackIO_1_3::TrackSegment;

namespace {

// 1 g and 1 km/h in stored units, written out rather than taken from the code under test.
constexpr float kG = 9.816650390625f;

QString Text(PanelHarness& h, const QString& name) {
    return h.Find<QLineEdit>(name).text();
}

bool Checked(PanelHarness& h, const QString& name) {
    return h.Find<QAbstractButton>(name).isChecked();
}

QColor PaintedColor(QWidget& widget) {
    return widget.grab().toImage().pixelColor(widget.width() / 2, widget.height() / 2);
}

void MakeStation(TrackSegment& s) {
    s.StationNoBuilding = 1;
    s.StationBaseOnly = 0;
    s.StationEntrance = 1;
    s.StationWaitAverage = 12.5f;
    s.StationWaitMinimum = 30.0f;
    s.StationWaitMaximum = 0.1f;
    s.StationWaitDeviation = -2.0f;
    s.StationWaitSync = true;
    s.StationMainBrakeDecel = 14.715f;
    s.StationWheels = false;
    s.StationWheelsSpeed = 10.0f;
    s.StationWheelsAccel = kG;
    s.StationWheelsDecel = 2 * kG;
    s.StationPreBrake = true;
    s.StationPreBrakeSpeedLimit = 5.0f;
    s.StationPreBrakeHysteresis = 0.0f;
    s.StationPreBrakeDecel = 0.5f * kG;
}

} // namespace

TEST(PanelFill, OneStationFillsEveryControlWithoutTouchingTheDocument) {
    PanelHarness h({SegPlain, SegStation});
    TrackSegment& s = h.Segment(1);
    MakeStation(s);
    s.Tunnel = true;
    s.CustomColours = true;
    s.SpineColour = 0x00332211;
    s.CrosstieColour = 0x00665544;
    s.RailsColour = 0x00998877;
    const mKavrano_TrackIO_1_3::TrackDocument before = h.doc;
    h.Select({1});
    h.Fill();

    EXPECT_TRUE(Checked(h, "chkStationNone"));
    EXPECT_FALSE(Checked(h, "chkStationSimple"));
    EXPECT_FALSE(Checked(h, "optStationEntrance(0)"));
    EXPECT_TRUE(Checked(h, "optStationEntrance(1)"));
    EXPECT_EQ(Text(h, "txtStationWait(0)"), "12.5");
    EXPECT_EQ(Text(h, "txtStationWait(1)"), "30");
    EXPECT_EQ(Text(h, "txtStationWait(2)"), "0.1");
    EXPECT_EQ(Text(h, "txtStationWait(3)"), "-2");
    EXPECT_TRUE(Checked(h, "chkStationSync"));
    EXPECT_EQ(Text(h, "txtStationMainBrake"), "1.5"); // 14.715 m/s² is 1.499 g
    // The wheels are off but still show their values.
    EXPECT_FALSE(Checked(h, "chkStationWheels"));
    EXPECT_EQ(Text(h, "txtStationWheels(0)"), "36");
    EXPECT_EQ(Text(h, "txtStationWheels(1)"), "1");
    EXPECT_EQ(Text(h, "txtStationWheels(2)"), "2");
    EXPECT_TRUE(Checked(h, "chkStationPreBrake"));
    EXPECT_EQ(Text(h, "txtStationPreBrake(0)"), "18");
    EXPECT_EQ(Text(h, "txtStationPreBrake(1)"), "0");
    EXPECT_EQ(Text(h, "txtStationPreBrake(2)"), "0.5");

    EXPECT_TRUE(h.panels.chkMainTunnel().isChecked());
    EXPECT_TRUE(h.panels.chkMainColors().isChecked());
    EXPECT_EQ(h.panels.lblMainColor(0).Colour(), 0x00332211u);
    EXPECT_EQ(h.panels.lblMainColor(1).Colour(), 0x00665544u);
    EXPECT_EQ(h.panels.lblMainColor(2).Colour(), 0x00998877u);
    EXPECT_EQ(PaintedColor(h.panels.lblMainColor(0)), QColor(0x11, 0x22, 0x33));

    EXPECT_EQ(h.doc.Segments, before.Segments);
    EXPECT_FALSE(h.state.bTrackModified);
    EXPECT_EQ(h.state.Caption, PanelHarness::kCleanCaption);
    EXPECT_EQ(h.focusCount, 0);
}

TEST(PanelFill, WithoutCustomColoursTheSwatchesShowTheButtonFace) {
    PanelHarness h({SegPlain});
    QPalette palette = h.window.palette();
    palette.setColor(QPalette::Button, QColor(10, 200, 30));
    h.window.setPalette(palette);
    h.Segment(0).CustomColours = false;
    h.Segment(0).SpineColour = 0x000000FF;
    h.Segment(0).RailsColour = 0x0000FF00;
    h.Segment(0).CrosstieColour = 0x00FF0000;
    h.Select({0});
    h.Fill();
    EXPECT_FALSE(h.panels.chkMainColors().isChecked());
    EXPECT_FALSE(h.panels.chkMainTunnel().isChecked());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(h.panels.lblMainColor(i).Colour(), 0x8000000Fu);
        EXPECT_EQ(PaintedColor(h.panels.lblMainColor(i)), QColor(10, 200, 30));
    }
}

TEST(PanelFill, SeveralOfOneTypeShowTheLowestIndexAndOtherPanelsKeepTheirText) {
    PanelHarness h({SegStation, SegLift, SegPlain, SegLift, SegLift});
    h.Segment(0).StationWaitAverage = 45.0f;
    h.Select({0});
    h.Fill();
    ASSERT_EQ(Text(h, "txtStationWait(0)"), "45");

    h.Segment(1).LiftMotorSpeed = 5.0f; // not selected
    h.Segment(3).LiftMotorSpeed = 10.0f;
    h.Segment(3).LiftStyle = 1;
    h.Segment(3).LiftRightRailing = true;
    h.Segment(3).LiftMotorAccel = 0.25f * kG;
    h.Segment(4).LiftMotorSpeed = 20.0f;
    h.Segment(4).LiftLeftRailing = true;
    h.Select({4, 3});
    h.Fill();
    EXPECT_EQ(Text(h, "txtLiftMotor(0)"), "36");
    EXPECT_EQ(Text(h, "txtLiftMotor(1)"), "0.25");
    EXPECT_FALSE(Checked(h, "optLiftStyle(0)"));
    EXPECT_TRUE(Checked(h, "optLiftStyle(1)"));
    EXPECT_FALSE(Checked(h, "chkLiftRailing(0)"));
    EXPECT_TRUE(Checked(h, "chkLiftRailing(1)"));
    // The station panel was not filled again.
    EXPECT_EQ(Text(h, "txtStationWait(0)"), "45");

    // A plain segment fills only the Track Setting panel.
    h.Segment(2).Tunnel = true;
    h.Select({2});
    h.Fill();
    EXPECT_TRUE(h.panels.chkMainTunnel().isChecked());
    EXPECT_EQ(Text(h, "txtLiftMotor(0)"), "36");

    // Transport fills its own panel, not the lift's.
    PanelHarness t({SegTransport});
    t.Segment(0).TransportStyle = 0;
    t.Segment(0).TransportMotorSpeed = 2.5f;
    t.Segment(0).TransportLeftRailing = true;
    t.Select({0});
    t.Fill();
    EXPECT_TRUE(Checked(t, "optTransportStyle(0)"));
    EXPECT_TRUE(Checked(t, "chkTransportRailing(0)"));
    EXPECT_EQ(Text(t, "txtTransportMotor(0)"), "9");
    EXPECT_EQ(Text(t, "txtLiftMotor(0)"), "");
}

TEST(PanelFill, BrakeTriggerRoundsToTheNearestStepAndHoldsToTheBar) {
    PanelHarness h({SegBrake, SegBrake, SegBrake, SegBrake, SegBrake});
    const float positions[] = {0.25f, 0.3333f, 1.0f, 1.7f, -0.2f};
    const int expected[] = {2500, 3333, 10000, 10000, 0};
    for (int i = 0; i < 5; ++i)
        h.Segment(i).BrakeTriggerPos = positions[i];
    h.Segment(0).BrakeBlock = true;
    h.Segment(0).BrakeWheels = false;
    h.Segment(0).BrakeWheelsSpeed = 20.0f;
    h.Segment(0).BrakeDecel = 3 * kG;
    const mKavrano_TrackIO_1_3::TrackDocument before = h.doc;
    auto& bar = h.Find<QScrollBar>("hsBrakeTrigger");
    for (int i = 0; i < 5; ++i) {
        h.Select({i});
        h.Fill();
        EXPECT_EQ(bar.value(), expected[i]) << positions[i];
    }
    h.Select({0});
    h.Fill();
    EXPECT_TRUE(Checked(h, "chkBrakeBlock"));
    EXPECT_FALSE(Checked(h, "chkBrakeWheels"));
    EXPECT_EQ(Text(h, "txtBrakeWheels(0)"), "72");
    EXPECT_EQ(Text(h, "txtBrakeBrake(2)"), "3");
    // The document keeps positions the bar cannot show.
    EXPECT_EQ(h.doc.Segments, before.Segments);
    EXPECT_FALSE(h.state.bTrackModified);
}

TEST(PanelFill, ValuesWithoutAControlStateShowClearOrChecked) {
    PanelHarness h({SegStation, SegLift});
    h.Segment(0).StationEntrance = 7;
    h.Segment(0).StationNoBuilding = 2;
    h.Segment(0).StationBaseOnly = 255;
    h.Segment(1).LiftStyle = 0;
    h.Select({1});
    h.Fill();
    ASSERT_TRUE(Checked(h, "optLiftStyle(0)"));
    h.Segment(1).LiftStyle = 2;
    h.Fill();
    EXPECT_FALSE(Checked(h, "optLiftStyle(0)"));
    EXPECT_FALSE(Checked(h, "optLiftStyle(1)"));

    h.Select({0});
    h.Fill();
    EXPECT_FALSE(Checked(h, "optStationEntrance(0)"));
    EXPECT_FALSE(Checked(h, "optStationEntrance(1)"));
    EXPECT_TRUE(Checked(h, "chkStationNone"));
    EXPECT_TRUE(Checked(h, "chkStationSimple"));
    // The pair is exclusive again for the user.
    for (const char* name : {"optStationEntrance(0)", "optStationEntrance(1)"}) {
        auto& option = h.Find<QRadioButton>(name);
        QTest::mouseClick(&option, Qt::LeftButton, {}, QPoint(6, option.height() / 2));
    }
    EXPECT_FALSE(Checked(h, "optStationEntrance(0)"));
    EXPECT_TRUE(Checked(h, "optStationEntrance(1)"));
}

TEST(PanelFill, IndexesOutsideTheSegmentsFillNothing) {
    PanelHarness h({SegStation});
    h.Segment(0).StationWaitAverage = 8.0f;
    mMain::ShowSegmentSettings(h.context, h.panels, 1);
    mMain::ShowSegmentSettings(h.context, h.panels, -1);
    mMain::ShowSelectedSegmentSettings(h.context, h.panels); // nothing selected
    EXPECT_EQ(Text(h, "txtStationWait(0)"), "");
    mMain::ShowSegmentSettings(h.context, h.panels, 0);
    EXPECT_EQ(Text(h, "txtStationWait(0)"), "8");
}
