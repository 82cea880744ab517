#include "PanelFill.h"

#include "ColorSwatch.h"
#include "MotorFields.h"
#include "NumericTextBox.h"
#include "PanelNumbers.h"
#include "SelectionSummary.h"
#include "SettingsPanels.h"
#include "TriggerScrollBar.h"

#include <QCheckBox>
#include <QRadioButton>

#include <array>

namespace mMain {

namespace {

using mKavrano_TrackIO_1_3::TrackSegment;

// The whole text is shown; the box's limit holds for typing only.
void ShowNumber(NumericTextBox& box, float stored, double shown, int digits) {
    box.ShowStored(QString::fromStdString(FormatPanelNumber(shown, digits, kShownTextLength)),
                   stored);
}

void ShowSpeed(NumericTextBox& box, float stored) {
    ShowNumber(box, stored, SpeedToKmph(stored), kConvertedDigits);
}

void ShowAccel(NumericTextBox& box, float stored) {
    ShowNumber(box, stored, AccelToG(stored), kConvertedDigits);
}

void ShowSeconds(NumericTextBox& box, float stored) {
    ShowNumber(box, stored, stored, kSingleDigits);
}

// The option whose index is the byte is set and the other cleared; a byte that names neither
// clears both, which an exclusive pair allows only while it is not exclusive.
void ShowChoice(const std::array<QRadioButton*, 2>& options, uint8_t choice) {
    for (QRadioButton* const option : options)
        option->setAutoExclusive(false);
    for (size_t i = 0; i < options.size(); ++i)
        options[i]->setChecked(choice == i);
    for (QRadioButton* const option : options)
        option->setAutoExclusive(true);
}

void FillStation(const SettingsPanels::StationControls& c, const TrackSegment& s) {
    // A byte other than 0 and 1 shows checked, as any value that is not 0.
    c.chkStationNone->setChecked(s.StationNoBuilding != 0);
    c.chkStationSimple->setChecked(s.StationBaseOnly != 0);
    ShowChoice(c.optStationEntrance, s.StationEntrance);
    ShowSeconds(*c.txtStationWait[0], s.StationWaitAverage);
    ShowSeconds(*c.txtStationWait[1], s.StationWaitMinimum);
    ShowSeconds(*c.txtStationWait[2], s.StationWaitMaximum);
    ShowSeconds(*c.txtStationWait[3], s.StationWaitDeviation);
    c.chkStationSync->setChecked(s.StationWaitSync);
    ShowAccel(*c.txtStationMainBrake, s.StationMainBrakeDecel);
    c.chkStationWheels->setChecked(s.StationWheels);
    ShowSpeed(*c.txtStationWheels[0], s.StationWheelsSpeed);
    ShowAccel(*c.txtStationWheels[1], s.StationWheelsAccel);
    ShowAccel(*c.txtStationWheels[2], s.StationWheelsDecel);
    c.chkStationPreBrake->setChecked(s.StationPreBrake);
    ShowSpeed(*c.txtStationPreBrake[0], s.StationPreBrakeSpeedLimit);
    ShowSpeed(*c.txtStationPreBrake[1], s.StationPreBrakeHysteresis);
    ShowAccel(*c.txtStationPreBrake[2], s.StationPreBrakeDecel);
}

void FillMotor(const SettingsPanels::MotorControls& c, const TrackSegment& s,
               const MotorFields& f) {
    ShowChoice(c.optStyle, s.*f.Style);
    c.chkRailing[0]->setChecked(s.*f.LeftRailing);
    c.chkRailing[1]->setChecked(s.*f.RightRailing);
    ShowSpeed(*c.txtMotor[0], s.*f.Speed);
    ShowAccel(*c.txtMotor[1], s.*f.Accel);
    ShowAccel(*c.txtMotor[2], s.*f.Decel);
}

void FillBrake(const SettingsPanels::BrakeControls& c, const TrackSegment& s) {
    c.chkBrakeBlock->setChecked(s.BrakeBlock);
    c.chkBrakeStop->setChecked(s.BrakeCompleteStop);
    c.chkBrakeRailing[0]->setChecked(s.BrakeLeftRailing);
    c.chkBrakeRailing[1]->setChecked(s.BrakeRightRailing);
    ShowSpeed(*c.txtBrakeBrake[0], s.BrakeSpeedLimit);
    ShowSpeed(*c.txtBrakeBrake[1], s.BrakeHysteresis);
    ShowAccel(*c.txtBrakeBrake[2], s.BrakeDecel);
    c.hsBrakeTrigger->ShowStored(s.BrakeTriggerPos);
    c.chkBrakeWheels->setChecked(s.BrakeWheels);
    ShowSpeed(*c.txtBrakeWheels[0], s.BrakeWheelsSpeed);
    ShowAccel(*c.txtBrakeWheels[1], s.BrakeWheelsAccel);
    ShowAccel(*c.txtBrakeWheels[2], s.BrakeWheelsDecel);
}

void FillTrackSetting(const SettingsPanels& panels, const TrackSegment& s) {
    panels.chkMainTunnel().setChecked(s.Tunnel);
    panels.chkMainColors().setChecked(s.CustomColours);
    // Colours of a segment without custom colours are not shown.
    const auto shown = [&](mKavrano_TrackIO_1_3::Colour colour) {
        return s.CustomColours ? colour : ColorSwatch::kNeutral;
    };
    panels.lblMainColor(0).SetColour(shown(s.SpineColour));
    panels.lblMainColor(1).SetColour(shown(s.CrosstieColour));
    panels.lblMainColor(2).SetColour(shown(s.RailsColour));
}

} // namespace

void ShowSegmentSettings(const AppContext& context, const SettingsPanels& panels, int32_t Index) {
    const mKavrano_TrackIO_1_3::TrackDocument& doc = context.Document;
    if (Index < 0 || Index >= doc.SegmentCount || size_t(Index) >= doc.Segments.size())
        return;
    const TrackSegment& s = doc.Segments[size_t(Index)];
    switch (s.SegmentType) {
    case mKavrano_TrackIO_1_3::SegStation:
        FillStation(panels.Station(), s);
        break;
    case mKavrano_TrackIO_1_3::SegLift:
        FillMotor(panels.Lift(), s, kLiftFields);
        break;
    case mKavrano_TrackIO_1_3::SegTransport:
        FillMotor(panels.Transport(), s, kTransportFields);
        break;
    case mKavrano_TrackIO_1_3::SegBrake:
        FillBrake(panels.Brake(), s);
        break;
    default:
        break;
    }
    FillTrackSetting(panels, s);
}

void ShowSelectedSegmentSettings(const AppContext& context, const SettingsPanels& panels) {
    const int32_t first = FirstSelectedSegment(context.Trace);
    if (first >= 0)
        ShowSegmentSettings(context, panels, first);
}

} // namespace mMain
