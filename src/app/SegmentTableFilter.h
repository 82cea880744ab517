#pragma once

#include <QSortFilterProxyModel>

#include <cstdint>
#include <optional>

// The segment table's rows of one type, or all, sorted by any column's sort value.
class SegmentTableFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit SegmentTableFilter(QObject* parent);

    // None shows every row.
    void SetType(std::optional<int32_t> type);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::optional<int32_t> shownType;
};
