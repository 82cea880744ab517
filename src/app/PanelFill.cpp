#include "PanelFill.h"

#include "ColorSwatch.h"
#include "PanelFields.h"
#include "SelectionStats.h"
#include "SettingsPanels.h"

#include <QCheckBox>

namespace mMain {

namespace {

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
    if (s.SegmentType >= 0 && s.SegmentType <= mKavrano_TrackIO_1_3::SegBrake)
        FillFields(panels.FieldControls(s.SegmentType), s);
    FillTrackSetting(panels, s);
}

void ShowSelectedSegmentSettings(const AppContext& context, const SettingsPanels& panels) {
    const int32_t first = FirstSelectedSegment(context.Trace);
    if (first >= 0)
        ShowSegmentSettings(context, panels, first);
}

} // namespace mMain
