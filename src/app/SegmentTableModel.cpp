#include "SegmentTableModel.h"

#include "PanelNumbers.h"
#include "SegmentCells.h"
#include "SegmentTexts.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

using mKavrano_TrackIO_1_3::FieldKind;
using mKavrano_TrackIO_1_3::SegmentField;

namespace {

using Column = SegmentTableModel::Column;

// A number with `decimals` decimals at most, as the panels write numbers.
QString Number(double value, double scale) {
    return QString::fromStdString(
        mMain::FormatPanelNumber(std::nearbyint(value * scale) / scale, 15, 12));
}

bool IsCheck(const SegmentField& field) {
    const FieldKind kind = KindOf(field);
    return kind == FieldKind::Boolean || kind == FieldKind::Flag;
}

} // namespace

SegmentTableModel::SegmentTableModel(const mKavrano_TrackIO_1_3::TrackDocument& document,
                                     const mKV_TraceTrack::TraceState& trace, CellChange change,
                                     QObject* parent)
    : QAbstractTableModel(parent), doc(document), traced(trace), cellChange(std::move(change)) {
    columns = {{Column::Index, nullptr, "Index"},
               {Column::Type, nullptr, "Type"},
               {Column::Length, nullptr, "Length (m)"}};
    // The settings every segment has come first, in the main panel's order and captions.
    const std::pair<std::string_view, QString> common[] = {{"Tunnel", "Tunnel"},
                                                           {"CustomColours", "Custom Colors"},
                                                           {"SpineColour", "Spine"},
                                                           {"CrosstieColour", "Crosstie"},
                                                           {"RailsColour", "Rails"}};
    for (const auto& [name, title] : common)
        columns.push_back({Column::Field, mKavrano_TrackIO_1_3::FindSegmentField(name), title});
    for (const SegmentField& field : mKavrano_TrackIO_1_3::SegmentFields()) {
        if (field.Type != mKavrano_TrackIO_1_3::kEveryType)
            columns.push_back({Column::Field, &field, mMain::FieldTitle(field)});
    }
    columns.insert(columns.end(), {{Column::EntrySpeed, nullptr, "Entry Speed (kmph)"},
                                   {Column::MinVertical, nullptr, "Min Vertical (g)"},
                                   {Column::MaxVertical, nullptr, "Max Vertical (g)"},
                                   {Column::MinLateral, nullptr, "Min Lateral (g)"},
                                   {Column::MaxLateral, nullptr, "Max Lateral (g)"}});
}

const SegmentField* SegmentTableModel::FieldAt(int column) const {
    return column >= 0 && column < int(columns.size()) ? columns[size_t(column)].Field : nullptr;
}

void SegmentTableModel::Refresh(
    std::vector<std::optional<mKV_RidePreview::SegmentRideStats>> lapStats) {
    stats = std::move(lapStats);
    const int count = int(std::clamp<int64_t>(doc.SegmentCount, 0, int64_t(doc.Segments.size())));
    if (count != rows) {
        beginResetModel();
        rows = count;
        endResetModel();
        return;
    }
    if (rows > 0)
        emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
}

int SegmentTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows;
}

int SegmentTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns.size());
}

const SegmentField* SegmentTableModel::CarriedField(const QModelIndex& index) const {
    const SegmentField* field = FieldAt(index.column());
    if (!field || !Carries(doc.Segments[size_t(index.row())], *field))
        return nullptr;
    return field;
}

std::optional<double> SegmentTableModel::StatOf(int row, Column kind) const {
    if (size_t(row) >= stats.size() || !stats[size_t(row)])
        return std::nullopt;
    const mKV_RidePreview::SegmentRideStats& s = *stats[size_t(row)];
    switch (kind) {
    case Column::EntrySpeed:
        return s.EntrySpeed * mKV_RidePreview::kKmhPerMps;
    case Column::MinVertical:
        return s.MinVerticalG;
    case Column::MaxVertical:
        return s.MaxVerticalG;
    case Column::MinLateral:
        return s.MinLateralG;
    case Column::MaxLateral:
        return s.MaxLateralG;
    default:
        return std::nullopt;
    }
}

QString SegmentTableModel::Text(int row, int column) const {
    const ColumnSpec& c = columns[size_t(column)];
    const mKavrano_TrackIO_1_3::TrackSegment& s = doc.Segments[size_t(row)];
    switch (c.Kind) {
    case Column::Index:
        return QString::number(row);
    case Column::Type:
        return QString::fromStdString(mKV_TraceTrack::SegmentTypeName(s.SegmentType));
    case Column::Length:
        return size_t(row) < traced.TracedSegments.size()
                   ? Number(traced.TracedSegments[size_t(row)].Length, 10)
                   : QString();
    case Column::Field:
        return Carries(s, *c.Field) ? mMain::CellText(s, *c.Field) : QString();
    default:
        break;
    }
    const std::optional<double> stat = StatOf(row, c.Kind);
    return stat ? Number(*stat, c.Kind == Column::EntrySpeed ? 10 : 100) : QString();
}

QVariant SegmentTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows)
        return {};
    const mKavrano_TrackIO_1_3::TrackSegment& s = doc.Segments[size_t(index.row())];
    const SegmentField* field = CarriedField(index);
    const bool bCheck = field && IsCheck(*field);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return bCheck ? QVariant() : QVariant(Text(index.row(), index.column()));
    case Qt::CheckStateRole:
        if (!bCheck)
            return {};
        return Text(index.row(), index.column()) == "true" ? Qt::Checked : Qt::Unchecked;
    case Qt::DecorationRole:
        if (field && KindOf(*field) == FieldKind::ColourValue) {
            const auto c = std::get<mKavrano_TrackIO_1_3::Colour>(ReadField(s, *field));
            return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
        }
        return {};
    case kTypeRole:
        return s.SegmentType;
    case kSortRole: {
        const ColumnSpec& c = columns[size_t(index.column())];
        if (c.Kind == Column::Index)
            return index.row();
        if (c.Kind == Column::Length && size_t(index.row()) < traced.TracedSegments.size())
            return double(traced.TracedSegments[size_t(index.row())].Length);
        if (field && KindOf(*field) == FieldKind::Single)
            return double(std::get<float>(ReadField(s, *field)));
        if (const std::optional<double> stat = StatOf(index.row(), c.Kind))
            return *stat;
        return Text(index.row(), index.column());
    }
    default:
        return {};
    }
}

QVariant SegmentTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= int(columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    return columns[size_t(section)].Title;
}

Qt::ItemFlags SegmentTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const SegmentField* field = CarriedField(index);
    if (!field || KindOf(*field) == FieldKind::ColourValue)
        return flags;
    return flags | (IsCheck(*field) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool SegmentTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const SegmentField* field = CarriedField(index);
    if (!field || (role != Qt::EditRole && role != Qt::CheckStateRole))
        return false;
    // A check box's state reaches the owner as the text a cell of its kind takes.
    const QVariant given = role == Qt::CheckStateRole
                               ? QVariant(value.toInt() == Qt::Checked ? "true" : "false")
                               : value;
    return cellChange(index.row(), *field, given);
}
