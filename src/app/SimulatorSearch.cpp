#include "SimulatorSearch.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace mMain {

namespace fs = std::filesystem;

namespace {

// How many folders below drive_c an installer puts the simulator: "Program Files", its own
// folder, and one more for a publisher's folder.
constexpr int kWineDepth = 3;

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The folders in folder, by name; links are not followed, as Wine links the user's own
// folders into the prefix.
std::vector<fs::path> Subfolders(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec))
            found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The shallowest simulator below the prefix's drive_c, the first by name at its depth.
std::string FindInWinePrefix(const std::string& prefix) {
    if (prefix.empty())
        return {};
    std::vector<fs::path> level{fs::path(prefix) / "drive_c"};
    for (int depth = 0; depth <= kWineDepth; ++depth) {
        std::vector<fs::path> below;
        for (const fs::path& folder : level) {
            if (IsFile(folder / kSimulatorName))
                return folder / kSimulatorName;
            if (depth < kWineDepth) {
                const std::vector<fs::path> inside = Subfolders(folder);
                below.insert(below.end(), inside.begin(), inside.end());
            }
        }
        level = std::move(below);
    }
    return {};
}

} // namespace

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

SimulatorPlaces ReadSimulatorPlaces(const std::string& programFolder, const std::string& given) {
    std::string prefix = Variable("WINEPREFIX");
    if (prefix.empty() && !Variable("HOME").empty())
        prefix = Variable("HOME") + "/.wine";
    return {programFolder, given, Variable("TORNELLE_SIMULATOR"), prefix};
}

SimulatorSearch FindSimulator(const SimulatorPlaces& places) {
    auto found = [](const fs::path& path) {
        std::error_code ec;
        return SimulatorSearch{fs::absolute(path, ec).string(), {}};
    };
    const fs::path beside = fs::path(places.ProgramFolder) / kSimulatorName;
    if (IsFile(beside))
        return found(beside);
    for (const std::string& named : {places.Given, places.Environment}) {
        if (!named.empty())
            return IsFile(named) ? found(named) : SimulatorSearch{{}, named};
    }
    const std::string inPrefix = FindInWinePrefix(places.WinePrefix);
    return inPrefix.empty() ? SimulatorSearch{} : found(inPrefix);
}

} // namespace mMain
