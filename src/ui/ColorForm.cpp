#include "ColorForm.h"

#include <array>
#include <optional>

namespace mColorForm {

namespace {

struct PaletteEntry {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

constexpr auto A = QPalette::Active;
constexpr auto D = QPalette::Disabled;

// Indexes 0 to 30 of the system colour table, each answered by the palette colour that plays
// the same part in a Qt widget; 25 is unused by the system.
const std::array<std::optional<PaletteEntry>, 31> kSystemColors = {{
    PaletteEntry{A, QPalette::Mid},             // 0 scroll bar
    PaletteEntry{A, QPalette::Shadow},          // 1 desktop
    PaletteEntry{A, QPalette::Dark},            // 2 active caption
    PaletteEntry{A, QPalette::Midlight},        // 3 inactive caption
    PaletteEntry{A, QPalette::Window},          // 4 menu
    PaletteEntry{A, QPalette::Base},            // 5 window
    PaletteEntry{A, QPalette::Shadow},          // 6 window frame
    PaletteEntry{A, QPalette::WindowText},      // 7 menu text
    PaletteEntry{A, QPalette::Text},            // 8 window text
    PaletteEntry{A, QPalette::BrightText},      // 9 caption text
    PaletteEntry{A, QPalette::Button},          // 10 active border
    PaletteEntry{A, QPalette::Window},          // 11 inactive border
    PaletteEntry{A, QPalette::Mid},             // 12 application workspace
    PaletteEntry{A, QPalette::Highlight},       // 13 highlight
    PaletteEntry{A, QPalette::HighlightedText}, // 14 highlight text
    PaletteEntry{A, QPalette::Button},          // 15 button face
    PaletteEntry{A, QPalette::Dark},            // 16 button shadow
    PaletteEntry{D, QPalette::Text},            // 17 grey text
    PaletteEntry{A, QPalette::ButtonText},      // 18 button text
    PaletteEntry{D, QPalette::WindowText},      // 19 inactive caption text
    PaletteEntry{A, QPalette::Light},           // 20 3D highlight
    PaletteEntry{A, QPalette::Shadow},          // 21 3D dark shadow
    PaletteEntry{A, QPalette::Midlight},        // 22 3D light
    PaletteEntry{A, QPalette::ToolTipText},     // 23 info text
    PaletteEntry{A, QPalette::ToolTipBase},     // 24 info background
    std::nullopt,                               // 25
    PaletteEntry{A, QPalette::Link},            // 26 hot-tracked item
    PaletteEntry{A, QPalette::Highlight},       // 27 active caption gradient
    PaletteEntry{A, QPalette::Midlight},        // 28 inactive caption gradient
    PaletteEntry{A, QPalette::Highlight},       // 29 menu highlight
    PaletteEntry{A, QPalette::Window},          // 30 menu bar
}};

} // namespace

QColor SystemColor(int index, const QPalette& palette) {
    if (index < 0 || index >= static_cast<int>(kSystemColors.size()) || !kSystemColors[index]) {
        return QColor(0, 0, 0);
    }
    const PaletteEntry& entry = *kSystemColors[index];
    return palette.color(entry.Group, entry.Role);
}

QColor ColorFromLong(int32_t value, const QPalette& palette) {
    if ((value & kSystemColorFlag) != 0) {
        return SystemColor(value & 0x00FFFFFF, palette);
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int32_t LongFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

} // namespace mColorForm
