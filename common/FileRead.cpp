#include "FileRead.h"

#include "FileDescriptor.h"
#include "SystemError.h"

#include <algorithm>
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
    // One byte more than the file's size, so that the read that finds the
    // end needs no larger string; a file that grows meanwhile, or a file of
    // /proc, which reports no size, doubles it, up to the limit.
    std::string content;
    content.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == content.size()) {
            if (done > sizeLimit)
                return Failure{FileReadError{FileReadProblem::TooLarge}};
            content.resize(static_cast<std::size_t>(
                std::min<std::uintmax_t>(content.size() * 2, sizeLimit + 1)));
        }
        const ssize_t result = ::read(descriptor, content.data() + done, content.size() - done);
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return Failure{FileReadError{FileReadProblem::System, lastSystemError()}};
        if (result == 0)
            break;
        done += static_cast<std::size_t>(result);
    }
    content.resize(done);
    return content;
}
