#include "NumericTextBox.h"

#include "PanelNumbers.h"

#include <QKeyEvent>

namespace {

bool IsUndoOrRedo(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

// The character code a key press types, or -1 for a key that types none and so never reaches
// the key filter (arrows, Delete, Home, End, modifiers alone).
int TypedCharacter(const QKeyEvent& event) {
    // Undo and redo of the box's own typing type nothing; other control keys are filtered.
    if (IsUndoOrRedo(event))
        return -1;
    switch (event.key()) {
    case Qt::Key_Backspace:
        return mMain::kKeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return mMain::kKeyEnter;
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString text = event.text();
    return text.isEmpty() ? -1 : text.at(0).unicode();
}

} // namespace

NumericTextBox::NumericTextBox(int maxLength, QWidget* parent) : QLineEdit(parent) {
    setMaxLength(maxLength);
    // Composed input would bypass the key filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // Text set by the program (a fill) is what the document holds.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!isModified())
            committedText = text();
    });
}

bool NumericTextBox::HasUncommittedText() const {
    return text() != committedText;
}

void NumericTextBox::MarkCommitted() {
    committedText = text();
    setModified(false);
}

bool NumericTextBox::event(QEvent* event) {
    // Undo and redo belong to the box only while it holds typing not yet applied; otherwise
    // they reach the window's edit history.
    if (event->type() == QEvent::ShortcutOverride && !HasUncommittedText()) {
        if (IsUndoOrRedo(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void NumericTextBox::keyPressEvent(QKeyEvent* event) {
    const int typed = TypedCharacter(*event);
    if (typed < 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    auto KeyAscii = static_cast<int16_t>(typed);
    mMain::FilterNumericKey(KeyAscii);
    if (KeyAscii == 0) {
        event->accept();
        return;
    }
    if (KeyAscii == mMain::kKeyEnter) {
        event->accept();
        emit EnterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
