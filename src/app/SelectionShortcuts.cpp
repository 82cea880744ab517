#include "SelectionShortcuts.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

namespace mMain {

namespace {

bool IsTextBox(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget);
}

} // namespace

void CreateSelectionShortcuts(QWidget& window, const std::function<void(bool)>& selectAll) {
    auto* all = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), &window);
    auto* none = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    QObject::connect(all, &QShortcut::activated, &window, [selectAll] { selectAll(true); });
    QObject::connect(none, &QShortcut::activated, &window, [selectAll] { selectAll(false); });
    // Disabled shortcuts let the key through to the text box.
    QObject::connect(qApp, &QApplication::focusChanged, all, [all, none](QWidget*, QWidget* now) {
        all->setEnabled(!IsTextBox(now));
        none->setEnabled(!IsTextBox(now));
    });
}

} // namespace mMain
