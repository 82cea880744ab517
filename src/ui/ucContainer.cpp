#include "ucContainer.h"

#include "ColorForm.h"
#include "PixelLines.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// A small bold sans-serif face that fits the strip.
QFont TitleFont(const QFont& base) {
    QFont font(base);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(11);
    return font;
}

Qt::Alignment QtAlignment(int alignment) {
    switch (alignment) {
    case ucContainer::kAlignLeft:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case ucContainer::kAlignRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    }
}

} // namespace

ucContainer::ucContainer(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

QString ucContainer::Title() const {
    return titleText;
}

void ucContainer::SetTitle(const QString& sVal) {
    titleText = sVal;
    update();
}

int ucContainer::Alignment() const {
    return titleAlignment;
}

void ucContainer::SetAlignment(int aVal) {
    if (aVal != kAlignLeft && aVal != kAlignRight && aVal != kAlignCenter)
        return;
    titleAlignment = aVal;
    update();
}

void ucContainer::SetInBackground(bool bVal) {
    bInBackground = bVal;
    update();
}

QRect ucContainer::TitleRect() const {
    return QRect(0, 0, width(), mTwips::TwipsToPixels(kTitleHeightTwips));
}

bool ucContainer::IsOverTitle(QPoint point) const {
    return TitleRect().contains(point) && childAt(point) == nullptr;
}

void ucContainer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    const int w = width();
    const int h = height();
    const int t = TitleRect().height();

    painter.fillRect(rect(), mColorForm::ColorFromLong(mColorForm::kButtonFace, pal));

    const QRect strip = TitleRect();
    painter.fillRect(strip,
                     mColorForm::ColorFromLong(
                         bInBackground ? mColorForm::kActiveCaption : mColorForm::kHighlight, pal));
    painter.setPen(mColorForm::ColorFromLong(
        bInBackground ? mColorForm::kCaptionText : mColorForm::kHighlightText, pal));
    painter.setFont(TitleFont(font()));
    painter.drawText(strip, QtAlignment(titleAlignment), titleText);

    const QColor highlight = mColorForm::ColorFromLong(mColorForm::k3DHighlight, pal);
    const QColor shadow = mColorForm::ColorFromLong(mColorForm::k3DDarkShadow, pal);
    DrawPixelLine(painter, {0, t}, {w, t}, highlight);
    DrawPixelLine(painter, {0, 0}, {0, h}, highlight);
    DrawPixelLine(painter, {0, h - 1}, {w, h - 1}, shadow);
    DrawPixelLine(painter, {w - 1, 0}, {w - 1, h}, shadow);
}

void ucContainer::mouseMoveEvent(QMouseEvent* event) {
    // Moves that a contained control let through are not the panel's own.
    if (childAt(event->position().toPoint()) == nullptr)
        emit MouseMoved();
}

void ucContainer::mousePressEvent(QMouseEvent* event) {
    bTitlePressed = event->button() == Qt::LeftButton && IsOverTitle(event->position().toPoint());
}

void ucContainer::mouseReleaseEvent(QMouseEvent* event) {
    const bool bClicked = bTitlePressed && event->button() == Qt::LeftButton &&
                          IsOverTitle(event->position().toPoint());
    bTitlePressed = false;
    if (bClicked)
        emit TitleClicked();
}
