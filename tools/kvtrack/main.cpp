// kvtrack: inspect, check, edit, compare and rewrite track files from the command line.
#include "Commands.h"
#include "TrackReader.h"

#include <functional>
#include <iostream>
#include <string>

namespace {

struct Command {
    const char* Name;
    const char* Arguments; // as the usage shows them
    std::function<int(const CommandArgs&)> Run;
};

// A command that takes exactly one argument.
template <typename F> std::function<int(const CommandArgs&)> OneArg(F run) {
    return [run](const CommandArgs& a) { return a.size() == 1 ? run(a[0]) : kBadUsage; };
}

const Command kCommands[] = {
    {"dump", "FILE", OneArg(DumpCommand)},
    {"trace", "FILE", OneArg(TraceCommand)},
    {"resave", "IN OUT",
     [](const CommandArgs& a) { return a.size() == 2 ? ResaveCommand(a[0], a[1]) : kBadUsage; }},
    {"info", "FILE", OneArg(InfoCommand)},
    {"example", "OUT", OneArg(ExampleCommand)},
    {"set", "IN OUT [--segments LIST] [--type TYPE] FIELD=VALUE...", SetCommand},
    {"diff", "[--json] A B", DiffCommand},
    {"ride", "[--csv [--filtered]] FILE", RideCommand},
};

void PrintUsage(std::ostream& out) {
    const char* lead = "usage: ";
    for (const Command& c : kCommands) {
        out << lead << "kvtrack " << c.Name << ' ' << c.Arguments << '\n';
        lead = "       ";
    }
    out << lead << "kvtrack --help\n";
}

int Usage() {
    PrintUsage(std::cerr);
    return 2;
}

} // namespace

int ReportInvalidTrack(const std::string& reason) {
    std::cerr << "Error: Invalid Track File!\n" << reason << '\n';
    return 1;
}

bool LoadTrackOrReport(mKavrano_TrackIO_1_3::TrackDocument& doc, const std::string& path) {
    mKavrano_TrackIO_1_3::TrackRefusal why;
    if (mKavrano_TrackIO_1_3::LoadTrackFile(doc, path, &why))
        return true;
    ReportInvalidTrack(DescribeRefusal(why));
    return false;
}

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string name = argv[1];
    if (argc == 2 && name == "--help") {
        PrintUsage(std::cout);
        return 0;
    }
    for (const Command& c : kCommands) {
        if (name != c.Name)
            continue;
        const int code = c.Run(CommandArgs(argv + 2, argv + argc));
        return code == kBadUsage ? Usage() : code;
    }
    return Usage();
}
