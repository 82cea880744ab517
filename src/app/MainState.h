#pragma once

#include <functional>
#include <string>

namespace mMain {

// The document-level flags the commands, panels and editors share, and the window caption.
struct MainState {
    std::string CurrentFileName; // track file last opened or saved
    bool bTrackLoaded = false;
    bool bTrackModified = false;
    bool bUpdatingControls = false; // the panels are being filled: editors do nothing
    std::string Caption;
    // Told every new caption, so that the window shows it.
    std::function<void(const std::string&)> CaptionChanged;
};

// The part of path after its last separator, with every ".kvtrack" removed in any case.
std::string ShortTrackName(const std::string& path);

// Clears the modified flag; the caption shows the version, or the open file's short name.
void UpdateTitle(MainState& state);

// Marks the document changed and puts "*" behind the name in the caption, once.
void SetTrackModified(MainState& state);

} // namespace mMain
