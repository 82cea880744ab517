#include "TextSafeShortcut.h"

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

QShortcut* AddTextSafeShortcut(QWidget& window, const QKeySequence& keys,
                               std::function<void()> run) {
    auto* shortcut = new QShortcut(keys, &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, std::move(run));
    // A disabled shortcut lets the key through to the text box.
    QObject::connect(qApp, &QApplication::focusChanged, shortcut,
                     [shortcut](QWidget*, QWidget* now) { shortcut->setEnabled(!IsTextBox(now)); });
    return shortcut;
}

} // namespace mMain
