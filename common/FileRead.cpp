#include "FileRead.h"

#include "FileDescriptor.h"
#include "SystemError.h"

#include <array>
#include <fcntl.h>
#include <sys/stat.h>

Result<FileDescriptor, std::error_code> openForReading(const std::filesystem::path &path,
                                                       LastLink lastLink) {
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                      (lastLink == LastLink::Refuse ? O_NOFOLLOW : 0);
    FileDescriptor file(::open(path.c_str(), flags));
    if (!file.valid())
        return Failure{lastSystemError()};
    return file;
}

Result<std::string, FileReadError> readWholeFile(const std::filesystem::path &path,
                                                 std::uintmax_t sizeLimit, LastLink lastLink) {
    const Result<FileDescriptor, std::error_code> file = openForReading(path, lastLink);
    if (!file)
        return Failure{FileReadError{FileReadProblem::System, file.error()}};
    return readWholeFile(file->get(), sizeLimit);
}

Result<std::string, FileReadError> readWholeFile(int descriptor, std::uintmax_t sizeLimit) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return Failure{FileReadError{FileReadProblem::System, lastSystemError()}};
    if (!S_ISREG(status.st_mode))
        return Failure{FileReadError{FileReadProblem::NotRegular}};
    if (static_cast<std::uintmax_t>(status.st_size) > sizeLimit)
        return Failure{FileReadError{FileReadProblem::TooLarge}};
    // Read in pieces appended to a string of the file's size: a string
    // filled first would cost a pass over all of it. A file that grows
    // meanwhile, or a file of /proc, which reports no size, grows the
    // string, up to the limit.
    std::string content;
    content.reserve(static_cast<std::size_t>(status.st_size));
    std::array<char, 64 * 1024> piece;
    for (;;) {
        const ssize_t result = ::read(descriptor, piece.data(), piece.size());
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return Failure{FileReadError{FileReadProblem::System, lastSystemError()}};
        if (result == 0)
            return content;
        if (content.size() + static_cast<std::size_t>(result) > sizeLimit)
            return Failure{FileReadError{FileReadProblem::TooLarge}};
        content.append(piece.data(), static_cast<std::size_t>(result));
    }
}
