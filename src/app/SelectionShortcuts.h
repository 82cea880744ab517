#pragma once

// Ctrl+A selects every segment and Escape unselects them, anywhere in the window except while a
// text box has the focus: there the keys belong to the text.

#include <functional>

class QWidget;

namespace mMain {

// selectAll(true) for Ctrl+A, selectAll(false) for Escape.
void CreateSelectionShortcuts(QWidget& window, const std::function<void(bool)>& selectAll);

} // namespace mMain
