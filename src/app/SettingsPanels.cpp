#include "SettingsPanels.h"

#include "ColorSwatch.h"
#include "NumericTextBox.h"
#include "PanelFields.h"
#include "PanelNumbers.h"
#include "TriggerScrollBar.h"
#include "Twips.h"
#include "ucContainer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QString>

#include <iterator>

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

// A frame of a segment panel; its text boxes line up in one column left of the unit column.
class Frame {
public:
    Frame(ucContainer& panel, const char* title, int left, int frameWidth, int unitWidth)
        : box(new QGroupBox(title, &panel)), width(frameWidth),
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

    QCheckBox* AddCheckBox(const QString& name, const char* caption, int top) {
        return AddButton<QCheckBox>(name, caption, top);
    }

    QCheckBox* AddCheckBox(const mMain::CheckField& row) {
        return AddCheckBox(row.Control, row.Caption, row.Top);
    }

    QRadioButton* AddOption(const QString& name, const char* caption, int top) {
        return AddButton<QRadioButton>(name, caption, top);
    }

    NumericTextBox* AddNumber(const mMain::NumberField& row,
                              int typingLimit = mMain::kNumberBoxLength) {
        return AddNumber(row.Control, row.Caption, mMain::UnitText(row.Unit), row.Top, typingLimit);
    }

