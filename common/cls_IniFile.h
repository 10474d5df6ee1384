#pragma once

#include "FileRead.h"
#include "FileStore.h"
#include "TextEncoding.h"
#include "WriteError.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace IniText {
class Index;
}

// Reads and writes one INI file by section and key, the way the Windows profile
// functions do, so that Data.ini, Calendar.ini and Autorun.inf can be carried
// between the platforms; both programs read their files through it. Strings
// are UTF-8; the file holds CP932, or UTF-8 or UTF-16LE when it begins with
// the byte-order mark of either, and a write keeps the file's encoding.
// Missing files, sections and keys read as "" or 0; a write that fails says
// why. Section and key names are taken without the blanks around them, as
// the names in the file are read, so " A " finds [A].
//
// An accessor reads its file once, at its first read, and keeps the content
// in memory (no descriptor stays open) until it is destroyed or writes; after
// a write it reads the file again. Each handler makes its own accessor, so every
// handler sees the file as it is when it runs, and many reads in one handler
// cost one read of the file. The launcher makes one over the bytes of
// Autorun.inf that it read at its start (ofContent), so that the medium
// cannot change the file between two of its values.
class cls_IniFile {
public:
    // The constructors and the destructor are defined where the type of the
    // file's snapshot is complete.
    cls_IniFile();
    // An accessor on the file at `path` that takes a file larger than
    // `sizeLimit` for none.
    explicit cls_IniFile(std::string path, std::uintmax_t sizeLimit = FileStore::maximumFileSize);
    cls_IniFile(cls_IniFile &&) noexcept;
    cls_IniFile &operator=(cls_IniFile &&) noexcept;
    ~cls_IniFile();

    // An accessor without a file that reads `content`, for code that has
    // read the file already: an edit under the folder's lock, or the launcher,
    // which reads every file of its medium once, through one descriptor.
    static cls_IniFile ofContent(std::string content);

    // An accessor without a file over content that is readable as it is (an
    // edit's, see IniText::editedContent), which must outlive it: the check
    // inside an edit of a large file then costs no copy of the file.
    static cls_IniFile viewing(std::string_view readableContent);

    // The reads that follow ask about these sections alone: the first of them
    // indexes only these, which costs a pass over the file and no sort of all
    // its sections. A read of any other section still finds it, at the cost
    // of an index of the whole file.
    void ExpectSections(std::vector<std::string> sections);

    const std::string &Name() const { return m_name; }

    // The file that is read in place of the one at Name while there is none
    // there, and that the first write to Name starts from, so that it keeps
    // every section and key of it: the file beside a program whose folder
    // the user may not write. A symbolic link in its place is not followed.
    void SetOriginal(std::string path);

    // The value, or "" when the file, section or key is missing or the stored
    // value is exactly "Error".
    std::string GetDataStr(std::string_view section, std::string_view key) const;

    // Creates the file, section or key where missing and replaces an existing
    // value; every other byte of the file stays as it was. Says why when the
    // file could not be written; a Name that is not an absolute path names no
    // folder to write in.
    WriteResult SetDataStr(std::string_view section, std::string_view key, std::string_view value);

    // Replaces the file's content with what `edit` makes of the content as it
    // is read (see IniText::editedContent), read and written once under the
    // folder's lock (FileStore::update). A missing file is edited from the
    // original's content; an original that is too large is left as it is
    // (WriteProblem::Oversized), as a file at Name would be.
    WriteResult Edit(const std::function<std::string(std::string_view)> &edit);

    // The value read as an integer; a missing key and the value -1 read as 0.
    std::int32_t GetDataInt(std::string_view section, std::string_view key) const;

    // The length in bytes of the file's encoding of the value as stored, which
    // may be longer than GetDataStr() returns (IniText::maximumValueLength);
    // 0 when the file, section or key is missing.
    std::size_t GetDataLength(std::string_view section, std::string_view key) const;

    // The names of the file's sections in the order of the file, each once.
    std::vector<std::string> SectionNames() const;

    bool HasSection(std::string_view section) const;

    // Calls `visit` with each key of the section whose name begins with the
    // ASCII `lowerCasePrefix` in any letter case, and its value as
    // GetDataStr() reads it, in the file's order, until `visit` returns false.
    // The prefix is compared from the name's first byte, where a CP932
    // character begins, so no second byte of one is taken for a letter.
    void ForEachKeyStartingWith(
        std::string_view section, std::string_view lowerCasePrefix,
        const std::function<bool(const std::string &name, const std::string &value)> &visit) const;

    // The encoding the file's text is read and written in.
    TextEncoding Encoding() const;

    // Whether the file is larger than this accessor takes: it then reads as
    // missing, and writes leave it as it is (WriteProblem::Oversized).
    bool IsTooLarge() const;

private:
    class Snapshot;
    struct Read;

    // The file as this accessor first read it, or as it last wrote it.
    const Read &read() const;
    // The original's content; a missing one reads as a missing file.
    Result<std::string, FileReadError> readOriginal() const;
    // The file's index, for a read of `section` (a name in the file's
    // encoding); nothing when there is no file.
    const IniText::Index *indexFor(std::string_view section) const;
    // The value in the file's encoding, cut as reads cut it.
    std::optional<std::string> findValue(std::string_view section, std::string_view key) const;

    std::string m_name;
    std::string m_originalName;
    std::uintmax_t m_sizeLimit = FileStore::maximumFileSize;
    std::vector<std::string> m_expectedSections;
    mutable std::unique_ptr<const Read> m_read;
};

// An accessor on the file `fileName` in `folder`. Without a folder (an empty
// or relative path) its Name stays empty: it reads nothing and writes nowhere,
// never a file in whatever the current folder is.
cls_IniFile iniFileIn(const std::filesystem::path &folder, const char *fileName,
                      std::uintmax_t sizeLimit = FileStore::maximumFileSize);
