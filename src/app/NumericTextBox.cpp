#include "NumericTextBox.h"

#include "PanelNumbers.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

bool IsUndoOrRedo(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

// The character code a key press types, or -1 for a key that types none and so never reaches
// the key filter (arrows, Delete, Home, End, modifiers alone).
// The widest text of eight characters a fill writes, and the room Qt keeps beside the text
// inside the frame (a margin of 2 pixels each side and the caret).
const QString kWidestText = QStringLiteral("-8888888");
constexpr int kLineEditPadding = 2 * 2 + 1;
constexpr int kNarrowestStretch = 50;
constexpr int kSmallestPixelSize = 7;

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

NumericTextBox::NumericTextBox(int limit, QWidget* parent) : QLineEdit(parent), typingLimit(limit) {
    // Composed input would bypass the key filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // A dropped file is opened by the window, never typed into a box.
    setAcceptDrops(false);
}

void NumericTextBox::ShowStored(float stored, mKavrano_TrackIO_1_3::FieldUnit unit) {
    // The whole text is shown; the limit holds for typing only.
    const QString shown = QString::fromStdString(mMain::ShownFieldText(stored, unit));
    setText(shown);
    committedText = shown;
    committedValue = stored;
}

float NumericTextBox::ApplyStored(mKavrano_TrackIO_1_3::FieldUnit unit) {
    const float value =
        !HasUncommittedText() && committedValue
            ? *committedValue
            : mMain::StoredFromShown(mMain::ParsePanelNumber(text().toStdString()), unit);
    committedText = text();
    committedValue = value;
    return value;
}

bool NumericTextBox::HasUncommittedText() const {
    return text() != committedText;
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

void NumericTextBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    FitFont();
}

void NumericTextBox::FitFont() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int room = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() -
                     kLineEditPadding;
    QFont font = parentWidget() ? parentWidget()->font() : this->font();
    const auto fits = [&] { return QFontMetrics(font).horizontalAdvance(kWidestText) <= room; };
    for (int stretch = font.stretch(); !fits() && stretch > kNarrowestStretch; stretch -= 5)
        font.setStretch(stretch - 5);
    for (int size = font.pixelSize(); !fits() && size > kSmallestPixelSize; --size)
        font.setPixelSize(size - 1);
    setFont(font);
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
    // The limit a maximum length sets, for typing only.
    if (KeyAscii != mMain::kKeyBackspace && text().size() - selectedText().size() >= typingLimit) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
