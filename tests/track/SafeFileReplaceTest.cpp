#include "SafeFileReplace.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <tuple>

#include <sys/stat.h>

using namespace mKavrano_TrackIO_1_3;
namespace fs = std::filesystem;

namespace {

// The durable calls a replace makes, each with the folder it acts in, and the one of them
// (counted from 1) made to fail.
std::vector<std::string> calls;
size_t failingCall = 0;
fs::path root;

int Record(const std::string& call, const fs::path& in) {
    calls.push_back(call + " " + in.lexically_relative(root).string());
    errno = EIO;
    return calls.size() == failingCall ? -1 : 0;
}

int WatchedFsync(int fd) {
    const fs::path path = fs::read_symlink("/proc/self/fd/" + std::to_string(fd));
    return fs::is_directory(path) ? Record("sync folder", path)
                                  : Record("sync file in", path.parent_path()) || ::fsync(fd);
}

int WatchedRename(const char* from, const char* to) {
    return Record("rename in", fs::path(from).parent_path()) || std::rename(from, to);
}

} // namespace

TEST(SafeFileReplace, ReplacesALinksTargetKeepsItsModeAndGroupAndSyncsTheFolder) {
    TempFolder folder;
    root = folder.Root();
    const mode_t mask = ::umask(022);
    folder.MakeFolder("sub");
    for (const auto& [name, mode] :
         {std::pair{"private.kvtrack", 0600}, {"shared.kvtrack", 0640}, {"sub/real.kvtrack", 0600}})
        fs::permissions(folder.Write(name, {0}), fs::perms(mode));
    // Another group than the user's where the user may give one (root may).
    EXPECT_TRUE(::chown(folder.Path("shared.kvtrack").c_str(), uid_t(-1), 4242) == 0 ||
                ::getuid() != 0);
    const std::pair<std::string, std::string> links[] = {
        {"link.kvtrack", "sub/real.kvtrack"},
        {"chain.kvtrack", "sub/hop.kvtrack"},
        {"sub/hop.kvtrack", "real.kvtrack"}, // from its own folder
        {"dangling.kvtrack", folder.Path("sub/made.kvtrack")},
        {"loop.kvtrack", "loop.kvtrack"},
    };
    for (const auto& [link, target] : links)
        fs::create_symlink(target, folder.Path(link));

    // The name saved to, the file written, its mode after, the durable calls made and whether
    // it saved; a failed save with calls had the last of them fail.
    const std::tuple<std::string, std::string, int, size_t, bool> cases[] = {
        {"new.kvtrack", "new.kvtrack", 0644, 3, true},
        {"private.kvtrack", "private.kvtrack", 0600, 3, true},
        {"shared.kvtrack", "shared.kvtrack", 0640, 3, true},
        {"link.kvtrack", "sub/real.kvtrack", 0600, 3, true},
        {"chain.kvtrack", "sub/real.kvtrack", 0600, 3, true},
        {"dangling.kvtrack", "sub/made.kvtrack", 0644, 3, true},
        {"private.kvtrack", "private.kvtrack", 0600, 1, false},
        {"link.kvtrack", "sub/real.kvtrack", 0600, 2, false},
        {"shared.kvtrack", "shared.kvtrack", 0640, 3, false},
        {"loop.kvtrack", "loop.kvtrack", 0, 0, false},
    };
    for (uint8_t row = 1; const auto& [savedTo, written, mode, callCount, bSaved] : cases) {
        SCOPED_TRACE(savedTo + " with " + std::to_string(callCount) + " calls");
        const std::string path = folder.Path(written);
        struct stat before {
        }, after{};
        const bool existed = ::stat(path.c_str(), &before) == 0;
        const std::vector<uint8_t> old = TempFolder::Read(path);
        calls.clear();
        failingCall = bSaved ? 0 : callCount;
        const std::vector<uint8_t> data{row++};
        const std::string error =
            ReplaceFileSafely(folder.Path(savedTo), data, {WatchedFsync, WatchedRename});

        // The data is synced and renamed over the file in its own folder, then the folder is
        // synced; a failure stops there and is reported, and only one before the rename keeps
        // the old file.
        const std::string in = fs::path(path).parent_path().lexically_relative(root).string();
        std::vector<std::string> expected{"sync file in " + in, "rename in " + in,
                                          "sync folder " + in};
        expected.resize(callCount);
        EXPECT_EQ(calls, expected);
        EXPECT_EQ(error.empty(), bSaved) << error;
        ::stat(path.c_str(), &after);
        EXPECT_EQ(TempFolder::Read(path), callCount == 3 ? data : old);
        EXPECT_EQ(after.st_mode & 0777, mode_t(mode));
        EXPECT_TRUE(!existed || after.st_gid == before.st_gid);
        for (const auto& [link, target] : links)
            EXPECT_TRUE(fs::is_symlink(folder.Path(link))) << link;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".~")) << entry.path();
    }
    ::umask(mask);
}
