#include "NumericTextBox.h"

#include "PanelNumbers.h"

#include <QKeyEvent>

namespace {

// The character code a key press types, or -1 for a key that types none and so never reaches
// the key filter (arrows, Delete, Home, End, modifiers alone).
int TypedCharacter(const QKeyEvent& event) {
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
