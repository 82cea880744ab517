#pragma once

#include "AppContext.h"

#include <cstdint>

class SettingsPanels;

// Loading the settings panels from a segment record. A fill writes only controls: never the
// document, never the modified flag. It shows no panel and hides none.
namespace mMain {

// Fills the panel of segment Index's type (station, lift, transport or brake; other types have
// none) and then the Track Setting panel from that segment. An index outside the segments
// fills nothing.
void ShowSegmentSettings(const AppContext& context, const SettingsPanels& panels, int32_t Index);

// The same fill from the lowest selected segment; nothing when none is selected.
void ShowSelectedSegmentSettings(const AppContext& context, const SettingsPanels& panels);

} // namespace mMain
