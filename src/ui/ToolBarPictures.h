#pragma once

#include <QPixmap>

// The 16x16 pictures of the main window's toolbar buttons, compiled into the program.
namespace mToolBarPictures {

// Commands in button order: open, save as, ride, select all, unselect all, about.
constexpr int kPictureCount = 6;

struct PicturePair {
    QPixmap Normal;
    QPixmap Disabled; // greyed
};

// The pictures of command `index`; null pixmaps for an index out of range.
PicturePair LoadPictures(int index);

} // namespace mToolBarPictures
