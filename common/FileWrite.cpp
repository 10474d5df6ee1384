#include "FileWrite.h"

#include "FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool writeAllAt(int fd, std::string_view bytes, off_t offset) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::pwrite(fd, bytes.data() + written, bytes.size() - written,
                                        offset + static_cast<off_t>(written));
        if (result < 0 && errno == EINTR)
            continue;
        if (result == 0)
            errno = EIO;
        if (result <= 0)
            return false;
        written += static_cast<std::size_t>(result);
    }
    return true;
}

void syncFolder(const std::filesystem::path &folder) {
    const FileDescriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (opened.valid())
        ::fsync(opened.get());
}
