#pragma once

#include "SegmentFieldTable.h"

#include <array>
#include <optional>
#include <span>
#include <variant>
#include <vector>

class NumericTextBox;
class QCheckBox;
class QRadioButton;
class TriggerScrollBar;

// The controls of a segment panel, each with the row of the field table it shows. A panel's
// fill and its apply walk the same controls, so what a fill shows is what an apply stores.
namespace mMain {

using mKavrano_TrackIO_1_3::SegmentField;
using mKavrano_TrackIO_1_3::TrackSegment;

struct FieldControl {
    const SegmentField* Field;
    // A check box for a Boolean or a flag byte, an option pair for a choice, a number box or the
    // trigger bar for a Single.
    std::variant<QCheckBox*, std::array<QRadioButton*, 2>, NumericTextBox*, TriggerScrollBar*>
        Control;
    // The "Enabled" box of the frame, when a clear one stores zero whatever the number shows.
    const QCheckBox* ZeroUnless = nullptr;
};

// The unit's label beside a box: "sec", "kmph", "g", or none.
const char* UnitText(mKavrano_TrackIO_1_3::FieldUnit unit);

// Shows segment `s` in the controls.
void FillFields(std::span<const FieldControl> controls, const TrackSegment& s);

// What the controls show, read once and written into any segment.
class FieldValues {
public:
    explicit FieldValues(std::span<const FieldControl> controls);
    void WriteTo(TrackSegment& s) const;

private:
    std::span<const FieldControl> rows;
    // None where an option pair has neither option selected: the field keeps its value.
    std::vector<std::optional<mKavrano_TrackIO_1_3::FieldValue>> values;
};

} // namespace mMain
