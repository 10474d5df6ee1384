#pragma once

#include "IniText.h"

#include <chrono>
#include <memory>
#include <string>

// The content of an INI file as last read, with its index, kept between calls
// so that the many reads of a month redraw need not parse the file each time.
class IniSnapshot {
public:
    explicit IniSnapshot(std::string content) : m_content(std::move(content)), m_index(m_content) {}
    IniSnapshot(const IniSnapshot &) = delete;
    IniSnapshot &operator=(const IniSnapshot &) = delete;

    const std::string &content() const { return m_content; }
    TextEncoding encoding() const { return IniText::encodingOf(m_content); }
    std::optional<std::string> findValue(std::string_view section, std::string_view key) const {
        return m_index.findValue(section, key);
    }
    std::optional<std::size_t> valueLength(std::string_view section, std::string_view key) const {
        return m_index.valueLength(section, key);
    }

private:
    const std::string m_content;
    const IniText::Index m_index;
};

// What decides whether a cached snapshot may be served without reading the
// file again: its identity (device, inode, size, modification and change
// times) is unchanged, and one of the rules below holds. Times are since the
// epoch by the wall clock, except `confirmedFor`.
//
// The change time (ctime) is the one witness of a change: every change of
// the content, in place or by replacement, sets it to the present, and no
// program can set it otherwise. The modification time proves nothing and is
// not consulted: anybody may set it to any date (touch, tar, a FAT medium
// written in another time zone), and a date ahead once kept every read of
// such a file comparing it byte for byte.
//
// 1. The file last changed well before its content was confirmed (by more
//    than the resolution of the file system's time stamps): a later change
//    would stamp a later change time.
// 2. The change time lies ahead of this check by more than that resolution,
//    on a file system that stamps with this machine's clock (a FAT medium
//    written in another time zone, a clock that was set back): any change
//    since the snapshot was read would have stamped a time no later than now,
//    which differs from the stamp ahead, so the unchanged identity proves the
//    content. Once the clock nears the stamp this no longer holds, and the
//    bytes are compared again until rule 1 takes over.
// 3. The content was confirmed byte for byte more than that resolution after
//    the snapshot was first read (`confirmedFor`, by the monotonic clock):
//    the change that made the stamp happened before the first read, so every
//    change within the same stamp was over by the time of that confirmation,
//    and any later one stamps a new time. This needs no agreement between
//    clocks, so it also settles a file on a network share whose server's
//    clock runs ahead.
// Outside these rules the file is read at every call and compared with the
// snapshot, which still spares the parsing.
struct SnapshotAge {
    std::chrono::nanoseconds changed;
    std::chrono::nanoseconds confirmedAt;
    std::chrono::nanoseconds now;
    std::chrono::nanoseconds confirmedFor;
    std::chrono::nanoseconds stampResolution;
    bool stampedByThisClock = false;
};
bool isSettled(const SnapshotAge &age);

// The file's current content, or nothing when it is missing, no regular file,
// larger than FileStore::maximumFileSize or unreadable. The cache keeps the
// file open, so its inode number cannot pass to a new file, and a writer that
// replaces the file (as ours do) always shows as a new inode.
std::shared_ptr<const IniSnapshot> currentIniSnapshot(const std::string &path);
