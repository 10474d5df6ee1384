#include "IniSnapshot.h"

#include "FileDescriptor.h"
#include "FileStore.h"

#include <fcntl.h>
#include <sys/stat.h>

IniRead readIniSnapshot(const std::string &path, std::uintmax_t sizeLimit) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    if (static_cast<std::uintmax_t>(status.st_size) > sizeLimit)
        return {nullptr, true};
    auto content = FileStore::readDescriptor(file.get(), sizeLimit);
    if (!content)
        return {};
    return {std::make_unique<const IniSnapshot>(std::move(*content)), false};
}
