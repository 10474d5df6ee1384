#include "FileStore.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace FileStore {
namespace {

// A file descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

bool writeAll(int fd, const std::string &bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            return false;
        written += static_cast<std::size_t>(result);
    }
    return true;
}

mode_t modeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

fs::path folderOf(const fs::path &path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// Whether the file's permissions let us change it. Root passes every access
// test, yet a file that nobody may write is one the user has protected.
bool isWritable(const fs::path &path, const struct stat &status) {
    if (::geteuid() == 0)
        return (status.st_mode & 0222) != 0;
    return ::access(path.c_str(), W_OK) == 0;
}

// Follows a symbolic link so that the file it names is replaced, not the link.
fs::path resolved(const fs::path &path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        const fs::path target = fs::canonical(path, error);
        if (!error)
            return target;
    }
    return path;
}

// Temporary files are named ".<file name>." and six random characters.
std::string temporaryPrefix(const fs::path &path) {
    std::string prefix(1, '.');
    prefix.append(path.filename().string());
    prefix.push_back('.');
    return prefix;
}

// Temporary files are made only under the folder lock, so any that exist
// while it is held were left by a writer that died before its rename.
void removeLeftoverTemporaries(const fs::path &path) {
    const std::string prefix = temporaryPrefix(path);
    std::error_code error;
    for (const auto &entry : fs::directory_iterator(folderOf(path), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix) &&
            entry.is_regular_file(error))
            fs::remove(entry.path(), error);
    }
}

WriteError errorFor(const fs::path &path, int systemError) {
    switch (systemError) {
    case EACCES:
    case EPERM:
    case EROFS:
        return {WriteProblem::ReadOnly, path, systemError};
    case ENOSPC:
    case EDQUOT:
        return {WriteProblem::DiskFull, path, systemError};
    case EFBIG:
        return {WriteProblem::TooLarge, path, systemError};
    case EWOULDBLOCK:
        return {WriteProblem::Busy, path, systemError};
    default:
        return {WriteProblem::Other, path, systemError};
    }
}

WriteResult replaceAtomically(const fs::path &path, const std::string &content, mode_t mode) {
    std::string pattern = folderOf(path) / (temporaryPrefix(path) + "XXXXXX");
    const Descriptor temporary(::mkstemp(pattern.data()));
    if (!temporary.valid())
        return errorFor(path, errno);
    const bool ok = writeAll(temporary.get(), content) && ::fchmod(temporary.get(), mode) == 0 &&
                    ::fsync(temporary.get()) == 0 && ::rename(pattern.c_str(), path.c_str()) == 0;
    if (!ok) {
        const int systemError = errno;
        ::unlink(pattern.c_str());
        return errorFor(path, systemError);
    }
    const Descriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    return std::nullopt;
}

} // namespace

std::optional<std::string> readDescriptor(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    // One byte more than the file's size, so that the read that finds the
    // end needs no larger string; a file that grows meanwhile doubles it.
    std::string content;
    content.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == content.size())
            content.resize(content.size() * 2);
        const ssize_t result = ::read(descriptor, content.data() + done, content.size() - done);
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return std::nullopt;
        if (result == 0)
            break;
        done += static_cast<std::size_t>(result);
    }
    content.resize(done);
    return content;
}

bool holds(const fs::path &path, std::string_view expected) {
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::size_t>(status.st_size) != expected.size())
        return false;
    char chunk[65536];
    std::size_t compared = 0;
    for (;;) {
        const ssize_t result = ::read(file.get(), chunk, sizeof chunk);
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            return result == 0 && compared == expected.size();
        const auto length = static_cast<std::size_t>(result);
        if (compared + length > expected.size() ||
            expected.compare(compared, length, std::string_view(chunk, length)) != 0)
            return false;
        compared += length;
    }
}

std::optional<std::string> read(const fs::path &path) {
    // Non-blocking, so that a pipe put where a file should be cannot hang us.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid())
        return std::nullopt;
    return readDescriptor(file.get());
}

WriteResult update(const fs::path &requestedPath,
                   const std::function<std::string(const std::optional<std::string> &)> &edit) {
    const fs::path path = resolved(requestedPath);
    std::error_code error;
    fs::create_directories(folderOf(path), error);
    const Descriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid() || ::flock(folder.get(), LOCK_EX) != 0)
        return errorFor(path, errno);

    struct stat status {};
    const bool exists = ::lstat(path.c_str(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode))
        return WriteError{WriteProblem::NotAFile, path, 0};
    if (exists && !isWritable(path, status))
        return WriteError{WriteProblem::ReadOnly, path, EACCES};
    const std::optional<std::string> old = exists ? read(path) : std::nullopt;
    if (exists && !old)
        return errorFor(path, errno);

    removeLeftoverTemporaries(path);
    const std::string content = edit(old);
    if (old && content == *old)
        return std::nullopt;
    const mode_t mode = exists ? status.st_mode & 07777 : modeForNewFile();
    return replaceAtomically(path, content, mode);
}

} // namespace FileStore
