#pragma once

#include <QStyledItemDelegate>

class SegmentTableModel;

// The editors of the segment table's cells: a choice offers its two captions, a number is typed
// into the panels' number box, with their key filter. What is typed reaches the model as text.
class SegmentCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    SegmentCellDelegate(const SegmentTableModel& tableModel, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    const SegmentTableModel& table;
};
