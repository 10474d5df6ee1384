#include "MediumFile.h"

#include "FileRead.h"
#include "FileStore.h"
#include "LexicalPath.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Folders on the way are opened only to look up the next name in them.
constexpr int folderFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr int lookFlags = O_PATH | O_NOFOLLOW | O_CLOEXEC;
// The walk to a real path follows every link, as the path would.
constexpr int followFlags = O_PATH | O_CLOEXEC;
// With O_NONBLOCK a pipe opens at once instead of waiting for a writer, and a
// terminal never becomes the controlling one.
constexpr int fileFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Looks at `name` in `folder` without following a link there, and reopens a
// regular file through its O_PATH descriptor, so that what is opened is the
// very file that was looked at.
Result<OpenedFile, MediumFileProblem> openRegularFile(int folder, const char *name) {
    OpenedFile file{FileDescriptor(::openat(folder, name, lookFlags)), {}};
    if (!file.descriptor.valid() || ::fstat(file.descriptor.get(), &file.status) != 0)
        return Failure{MediumFileProblem::Missing};
    if (!S_ISREG(file.status.st_mode))
        return file;
    const std::string located = "/proc/self/fd/" + std::to_string(file.descriptor.get());
    file.descriptor = FileDescriptor(::open(located.c_str(), fileFlags));
    struct stat opened {};
    if (!file.descriptor.valid() || ::fstat(file.descriptor.get(), &opened) != 0 ||
        opened.st_ino != file.status.st_ino || opened.st_dev != file.status.st_dev)
        return Failure{MediumFileProblem::Missing};
    return file;
}

// The real path of `path` (made absolute): the part that exists, every link
// followed, named by the kernel once it has opened it; the rest as written,
// lexically normal. Whether all of it exists.
struct RealPath {
    fs::path path;
    bool complete = false;
};

std::optional<fs::path> pathOfDescriptor(int descriptor) {
    char named[PATH_MAX];
    const std::string located = "/proc/self/fd/" + std::to_string(descriptor);
    const ssize_t length = ::readlink(located.c_str(), named, sizeof named);
    if (length <= 0 || static_cast<std::size_t>(length) == sizeof named)
        return std::nullopt;
    return fs::path(std::string(named, static_cast<std::size_t>(length)));
}

// A path that exists is opened at once, the kernel looking each name up once.
// Otherwise the part that exists is found in one walk, each name looked up in
// the folder opened before it.
std::optional<RealPath> realPathOf(const fs::path &path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error)
        return std::nullopt;
    if (const FileDescriptor whole(::open(absolute.c_str(), followFlags)); whole.valid()) {
        const auto real = pathOfDescriptor(whole.get());
        return real ? std::optional(RealPath{*real, true}) : std::nullopt;
    }
    if (errno != ENOENT && errno != ENOTDIR)
        return std::nullopt;
    FileDescriptor folder(::open("/", followFlags));
    const fs::path relative = absolute.relative_path();
    auto name = relative.begin();
    for (; folder.valid() && name != relative.end(); ++name) {
        if (name->empty())
            continue;
        FileDescriptor next(::openat(folder.get(), name->c_str(), followFlags));
        if (!next.valid() && errno != ENOENT && errno != ENOTDIR)
            return std::nullopt;
        if (!next.valid())
            break;
        folder = std::move(next);
    }
    auto real = folder.valid() ? pathOfDescriptor(folder.get()) : std::nullopt;
    if (!real)
        return std::nullopt;
    for (; name != relative.end(); ++name)
        *real /= *name;
    return RealPath{real->lexically_normal(), false};
}

} // namespace

std::optional<fs::path> realPathOnMedium(const fs::path &path, const fs::path &mediumRoot) {
    const auto root = realPathOf(mediumRoot);
    if (!root || !root->complete)
        return std::nullopt;
    const auto real = realPathOf(path);
    if (!real || !isLexicallyWithin(real->path, root->path))
        return std::nullopt;
    return real->path;
}

Result<OpenedFile, MediumFileProblem> openOnMedium(const fs::path &path,
                                                   const fs::path &mediumRoot) {
    const auto real = realPathOnMedium(path, mediumRoot);
    if (!real)
        return Failure{MediumFileProblem::OffMedium};
    return openRealPath(*real);
}

Result<OpenedFile, MediumFileProblem> openRealPath(const fs::path &real) {
    FileDescriptor folder(::open(real.root_path().c_str(), folderFlags));
    const fs::path relative = real.relative_path();
    std::vector<fs::path> names(relative.begin(), relative.end());
    if (names.empty())
        names.emplace_back(".");
    for (std::size_t index = 0; folder.valid() && index + 1 < names.size(); ++index)
        folder = FileDescriptor(::openat(folder.get(), names[index].c_str(), folderFlags));
    if (!folder.valid())
        return Failure{MediumFileProblem::Missing};
    return openRegularFile(folder.get(), names.back().c_str());
}

Result<std::string, MediumFileProblem> readMediumFile(const fs::path &path,
                                                      const fs::path &mediumRoot) {
    const auto file = openOnMedium(path, mediumRoot);
    if (!file)
        return Failure{file.error()};
    auto content = readWholeFile(file->descriptor.get(), FileStore::maximumFileSize);
    if (!content)
        return Failure{content.error().problem == FileReadProblem::TooLarge
                           ? MediumFileProblem::TooLarge
                           : MediumFileProblem::Missing};
    return std::move(*content);
}
