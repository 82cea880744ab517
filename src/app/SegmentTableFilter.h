#pragma once

#include <QSortFilterProxyModel>

#include <cstdint>
#include <optional>
#include <vector>

// The segment table's rows of one type, or all, sorted by any column's sort value.
class SegmentTableFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit SegmentTableFilter(QObject* parent);

    // None shows every row.
    void SetType(std::optional<int32_t> type);

    // The segment each shown row stands for, in the order shown.
    const std::vector<int32_t>& ShownSegments() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::optional<int32_t> shownType;
    // Shown row to segment, built on first use after the rows change: a selection of
    // thousands of rows maps them all.
    mutable std::vector<int32_t> segments;
    mutable bool bSegmentsStale = true;
};
