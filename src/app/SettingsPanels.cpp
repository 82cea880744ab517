#include "SettingsPanels.h"

#include "ColorSwatch.h"
#include "NumericTextBox.h"
#include "PanelNumbers.h"
#include "TriggerScrollBar.h"
#include "Twips.h"
#include "ucContainer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QString>

#include <string>
#include <tuple>

namespace {

// Design geometry, in twips.
constexpr int kTrackSettingRect[] = {0, 480, 1695, 2115};
constexpr int kSegStyleRect[] = {0, 6240, 10155, 2235};
constexpr int kFrameTop = 300;
constexpr int kFrameHeight = 1875;
constexpr int kButtonLeft = 120; // check boxes and options
constexpr int kButtonHeight = 255;
constexpr int kBoxWidth = 615;
constexpr int kBoxHeight = 285;
constexpr int kLabelGap = 45;
constexpr int kFrameMargin = 60;
// Unit columns, wide enough for the longest unit of the frame.
constexpr int kUnitKmph = 420;
constexpr int kUnitSec = 315;
constexpr int kUnitG = 195;

const char* const kPanelTitles[SettingsPanels::kSegStylePanels] = {
    "Normal", "Station", "Lift", "Transport", "Brake", "*Multiple Segment Types Selected*", ""};

QString Indexed(const QString& name, int index) {
    return QString("%1(%2)").arg(name).arg(index);
}

// A small, narrow face: the panels were designed for a narrow 8-point system font.
void SetPanelFont(QWidget& widget) {
    QFont font = widget.font();
    font.setPixelSize(11);
    font.setStretch(QFont::Condensed);
    widget.setFont(font);
}

using mKavrano_TrackIO_1_3::FieldMember;
using mKavrano_TrackIO_1_3::SegmentField;
using S = mKavrano_TrackIO_1_3::TrackSegment;

const SegmentField* Row(const FieldMember& member) {
    return mKavrano_TrackIO_1_3::FindSegmentField(member);
}

// A frame of a segment panel; its text boxes line up in one column left of the unit column.
// Every control of a field joins the panel's field controls.
class Frame {
public:
    Frame(ucContainer& panel, std::vector<mMain::FieldControl>& panelControls, const char* title,
          int left, int frameWidth, int unitWidth)
        : box(new QGroupBox(title, &panel)), controls(panelControls), width(frameWidth),
          boxLeft(frameWidth - kFrameMargin - unitWidth - kLabelGap - kBoxWidth) {
        mTwips::SetGeometryInTwips(*box, left, kFrameTop, frameWidth, kFrameHeight);
    }

    template <typename Button>
    Button* AddButton(const QString& name, const char* caption, int top) {
        auto* const button = new Button(caption, box);
        button->setObjectName(name);
        mTwips::SetGeometryInTwips(*button, kButtonLeft, top, width - kButtonLeft - kFrameMargin,
                                   kButtonHeight);
        return button;
    }

    QCheckBox* AddCheckBox(const FieldMember& member, const QString& name, const char* caption,
                           int top) {
        auto* const check = AddButton<QCheckBox>(name, caption, top);
        controls.push_back({Row(member), check});
        return check;
    }

    // The two options of a choice, one below the other, captioned as the table names them.
    void AddChoice(const FieldMember& member, const QString& name, int top) {
        const SegmentField* const field = Row(member);
        std::array<QRadioButton*, 2> options{};
        for (size_t i = 0; i < options.size(); ++i) {
            options[i] = AddButton<QRadioButton>(Indexed(name, int(i)),
                                                 std::string(field->Choices[i].Caption).c_str(),
                                                 top + 300 * int(i));
        }
        controls.push_back({field, options});
    }

