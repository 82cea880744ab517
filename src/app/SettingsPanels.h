#pragma once

// The controls the owner works with directly are complete types here.
#include "ColorSwatch.h"
#include "ucContainer.h"

#include <QCheckBox>

#include <array>

class NumericTextBox;
class QLabel;
class QRadioButton;
class TriggerScrollBar;
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

    struct StationControls {
        QCheckBox* chkStationNone = nullptr;
        QCheckBox* chkStationSimple = nullptr;
        std::array<QRadioButton*, 2> optStationEntrance{};
        std::array<NumericTextBox*, 4> txtStationWait{}; // average, minimum, maximum, deviation
        QCheckBox* chkStationSync = nullptr;
        NumericTextBox* txtStationMainBrake = nullptr;
        QCheckBox* chkStationWheels = nullptr;
        std::array<NumericTextBox*, 3> txtStationWheels{}; // speed, acceleration, deceleration
        QCheckBox* chkStationPreBrake = nullptr;
        std::array<NumericTextBox*, 3> txtStationPreBrake{}; // speed limit, hysteresis, decel.
    };

    // The lift and the transport panel have the same controls.
    struct MotorControls {
        std::array<QRadioButton*, 2> optStyle{};
        std::array<QCheckBox*, 2> chkRailing{};    // left, right
        std::array<NumericTextBox*, 3> txtMotor{}; // speed, acceleration, deceleration
    };

    struct BrakeControls {
        QCheckBox* chkBrakeBlock = nullptr;
        QCheckBox* chkBrakeStop = nullptr;
        std::array<QCheckBox*, 2> chkBrakeRailing{};    // left, right
        std::array<NumericTextBox*, 3> txtBrakeBrake{}; // speed limit, hysteresis, decel.
        TriggerScrollBar* hsBrakeTrigger = nullptr;
        QCheckBox* chkBrakeWheels = nullptr;
        std::array<NumericTextBox*, 3> txtBrakeWheels{}; // speed, acceleration, deceleration
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
    const StationControls& Station() const { return station; }
    const MotorControls& Lift() const { return lift; }
    const MotorControls& Transport() const { return transport; }
    const BrakeControls& Brake() const { return brake; }

private:
    ucContainer* trackSettingPanel = nullptr;
    std::array<ucContainer*, kSegStylePanels> segStylePanels{};
    TrackSettingControls trackSetting;
    StationControls station;
    MotorControls lift;
    MotorControls transport;
    BrakeControls brake;
};
