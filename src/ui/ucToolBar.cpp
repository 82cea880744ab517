#include "ucToolBar.h"

#include "ToolBarPainter.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// Pictures six pixels below the top, six of gap under them, one of border.
constexpr int kBarHeight = kPictureTop + kPictureSize + 6 + 1;

} // namespace

ucToolBar::ucToolBar(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void ucToolBar::CreateButton(const QPixmap& NormalImage, const QPixmap& DisabledImage,
                             const QString& ToolTip) {
    AddButton(state, NormalImage, DisabledImage, ToolTip);
    updateGeometry();
    update();
}

void ucToolBar::CreateSeparator() {
    AddSeparator(state, height());
    updateGeometry();
    update();
}

void ucToolBar::ButtonEnabled(int iButton, bool bIsEnabled) {
    if (!IsButtonIndex(state, iButton))
        return;
    state.Buttons[iButton].bEnabled = bIsEnabled;
    // A disabled button never shows the bevel, not even while the pointer is still on it.
    if (!bIsEnabled && iButton == state.HoverButton)
        HideMouseOver();
    update();
}

void ucToolBar::ButtonSelected(int iButton, bool bIsSelected) {
    if (!IsButtonIndex(state, iButton))
        return;
    state.Buttons[iButton].bSelected = bIsSelected;
    update();
}

bool ucToolBar::ButtonIsSelected(int iButton) const {
    return IsButtonIndex(state, iButton) && state.Buttons[iButton].bSelected;
}

bool ucToolBar::ButtonIsEnabled(int iButton) const {
    return IsButtonIndex(state, iButton) && state.Buttons[iButton].bEnabled;
}

QString ucToolBar::ButtonToolTip(int iButton) const {
    return IsButtonIndex(state, iButton) ? state.Buttons[iButton].ToolTip : QString();
}

int ucToolBar::ButtonCount() const {
    return static_cast<int>(state.Buttons.size());
}

void ucToolBar::HideMouseOver() {
    if (!state.bHoverShown)
        return;
    const bool bWasOverButton = state.HoverButton != -1;
    state.bHoverShown = false;
    state.HoverButton = -1;
    update();
    if (bWasOverButton)
        emit ButtonHover(-1);
}

QSize ucToolBar::sizeHint() const {
    return QSize(state.NextButtonX, kBarHeight);
}

bool ucToolBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = ToolTipAt(state, help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            const ToolBarHit hit = HitTest(state, help->pos());
            QToolTip::showText(help->globalPos(), tip, this, PictureRect(state, hit.Button));
        }
        return true;
    }
    return QWidget::event(event);
}

void ucToolBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintToolBar(painter, state, size(), palette());
}

void ucToolBar::mouseMoveEvent(QMouseEvent* event) {
    // A pressed picture keeps the pointer until the button is released.
    if (ButtonIsEnabled(state.PressedButton)) {
        ShowMouseOver(state.PressedButton);
        return;
    }
    const ToolBarHit hit = HitTest(state, event->position().toPoint());
    switch (hit.Part) {
    case ToolBarPart::NormalPicture:
        ShowMouseOver(hit.Button);
        break;
    case ToolBarPart::DisabledPicture:
    case ToolBarPart::Background:
        HideMouseOver();
        break;
    case ToolBarPart::SelectedBackdrop:
        // The backdrop takes the pointer itself and does nothing with it.
        break;
    }
}

void ucToolBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || state.PressedButton != -1)
        return;
    const ToolBarHit hit = HitTest(state, event->position().toPoint());
    if (hit.Part == ToolBarPart::NormalPicture)
        DrawButtonDown(hit.Button);
}

void ucToolBar::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void ucToolBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || state.PressedButton == -1)
        return;
    const int i = state.PressedButton;
    const ToolBarHit hit = HitTest(state, event->position().toPoint());
    const bool bClicked = hit.Part == ToolBarPart::NormalPicture && hit.Button == i;
    DrawButtonUp();
    if (bClicked) {
        // The owner's handler runs while the bevel is still shown.
        emit ButtonClick(i);
    }
}

void ucToolBar::ShowMouseOver(int i) {
    const bool bNewButton = state.HoverButton != i;
    state.bHoverShown = true;
    state.HoverButton = i;
    update();
    if (bNewButton)
        emit ButtonHover(i);
}

void ucToolBar::DrawButtonDown(int i) {
    state.PressedButton = i;
    state.bBevelSunken = true;
    update();
}

void ucToolBar::DrawButtonUp() {
    state.PressedButton = -1;
    state.bBevelSunken = false;
    update();
}
