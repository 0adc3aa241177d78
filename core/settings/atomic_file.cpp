#include "core/settings/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {
namespace {

// Closes a descriptor when it goes out of scope unless released.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the kernel accepted the close (a delayed write error shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void SetFailure(FileFailure* failure, FileProblem problem, const std::string& path,
                std::string systemReason = {}, std::size_t limitMiB = 0) {
    if (failure)
        *failure = {problem, path, std::move(systemReason), limitMiB};
}

std::string SystemReason() {
    return std::strerror(errno);
}

// The file a save should replace: the target of a symbolic link (followed through a chain of
// links, a dangling one included) or the path itself.
std::optional<std::string> FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size())
            return std::nullopt;
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    return std::nullopt; // a loop of links
}

// The temporary name of a save of `name` is "." + name + "." and six random characters.
bool IsTemporaryOf(const std::string& entry, const std::string& name) {
    const std::string prefix = "." + name + ".";
    return entry.size() == prefix.size() + 6 && entry.starts_with(prefix);
}

// Removes the temporary files an interrupted save of the same file left in its folder.
void RemoveLeftoverTemporaries(const std::string& directory, const std::string& name) {
    DIR* dir = ::opendir(directory.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string entryName = entry->d_name;
        if (!IsTemporaryOf(entryName, name))
            continue;
        const std::string entryPath = directory + "/" + entryName;
        struct stat info {};
        if (::lstat(entryPath.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(entryPath.c_str());
    }
    ::closedir(dir);
}

// The mode a replacement gets: the old file's, or what a plain create would give under the umask.
mode_t ModeForReplacement(const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself durable; a failure here does not undo the replacement, so it is ignored.
void SyncDirectory(const std::string& directory) {
    FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace

std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t maxBytes,
                                          FileFailure* failure) {
    // A named pipe would block the open until a writer comes: only regular files are opened, and
    // without waiting.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        SetFailure(failure, errno == ENOENT ? FileProblem::Missing : FileProblem::Unreadable, path);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        SetFailure(failure, FileProblem::NotRegularToRead, path);
        return std::nullopt;
    }
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        SetFailure(failure, FileProblem::Unreadable, path);
        return std::nullopt;
    }

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(
        std::min<std::uintmax_t>(static_cast<std::uintmax_t>(info.st_size), maxBytes)));
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t got = ::read(file.get(), buffer, wanted);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            SetFailure(failure, FileProblem::Unreadable, path, SystemReason());
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

std::optional<std::string> ReadWholeFile(const std::string& path, FileFailure* failure,
                                         std::size_t maxBytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        SetFailure(failure, FileProblem::TooLarge, path, {}, maxBytes >> 20);
        return std::nullopt;
    }
    // One byte more than the limit tells a file that grew after the check.
    std::optional<std::string> bytes = ReadFilePrefix(path, maxBytes + 1, failure);
    if (bytes && bytes->size() > maxBytes) {
        SetFailure(failure, FileProblem::TooLarge, path, {}, maxBytes >> 20);
        return std::nullopt;
    }
    return bytes;
}

bool WriteFileAtomically(const std::string& requestedPath, std::string_view bytes, FileFailure* failure) {
    if (requestedPath.empty() || requestedPath.back() == '/') {
        SetFailure(failure, FileProblem::NoFileName, requestedPath);
        return false;
    }
    const std::optional<std::string> resolved = FollowLinks(requestedPath);
    if (!resolved) {
        SetFailure(failure, FileProblem::UnresolvableLink, requestedPath);
        return false;
    }
    const std::string& path = *resolved;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            SetFailure(failure, FileProblem::NotRegularToWrite, requestedPath);
            return false;
        }
        // The permission bits are checked as well, since a privileged user passes access().
        if ((old.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) {
            SetFailure(failure, FileProblem::ReadOnly, requestedPath);
            return false;
        }
    }
    const std::string directory = DirectoryOf(path);
    RemoveLeftoverTemporaries(directory, NameOf(path));
    std::string tempPath = directory + "/." + NameOf(path) + ".XXXXXX";
    FileDescriptor temp(::mkostemp(tempPath.data(), O_CLOEXEC));
    if (temp.get() < 0) {
        SetFailure(failure, FileProblem::WriteFailed, requestedPath, SystemReason());
        return false;
    }

    const bool written = WriteAll(temp.get(), bytes) && ::fchmod(temp.get(), ModeForReplacement(path)) == 0 &&
                         ::fsync(temp.get()) == 0;
    const int writeError = errno;
    if (!temp.close() || !written || ::rename(tempPath.c_str(), path.c_str()) != 0) {
        const int error = written ? errno : writeError;
        ::unlink(tempPath.c_str());
        if (error == EFBIG)
            SetFailure(failure, FileProblem::SizeLimitExceeded, requestedPath);
        else
            SetFailure(failure, FileProblem::WriteFailed, requestedPath, std::strerror(error));
        return false;
    }
    SyncDirectory(directory);
    return true;
}

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace qv
