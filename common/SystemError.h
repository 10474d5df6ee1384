#pragma once

#include <cerrno>
#include <system_error>

// The error that the last failed call of the system left in errno. Its
// message() is the system's own description, strerror()'s words.
inline std::error_code lastSystemError() {
    return {errno, std::generic_category()};
}
