#pragma once

#include "ToolBarState.h"

#include <QSize>

class QPainter;
class QPalette;

// Paints the whole bar of the given size: background, selected backdrops, pictures,
// separators, the hover bevel and the bar's own border, in that order from back to front.
void PaintToolBar(QPainter& painter, const ToolBarState& state, QSize size,
                  const QPalette& palette);
