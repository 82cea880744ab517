#include "PanelFields.h"

#include "NumericTextBox.h"
#include "Overloaded.h"
#include "TriggerScrollBar.h"

#include <QCheckBox>
#include <QRadioButton>

namespace mMain {

namespace {

using mKavrano_TrackIO_1_3::FieldUnit;
using mKavrano_TrackIO_1_3::FieldValue;

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

// A check box's state as the field's own type: a Boolean, or a byte 0 or 1.
FieldValue CheckedValue(const SegmentField& field, bool bChecked) {
    if (std::holds_alternative<bool TrackSegment::*>(field.Member))
        return bChecked;
    return uint8_t(bChecked ? 1 : 0);
}

bool IsSet(const FieldValue& value) {
    return std::visit([](auto v) { return v != 0; }, value);
}

float SingleOf(const FieldValue& value) {
    return std::get<float>(value);
}

} // namespace

const char* UnitText(FieldUnit unit) {
    switch (unit) {
    case FieldUnit::Seconds:
        return "sec";
    case FieldUnit::Kmph:
        return "kmph";
    case FieldUnit::G:
        return "g";
    case FieldUnit::AsStored:
        break;
    }
    return "";
}

void FillFields(std::span<const FieldControl> controls, const TrackSegment& s) {
    for (const FieldControl& row : controls) {
        const FieldValue value = ReadField(s, *row.Field);
        std::visit(
            Overloaded{
                [&](QCheckBox* box) { box->setChecked(IsSet(value)); },
                [&](const std::array<QRadioButton*, 2>& options) {
                    ShowChoice(options, std::get<uint8_t>(value));
                },
                [&](NumericTextBox* box) { box->ShowStored(SingleOf(value), row.Field->Unit); },
                [&](TriggerScrollBar* bar) { bar->ShowStored(SingleOf(value)); },
            },
            row.Control);
    }
}

FieldValues::FieldValues(std::span<const FieldControl> controls) : rows(controls) {
    for (const FieldControl& row : controls) {
        const SegmentField& field = *row.Field;
        values.push_back(std::visit(
            Overloaded{
                [&](QCheckBox* box) -> std::optional<FieldValue> {
                    return CheckedValue(field, box->isChecked());
                },
                [&](const std::array<QRadioButton*, 2>& options) -> std::optional<FieldValue> {
                    for (size_t i = 0; i < options.size(); ++i) {
                        if (options[i]->isChecked())
                            return uint8_t(i);
                    }
                    return std::nullopt;
                },
                // A box whose "Enabled" box is clear is not read: it stores zero and keeps
                // standing for what it was filled with.
                [&](NumericTextBox* box) -> std::optional<FieldValue> {
                    if (row.ZeroUnless && !row.ZeroUnless->isChecked())
                        return 0.0f;
                    return box->ApplyStored(field.Unit);
                },
                [&](TriggerScrollBar* bar) -> std::optional<FieldValue> {
                    return bar->ApplyStored();
                },
            },
            row.Control));
    }
}

void FieldValues::WriteTo(TrackSegment& s) const {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (values[i])
            WriteField(s, *rows[i].Field, *values[i]);
    }
}

} // namespace mMain
