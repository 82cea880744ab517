#pragma once

// Qt's own file and colour dialogs keep settings of their own (last folder, history, custom
// colours) in a file of the user's configuration folder. The program stores no settings, so
// that file is sent nowhere: nothing is read from it or written to it.
namespace mToolkitSettings {

// Call before a Qt dialog is created; calling it again does nothing more.
void KeepToolkitSettingsAway();

} // namespace mToolkitSettings
