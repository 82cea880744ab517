#include "MainState.h"

#include "Version.h"

#include <algorithm>
#include <cctype>

namespace mMain {

namespace {

const std::string kTitlePrefix = "Kavrano Tornelle";

void SetCaption(MainState& state, std::string caption) {
    state.Caption = std::move(caption);
    if (state.CaptionChanged)
        state.CaptionChanged(state.Caption);
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

} // namespace

std::string ShortTrackName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string extension = ".kvtrack";
    std::string lower = Lower(name);
    for (size_t at = lower.find(extension); at != std::string::npos; at = lower.find(extension)) {
        name.erase(at, extension.size());
        lower.erase(at, extension.size());
    }
    return name;
}

void UpdateTitle(MainState& state) {
    state.bTrackModified = false;
    if (state.CurrentFileName.empty()) {
        SetCaption(state, kTitlePrefix + " v" + mVersion::kVersionText);
    } else {
        SetCaption(state, kTitlePrefix + " - " + ShortTrackName(state.CurrentFileName));
    }
}

void SetTrackModified(MainState& state) {
    if (state.bTrackModified)
        return;
    state.bTrackModified = true;
    SetCaption(state, kTitlePrefix + " - " + ShortTrackName(state.CurrentFileName) + "*");
}

} // namespace mMain
