#include "ColorSwatch.h"
#include "NumericTextBox.h"
#include "PanelHarness.h"
#include "Twips.h"
#include "ucContainer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

struct Named {
    const char* Name;
    const char* Caption; // check boxes and options
};

QRect Twips(int left, int top, int width, int height) {
    return {left, top, width, height};
}

// Twips survive the trip through whole pixels to within one pixel.
void ExpectTwips(const QWidget& widget, const QRect& expected) {
    const QRect actual = mTwips::GeometryInTwips(widget);
    SCOPED_TRACE(widget.objectName().toStdString());
    EXPECT_NEAR(actual.left(), expected.left(), 15);
    EXPECT_NEAR(actual.top(), expected.top(), 15);
    EXPECT_NEAR(actual.width(), expected.width(), 15);
    EXPECT_NEAR(actual.height(), expected.height(), 15);
}

QStringList FrameTitles(const QWidget& panel) {
    QStringList titles;
    for (const QGroupBox* frame : panel.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        titles << frame->title();
    return titles;
}

} // namespace

TEST(SettingsPanels, PanelsCarryTheirNamesTitlesAndFrames) {
    PanelHarness h({});
    EXPECT_EQ(h.Find<ucContainer>("conTrackSetting").Title(), "Track Setting");
    const char* const titles[] = {
        "Normal", "Station", "Lift", "Transport", "Brake", "*Multiple Segment Types Selected*", ""};
    for (int i = 0; i < 7; ++i) {
        auto& panel = h.Find<ucContainer>(QString("conSegStyle(%1)").arg(i));
        EXPECT_EQ(&panel, &h.panels.conSegStyle(i));
        EXPECT_EQ(panel.Title(), titles[i]);
        ExpectTwips(panel, Twips(0, 6240, 10155, 2235));
    }
    EXPECT_EQ(&h.panels.conTrackSetting(), &h.Find<ucContainer>("conTrackSetting"));
    ExpectTwips(h.panels.conTrackSetting(), Twips(0, 480, 1695, 2115));

    EXPECT_EQ(FrameTitles(h.panels.conSegStyle(1)),
              QStringList({"Building", "Wait Time", "Main Brake", "Wheels", "Pre-Brake"}));
    EXPECT_EQ(FrameTitles(h.panels.conSegStyle(2)), QStringList({"Style", "Motor"}));
    EXPECT_EQ(FrameTitles(h.panels.conSegStyle(3)), QStringList({"Style", "Motor"}));
    EXPECT_EQ(FrameTitles(h.panels.conSegStyle(4)), QStringList({"Style", "Brake", "Wheels"}));
    EXPECT_TRUE(FrameTitles(h.panels.conSegStyle(0)).isEmpty());
    EXPECT_EQ(h.panels.conSegStyle(0).findChild<QLabel*>()->text(),
              "No Additional Settings for This Segment Type");
    EXPECT_EQ(h.panels.conSegStyle(5).findChild<QLabel*>()->text(),
              "Only the standard Track Settings can be modified for multiple segment types.");
    EXPECT_TRUE(h.panels.conSegStyle(6).children().isEmpty());

    // Frame geometry: left and width each, all 1875 high at top 300.
    const std::vector<std::pair<int, std::vector<std::pair<int, int>>>> frames = {
        {1, {{60, 1575}, {1620, 1995}, {3600, 2055}, {5640, 2235}, {7860, 2235}}},
        {2, {{60, 1815}, {1860, 2295}}},
        {3, {{60, 1815}, {1860, 2295}}},
        {4, {{60, 1575}, {1620, 2295}, {3900, 2295}}}};
    for (const auto& [panel, geometry] : frames) {
        const auto boxes =
            h.panels.conSegStyle(panel).findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(boxes.size(), qsizetype(geometry.size()));
        for (size_t i = 0; i < geometry.size(); ++i)
            ExpectTwips(*boxes[qsizetype(i)],
                        Twips(geometry[i].first, 300, geometry[i].second, 1875));
    }
}

TEST(SettingsPanels, ButtonsCarryTheirNamesAndCaptions) {
    PanelHarness h({});
    const Named checks[] = {{"chkMainTunnel", "Tunnel"},
                            {"chkMainColors", "Custom Colors"},
                            {"chkStationNone", "No Building"},
                            {"chkStationSimple", "Base Only"},
                            {"chkStationSync", "Syncronized"},
                            {"chkStationWheels", "Enabled"},
                            {"chkStationPreBrake", "Enabled"},
                            {"chkLiftRailing(0)", "Left Railing"},
                            {"chkLiftRailing(1)", "Right Railing"},
                            {"chkTransportRailing(0)", "Left Railing"},
                            {"chkTransportRailing(1)", "Right Railing"},
                            {"chkBrakeBlock", "Blocksegment"},
                            {"chkBrakeStop", "Complete Stop"},
                            {"chkBrakeRailing(0)", "Left Railing"},
                            {"chkBrakeRailing(1)", "Right Railing"},
                            {"chkBrakeWheels", "Enabled"}};
    for (const Named& check : checks) {
        const auto& box = h.Find<QCheckBox>(check.Name);
        EXPECT_EQ(box.text(), check.Caption) << check.Name;
        EXPECT_FALSE(box.isTristate()) << check.Name;
        EXPECT_NEAR(mTwips::GeometryInTwips(box).left(), 120, 15) << check.Name;
    }
    const Named options[] = {{"optStationEntrance(0)", "Left Entrance"},
                             {"optStationEntrance(1)", "Right Entrance"},
                             {"optLiftStyle(0)", "Chain"},
                             {"optLiftStyle(1)", "Transport Wheels"},
                             {"optTransportStyle(0)", "L.I.M."},
                             {"optTransportStyle(1)", "Transport Wheels"}};
    for (const Named& option : options)
        EXPECT_EQ(h.Find<QRadioButton>(option.Name).text(), option.Caption) << option.Name;

    ExpectTwips(h.panels.chkMainTunnel(), Twips(120, 300, 1455, 255));
    ExpectTwips(h.panels.chkMainColors(), Twips(120, 660, 1455, 255));
    const char* const colourNames[] = {"Spine:", "Crosstie:", "Rails:"};
    for (int i = 0; i < 3; ++i) {
        auto& swatch = h.Find<ColorSwatch>(QString("lblMainColor(%1)").arg(i));
        EXPECT_EQ(&swatch, &h.panels.lblMainColor(i));
        ExpectTwips(swatch, Twips(900, 960 + 360 * i, 675, 315));
        const auto& name = h.Find<QLabel>(QString("lblMainColorName(%1)").arg(i));
        EXPECT_EQ(name.text(), colourNames[i]);
        EXPECT_LE(name.geometry().right(), swatch.geometry().left()); // left of its swatch
    }
}

