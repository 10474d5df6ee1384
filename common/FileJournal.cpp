#include "FileJournal.h"

#include "FileDescriptor.h"
#include "FileRead.h"
#include "FileStore.h"
#include "FileWrite.h"
#include "SystemError.h"
#include "WriteTarget.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace FileJournal {
namespace {

// A journal: this mark, then the device and inode of the file it belongs to,
// where its new bytes begin and the file's new size, each as 64 bits in the
// machine's order; then the new bytes from there to the end, and a checksum
// of everything before it. A journal that a kill or a power failure cut off
// fails its length or its checksum, and is unfinished.
constexpr std::string_view mark = "dgjrnl1\n";
constexpr std::size_t headerSize = mark.size() + 4 * sizeof(std::uint64_t);
constexpr std::size_t checksumSize = sizeof(std::uint64_t);

// Tells a journal cut off or damaged from a whole one; its bytes are the
// user's own, so it needs to withstand accidents, not an opponent.
std::uint64_t checksum(std::string_view bytes) {
    std::uint64_t hash = 0x9E3779B97F4A7C15u ^ bytes.size();
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, 8);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDu;
        hash ^= hash >> 32;
    }
    for (; at < bytes.size(); ++at)
        hash = (hash ^ static_cast<unsigned char>(bytes[at])) * 0x100000001B3u;
    return hash ^ (hash >> 29);
}

void appendNumber(std::string &bytes, std::uint64_t number) {
    bytes.append(reinterpret_cast<const char *>(&number), sizeof number);
}

std::uint64_t numberAt(std::string_view bytes, std::size_t at) {
    std::uint64_t number = 0;
    std::memcpy(&number, bytes.data() + at, sizeof number);
    return number;
}

// What a finished journal says the file must hold.
struct Completion {
    dev_t device = 0;
    ino_t inode = 0;
    std::size_t from = 0;
    std::size_t size = 0;
    std::string_view bytes;
};

std::optional<Completion> parsed(std::string_view journal) {
    if (journal.size() < headerSize + checksumSize || !journal.starts_with(mark))
        return std::nullopt;
    const std::string_view body = journal.substr(0, journal.size() - checksumSize);
    if (numberAt(journal, body.size()) != checksum(body))
        return std::nullopt;
    const std::uint64_t from = numberAt(journal, mark.size() + 16);
    const std::uint64_t size = numberAt(journal, mark.size() + 24);
    if (from > size || size - from != body.size() - headerSize)
        return std::nullopt;
    return Completion{static_cast<dev_t>(numberAt(journal, mark.size())),
                      static_cast<ino_t>(numberAt(journal, mark.size() + 8)),
                      static_cast<std::size_t>(from), static_cast<std::size_t>(size),
                      body.substr(headerSize)};
}

// Puts `bytes` at `from` and ends the file after `size` bytes, flushed.
Result<void, std::error_code> overwrite(int file, std::size_t from, std::string_view bytes,
                                        std::size_t size) {
    if (!writeAllAt(file, bytes, static_cast<off_t>(from)) ||
        ::ftruncate(file, static_cast<off_t>(size)) != 0 || ::fsync(file) != 0)
        return Failure{lastSystemError()};
    return {};
}

// The journal beside `path`, when it is one that may be trusted: a regular
// file of the user's, of no other name, in the user's private folder.
std::optional<FileDescriptor> trustedJournal(const fs::path &path) {
    FileDescriptor journal(
        ::open(journalOf(path).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!journal.valid() || ::fstat(journal.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid() || status.st_nlink != 1 ||
        !isTheUsersPrivateFolder(path.parent_path()))
        return std::nullopt;
    return journal;
}

} // namespace

fs::path journalOf(const fs::path &file) {
    return file.parent_path() / ('.' + file.filename().string() + ".journal");
}

Result<void, std::error_code> writeInPlace(int file, const fs::path &path, std::string_view old,
                                           std::string_view content) {
    struct stat status {};
    if (::fstat(file, &status) != 0)
        return Failure{lastSystemError()};
    const auto differs = std::mismatch(old.begin(), old.end(), content.begin(), content.end());
    const auto from = static_cast<std::size_t>(differs.second - content.begin());
    std::string journal(mark);
    journal.reserve(headerSize + content.size() - from + checksumSize);
    appendNumber(journal, status.st_dev);
    appendNumber(journal, status.st_ino);
    appendNumber(journal, from);
    appendNumber(journal, content.size());
    journal.append(content.substr(from));
    appendNumber(journal, checksum(journal));

    const fs::path journalPath = journalOf(path);
    {
        const FileDescriptor written(::open(
            journalPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!written.valid())
            return Failure{lastSystemError()};
        if (!writeAllAt(written.get(), journal, 0) || ::fsync(written.get()) != 0) {
            const std::error_code error = lastSystemError();
            ::unlink(journalPath.c_str());
            return Failure{error};
        }
    }
    syncFolder(path.parent_path());
    const auto done = overwrite(file, from, content.substr(from), content.size());
    if (done || overwrite(file, from, old.substr(from), old.size()))
        ::unlink(journalPath.c_str());
    return done;
}

Result<void, std::error_code> completeInterruptedWrite(const fs::path &path) {
    const std::optional<FileDescriptor> journal = trustedJournal(path);
    if (!journal)
        return {};
    const fs::path journalPath = journalOf(path);
    const auto content =
        readWholeFile(journal->get(), FileStore::maximumFileSize + headerSize + checksumSize);
    if (!content)
        return Failure{content.error().problem == FileReadProblem::System
                           ? content.error().systemError
                           : std::make_error_code(std::errc::file_too_large)};
    const std::optional<Completion> completion = parsed(*content);
    if (completion) {
        const FileDescriptor file(
            ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat status {};
        if (!file.valid() && errno != ENOENT)
            return Failure{lastSystemError()};
        if (file.valid() && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_dev == completion->device && status.st_ino == completion->inode) {
            if (auto done =
                    overwrite(file.get(), completion->from, completion->bytes, completion->size);
                !done)
                return done;
        }
    }
    if (::unlink(journalPath.c_str()) != 0 && errno != ENOENT)
        return Failure{lastSystemError()};
    syncFolder(path.parent_path());
    return {};
}

} // namespace FileJournal
