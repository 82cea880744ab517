#include "SafeFileReplace.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mKavrano_TrackIO_1_3 {

const DurableCalls kSystemCalls{::fsync, ::rename};

namespace {

// As many links as the system itself follows before it calls it a loop.
constexpr int kMaxLinks = 40;

std::string Failure() {
    return std::strerror(errno);
}

// Closes a descriptor when it goes.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd; }
    // Closes now, for the error only a close reports.
    int Close() { return ::close(std::exchange(fd, -1)); }

private:
    int fd;
};

// Follows path's symbolic links to the file they name, relative ones from the link's folder.
// False, with errno set, on a loop or a link that cannot be read.
bool FollowLinks(std::string& path) {
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat entry {};
        if (::lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode))
            return true; // a file, or the name a dangling link gives it
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length < 0)
            return false;
        if (size_t(length) == sizeof target) {
            errno = ENAMETOOLONG;
            return false;
        }
        path = (std::filesystem::path(path).parent_path() / std::string(target, size_t(length)))
                   .string();
    }
    errno = ELOOP;
    return false;
}

bool WriteAll(int fd, const std::vector<uint8_t>& data) {
    size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
        if (n < 0 && errno != EINTR)
            return false;
        written += n > 0 ? size_t(n) : 0;
    }
    return true;
}

// The permissions the new file takes: the old file's, or those of any new document.
mode_t NewMode(const struct stat* old) {
    if (old)
        return old->st_mode & 0777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string ReplaceFileSafely(const std::string& path, const std::vector<uint8_t>& data,
                              const DurableCalls& calls) {
    std::string target = path;
    if (!FollowLinks(target))
        return Failure();
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty())
        folder = ".";
    // Opened first, so that a folder that cannot be synced stops the save before it changes
    // anything.
    Descriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.Get() < 0)
        return Failure();

    std::string temp =
        (folder / (".~" + std::filesystem::path(target).filename().string() + ".XXXXXX")).string();
    Descriptor file(::mkstemp(temp.data()));
    if (file.Get() < 0)
        return Failure();
    auto fail = [&temp] {
        const std::string why = Failure();
        std::remove(temp.c_str());
        return why;
    };
    struct stat old {};
    const bool existing = ::stat(target.c_str(), &old) == 0;
    // The group carries over where the user may set it; elsewhere the file takes the user's.
    if (existing && ::fchown(file.Get(), uid_t(-1), old.st_gid) != 0 && errno != EPERM)
        return fail();
    if (!WriteAll(file.Get(), data) ||
        ::fchmod(file.Get(), NewMode(existing ? &old : nullptr)) != 0 ||
        calls.Fsync(file.Get()) != 0 || file.Close() != 0 ||
        calls.Rename(temp.c_str(), target.c_str()) != 0)
        return fail();
    // Until the folder is synced, a power loss can undo the rename.
    if (calls.Fsync(folderFd.Get()) != 0)
        return Failure();
    return {};
}

} // namespace mKavrano_TrackIO_1_3
