#include "SegmentCells.h"

#include "PanelFields.h"
#include "PanelNumbers.h"

namespace mMain {

namespace {

using mKavrano_TrackIO_1_3::Colour;
using mKavrano_TrackIO_1_3::FieldKind;

QString ColourText(Colour c) {
    // 0x00BBGGRR as #RRGGBB
    return QString("#%1%2%3")
        .arg(c & 0xFFu, 2, 16, QChar('0'))
        .arg((c >> 8) & 0xFFu, 2, 16, QChar('0'))
        .arg((c >> 16) & 0xFFu, 2, 16, QChar('0'))
        .toUpper();
}

// A check box's state in the field's own type.
FieldValue Checked(const SegmentField& field, bool bChecked) {
    if (KindOf(field) == FieldKind::Boolean)
        return bChecked;
    return uint8_t(bChecked ? 1 : 0);
}

} // namespace

QString CellText(const mKavrano_TrackIO_1_3::TrackSegment& s, const SegmentField& field) {
    const FieldValue value = ReadField(s, field);
    switch (KindOf(field)) {
    case FieldKind::Boolean:
    case FieldKind::Flag:
        return std::visit([](auto v) { return v != 0; }, value) ? "true" : "false";
    case FieldKind::Choice: {
        const uint8_t choice = std::get<uint8_t>(value);
        // A byte that names neither option shows as it is stored.
        return choice < field.Choices.size() ? QString::fromUtf8(field.Choices[choice].Caption)
                                             : QString::number(choice);
    }
    case FieldKind::ColourValue:
        return ColourText(std::get<Colour>(value));
    case FieldKind::Single:
        break;
    }
    return QString::fromStdString(ShownFieldText(std::get<float>(value), field.Unit));
}

std::variant<FieldValue, QString> ParseCell(const SegmentField& field, const QString& text) {
    const QString t = text.trimmed();
    switch (KindOf(field)) {
    case FieldKind::Boolean:
    case FieldKind::Flag:
        if (t == "true" || t == "1")
            return Checked(field, true);
        if (t == "false" || t == "0")
            return Checked(field, false);
        return QString("is not true or false");
    case FieldKind::Choice:
        for (uint8_t i = 0; i < 2; ++i) {
            if (t == QString::fromUtf8(field.Choices[i].Caption) ||
                t == QString::fromUtf8(field.Choices[i].Word) || t == QString::number(i))
                return FieldValue(i);
        }
        return QString("is not %1 or %2")
            .arg(QString::fromUtf8(field.Choices[0].Caption),
                 QString::fromUtf8(field.Choices[1].Caption));
    case FieldKind::ColourValue: {
        bool bRead = false;
        const uint32_t rgb = t.mid(1).toUInt(&bRead, 16);
        if (!t.startsWith('#') || t.size() != 7 || !bRead)
            return QString("is not a colour (#RRGGBB)");
        return FieldValue(
            Colour{(rgb & 0xFF0000u) >> 16 | (rgb & 0x00FF00u) | (rgb & 0xFFu) << 16});
    }
    case FieldKind::Single:
        break;
    }
    const std::optional<double> number = ReadPanelNumber(t.toStdString());
    if (!number)
        return QString("is not a number");
    return FieldValue(StoredFromShown(*number, field.Unit));
}

QString FieldTitle(const SegmentField& field) {
    QString title;
    for (const char c : field.Name) {
        if (c >= 'A' && c <= 'Z' && !title.isEmpty())
            title += ' ';
        title += c;
    }
    if (const char* unit = UnitText(field.Unit); *unit)
        title += QString(" (%1)").arg(unit);
    return title;
}

} // namespace mMain