    // A caption right-aligned left of the box, the box, and the unit just right of it.
    NumericTextBox* AddNumber(const QString& name, const char* caption, const char* unit, int top,
                              int typingLimit = mMain::kNumberBoxLength) {
        AddLabel(caption, kFrameMargin, top, boxLeft - kLabelGap - kFrameMargin,
                 Qt::AlignRight | Qt::AlignVCenter);
        auto* const text = new NumericTextBox(typingLimit, box);
        text->setObjectName(name);
        mTwips::SetGeometryInTwips(*text, boxLeft, top, kBoxWidth, kBoxHeight);
        const int unitLeft = boxLeft + kBoxWidth + kLabelGap;
        AddLabel(unit, unitLeft, top, width - kFrameMargin - unitLeft,
                 Qt::AlignLeft | Qt::AlignVCenter);
        return text;
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

// The rows of kStationChecks and kStationNumbers in the station's frames.
void BuildStation(ucContainer& panel, SettingsPanels::StationControls& c) {
    const auto& checks = mMain::kStationChecks;
    const auto& numbers = mMain::kStationNumbers;
    static_assert(std::size(checks) == 5 && std::size(numbers) == 11);
    Frame building(panel, "Building", 60, 1575, kUnitG);
    c.chkStationNone = building.AddCheckBox(checks[0]);
    c.chkStationSimple = building.AddCheckBox(checks[1]);
    c.optStationEntrance[0] =
        building.AddOption(Indexed("optStationEntrance", 0), "Left Entrance", 960);
    c.optStationEntrance[1] =
        building.AddOption(Indexed("optStationEntrance", 1), "Right Entrance", 1260);

    Frame wait(panel, "Wait Time", 1620, 1995, kUnitSec);
    for (size_t i = 0; i < 4; ++i)
        c.txtStationWait[i] = wait.AddNumber(numbers[i], mMain::kWaitBoxLength);
    c.chkStationSync = wait.AddCheckBox(checks[2]);

    Frame mainBrake(panel, "Main Brake", 3600, 2055, kUnitG);
    c.txtStationMainBrake = mainBrake.AddNumber(numbers[4]);

    Frame wheels(panel, "Wheels", 5640, 2235, kUnitKmph);
    c.chkStationWheels = wheels.AddCheckBox(checks[3]);
    for (size_t i = 0; i < 3; ++i)
        c.txtStationWheels[i] = wheels.AddNumber(numbers[5 + i]);

    Frame preBrake(panel, "Pre-Brake", 7860, 2235, kUnitKmph);
    c.chkStationPreBrake = preBrake.AddCheckBox(checks[4]);
    for (size_t i = 0; i < 3; ++i)
        c.txtStationPreBrake[i] = preBrake.AddNumber(numbers[8 + i]);
}

// Lift and transport differ only in their names and the first style's caption.
void BuildMotor(ucContainer& panel, SettingsPanels::MotorControls& c, const QString& kind,
                const char* firstStyle) {
    const auto name = [&kind](const char* prefix, const char* role, int i) {
        return Indexed(prefix + kind + role, i);
    };
    Frame style(panel, "Style", 60, 1815, kUnitG);
    c.optStyle[0] = style.AddOption(name("opt", "Style", 0), firstStyle, 300);
    c.optStyle[1] = style.AddOption(name("opt", "Style", 1), "Transport Wheels", 600);
    c.chkRailing[0] = style.AddCheckBox(name("chk", "Railing", 0), "Left Railing", 960);
    c.chkRailing[1] = style.AddCheckBox(name("chk", "Railing", 1), "Right Railing", 1260);

    Frame motor(panel, "Motor", 1860, 2295, kUnitKmph);
    const char* const captions[] = {"Speed:", "Acceleration:", "Deceleration:"};
    const char* const units[] = {"kmph", "g", "g"};
    for (int i = 0; i < 3; ++i) {
        c.txtMotor[i] =
            motor.AddNumber(name("txt", "Motor", i), captions[i], units[i], 300 + 300 * i);
    }
}

// The rows of kBrakeChecks and kBrakeNumbers in the brake's frames.
void BuildBrake(ucContainer& panel, SettingsPanels::BrakeControls& c) {
    const auto& checks = mMain::kBrakeChecks;
    const auto& numbers = mMain::kBrakeNumbers;
    static_assert(std::size(checks) == 5 && std::size(numbers) == 6);
    Frame style(panel, "Style", 60, 1575, kUnitG);
    c.chkBrakeBlock = style.AddCheckBox(checks[0]);
    c.chkBrakeStop = style.AddCheckBox(checks[1]);
    c.chkBrakeRailing[0] = style.AddCheckBox(checks[2]);
    c.chkBrakeRailing[1] = style.AddCheckBox(checks[3]);

    Frame brakeFrame(panel, "Brake", 1620, 2295, kUnitKmph);
    for (size_t i = 0; i < 3; ++i)
        c.txtBrakeBrake[i] = brakeFrame.AddNumber(numbers[i]);
    brakeFrame.AddLabel("Trigger Position:", kButtonLeft, 1230,
                        brakeFrame.Width() - kButtonLeft - kFrameMargin,
                        Qt::AlignLeft | Qt::AlignVCenter);
    constexpr int kBarWidth = 1935;
    c.hsBrakeTrigger = new TriggerScrollBar(&brakeFrame.Box());
    c.hsBrakeTrigger->setObjectName("hsBrakeTrigger");
    mTwips::SetGeometryInTwips(*c.hsBrakeTrigger, (brakeFrame.Width() - kBarWidth) / 2, 1515,
                               kBarWidth, 255);

    Frame wheels(panel, "Wheels", 3900, 2295, kUnitKmph);
    c.chkBrakeWheels = wheels.AddCheckBox(checks[4]);
    for (size_t i = 0; i < 3; ++i)
        c.txtBrakeWheels[i] = wheels.AddNumber(numbers[3 + i]);
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
    BuildStation(*segStylePanels[1], station);
    BuildMotor(*segStylePanels[2], lift, "Lift", "Chain");
    BuildMotor(*segStylePanels[3], transport, "Transport", "L.I.M.");
    BuildBrake(*segStylePanels[4], brake);
    AddPanelLabel(*segStylePanels[kMultipleTypesPanel],
                  "Only the standard Track Settings can be modified for multiple segment types.");
}

ucContainer& SettingsPanels::conSegStyle(int Index) const {
    return *segStylePanels.at(size_t(Index));
}

ColorSwatch& SettingsPanels::lblMainColor(int Index) const {
    return *trackSetting.lblMainColor.at(size_t(Index));
}
