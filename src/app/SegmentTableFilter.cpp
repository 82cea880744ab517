#include "SegmentTableFilter.h"

#include "SegmentTableModel.h"

SegmentTableFilter::SegmentTableFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(SegmentTableModel::kSortRole);
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
