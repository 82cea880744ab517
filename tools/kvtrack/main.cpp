// kvtrack: inspect, check and rewrite track files from the command line.
#include "Commands.h"

#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage = "usage: kvtrack dump FILE\n"
                               "       kvtrack trace FILE\n"
                               "       kvtrack resave IN OUT\n"
                               "       kvtrack info FILE\n"
                               "       kvtrack example OUT\n"
                               "       kvtrack --help\n";

int Usage() {
    std::cerr << kUsage;
    return 2;
}

} // namespace

int ReportInvalidTrack() {
    std::cerr << "Error: Invalid Track File!\n";
    return 1;
}

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (argc == 2 && command == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 3) {
        const std::string file = argv[2];
        if (command == "dump")
            return DumpCommand(file);
        if (command == "trace")
            return TraceCommand(file);
        if (command == "info")
            return InfoCommand(file);
        if (command == "example")
            return ExampleCommand(file);
    }
    if (argc == 4 && command == "resave")
        return ResaveCommand(argv[2], argv[3]);
    return Usage();
}
