#pragma once

#include <QKeySequence>

#include <functional>

class QShortcut;
class QWidget;

namespace mMain {

// A shortcut that acts anywhere in the window except while a text box has the focus: there the
// keys belong to the text.
// Returns the shortcut, whose context the caller may widen.
QShortcut* AddTextSafeShortcut(QWidget& window, const QKeySequence& keys,
                               std::function<void()> run);

} // namespace mMain