    // A caption right-aligned left of the box, the box, and the field's unit just right of it.
    void AddNumber(const FieldMember& member, const QString& name, const char* caption, int top,
                   const QCheckBox* zeroUnless = nullptr,
                   int typingLimit = mMain::kNumberBoxLength) {
        const SegmentField* const field = Row(member);
        AddLabel(caption, kFrameMargin, top, boxLeft - kLabelGap - kFrameMargin,
                 Qt::AlignRight | Qt::AlignVCenter);
        auto* const text = new NumericTextBox(typingLimit, box);
        text->setObjectName(name);
        mTwips::SetGeometryInTwips(*text, boxLeft, top, kBoxWidth, kBoxHeight);
        const int unitLeft = boxLeft + kBoxWidth + kLabelGap;
        AddLabel(mMain::UnitText(field->Unit), unitLeft, top, width - kFrameMargin - unitLeft,
                 Qt::AlignLeft | Qt::AlignVCenter);
        controls.push_back({field, text, zeroUnless});
    }

    QLabel* AddLabel(const char* caption, int left, int top, int labelWidth,
                     Qt::Alignment alignment) {
        auto* const label = new QLabel(caption, box);
        label->setAlignment(alignment);
        mTwips::SetGeometryInTwips(*label, left, top, labelWidth, kBoxHeight);
        return label;
    }

