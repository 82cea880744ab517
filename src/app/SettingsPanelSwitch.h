#pragma once

#include "AppContext.h"

class SettingsPanels;

namespace mMain {

// Hides every segment panel, then shows the one of that index.
void ShowSettingsPanel(const SettingsPanels& panels, int index);

// Shows and fills the panel that matches the selection, and the Track Setting panel while a
// track is loaded. Never writes the document.
void UpdateSettingsPanels(AppContext& app, const SettingsPanels& panels);

} // namespace mMain
