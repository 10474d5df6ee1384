#include "ShownPageWatch.h"

#include <ctime>

namespace {

// File systems with coarse timestamps (FAT keeps two seconds) give a write
// soon after a read the same modification time, and one that keeps the size
// would go unseen. A status is trusted only once its modification time lies
// this far behind the clock, so that any later write gets another one.
constexpr time_t timestampGranularitySeconds = 2;

bool settled(const timespec &modified) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec - modified.tv_sec > timestampGranularitySeconds;
}

bool sameTime(const timespec &left, const timespec &right) {
    return left.tv_sec == right.tv_sec && left.tv_nsec == right.tv_nsec;
}

} // namespace

ShownPage ShownPageWatch::read() {
    // The file looked at is the one read, the original until the user has one.
    const std::optional<FileStatus> status = statusOf(m_dataFolder.fileToRead(dataFileName));
    if (status && m_trusted && sameStatus(*status, *m_trusted))
        return m_page;
    m_page = readShownPage(m_dataFolder);
    ++m_fileReads;
    // A write between the look and the read leaves the read newer than the
    // status, which then differs at the next tick and so costs one read more.
    m_trusted = status && settled(status->modified) ? status : std::nullopt;
    return m_page;
}

std::optional<ShownPageWatch::FileStatus>
ShownPageWatch::statusOf(const std::filesystem::path &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileStatus{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

bool ShownPageWatch::sameStatus(const FileStatus &left, const FileStatus &right) {
    return left.device == right.device && left.inode == right.inode && left.size == right.size &&
           sameTime(left.modified, right.modified) && sameTime(left.changed, right.changed);
}
