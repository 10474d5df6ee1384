#pragma once

#include "DataFile.h"

#include <optional>
#include <sys/stat.h>

// The page shown last, for the focus step, which asks at every tick so that a
// switch made by another program is followed. Data.ini is read again only
// when a look at its status says it may have changed since the last read, so
// an idle tick costs one system call instead of opening and reading the file.
class ShownPageWatch {
public:
    explicit ShownPageWatch(DataFolder dataFolder) : m_dataFolder(std::move(dataFolder)) {}

    ShownPage read();

    // How often the file was read, for the tests.
    int fileReads() const { return m_fileReads; }

private:
    struct FileStatus {
        dev_t device;
        ino_t inode;
        off_t size;
        timespec modified;
        timespec changed;
    };
    static std::optional<FileStatus> statusOf(const std::filesystem::path &path);
    static bool sameStatus(const FileStatus &left, const FileStatus &right);

    const DataFolder m_dataFolder;
    ShownPage m_page = 0;
    // The status at the last read, while no later write can hide behind it.
    std::optional<FileStatus> m_trusted;
    int m_fileReads = 0;
};
