#pragma once

#include "IniText.h"

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

private:
    const std::string m_content;
    const IniText::Index m_index;
};

// The file's current content, or nothing when it is missing, no regular file
// or unreadable.
//
// A snapshot is reused only while it provably still is the file's content:
// the file must have the same device, inode, size and change times. The cache
// keeps the file open, so its inode number cannot pass to a new file, and a
// writer that replaces the file (as ours do) always shows as a new inode. Any
// change in place moves the change time (ctime) to the present, which no
// program can set back; so once a file's times lie before the moment its
// content was last confirmed by more than the file system's time stamp
// resolution, an unchanged ctime proves unchanged content. A file changed more recently than that
// is read again at every call and compared byte for byte, which still spares the parsing.
std::shared_ptr<const IniSnapshot> currentIniSnapshot(const std::string &path);
