#include "ColorSwatch.h"
#include "PanelFill.h"
#include "PanelHarness.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

using mKavrano_TrackIO_1_3::SegBrake;
using mKavrano_TrackIO_1_3::SegLift;
using mKavrano_TrackIO_1_3::SegPlain;
using mKavrano_TrackIO_1_3::SegStation;
using mKavrano_TrackIO_1_3::SegTransport;
using mKavrano_TrackIO_1_3::TrackDocument;
using mKavrano_TrackIO_1_3::TrackSegment;

namespace {

constexpr float kG = 9.816650390625f;
const char* const kModifiedCaption = "Kavrano Tornelle - Test*";

// Buttons are clicked on their indicator, swatches anywhere.
void Click(PanelHarness& h, const QString& name) {
    auto& widget = h.Find<QWidget>(name);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(6, widget.height() / 2));
}

QString Text(PanelHarness& h, const QString& name) {
    return h.Find<QLineEdit>(name).text();
}

QRect BarPart(QScrollBar& bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

// Everything the editors must leave alone when they should do nothing.
void ExpectUntouched(const PanelHarness& h, const TrackDocument& before, int focusBefore) {
    EXPECT_EQ(h.doc.Segments, before.Segments);
    EXPECT_FALSE(h.state.bTrackModified);
    EXPECT_EQ(h.state.Caption, PanelHarness::kCleanCaption);
    EXPECT_EQ(h.focusCount, focusBefore);
}

} // namespace

TEST(SegmentEditors, EnterInALiftBoxStoresTheWholeLiftPanelInEverySelectedLift) {
    PanelHarness h({SegLift, SegPlain, SegLift, SegLift});
    TrackSegment& first = h.Segment(0);
    first.LiftStyle = 1;
    first.LiftLeftRailing = true;
    first.LiftMotorSpeed = 5.0f;
    first.LiftMotorAccel = 0.5f * kG;
    first.LiftMotorDecel = 0.25f * kG;
    h.Segment(3).LiftMotorSpeed = 1.0f; // not selected
    h.Select({0, 2});
    h.Fill();
    h.TypeAndEnter("txtLiftMotor(0)", "36");

    for (const int i : {0, 2}) {
        const TrackSegment& s = h.Segment(i);
        EXPECT_EQ(s.LiftMotorSpeed, 10.0f) << i;
        EXPECT_EQ(s.LiftStyle, 1) << i;
        EXPECT_TRUE(s.LiftLeftRailing) << i;
        EXPECT_FALSE(s.LiftRightRailing) << i;
        EXPECT_EQ(s.LiftMotorAccel, 0.5f * kG) << i;
        EXPECT_EQ(s.LiftMotorDecel, 0.25f * kG) << i;
        EXPECT_EQ(s.TransportMotorSpeed, 0.0f) << i; // another group
    }
    EXPECT_EQ(h.Segment(3).LiftMotorSpeed, 1.0f);
    EXPECT_EQ(h.state.Caption, kModifiedCaption);
    EXPECT_EQ(h.focusCount, 1);
    EXPECT_EQ(h.window.focusWidget(), h.view);
    // The box keeps the text typed.
    EXPECT_EQ(Text(h, "txtLiftMotor(0)"), "36");

    // Style and railings apply on their click; the transport panel writes its own fields.
    Click(h, "optLiftStyle(0)");
    Click(h, "chkLiftRailing(1)");
    EXPECT_EQ(h.Segment(2).LiftStyle, 0);
    EXPECT_TRUE(h.Segment(2).LiftRightRailing);
    EXPECT_EQ(h.focusCount, 3);

    PanelHarness t({SegTransport});
    t.Select({0});
    t.Fill();
    Click(t, "optTransportStyle(1)");
    t.TypeAndEnter("txtTransportMotor(2)", "1.5");
    EXPECT_EQ(t.Segment(0).TransportStyle, 1);
    EXPECT_EQ(t.Segment(0).TransportMotorDecel, 14.7249755859375f);
    EXPECT_EQ(t.Segment(0).LiftStyle, 0);
}

