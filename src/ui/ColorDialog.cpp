#include "ColorDialog.h"

#include "ColorForm.h"
#include "ToolkitSettings.h"

#include <QApplication>
#include <QColorDialog>

namespace mColorDialog {

void InitCustomColors(ColorDialogState& state, const QPalette& palette) {
    for (int i = 0; i < kCustomColorCount; ++i)
        state.CustomColors[i] = mColorForm::LongFromColor(mColorForm::SystemColor(i, palette));
    state.bCustomColorsFilled = true;
}

bool ShowColorDialog(ColorDialogState& state, int32_t& colour, QWidget* owner) {
    mToolkitSettings::KeepToolkitSettingsAway();
    const QPalette palette = owner != nullptr ? owner->palette() : QApplication::palette();
    if (!state.bCustomColorsFilled)
        InitCustomColors(state, palette);
    // Qt keeps one set of custom colours per application; it is loaded from the state before
    // the dialog exists and read back after it closed.
    for (int i = 0; i < kCustomColorCount; ++i)
        QColorDialog::setCustomColor(i, mColorForm::ColorFromLong(state.CustomColors[i], palette));

    QColorDialog dialog(mColorForm::ColorFromLong(colour, palette), owner);
    // The desktop's own picker may not show the custom colours.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const bool bChosen = dialog.exec() == QDialog::Accepted;

    for (int i = 0; i < kCustomColorCount; ++i)
        state.CustomColors[i] = mColorForm::LongFromColor(QColorDialog::customColor(i));
    colour = bChosen ? mColorForm::LongFromColor(dialog.selectedColor()) : -1;
    return bChosen;
}

} // namespace mColorDialog
