#include "ToolBarState.h"

void AddButton(ToolBarState& state, const QPixmap& normalPicture, const QPixmap& disabledPicture,
               const QString& toolTip) {
    state.Buttons.push_back(
        ToolBarButton{normalPicture, disabledPicture, toolTip, state.NextButtonX, true, false});
    state.NextButtonX += kButtonPitch;
}

void AddSeparator(ToolBarState& state, int innerHeight) {
    state.Separators.push_back(ToolBarSeparator{state.NextButtonX, 2, innerHeight - 2});
    // Two lines and a gap of six.
    state.NextButtonX += 7;
}

bool IsButtonIndex(const ToolBarState& state, int button) {
    return button >= 0 && button < static_cast<int>(state.Buttons.size());
}

QRect HomeRect(const ToolBarState& state, int button) {
    return QRect(state.Buttons[button].X, kPictureTop, kPictureSize, kPictureSize);
}

QRect PictureRect(const ToolBarState& state, int button) {
    const QRect home = HomeRect(state, button);
    const bool bShifted = button == state.PressedButton && state.Buttons[button].bEnabled;
    return bShifted ? home.translated(1, 1) : home;
}

QRect BevelSquare(const ToolBarState& state, int button) {
    const QRect home = HomeRect(state, button);
    return QRect(home.left() - kBevelMargin, home.top() - kBevelMargin, kBevelSize, kBevelSize);
}

ToolBarHit HitTest(const ToolBarState& state, QPoint point) {
    // Pictures lie above the backdrops, which are sent behind everything.
    for (int i = 0; i < static_cast<int>(state.Buttons.size()); ++i) {
        if (PictureRect(state, i).contains(point)) {
            return {state.Buttons[i].bEnabled ? ToolBarPart::NormalPicture
                                              : ToolBarPart::DisabledPicture,
                    i};
        }
    }
    for (int i = 0; i < static_cast<int>(state.Buttons.size()); ++i) {
        if (state.Buttons[i].bSelected && BevelSquare(state, i).contains(point))
            return {ToolBarPart::SelectedBackdrop, i};
    }
    return {};
}

QString ToolTipAt(const ToolBarState& state, QPoint point) {
    const ToolBarHit hit = HitTest(state, point);
    return hit.Part == ToolBarPart::NormalPicture ? state.Buttons[hit.Button].ToolTip : QString();
}
