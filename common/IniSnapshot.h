#pragma once

#include "IniText.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The content of an INI file as one accessor read it. Its index is built at
// the first lookup, so that the many reads of one handler (a month redraw
// looks up 74 keys) parse the file once, and a snapshot that is only written
// over is never parsed.
class IniSnapshot {
public:
    // `content` as the file holds it; a UTF-16LE file is kept as UTF-8.
    explicit IniSnapshot(std::string content)
        : m_content(IniText::readableContent(std::move(content))) {}
    IniSnapshot(const IniSnapshot &) = delete;
    IniSnapshot &operator=(const IniSnapshot &) = delete;

    TextEncoding encoding() const { return IniText::encodingOf(m_content); }
    std::vector<std::string_view> sectionNames() const { return IniText::sectionNames(m_content); }
    const IniText::Index &index() const {
        if (!m_index)
            m_index.emplace(m_content);
        return *m_index;
    }

private:
    const std::string m_content;
    mutable std::optional<IniText::Index> m_index;
};

// What one read of an INI file found.
struct IniRead {
    // Nothing when the file is missing, no regular file, unreadable or larger
    // than the limit.
    std::unique_ptr<const IniSnapshot> snapshot;
    // The file is larger than the limit, and was not read.
    bool tooLarge = false;
};

// Reads the file through one descriptor, which is closed again before this
// returns: nothing stays open to keep a medium from being unmounted. It is
// opened without blocking, so that a FIFO put in the file's place cannot hang
// the program, and its size is checked on the opened file before a byte is
// read, so that a huge file costs no more than a small one.
IniRead readIniSnapshot(const std::string &path, std::uintmax_t sizeLimit);
