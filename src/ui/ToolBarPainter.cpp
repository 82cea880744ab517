#include "ToolBarPainter.h"

#include "ColorForm.h"
#include "PixelLines.h"

#include <QPainter>
#include <QPalette>

namespace {

void PaintSelectedBackdrop(QPainter& painter, const QRect& square, const QPalette& palette) {
    painter.fillRect(square, mColorForm::ColorFromLong(mColorForm::k3DLight, palette));
    const QColor border = mColorForm::ColorFromLong(mColorForm::kButtonShadow, palette);
    const QPoint end = square.bottomRight() + QPoint(1, 1);
    DrawPixelLine(painter, square.topLeft(), {end.x(), square.top()}, border);
    DrawPixelLine(painter, {square.left(), square.bottom()}, {end.x(), square.bottom()}, border);
    DrawPixelLine(painter, square.topLeft(), {square.left(), end.y()}, border);
    DrawPixelLine(painter, {square.right(), square.top()}, {square.right(), end.y()}, border);
}

void PaintBevel(QPainter& painter, const QRect& square, bool bSunken, const QPalette& palette) {
    const QColor highlight = mColorForm::ColorFromLong(mColorForm::k3DHighlight, palette);
    const QColor shadow = mColorForm::ColorFromLong(mColorForm::k3DDarkShadow, palette);
    const QColor& topLeft = bSunken ? shadow : highlight;
    const QColor& bottomRight = bSunken ? highlight : shadow;
    const int l = square.left();
    const int t = square.top();
    const int r = l + square.width();
    const int b = t + square.height();
    DrawPixelLine(painter, {l, t}, {r, t}, topLeft);
    DrawPixelLine(painter, {l, t}, {l, b}, topLeft);
    DrawPixelLine(painter, {l, b}, {r, b}, bottomRight);
    DrawPixelLine(painter, {r, t}, {r, b}, bottomRight);
}

} // namespace

void PaintToolBar(QPainter& painter, const ToolBarState& state, QSize size,
                  const QPalette& palette) {
    const QColor highlight = mColorForm::ColorFromLong(mColorForm::k3DHighlight, palette);
    const QColor shadow = mColorForm::ColorFromLong(mColorForm::k3DDarkShadow, palette);
    const int w = size.width();
    const int h = size.height();

    painter.fillRect(QRect(QPoint(0, 0), size),
                     mColorForm::ColorFromLong(mColorForm::kButtonFace, palette));

    for (int i = 0; i < static_cast<int>(state.Buttons.size()); ++i) {
        if (state.Buttons[i].bSelected)
            PaintSelectedBackdrop(painter, BevelSquare(state, i), palette);
    }
    for (int i = 0; i < static_cast<int>(state.Buttons.size()); ++i) {
        const ToolBarButton& button = state.Buttons[i];
        painter.drawPixmap(PictureRect(state, i),
                           button.bEnabled ? button.NormalPicture : button.DisabledPicture);
    }
    for (const ToolBarSeparator& separator : state.Separators) {
        DrawPixelLine(painter, {separator.X, separator.Top}, {separator.X, separator.Bottom},
                      shadow);
        DrawPixelLine(painter, {separator.X + 1, separator.Top},
                      {separator.X + 1, separator.Bottom}, highlight);
    }
    if (state.bHoverShown && IsButtonIndex(state, state.HoverButton))
        PaintBevel(painter, BevelSquare(state, state.HoverButton), state.bBevelSunken, palette);

    DrawPixelLine(painter, {0, 0}, {w, 0}, highlight);
    DrawPixelLine(painter, {0, 0}, {0, h}, highlight);
    DrawPixelLine(painter, {0, h - 1}, {w, h - 1}, shadow);
    DrawPixelLine(painter, {w - 1, 0}, {w - 1, h}, shadow);
}
