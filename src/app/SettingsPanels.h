#pragma once

// The controls the owner works with directly are complete types here.
#include "ColorSwatch.h"
#include "PanelFields.h"
#include "ucContainer.h"

#include <QCheckBox>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class QLabel;
class QWidget;

// The settings panels of the main window and all their controls: the "Track Setting" panel
// and the seven stacked segment panels, each control named for its role (objectName
// "txtStationWait(2)", "conSegStyle(4)", ...) and laid out in twips inside its panel. The
// owner positions, shows and hides the panels themselves; the widgets belong to the parent
// given at construction, which must outlive this object.
class SettingsPanels {
public:
    static constexpr int kSegStylePanels = 7;
    // Panels 0 to 4 show the segment type of the same number; these two have no type.
    static constexpr int kMultipleTypesPanel = 5;
    static constexpr int kEmptyPanel = 6;
    // The track colour (index into TrackColours) of the spine, crosstie and rails swatch.
    static constexpr std::array<int, 3> kTrackColourOfSwatch = {0, 2, 1};

    struct TrackSettingControls {
        QCheckBox* chkMainTunnel = nullptr;
        QCheckBox* chkMainColors = nullptr;
        std::array<ColorSwatch*, 3> lblMainColor{}; // spine, crosstie, rails
        std::array<QLabel*, 3> lblMainColorName{};
    };

    explicit SettingsPanels(QWidget* parent);
    SettingsPanels(const SettingsPanels&) = delete;
    SettingsPanels& operator=(const SettingsPanels&) = delete;

    ucContainer& conTrackSetting() const { return *trackSettingPanel; }
    // Index 0 to kSegStylePanels - 1.
    ucContainer& conSegStyle(int Index) const;

    QCheckBox& chkMainTunnel() const { return *trackSetting.chkMainTunnel; }
    QCheckBox& chkMainColors() const { return *trackSetting.chkMainColors; }
    // Index 0 spine, 1 crosstie, 2 rails; paint one with ColorSwatch::SetColour.
    ColorSwatch& lblMainColor(int Index) const;

    const TrackSettingControls& TrackSetting() const { return trackSetting; }
    // The controls of the panel of segment type `type` (0 to 4) with their fields; none for
    // plain track.
    std::span<const mMain::FieldControl> FieldControls(int32_t type) const;

private:
    ucContainer* trackSettingPanel = nullptr;
    std::array<ucContainer*, kSegStylePanels> segStylePanels{};
    TrackSettingControls trackSetting;
    std::array<std::vector<mMain::FieldControl>, kSegStylePanels> fieldControls;
};
