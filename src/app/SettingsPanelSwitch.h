#pragma once

#include "AppContext.h"

class SettingsPanels;
class ucToolBar;

namespace mMain {

// Hides every segment panel, then shows the one of that index.
void ShowSettingsPanel(const SettingsPanels& panels, int index);

// Shows and fills the panel that matches the selection, and enables the toolbar buttons
// that depend on the selection and on a loaded track. Never writes the document.
void UpdateSettingsPanels(AppContext& app, const SettingsPanels& panels, ucToolBar& toolBar);

} // namespace mMain
