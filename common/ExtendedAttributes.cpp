#include "ExtendedAttributes.h"

#include "SystemError.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <string_view>
#include <sys/xattr.h>
#include <vector>

namespace {

// The kernel's limit of the list of a file's attribute names, and of one
// attribute's value.
constexpr std::size_t largestAttributeList = 64 * 1024;

bool isTheSystems(std::string_view name) {
    return name.starts_with("security.") || name.starts_with("trusted.");
}

bool isUnsupported(int error) {
    return error == ENOTSUP || error == EOPNOTSUPP;
}

// Reads with `get` into a buffer of the size it asks for, once more when
// the attribute grew in between. A file system without extended attributes
// has none.
template <typename Get> Result<std::string, std::error_code> readSized(Get get) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ssize_t size = get(nullptr, 0);
        if (size < 0 && isUnsupported(errno))
            return std::string();
        if (size < 0)
            return Failure{lastSystemError()};
        std::string bytes(
            std::min<std::size_t>(static_cast<std::size_t>(size), largestAttributeList), '\0');
        const ssize_t read = get(bytes.data(), bytes.size());
        if (read >= 0) {
            bytes.resize(static_cast<std::size_t>(read));
            return bytes;
        }
        if (errno != ERANGE)
            return Failure{lastSystemError()};
    }
    return Failure{std::make_error_code(std::errc::result_out_of_range)};
}

Result<std::vector<std::string>, std::error_code> attributeNames(int file) {
    const auto list = readSized(
        [file](char *names, std::size_t size) { return ::flistxattr(file, names, size); });
    if (!list)
        return Failure{list.error()};
    std::vector<std::string> names;
    for (std::size_t at = 0; at < list->size();) {
        const std::size_t end = std::min(list->find('\0', at), list->size());
        if (end > at)
            names.emplace_back(*list, at, end - at);
        at = end + 1;
    }
    return names;
}

// A failure of an attribute of the system's is no failure of the copy.
Result<void, std::error_code> judged(const std::string &name, int result) {
    if (result == 0 || isTheSystems(name))
        return {};
    return Failure{lastSystemError()};
}

} // namespace

Result<void, std::error_code> copyExtendedAttributes(int from, int to) {
    const auto names = attributeNames(from);
    if (!names)
        return Failure{names.error()};
    for (const std::string &name : *names) {
        const auto value = readSized([&](char *bytes, std::size_t size) {
            return ::fgetxattr(from, name.c_str(), bytes, size);
        });
        if (!value) {
            // Removed since it was listed.
            if (value.error() == std::errc::no_message_available)
                continue;
            return Failure{value.error()};
        }
        if (auto set = judged(name, ::fsetxattr(to, name.c_str(), value->data(), value->size(), 0));
            !set)
            return set;
    }
    const auto present = attributeNames(to);
    if (!present)
        return Failure{present.error()};
    for (const std::string &name : *present) {
        if (std::ranges::find(*names, name) == names->end() && !isTheSystems(name)) {
            if (auto removed = judged(name, ::fremovexattr(to, name.c_str())); !removed)
                return removed;
        }
    }
    return {};
}
