#pragma once

#include "SegmentFieldTable.h"
#include "SegmentRideStats.h"
#include "TrackDocument.h"
#include "TrackTracer.h"

#include <QAbstractTableModel>

#include <functional>
#include <optional>
#include <vector>

// The segments of the document as table rows, in track order: the index, the type, the traced
// length, every field of the field table (empty where the row's type has none), and what the
// ride preview's lap does on the segment. The model reads the document; a change of a cell
// goes to the owner, which decides what to store.
class SegmentTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The value a column sorts by: numbers as numbers, texts as texts.
    static constexpr int kSortRole = Qt::UserRole;
    // A row's SegmentType.
    static constexpr int kTypeRole = Qt::UserRole + 1;

    enum class Column {
        Index,
        Type,
        Length,
        Field,
        EntrySpeed,
        MinVertical,
        MaxVertical,
        MinLateral,
        MaxLateral
    };

    struct ColumnSpec {
        Column Kind;
        const mKavrano_TrackIO_1_3::SegmentField* Field; // only for Column::Field
        QString Title;
    };

    // The owner's answer to a change of a field cell of `row`: true when it stored it.
    using CellChange = std::function<bool(int32_t row, const mKavrano_TrackIO_1_3::SegmentField&,
                                          const QVariant& value)>;

    SegmentTableModel(const mKavrano_TrackIO_1_3::TrackDocument& document,
                      const mKV_TraceTrack::TraceState& trace, CellChange change, QObject* parent);

    const std::vector<ColumnSpec>& Columns() const { return columns; }
    // The field a column shows; nullptr for the other columns.
    const mKavrano_TrackIO_1_3::SegmentField* FieldAt(int column) const;
    // A cell's text as shown, empty where it shows nothing; check boxes as true or false.
    QString Text(int row, int column) const;

    // Follows the document, its trace and a new lap.
    void Refresh(std::vector<std::optional<mKV_RidePreview::SegmentRideStats>> lapStats);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    // The field of a cell whose row carries it; nullptr otherwise.
    const mKavrano_TrackIO_1_3::SegmentField* CarriedField(const QModelIndex& index) const;
    std::optional<double> StatOf(int row, Column kind) const;

    const mKavrano_TrackIO_1_3::TrackDocument& doc;
    const mKV_TraceTrack::TraceState& traced;
    CellChange cellChange;
    std::vector<ColumnSpec> columns;
    std::vector<std::optional<mKV_RidePreview::SegmentRideStats>> stats;
    int rows = 0;
};
