#include "CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace mMain {

namespace {

// The toolkit's options that take a value, as the next argument or after "=".
constexpr std::array<std::string_view, 10> kToolkitOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet"};
constexpr std::array<std::string_view, 1> kToolkitFlags = {"reverse"};
constexpr std::string_view kSimulatorOption = "--simulator";

template <size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    auto bad = [] { return CommandLine{CommandLine::Action::BadUsage, {}, {}, false}; };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "--version") {
            if (arguments.size() != 1)
                return bad();
            line.Request =
                argument == "--help" ? CommandLine::Action::Help : CommandLine::Action::Version;
            return line;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            if (!line.TrackFile.empty())
                return bad();
            line.TrackFile = argument;
            continue;
        }
        if (argument.starts_with(kSimulatorOption) && (argument.size() == kSimulatorOption.size() ||
                                                       argument[kSimulatorOption.size()] == '=')) {
            const bool valueInline = argument.size() > kSimulatorOption.size();
            if (!line.Simulator.empty() || (!valueInline && ++i == arguments.size()))
                return bad();
            line.Simulator =
                valueInline ? argument.substr(kSimulatorOption.size() + 1) : arguments[i];
            if (line.Simulator.empty())
                return bad();
            continue;
        }
        // The toolkit takes its options with one dash or two.
        std::string_view name(argument);
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        const size_t equals = name.find('=');
        const bool valueInline = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (Contains(kToolkitOptionsWithValue, name)) {
            if (!valueInline && ++i == arguments.size())
                return bad();
            line.PlatformChosen = line.PlatformChosen || name == "platform";
        } else if (valueInline || !Contains(kToolkitFlags, name)) {
            return bad();
        }
    }
    return line;
}

std::string UsageText() {
    return "usage: tornelle [--simulator PATH] [FILE]\n"
           "       tornelle --help\n"
           "       tornelle --version\n"
           "Opens FILE, a Kavrano track file (.kvtrack), at start. Qt's own options, such as\n"
           "-platform NAME, are taken as well.\n"
           "Ride looks for the simulator, KavranoSimulator.exe, in this order: beside tornelle;\n"
           "at PATH, given with --simulator; at the path in the environment variable\n"
           "TORNELLE_SIMULATOR; at most three folders below drive_c in the Wine prefix\n"
           "($WINEPREFIX, else ~/.wine). Failing all, it asks where the simulator is.\n";
}

} // namespace mMain
