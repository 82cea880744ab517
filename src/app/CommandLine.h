#pragma once

// The editor's command line, read before the toolkit starts so that --help and --version
// answer without a display.

#include <string>
#include <vector>

namespace mMain {

struct CommandLine {
    enum class Action { Run, Help, Version, BadUsage };
    Action Request = Action::Run;
    std::string TrackFile;       // the file to open at start; empty: none
    std::string Simulator;       // --simulator PATH: where Ride finds the simulator; empty: none
    bool PlatformChosen = false; // the user named the toolkit's platform with -platform
};

// Reads the arguments after the program's name. The toolkit's own options (-platform NAME,
// -style NAME and the like) are passed over and left to it.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The usage text, ending with a line feed.
std::string UsageText();

} // namespace mMain
