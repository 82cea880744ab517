#include "ColorForm.h"

#include <array>
#include <optional>

namespace mColorForm {

namespace {

struct PaletteEntry {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

constexpr auto kActive = QPalette::Active;
constexpr auto kDisabled = QPalette::Disabled;

// Indexes 0 to 30 of the system colour table, each answered by the palette colour that plays
// the same part in a Qt widget; 25 is unused by the system.
const std::array<std::optional<PaletteEntry>, 31> kSystemColors = {{
    PaletteEntry{kActive, QPalette::Mid},             // 0 scroll bar
    PaletteEntry{kActive, QPalette::Shadow},          // 1 desktop
    PaletteEntry{kActive, QPalette::Dark},            // 2 active caption
    PaletteEntry{kActive, QPalette::Midlight},        // 3 inactive caption
    PaletteEntry{kActive, QPalette::Window},          // 4 menu
    PaletteEntry{kActive, QPalette::Base},            // 5 window
    PaletteEntry{kActive, QPalette::Shadow},          // 6 window frame
    PaletteEntry{kActive, QPalette::WindowText},      // 7 menu text
    PaletteEntry{kActive, QPalette::Text},            // 8 window text
    PaletteEntry{kActive, QPalette::BrightText},      // 9 caption text
    PaletteEntry{kActive, QPalette::Button},          // 10 active border
    PaletteEntry{kActive, QPalette::Window},          // 11 inactive border
    PaletteEntry{kActive, QPalette::Mid},             // 12 application workspace
    PaletteEntry{kActive, QPalette::Highlight},       // 13 highlight
    PaletteEntry{kActive, QPalette::HighlightedText}, // 14 highlight text
    PaletteEntry{kActive, QPalette::Button},          // 15 button face
    PaletteEntry{kActive, QPalette::Dark},            // 16 button shadow
    PaletteEntry{kDisabled, QPalette::Text},          // 17 grey text
    PaletteEntry{kActive, QPalette::ButtonText},      // 18 button text
    PaletteEntry{kDisabled, QPalette::WindowText},    // 19 inactive caption text
    PaletteEntry{kActive, QPalette::Light},           // 20 3D highlight
    PaletteEntry{kActive, QPalette::Shadow},          // 21 3D dark shadow
    PaletteEntry{kActive, QPalette::Midlight},        // 22 3D light
    PaletteEntry{kActive, QPalette::ToolTipText},     // 23 info text
    PaletteEntry{kActive, QPalette::ToolTipBase},     // 24 info background
    std::nullopt,                                     // 25
    PaletteEntry{kActive, QPalette::Link},            // 26 hot-tracked item
    PaletteEntry{kActive, QPalette::Highlight},       // 27 active caption gradient
    PaletteEntry{kActive, QPalette::Midlight},        // 28 inactive caption gradient
    PaletteEntry{kActive, QPalette::Highlight},       // 29 menu highlight
    PaletteEntry{kActive, QPalette::Window},          // 30 menu bar
}};

} // namespace

QColor SystemColor(int index, const QPalette& palette) {
    if (index < 0 || index >= static_cast<int>(kSystemColors.size()) || !kSystemColors[index])
        return QColor(0, 0, 0);
    const PaletteEntry& entry = *kSystemColors[index];
    return palette.color(entry.Group, entry.Role);
}

QColor ColorFromLong(int32_t value, const QPalette& palette) {
    if ((value & kSystemColorFlag) != 0)
        return SystemColor(value & 0x00FFFFFF, palette);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int32_t LongFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

} // namespace mColorForm