    QGroupBox& Box() const { return *box; }
    int Width() const { return width; }

private:
    QGroupBox* box;
    std::vector<mMain::FieldControl>& controls;
    int width;
    int boxLeft;
};

void AddPanelLabel(ucContainer& panel, const char* text) {
    auto* const label = new QLabel(text, &panel);
    mTwips::SetGeometryInTwips(*label, kButtonLeft, 360, kSegStyleRect[2] - 2 * kButtonLeft,
                               kButtonHeight);
}

void BuildTrackSetting(ucContainer& panel, SettingsPanels::TrackSettingControls& c) {
    const int buttonWidth = kTrackSettingRect[2] - 2 * kButtonLeft;
    c.chkMainTunnel = new QCheckBox("Tunnel", &panel);
    c.chkMainTunnel->setObjectName("chkMainTunnel");
    mTwips::SetGeometryInTwips(*c.chkMainTunnel, kButtonLeft, 300, buttonWidth, kButtonHeight);
    c.chkMainColors = new QCheckBox("Custom Colors", &panel);
    c.chkMainColors->setObjectName("chkMainColors");
    mTwips::SetGeometryInTwips(*c.chkMainColors, kButtonLeft, 660, buttonWidth, kButtonHeight);

    const char* const names[] = {"Spine:", "Crosstie:", "Rails:"};
    const int tops[] = {960, 1320, 1680};
    constexpr int kSwatchLeft = 900;
    for (int i = 0; i < 3; ++i) {
        c.lblMainColorName[i] = new QLabel(names[i], &panel);
        c.lblMainColorName[i]->setObjectName(Indexed("lblMainColorName", i));
        c.lblMainColorName[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        mTwips::SetGeometryInTwips(*c.lblMainColorName[i], kButtonLeft, tops[i],
                                   kSwatchLeft - kLabelGap - kButtonLeft, 315);
        c.lblMainColor[i] = new ColorSwatch(&panel);
        c.lblMainColor[i]->setObjectName(Indexed("lblMainColor", i));
        mTwips::SetGeometryInTwips(*c.lblMainColor[i], kSwatchLeft, tops[i], 675, 315);
    }
}

const char* const kMotorCaptions[] = {"Speed:", "Acceleration:", "Deceleration:"};

void BuildStation(ucContainer& panel, std::vector<mMain::FieldControl>& c) {
    Frame building(panel, c, "Building", 60, 1575, kUnitG);
    building.AddCheckBox(&S::StationNoBuilding, "chkStationNone", "No Building", 300);
    building.AddCheckBox(&S::StationBaseOnly, "chkStationSimple", "Base Only", 600);
    building.AddChoice(&S::StationEntrance, "optStationEntrance", 960);

    Frame wait(panel, c, "Wait Time", 1620, 1995, kUnitSec);
    const std::tuple<float S::*, const char*> waits[] = {{&S::StationWaitAverage, "Average:"},
                                                         {&S::StationWaitMinimum, "Minimum:"},
                                                         {&S::StationWaitMaximum, "Maximum:"},
                                                         {&S::StationWaitDeviation, "Deviation:"}};
    for (int i = 0; i < 4; ++i) {
        wait.AddNumber(std::get<0>(waits[i]), Indexed("txtStationWait", i), std::get<1>(waits[i]),
                       300 + 300 * i, nullptr, mMain::kWaitBoxLength);
    }
    wait.AddCheckBox(&S::StationWaitSync, "chkStationSync", "Syncronized", 1560);

    Frame mainBrake(panel, c, "Main Brake", 3600, 2055, kUnitG);
    mainBrake.AddNumber(&S::StationMainBrakeDecel, "txtStationMainBrake", "Deceleration:", 300);

    // A clear "Enabled" box stores zero in its frame's numbers.
    Frame wheels(panel, c, "Wheels", 5640, 2235, kUnitKmph);
    const QCheckBox* const bWheels =
        wheels.AddCheckBox(&S::StationWheels, "chkStationWheels", "Enabled", 300);
    float S::*const wheelFields[] = {&S::StationWheelsSpeed, &S::StationWheelsAccel,
                                     &S::StationWheelsDecel};
    for (int i = 0; i < 3; ++i) {
        wheels.AddNumber(wheelFields[i], Indexed("txtStationWheels", i), kMotorCaptions[i],
                         660 + 300 * i, bWheels);
    }

    Frame preBrake(panel, c, "Pre-Brake", 7860, 2235, kUnitKmph);
    const QCheckBox* const bPreBrake =
        preBrake.AddCheckBox(&S::StationPreBrake, "chkStationPreBrake", "Enabled", 300);
    preBrake.AddNumber(&S::StationPreBrakeSpeedLimit, "txtStationPreBrake(0)", "Speed Limit:", 660,
                       bPreBrake);
    preBrake.AddNumber(&S::StationPreBrakeHysteresis, "txtStationPreBrake(1)", "Hysteresis:", 960,
                       bPreBrake);
    preBrake.AddNumber(&S::StationPreBrakeDecel, "txtStationPreBrake(2)", "Deceleration:", 1260,
                       bPreBrake);
}

// Lift and transport differ only in their names: "txtLiftMotor(0)" shows LiftMotorSpeed.
void BuildMotor(ucContainer& panel, std::vector<mMain::FieldControl>& c, const std::string& kind) {
    const auto member = [&kind](const char* role) {
        return mKavrano_TrackIO_1_3::FindSegmentField(kind + role)->Member;
    };
    const auto name = [&kind](const char* prefix, const char* role, int i) {
        return Indexed(prefix + QString::fromStdString(kind) + role, i);
    };
    Frame style(panel, c, "Style", 60, 1815, kUnitG);
    style.AddChoice(member("Style"), "opt" + QString::fromStdString(kind) + "Style", 300);
    style.AddCheckBox(member("LeftRailing"), name("chk", "Railing", 0), "Left Railing", 960);
    style.AddCheckBox(member("RightRailing"), name("chk", "Railing", 1), "Right Railing", 1260);

    Frame motor(panel, c, "Motor", 1860, 2295, kUnitKmph);
    const char* const roles[] = {"MotorSpeed", "MotorAccel", "MotorDecel"};
    for (int i = 0; i < 3; ++i) {
        motor.AddNumber(member(roles[i]), name("txt", "Motor", i), kMotorCaptions[i],
                        300 + 300 * i);
    }
}

void BuildBrake(ucContainer& panel, std::vector<mMain::FieldControl>& c) {
    Frame style(panel, c, "Style", 60, 1575, kUnitG);
    style.AddCheckBox(&S::BrakeBlock, "chkBrakeBlock", "Blocksegment", 300);
    style.AddCheckBox(&S::BrakeCompleteStop, "chkBrakeStop", "Complete Stop", 600);
    style.AddCheckBox(&S::BrakeLeftRailing, "chkBrakeRailing(0)", "Left Railing", 960);
    style.AddCheckBox(&S::BrakeRightRailing, "chkBrakeRailing(1)", "Right Railing", 1260);

    Frame brakeFrame(panel, c, "Brake", 1620, 2295, kUnitKmph);
    brakeFrame.AddNumber(&S::BrakeSpeedLimit, "txtBrakeBrake(0)", "Speed Limit:", 300);
    brakeFrame.AddNumber(&S::BrakeHysteresis, "txtBrakeBrake(1)", "Hysteresis:", 600);
    brakeFrame.AddNumber(&S::BrakeDecel, "txtBrakeBrake(2)", "Deceleration:", 900);
    brakeFrame.AddLabel("Trigger Position:", kButtonLeft, 1230,
                        brakeFrame.Width() - kButtonLeft - kFrameMargin,
                        Qt::AlignLeft | Qt::AlignVCenter);
    constexpr int kBarWidth = 1935;
    auto* const trigger = new TriggerScrollBar(&brakeFrame.Box());
    trigger->setObjectName("hsBrakeTrigger");
    mTwips::SetGeometryInTwips(*trigger, (brakeFrame.Width() - kBarWidth) / 2, 1515, kBarWidth,
                               255);
    c.push_back({Row(&S::BrakeTriggerPos), trigger});

    // Unlike the station's, the brake's wheel values are kept when its wheels are off.
    Frame wheels(panel, c, "Wheels", 3900, 2295, kUnitKmph);
    wheels.AddCheckBox(&S::BrakeWheels, "chkBrakeWheels", "Enabled", 300);
    float S::*const wheelFields[] = {&S::BrakeWheelsSpeed, &S::BrakeWheelsAccel,
                                     &S::BrakeWheelsDecel};
    for (int i = 0; i < 3; ++i) {
        wheels.AddNumber(wheelFields[i], Indexed("txtBrakeWheels", i), kMotorCaptions[i],
                         660 + 300 * i);
    }
}

ucContainer* NewPanel(QWidget* parent, const QString& name, const QString& title,
                      const int (&rect)[4]) {
    auto* const panel = new ucContainer(parent);
    panel->setObjectName(name);
    panel->SetTitle(title);
    SetPanelFont(*panel);
    mTwips::SetGeometryInTwips(*panel, rect[0], rect[1], rect[2], rect[3]);
    return panel;
}

} // namespace

SettingsPanels::SettingsPanels(QWidget* parent) {
    trackSettingPanel = NewPanel(parent, "conTrackSetting", "Track Setting", kTrackSettingRect);
    BuildTrackSetting(*trackSettingPanel, trackSetting);
    for (int i = 0; i < kSegStylePanels; ++i) {
        segStylePanels[i] =
            NewPanel(parent, Indexed("conSegStyle", i), kPanelTitles[i], kSegStyleRect);
    }
    AddPanelLabel(*segStylePanels[0], "No Additional Settings for This Segment Type");
    using namespace mKavrano_TrackIO_1_3;
    BuildStation(*segStylePanels[SegStation], fieldControls[SegStation]);
    BuildMotor(*segStylePanels[SegLift], fieldControls[SegLift], "Lift");
    BuildMotor(*segStylePanels[SegTransport], fieldControls[SegTransport], "Transport");
    BuildBrake(*segStylePanels[SegBrake], fieldControls[SegBrake]);
    AddPanelLabel(*segStylePanels[kMultipleTypesPanel],
                  "Only the standard Track Settings can be modified for multiple segment types.");
}

ucContainer& SettingsPanels::conSegStyle(int Index) const {
    return *segStylePanels.at(size_t(Index));
}

ColorSwatch& SettingsPanels::lblMainColor(int Index) const {
    return *trackSetting.lblMainColor.at(size_t(Index));
}

std::span<const mMain::FieldControl> SettingsPanels::FieldControls(int32_t type) const {
    return fieldControls.at(size_t(type));
}
