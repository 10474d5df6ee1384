#pragma once

#include <filesystem>
#include <optional>

// Whether a file that Autorun.inf names lies on the medium. The medium's root
// is the folder that holds Autorun.inf. A name may climb out of it with ".."
// or through a symbolic link on the medium that points elsewhere; both would
// let a medium open, or run, any file of the system, so both are judged by the
// real path: every link followed and every "." and ".." resolved. A name that
// does not exist is judged by the real path of the part that exists and the
// rest as written.
//
// The real path of `path` when it is the root or lies below it, otherwise
// nothing; nothing as well when the root itself cannot be resolved.
std::optional<std::filesystem::path> realPathOnMedium(const std::filesystem::path &path,
                                                      const std::filesystem::path &mediumRoot);
