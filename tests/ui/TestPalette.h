#pragma once

#include <QPalette>

// A palette in which every colour role used by the controls has its own colour, so that a
// pixel tells which role painted it.
QPalette DistinctPalette();