TEST(SettingsPanels, NumberBoxesHaveTheirLengthsCaptionsAndUnits) {
    PanelHarness h({});
    struct Box {
        const char* Name;
        const char* Caption;
        const char* Unit;
        int MaxLength;
    };
    const Box boxes[] = {
        {"txtStationWait(0)", "Average:", "sec", 5},
        {"txtStationWait(1)", "Minimum:", "sec", 5},
        {"txtStationWait(2)", "Maximum:", "sec", 5},
        {"txtStationWait(3)", "Deviation:", "sec", 5},
        {"txtStationMainBrake", "Deceleration:", "g", 7},
        {"txtStationWheels(0)", "Speed:", "kmph", 7},
        {"txtStationWheels(1)", "Acceleration:", "g", 7},
        {"txtStationWheels(2)", "Deceleration:", "g", 7},
        {"txtStationPreBrake(0)", "Speed Limit:", "kmph", 7},
        {"txtStationPreBrake(1)", "Hysteresis:", "kmph", 7},
        {"txtStationPreBrake(2)", "Deceleration:", "g", 7},
        {"txtLiftMotor(0)", "Speed:", "kmph", 7},
        {"txtLiftMotor(1)", "Acceleration:", "g", 7},
        {"txtLiftMotor(2)", "Deceleration:", "g", 7},
        {"txtTransportMotor(0)", "Speed:", "kmph", 7},
        {"txtTransportMotor(1)", "Acceleration:", "g", 7},
        {"txtTransportMotor(2)", "Deceleration:", "g", 7},
        {"txtBrakeBrake(0)", "Speed Limit:", "kmph", 7},
        {"txtBrakeBrake(1)", "Hysteresis:", "kmph", 7},
        {"txtBrakeBrake(2)", "Deceleration:", "g", 7},
        {"txtBrakeWheels(0)", "Speed:", "kmph", 7},
        {"txtBrakeWheels(1)", "Acceleration:", "g", 7},
        {"txtBrakeWheels(2)", "Deceleration:", "g", 7},
    };
    for (const Box& b : boxes) {
        SCOPED_TRACE(b.Name);
        const auto& box = h.Find<NumericTextBox>(b.Name);
        EXPECT_EQ(box.TypingLimit(), b.MaxLength);
        const QRect twips = mTwips::GeometryInTwips(box);
        EXPECT_NEAR(twips.width(), 615, 15);
        EXPECT_NEAR(twips.height(), 285, 15);
        // The caption ends left of the box on its row, right-aligned; the unit starts right
        // of it.
        const QLabel* caption = nullptr;
        const QLabel* unit = nullptr;
        for (const QLabel* label : box.parentWidget()->findChildren<QLabel*>()) {
            if (label->geometry().top() != box.geometry().top())
                continue;
            if (label->geometry().right() < box.geometry().left())
                caption = label;
            else if (label->geometry().left() > box.geometry().right())
                unit = label;
        }
        ASSERT_NE(caption, nullptr);
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(caption->text(), b.Caption);
        EXPECT_TRUE(caption->alignment() & Qt::AlignRight);
        EXPECT_EQ(unit->text(), b.Unit);
    }
    // Rows every 300 twips.
    const int top0 = mTwips::GeometryInTwips(h.Find<QLineEdit>("txtLiftMotor(0)")).top();
    const int top2 = mTwips::GeometryInTwips(h.Find<QLineEdit>("txtLiftMotor(2)")).top();
    EXPECT_NEAR(top2 - top0, 600, 15);

    const auto& bar = h.Find<QScrollBar>("hsBrakeTrigger");
    EXPECT_EQ(bar.orientation(), Qt::Horizontal);
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 10000);
    EXPECT_FALSE(bar.hasTracking());
    EXPECT_NEAR(mTwips::GeometryInTwips(bar).width(), 1935, 15);
    EXPECT_NEAR(mTwips::GeometryInTwips(bar).height(), 255, 15);
    // Below its caption, in the "Brake" frame.
    const auto* frame = qobject_cast<QGroupBox*>(bar.parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "Brake");
    bool bCaptionAbove = false;
    for (const QLabel* label : frame->findChildren<QLabel*>())
        bCaptionAbove |= label->text() == "Trigger Position:" &&
                         label->geometry().bottom() <= bar.geometry().top();
    EXPECT_TRUE(bCaptionAbove);
}