TEST(SegmentEditors, NumericBoxesTakeOnlyDigitsSignPointAndTheirLength) {
    PanelHarness h({SegStation});
    h.Select({0});
    h.Fill();
    auto& wait = h.Find<QLineEdit>("txtStationWait(0)");
    wait.setFocus();
    wait.clear();
    QTest::keyClicks(&wait, "1,2a 3");
    EXPECT_EQ(wait.text(), "123");
    QTest::keyClick(&wait, Qt::Key_Backspace);
    QTest::keyClicks(&wait, "-.x");
    EXPECT_EQ(wait.text(), "12-.");
    wait.clear();
    QTest::keyClicks(&wait, "123456");
    EXPECT_EQ(wait.text(), "12345"); // five characters in a wait box
    // Clipboard keys do nothing; keys that type no character still edit.
    QTest::keyClick(&wait, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&wait, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(wait.text(), "12345");
    QTest::keyClick(&wait, Qt::Key_Home);
    QTest::keyClick(&wait, Qt::Key_Delete);
    EXPECT_EQ(wait.text(), "2345");
    EXPECT_FALSE(h.state.bTrackModified); // typing alone stores nothing

    h.TypeAndEnter("txtStationWait(0)", "1.2.3");
    EXPECT_EQ(Text(h, "txtStationWait(0)"), "1.2.3");
    EXPECT_EQ(h.Segment(0).StationWaitAverage, 1.2f);
    h.TypeAndEnter("txtStationMainBrake", "-.");
    EXPECT_EQ(h.Segment(0).StationMainBrakeDecel, 0.0f);
    h.TypeAndEnter("txtStationMainBrake", "12345678");
    EXPECT_EQ(Text(h, "txtStationMainBrake"), "1234567");
    EXPECT_EQ(h.Segment(0).StationMainBrakeDecel, float(1234567 * 9.816650390625));
}

TEST(SegmentEditors, SyncOnThreeStationsGivesThemAllTheFirstStationsPanel) {
    PanelHarness h({SegStation, SegStation, SegPlain, SegStation});
    h.Segment(0).StationWaitAverage = 30.0f;
    h.Segment(0).StationWaitSync = false;
    h.Segment(0).StationEntrance = 1;
    h.Segment(1).StationWaitAverage = 20.0f;
    h.Segment(3).StationWaitAverage = 20.0f;
    h.Segment(3).StationWaitMaximum = 99.0f;
    h.Select({0, 1, 3});
    h.Fill();
    Click(h, "chkStationSync");
    for (const int i : {0, 1, 3}) {
        EXPECT_EQ(h.Segment(i).StationWaitAverage, 30.0f) << i;
        EXPECT_EQ(h.Segment(i).StationWaitMaximum, 0.0f) << i;
        EXPECT_TRUE(h.Segment(i).StationWaitSync) << i;
        EXPECT_EQ(h.Segment(i).StationEntrance, 1) << i;
    }
    EXPECT_EQ(h.Segment(2).StationWaitAverage, 0.0f);
    EXPECT_EQ(h.state.Caption, kModifiedCaption);
}

TEST(SegmentEditors, StationUnitsOffStoreZerosAndOnStoreTheTexts) {
    PanelHarness h({SegStation});
    TrackSegment& s = h.Segment(0);
    s.StationWheels = true;
    s.StationWheelsSpeed = 10.0f;
    s.StationWheelsAccel = kG;
    s.StationWheelsDecel = 2 * kG;
    s.StationPreBrake = true;
    s.StationPreBrakeSpeedLimit = 5.0f;
    s.StationPreBrakeHysteresis = 2.5f;
    s.StationPreBrakeDecel = kG;
    h.Select({0});
    h.Fill();

    Click(h, "chkStationWheels");
    EXPECT_FALSE(s.StationWheels);
    EXPECT_EQ(s.StationWheelsSpeed, 0.0f);
    EXPECT_EQ(s.StationWheelsAccel, 0.0f);
    EXPECT_EQ(s.StationWheelsDecel, 0.0f);
    EXPECT_EQ(Text(h, "txtStationWheels(0)"), "36"); // still shown
    EXPECT_EQ(s.StationPreBrakeSpeedLimit, 5.0f);

    Click(h, "chkStationPreBrake");
    EXPECT_EQ(s.StationPreBrakeSpeedLimit, 0.0f);
    EXPECT_EQ(s.StationPreBrakeHysteresis, 0.0f);
    EXPECT_EQ(s.StationPreBrakeDecel, 0.0f);

    Click(h, "chkStationWheels");
    EXPECT_TRUE(s.StationWheels);
    EXPECT_EQ(s.StationWheelsSpeed, 10.0f);
    EXPECT_EQ(s.StationWheelsAccel, kG);
    EXPECT_EQ(s.StationWheelsDecel, 2 * kG);
    Click(h, "chkStationPreBrake");
    EXPECT_EQ(s.StationPreBrakeSpeedLimit, 5.0f);
    EXPECT_EQ(s.StationPreBrakeHysteresis, 2.5f);
    EXPECT_EQ(s.StationPreBrakeDecel, kG);

    // Building and entrance.
    Click(h, "chkStationNone");
    Click(h, "optStationEntrance(1)");
    EXPECT_EQ(s.StationNoBuilding, 1);
    EXPECT_EQ(s.StationEntrance, 1);
}

TEST(SegmentEditors, BrakeWheelValuesAreKeptEitherWay) {
    PanelHarness h({SegBrake, SegBrake});
    h.Segment(0).BrakeWheels = true;
    h.Segment(0).BrakeWheelsSpeed = 10.0f;
    h.Segment(0).BrakeWheelsAccel = kG;
    h.Segment(0).BrakeSpeedLimit = 5.0f;
    h.Segment(0).BrakeTriggerPos = 0.5f;
    h.Select({0, 1});
    h.Fill();
    Click(h, "chkBrakeWheels");
    for (const int i : {0, 1}) {
        EXPECT_FALSE(h.Segment(i).BrakeWheels);
        EXPECT_EQ(h.Segment(i).BrakeWheelsSpeed, 10.0f);
        EXPECT_EQ(h.Segment(i).BrakeWheelsAccel, kG);
        EXPECT_EQ(h.Segment(i).BrakeSpeedLimit, 5.0f);
        EXPECT_EQ(h.Segment(i).BrakeTriggerPos, 0.5f);
    }
    Click(h, "chkBrakeWheels");
    EXPECT_TRUE(h.Segment(1).BrakeWheels);
    EXPECT_EQ(h.Segment(1).BrakeWheelsSpeed, 10.0f);
    h.TypeAndEnter("txtBrakeBrake(1)", "18");
    Click(h, "chkBrakeStop");
    Click(h, "chkBrakeRailing(0)");
    EXPECT_EQ(h.Segment(1).BrakeHysteresis, 5.0f);
    EXPECT_TRUE(h.Segment(1).BrakeCompleteStop);
    EXPECT_TRUE(h.Segment(1).BrakeLeftRailing);
}

TEST(SegmentEditors, TriggerBarAppliesOnClicksAndOnDragReleaseOnly) {
    PanelHarness h({SegBrake, SegBrake, SegBrake});
    h.Segment(0).BrakeTriggerPos = 0.5f;
    h.Segment(2).BrakeTriggerPos = 0.75f; // not selected
    h.Select({0, 1});
    h.Fill();
    auto& bar = h.Find<QScrollBar>("hsBrakeTrigger");
    ASSERT_EQ(bar.value(), 5000);

    // A drag changes nothing until the thumb is released.
    const QPoint grip = BarPart(bar, QStyle::SC_ScrollBarSlider).center();
    const QRect groove = BarPart(bar, QStyle::SC_ScrollBarGroove);
    QTest::mousePress(&bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(&bar, QPoint(groove.left() + groove.width() / 4, grip.y()));
    EXPECT_NE(bar.sliderPosition(), 5000);
    EXPECT_EQ(h.Segment(0).BrakeTriggerPos, 0.5f);
    EXPECT_FALSE(h.state.bTrackModified);
    QTest::mouseRelease(&bar, Qt::LeftButton, {},
                        QPoint(groove.left() + groove.width() / 4, grip.y()));
    const int released = bar.value();
    EXPECT_LT(released, 5000);
    EXPECT_EQ(h.Segment(0).BrakeTriggerPos, float(released / 10000.0));
    EXPECT_EQ(h.Segment(1).BrakeTriggerPos, float(released / 10000.0));
    EXPECT_EQ(h.state.Caption, kModifiedCaption);
    EXPECT_EQ(h.focusCount, 1);

    // The same drag, ending exactly at 2500.
    bar.setSliderDown(true);
    bar.setSliderPosition(2500);
    EXPECT_EQ(h.Segment(0).BrakeTriggerPos, float(released / 10000.0));
    bar.setSliderDown(false);
    EXPECT_EQ(h.Segment(0).BrakeTriggerPos, 0.25f);
    EXPECT_EQ(h.Segment(1).BrakeTriggerPos, 0.25f);

    // An arrow click and a click on the track apply at once.
    QTest::mouseClick(&bar, Qt::LeftButton, {}, BarPart(bar, QStyle::SC_ScrollBarAddLine).center());
    EXPECT_GT(bar.value(), 2500);
    EXPECT_EQ(h.Segment(1).BrakeTriggerPos, float(bar.value() / 10000.0));
    const int beforePage = bar.value();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, BarPart(bar, QStyle::SC_ScrollBarAddPage).center());
    EXPECT_GT(bar.value(), beforePage);
    EXPECT_EQ(h.Segment(0).BrakeTriggerPos, float(bar.value() / 10000.0));
    EXPECT_EQ(h.Segment(2).BrakeTriggerPos, 0.75f);
}

TEST(SegmentEditors, CustomColoursThenARailsColour) {
    PanelHarness h({SegPlain, SegLift});
    h.doc.TrackColours = {0x00000A, 0x00000B, 0x00000C}; // spine, rails, crosstie
    h.Segment(0).SpineColour = 0x00010203;
    h.Select({0});
    h.Fill();
    Click(h, "chkMainColors");
    const TrackSegment& s = h.Segment(0);
    EXPECT_TRUE(s.CustomColours);
    EXPECT_EQ(s.SpineColour, 0x0Au);
    EXPECT_EQ(s.CrosstieColour, 0x0Cu);
    EXPECT_EQ(s.RailsColour, 0x0Bu);
    EXPECT_EQ(h.focusCount, 1);

    // The picker starts at the colour a neutral swatch stands for.
    h.dialogs.ColourAnswers.push_back(0x00112233);
    Click(h, "lblMainColor(2)");
    EXPECT_EQ(h.dialogs.ColoursOffered, std::vector<int32_t>({0x0B}));
    EXPECT_EQ(s.RailsColour, 0x00112233u);
    EXPECT_EQ(s.SpineColour, 0x0Au);
    EXPECT_EQ(s.CrosstieColour, 0x0Cu);
    EXPECT_EQ(h.panels.lblMainColor(2).Colour(), 0x00112233u);
    EXPECT_EQ(h.focusCount, 2);
    EXPECT_EQ(h.Segment(1).RailsColour, 0u);

    // Custom colours off keeps the colours; a colour picked then is stored all the same.
    Click(h, "chkMainColors");
    EXPECT_FALSE(s.CustomColours);
    EXPECT_EQ(s.RailsColour, 0x00112233u);
    h.dialogs.ColourAnswers.push_back(0x00445566);
    Click(h, "lblMainColor(0)");
    EXPECT_FALSE(s.CustomColours);
    EXPECT_EQ(s.SpineColour, 0x00445566u);
    EXPECT_EQ(s.RailsColour, 0x00112233u);

    // With mixed types the swatches hold the track's colours, and those are stored.
    h.Select({0, 1});
    h.panels.chkMainColors().setChecked(false);
    const mKavrano_TrackIO_1_3::Colour defaults[] = {0x00AA0000, 0x0000BB00, 0x000000CC};
    for (int i = 0; i < 3; ++i)
        h.panels.lblMainColor(i).SetColour(defaults[i]);
    Click(h, "chkMainColors");
    for (const int i : {0, 1}) {
        EXPECT_TRUE(h.Segment(i).CustomColours);
        EXPECT_EQ(h.Segment(i).SpineColour, defaults[0]);
        EXPECT_EQ(h.Segment(i).CrosstieColour, defaults[1]);
        EXPECT_EQ(h.Segment(i).RailsColour, defaults[2]);
    }
}

TEST(SegmentEditors, CancelledColourPickerChangesNothing) {
    PanelHarness h({SegPlain});
    h.Segment(0).CustomColours = true;
    h.Segment(0).RailsColour = 0x00123456;
    h.Select({0});
    h.Fill();
    const TrackDocument before = h.doc;
    h.dialogs.ColourAnswers.push_back(std::nullopt);
    Click(h, "lblMainColor(2)");
    EXPECT_EQ(h.dialogs.ColoursOffered, std::vector<int32_t>({0x00123456}));
    EXPECT_EQ(h.panels.lblMainColor(2).Colour(), 0x00123456u);
    ExpectUntouched(h, before, 0);
}

TEST(SegmentEditors, TunnelWritesOnlyTheTunnelAndMarksEvenWithoutSelection) {
    PanelHarness h({SegStation, SegLift, SegPlain});
    h.Segment(0).StationWaitAverage = 3.0f;
    h.Select({0, 1});
    h.Fill();
    h.panels.lblMainColor(0).SetColour(0x00FFFFFF);
    Click(h, "chkMainTunnel");
    EXPECT_TRUE(h.Segment(0).Tunnel);
    EXPECT_TRUE(h.Segment(1).Tunnel);
    EXPECT_FALSE(h.Segment(2).Tunnel);
    EXPECT_EQ(h.Segment(0).SpineColour, 0u);
    EXPECT_EQ(h.Segment(0).StationWaitAverage, 3.0f);

    PanelHarness none({SegPlain});
    const TrackDocument before = none.doc;
    Click(none, "chkMainTunnel");
    EXPECT_EQ(none.doc.Segments, before.Segments);
    EXPECT_EQ(none.state.Caption, kModifiedCaption);
    EXPECT_EQ(none.focusCount, 1);
}

TEST(SegmentEditors, NothingIsWrittenWhileThePanelsAreFilled) {
    PanelHarness h({SegStation, SegLift, SegBrake});
    h.Select({0, 1, 2});
    const TrackDocument before = h.doc;
    h.state.bUpdatingControls = true;
    Click(h, "chkStationSync");
    Click(h, "chkLiftRailing(0)");
    Click(h, "chkMainTunnel");
    Click(h, "chkMainColors");
    Click(h, "lblMainColor(1)"); // no picker either
    h.TypeAndEnter("txtBrakeWheels(0)", "50");
    h.TypeAndEnter("txtTransportMotor(0)", "50");
    h.Find<QScrollBar>("hsBrakeTrigger").setValue(1234);
    h.state.bUpdatingControls = false;
    EXPECT_TRUE(h.dialogs.ColoursOffered.empty());
    ExpectUntouched(h, before, 0);
}
