#include "SettingsPanelSwitch.h"

#include "ColorSwatch.h"
#include "PanelFill.h"
#include "SelectionStats.h"
#include "SettingsPanels.h"
#include "ucContainer.h"

#include <QCheckBox>

namespace mMain {

namespace {

constexpr mKavrano_TrackIO_1_3::Colour kButtonFace = 0x8000000F;

void ClearTrackSettings(const SettingsPanels& panels) {
    panels.chkMainTunnel().setChecked(false);
    panels.chkMainColors().setChecked(false);
}

// A type outside 0 to 4 has no settings group of its own: the empty panel.
int PanelOfType(int32_t type) {
    return type >= 0 && type < SettingsPanels::kMultipleTypesPanel ? type
                                                                   : SettingsPanels::kEmptyPanel;
}

} // namespace

void ShowSettingsPanel(const SettingsPanels& panels, int index) {
    for (int i = 0; i < SettingsPanels::kSegStylePanels; ++i)
        panels.conSegStyle(i).setVisible(false);
    if (index >= 0 && index < SettingsPanels::kSegStylePanels)
        panels.conSegStyle(index).setVisible(true);
}

void UpdateSettingsPanels(AppContext& app, const SettingsPanels& panels) {
    app.State.bUpdatingControls = true;
    const int32_t n = CountSelectedSegments(app.Trace);
    const int32_t f = FirstSelectedSegment(app.Trace);
    if (n == 0) {
        ShowSettingsPanel(panels, SettingsPanels::kEmptyPanel);
        ClearTrackSettings(panels);
        for (int i = 0; i < 3; ++i)
            panels.lblMainColor(i).SetColour(kButtonFace);
    } else {
        const int32_t common = n == 1 ? app.Document.Segments[size_t(f)].SegmentType
                                      : CommonSegmentType(app.Trace, app.Document);
        if (n == 1) {
            ShowSettingsPanel(panels, PanelOfType(common));
            ShowSegmentSettings(app, panels, f);
        } else if (common >= 0) {
            ShowSettingsPanel(panels, PanelOfType(common));
            ShowSelectedSegmentSettings(app, panels);
        } else {
            ShowSettingsPanel(panels, SettingsPanels::kMultipleTypesPanel);
            ClearTrackSettings(panels);
            for (int i = 0; i < 3; ++i) {
                panels.lblMainColor(i).SetColour(
                    app.Document
                        .TrackColours[size_t(SettingsPanels::kTrackColourOfSwatch[size_t(i)])]);
            }
        }
    }
    panels.conTrackSetting().setVisible(app.State.bTrackLoaded);
    app.State.bUpdatingControls = false;
}

} // namespace mMain
