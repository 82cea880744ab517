#pragma once

#include <array>
#include <cstdint>

class QPalette;
class QWidget;

// The colour picker. Its sixteen custom colours live for the whole run: they start as the
// system colours 0 to 15 and every call offers again what the user defined in earlier ones.
namespace mColorDialog {

constexpr int kCustomColorCount = 16;

struct ColorDialogState {
    std::array<int32_t, kCustomColorCount> CustomColors{}; // 0x00BBGGRR
    bool bCustomColorsFilled = false;
};

// Custom colour i = the system colour of index i, as answered by `palette`.
void InitCustomColors(ColorDialogState& state, const QPalette& palette);

// Shows the modal picker owned by `owner` (may be null), any colour allowed and the custom
// colours shown. `colour` is in: the initial colour (either colour form); out: the chosen
// 0x00BBGGRR colour, or -1 when cancelled. Returns true when a colour was chosen.
bool ShowColorDialog(ColorDialogState& state, int32_t& colour, QWidget* owner);

} // namespace mColorDialog
