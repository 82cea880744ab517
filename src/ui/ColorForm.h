#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

// Colours travel through the program as 32-bit values in the 0x00BBGGRR form (red in the low
// byte). A value with the top bit set, 0x800000nn, names the system colour of index nn instead;
// on this platform each index is answered by the matching role of a widget palette.
namespace mColorForm {

constexpr int32_t kSystemColorFlag = static_cast<int32_t>(0x80000000u);
constexpr int32_t kActiveCaption = kSystemColorFlag | 2;
constexpr int32_t kCaptionText = kSystemColorFlag | 9;
constexpr int32_t kHighlight = kSystemColorFlag | 13;
constexpr int32_t kHighlightText = kSystemColorFlag | 14;
constexpr int32_t kButtonFace = kSystemColorFlag | 15;
constexpr int32_t kButtonShadow = kSystemColorFlag | 16;
constexpr int32_t k3DHighlight = kSystemColorFlag | 20;
constexpr int32_t k3DDarkShadow = kSystemColorFlag | 21;
constexpr int32_t k3DLight = kSystemColorFlag | 22;

// The palette colour that stands for system colour `index`; black for an index the system
// does not define, as the system itself answers.
QColor SystemColor(int index, const QPalette& palette);

// A colour value of either form as a QColor (system colours looked up in `palette`).
QColor ColorFromLong(int32_t value, const QPalette& palette);

// A QColor as a 0x00BBGGRR value; alpha is dropped.
int32_t LongFromColor(const QColor& color);

} // namespace mColorForm
