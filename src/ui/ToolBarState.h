#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

// State and geometry of the toolbar, in pixels from the bar's top-left corner. The widget
// (ucToolBar) paints and drives it; the rules of where things lie and what the pointer is over
// live here.

struct ToolBarButton {
    QPixmap NormalPicture;
    QPixmap DisabledPicture;
    QString ToolTip;
    int X = 0; // left of the picture's home square
    bool bEnabled = true;
    bool bSelected = false;
};

// A separator's dark line at X and light line at X + 1, from Top to Bottom.
struct ToolBarSeparator {
    int X = 0;
    int Top = 0;
    int Bottom = 0;
};

struct ToolBarState {
    std::vector<ToolBarButton> Buttons; // indexed in order of creation
    std::vector<ToolBarSeparator> Separators;
    int NextButtonX = 6;
    bool bHoverShown = false;
    int HoverButton = -1;      // button the bevel was last shown around; -1 for none
    bool bBevelSunken = false; // colouring of the bevel: raised, or sunken while pressed
    int PressedButton = -1;    // button whose picture is shifted by a press; -1 for none
};

constexpr int kPictureTop = 6;
constexpr int kPictureSize = 16;
constexpr int kButtonPitch = 22; // picture and gap
constexpr int kBevelMargin = 3;  // bevel and selected backdrop start this far left and above
constexpr int kBevelSize = 22;

enum class ToolBarPart { Background, NormalPicture, DisabledPicture, SelectedBackdrop };

struct ToolBarHit {
    ToolBarPart Part = ToolBarPart::Background;
    int Button = -1;
};

void AddButton(ToolBarState& state, const QPixmap& normalPicture, const QPixmap& disabledPicture,
               const QString& toolTip);

// A separator at the right end; its lines span the bar's height at this moment.
void AddSeparator(ToolBarState& state, int innerHeight);

bool IsButtonIndex(const ToolBarState& state, int button);

// The picture's home square (where a raised button shows it).
QRect HomeRect(const ToolBarState& state, int button);

// Where the picture the button shows now is drawn: the home square, one pixel down and right
// while the button is pressed.
QRect PictureRect(const ToolBarState& state, int button);

// The square of the hover bevel and of the selected backdrop.
QRect BevelSquare(const ToolBarState& state, int button);

// What the pointer at `point` is over. Only visible parts count: an enabled button's picture, a
// disabled button's greyed picture, a selected button's backdrop, else the bar's background.
ToolBarHit HitTest(const ToolBarState& state, QPoint point);

// The tooltip shown at `point`: only an enabled button's picture carries one.
QString ToolTipAt(const ToolBarState& state, QPoint point);
