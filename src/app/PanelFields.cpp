#include "PanelFields.h"

#include "NumericTextBox.h"
#include "PanelNumbers.h"

#include <QCheckBox>
#include <QString>

namespace mMain {

namespace {

QCheckBox& CheckBox(const QWidget& panel, const char* name) {
    return *panel.findChild<QCheckBox*>(name);
}

NumericTextBox& NumberBox(const QWidget& panel, const char* name) {
    return *panel.findChild<NumericTextBox*>(name);
}

bool FlagOf(const TrackSegment& s, const CheckField& row) {
    return std::visit([&s](auto field) { return s.*field != 0; }, row.Field);
}

} // namespace

const char* UnitText(PanelUnit unit) {
    switch (unit) {
    case PanelUnit::Seconds:
        return "sec";
    case PanelUnit::Kmph:
        return "kmph";
    case PanelUnit::G:
        return "g";
    }
    return "";
}

void ShowField(NumericTextBox& box, float stored, PanelUnit unit) {
    const double shown = unit == PanelUnit::Kmph ? SpeedToKmph(stored)
                         : unit == PanelUnit::G  ? AccelToG(stored)
                                                 : stored;
    const int digits = unit == PanelUnit::Seconds ? kSingleDigits : kConvertedDigits;
    // The whole text is shown; the box's limit holds for typing only.
    box.ShowStored(QString::fromStdString(FormatPanelNumber(shown, digits, kShownTextLength)),
                   stored);
}

float StoredField(NumericTextBox& box, PanelUnit unit) {
    switch (unit) {
    case PanelUnit::Kmph:
        return box.ApplyStored([](double kmph) { return StoredSingle(KmphToSpeed(kmph)); });
    case PanelUnit::G:
        return box.ApplyStored([](double g) { return StoredSingle(GToAccel(g)); });
    case PanelUnit::Seconds:
        break;
    }
    return box.ApplyStored([](double seconds) { return StoredSingle(seconds); });
}

void FillFields(const QWidget& panel, std::span<const CheckField> checks,
                std::span<const NumberField> numbers, const TrackSegment& s) {
    for (const CheckField& row : checks)
        CheckBox(panel, row.Control).setChecked(FlagOf(s, row));
    for (const NumberField& row : numbers)
        ShowField(NumberBox(panel, row.Control), s.*row.Field, row.Unit);
}

FieldValues::FieldValues(const QWidget& panel, std::span<const CheckField> checks,
                         std::span<const NumberField> numbers)
    : checkRows(checks), numberRows(numbers) {
    for (const CheckField& row : checks)
        checked.push_back(CheckBox(panel, row.Control).isChecked());
    // A box whose "Enabled" box is clear is not read: it stores zero and keeps standing for
    // what it was filled with.
    for (const NumberField& row : numbers)
        values.push_back(row.ZeroUnless && !CheckBox(panel, row.ZeroUnless).isChecked()
                             ? 0.0f
                             : StoredField(NumberBox(panel, row.Control), row.Unit));
}

void FieldValues::WriteTo(TrackSegment& s) const {
    for (size_t i = 0; i < checkRows.size(); ++i)
        std::visit([&](auto field) { s.*field = checked[i] ? 1 : 0; }, checkRows[i].Field);
    for (size_t i = 0; i < numberRows.size(); ++i)
        s.*numberRows[i].Field = values[i];
}

} // namespace mMain
