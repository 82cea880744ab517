#include "PanelFill.h"

#include "ColorSwatch.h"
#include "MotorFields.h"
#include "PanelFields.h"
#include "SelectionStats.h"
#include "SettingsPanels.h"
#include "TriggerScrollBar.h"

#include <QCheckBox>
#include <QRadioButton>

#include <array>

namespace mMain {

namespace {

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

void FillStation(const SettingsPanels& panels, const TrackSegment& s) {
    FillFields(panels.conSegStyle(mKavrano_TrackIO_1_3::SegStation), kStationChecks,
               kStationNumbers, s);
    ShowChoice(panels.Station().optStationEntrance, s.StationEntrance);
}

void FillMotor(const SettingsPanels::MotorControls& c, const TrackSegment& s,
               const MotorFields& f) {
    ShowChoice(c.optStyle, s.*f.Style);
    c.chkRailing[0]->setChecked(s.*f.LeftRailing);
    c.chkRailing[1]->setChecked(s.*f.RightRailing);
    ShowField(*c.txtMotor[0], s.*f.Speed, PanelUnit::Kmph);
    ShowField(*c.txtMotor[1], s.*f.Accel, PanelUnit::G);
    ShowField(*c.txtMotor[2], s.*f.Decel, PanelUnit::G);
}

void FillBrake(const SettingsPanels& panels, const TrackSegment& s) {
    FillFields(panels.conSegStyle(mKavrano_TrackIO_1_3::SegBrake), kBrakeChecks, kBrakeNumbers, s);
    panels.Brake().hsBrakeTrigger->ShowStored(s.BrakeTriggerPos);
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
        FillStation(panels, s);
        break;
    case mKavrano_TrackIO_1_3::SegLift:
        FillMotor(panels.Lift(), s, kLiftFields);
        break;
    case mKavrano_TrackIO_1_3::SegTransport:
        FillMotor(panels.Transport(), s, kTransportFields);
        break;
    case mKavrano_TrackIO_1_3::SegBrake:
        FillBrake(panels, s);
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
