#pragma once

#include "TemporaryFolder.h"

#include <sys/mount.h>

// A tmpfs of its own over a fresh folder, mounted with `options` (its size,
// its mode), which root alone may do: mounted() tells whether it is.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const char *options)
        : m_mounted(::mount("tmpfs", m_folder.path().c_str(), "tmpfs", 0, options) == 0) {}
    ~SmallFileSystem() {
        if (m_mounted)
            ::umount2(m_folder.path().c_str(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return m_mounted; }
    const std::filesystem::path &path() const { return m_folder.path(); }

private:
    TemporaryFolder m_folder;
    const bool m_mounted;
};
