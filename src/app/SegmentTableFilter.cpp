#include "SegmentTableFilter.h"

#include "SegmentTableModel.h"

SegmentTableFilter::SegmentTableFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(SegmentTableModel::kSortRole);
    const auto stale = [this] { bSegmentsStale = true; };
    // Before and after: a slot may ask while the rows move.
    for (const auto change :
         {&QAbstractItemModel::layoutAboutToBeChanged, &QAbstractItemModel::layoutChanged})
        connect(this, change, this, stale);
    for (const auto change :
         {&QAbstractItemModel::rowsAboutToBeInserted, &QAbstractItemModel::rowsInserted,
          &QAbstractItemModel::rowsAboutToBeRemoved, &QAbstractItemModel::rowsRemoved})
        connect(this, change, this, stale);
    connect(this, &QAbstractItemModel::modelAboutToBeReset, this, stale);
    connect(this, &QAbstractItemModel::modelReset, this, stale);
}

const std::vector<int32_t>& SegmentTableFilter::ShownSegments() const {
    if (bSegmentsStale) {
        segments.resize(size_t(rowCount()));
        for (int row = 0; row < rowCount(); ++row)
            segments[size_t(row)] = mapToSource(index(row, 0)).row();
        bSegmentsStale = false;
    }
    return segments;
}

void SegmentTableFilter::SetType(std::optional<int32_t> type) {
    shownType = type;
    invalidateFilter();
}

bool SegmentTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    return !shownType ||
           sourceModel()->index(sourceRow, 0, sourceParent).data(SegmentTableModel::kTypeRole) ==
               *shownType;
}
