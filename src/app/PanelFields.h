#pragma once

#include "TrackDocument.h"

#include <cstdint>
#include <span>
#include <variant>
#include <vector>

class NumericTextBox;
class QWidget;

// The station and the brake panel as field tables: each row names a control, the segment field
// it shows and how. The panel's construction, its fill and its apply all walk the same rows, so
// what a fill shows is what an apply stores. The lift and the transport panel have theirs in
// MotorFields.h.
namespace mMain {

using mKavrano_TrackIO_1_3::TrackSegment;

// How a number box shows its field: seconds as stored, a speed in km/h, an acceleration in g.
enum class PanelUnit { Seconds, Kmph, G };

// A check box: a byte field shows checked for any value but 0 and stores 1 or 0.
struct CheckField {
    const char* Control; // object name
    const char* Caption;
    int Top; // twips, in its frame
    std::variant<bool TrackSegment::*, uint8_t TrackSegment::*> Field;
};

struct NumberField {
    const char* Control; // object name
    const char* Caption;
    int Top; // twips, in its frame
    float TrackSegment::*Field;
    PanelUnit Unit;
    // The "Enabled" check box of the frame, when a clear one stores zero whatever the box shows.
    const char* ZeroUnless = nullptr;
};

inline constexpr CheckField kStationChecks[] = {
    {"chkStationNone", "No Building", 300, &TrackSegment::StationNoBuilding},
    {"chkStationSimple", "Base Only", 600, &TrackSegment::StationBaseOnly},
    {"chkStationSync", "Syncronized", 1560, &TrackSegment::StationWaitSync},
    {"chkStationWheels", "Enabled", 300, &TrackSegment::StationWheels},
    {"chkStationPreBrake", "Enabled", 300, &TrackSegment::StationPreBrake},
};

inline constexpr NumberField kStationNumbers[] = {
    {"txtStationWait(0)", "Average:", 300, &TrackSegment::StationWaitAverage, PanelUnit::Seconds},
    {"txtStationWait(1)", "Minimum:", 600, &TrackSegment::StationWaitMinimum, PanelUnit::Seconds},
    {"txtStationWait(2)", "Maximum:", 900, &TrackSegment::StationWaitMaximum, PanelUnit::Seconds},
    {"txtStationWait(3)", "Deviation:", 1200, &TrackSegment::StationWaitDeviation,
     PanelUnit::Seconds},
    {"txtStationMainBrake", "Deceleration:", 300, &TrackSegment::StationMainBrakeDecel,
     PanelUnit::G},
    {"txtStationWheels(0)", "Speed:", 660, &TrackSegment::StationWheelsSpeed, PanelUnit::Kmph,
     "chkStationWheels"},
    {"txtStationWheels(1)", "Acceleration:", 960, &TrackSegment::StationWheelsAccel, PanelUnit::G,
     "chkStationWheels"},
    {"txtStationWheels(2)", "Deceleration:", 1260, &TrackSegment::StationWheelsDecel, PanelUnit::G,
     "chkStationWheels"},
    {"txtStationPreBrake(0)", "Speed Limit:", 660, &TrackSegment::StationPreBrakeSpeedLimit,
     PanelUnit::Kmph, "chkStationPreBrake"},
    {"txtStationPreBrake(1)", "Hysteresis:", 960, &TrackSegment::StationPreBrakeHysteresis,
     PanelUnit::Kmph, "chkStationPreBrake"},
    {"txtStationPreBrake(2)", "Deceleration:", 1260, &TrackSegment::StationPreBrakeDecel,
     PanelUnit::G, "chkStationPreBrake"},
};

inline constexpr CheckField kBrakeChecks[] = {
    {"chkBrakeBlock", "Blocksegment", 300, &TrackSegment::BrakeBlock},
    {"chkBrakeStop", "Complete Stop", 600, &TrackSegment::BrakeCompleteStop},
    {"chkBrakeRailing(0)", "Left Railing", 960, &TrackSegment::BrakeLeftRailing},
    {"chkBrakeRailing(1)", "Right Railing", 1260, &TrackSegment::BrakeRightRailing},
    {"chkBrakeWheels", "Enabled", 300, &TrackSegment::BrakeWheels},
};

// Unlike the station's, the brake's wheel values are kept when its wheels are off.
inline constexpr NumberField kBrakeNumbers[] = {
    {"txtBrakeBrake(0)", "Speed Limit:", 300, &TrackSegment::BrakeSpeedLimit, PanelUnit::Kmph},
    {"txtBrakeBrake(1)", "Hysteresis:", 600, &TrackSegment::BrakeHysteresis, PanelUnit::Kmph},
    {"txtBrakeBrake(2)", "Deceleration:", 900, &TrackSegment::BrakeDecel, PanelUnit::G},
    {"txtBrakeWheels(0)", "Speed:", 660, &TrackSegment::BrakeWheelsSpeed, PanelUnit::Kmph},
    {"txtBrakeWheels(1)", "Acceleration:", 960, &TrackSegment::BrakeWheelsAccel, PanelUnit::G},
    {"txtBrakeWheels(2)", "Deceleration:", 1260, &TrackSegment::BrakeWheelsDecel, PanelUnit::G},
};

// The unit's label beside a box: "sec", "kmph" or "g".
const char* UnitText(PanelUnit unit);

// A fill: shows `stored` in its unit.
void ShowField(NumericTextBox& box, float stored, PanelUnit unit);
// An apply: the value the box stands for, in stored units.
float StoredField(NumericTextBox& box, PanelUnit unit);

// Fills, in `panel`, the controls the rows name from segment `s`.
void FillFields(const QWidget& panel, std::span<const CheckField> checks,
                std::span<const NumberField> numbers, const TrackSegment& s);

// What the controls the rows name in `panel` show, read once and written into any segment.
class FieldValues {
public:
    FieldValues(const QWidget& panel, std::span<const CheckField> checks,
                std::span<const NumberField> numbers);
    void WriteTo(TrackSegment& s) const;

private:
    std::span<const CheckField> checkRows;
    std::span<const NumberField> numberRows;
    std::vector<bool> checked;
    std::vector<float> values;
};

} // namespace mMain
