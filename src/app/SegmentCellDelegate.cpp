#include "SegmentCellDelegate.h"

#include "NumericTextBox.h"
#include "PanelNumbers.h"
#include "SegmentTableModel.h"

#include <QComboBox>

using mKavrano_TrackIO_1_3::FieldKind;

SegmentCellDelegate::SegmentCellDelegate(const SegmentTableModel& tableModel, QObject* parent)
    : QStyledItemDelegate(parent), table(tableModel) {}

QWidget* SegmentCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    const mKavrano_TrackIO_1_3::SegmentField* field = table.FieldAt(index.column());
    if (!field)
        return nullptr;
    if (KindOf(*field) == FieldKind::Choice) {
        auto* choices = new QComboBox(parent);
        for (const mKavrano_TrackIO_1_3::FieldChoice& choice : field->Choices)
            choices->addItem(QString::fromUtf8(choice.Caption));
        return choices;
    }
    return new NumericTextBox(mMain::kNumberBoxLength, parent);
}

void SegmentCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString shown = index.data(Qt::EditRole).toString();
    if (auto* choices = qobject_cast<QComboBox*>(editor)) {
        choices->setCurrentIndex(choices->findText(shown));
    } else {
        static_cast<NumericTextBox*>(editor)->setText(shown);
    }
}

void SegmentCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const {
    if (auto* choices = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, choices->currentText());
    } else {
        model->setData(index, static_cast<NumericTextBox*>(editor)->text());
    }
}
