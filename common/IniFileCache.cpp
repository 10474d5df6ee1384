#include "IniFileCache.h"

#include "FileStore.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <fcntl.h>
#include <list>
#include <mutex>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

// How long after its last change a file's change time must lie before the
// moment its content was confirmed, so that any later change shows in a new
// change time: longer than the file system's time stamp resolution. Local
// Linux file systems stamp with the kernel's clock tick (at most 10 ms);
// for all others (FAT media with their two seconds, network file systems
// with their servers' clocks) three seconds.
std::chrono::nanoseconds settleTimeFor(const std::string &path) {
    constexpr std::array<decltype(statfs::f_type), 4> fineGrained = {
        0xEF53,     // ext2, ext3, ext4
        0x01021994, // tmpfs
        0x58465342, // XFS
        0x9123683E, // Btrfs
    };
    struct statfs system {};
    if (::statfs(path.c_str(), &system) == 0 &&
        std::find(fineGrained.begin(), fineGrained.end(), system.f_type) != fineGrained.end())
        return std::chrono::milliseconds(100);
    return std::chrono::seconds(3);
}
constexpr std::size_t cachedFiles = 8;

std::chrono::nanoseconds sinceEpoch(const timespec &time) {
    return std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
}

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::chrono::nanoseconds modified{};
    std::chrono::nanoseconds changed{};

    explicit FileIdentity(const struct stat &status)
        : device(status.st_dev), inode(status.st_ino), size(status.st_size),
          modified(sinceEpoch(status.st_mtim)), changed(sinceEpoch(status.st_ctim)) {}
    bool operator==(const FileIdentity &) const = default;
};

std::chrono::nanoseconds wallClockNow() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return sinceEpoch(now);
}

struct CacheEntry {
    std::string path;
    int descriptor;
    FileIdentity identity;
    std::chrono::nanoseconds confirmedAt;
    std::chrono::nanoseconds settleTime;
    std::shared_ptr<const IniSnapshot> snapshot;

    bool settled() const {
        return std::max(identity.modified, identity.changed) + settleTime < confirmedAt;
    }
};

class Cache {
public:
    ~Cache() {
        for (const CacheEntry &entry : m_entries)
            ::close(entry.descriptor);
    }

    std::shared_ptr<const IniSnapshot> snapshot(const std::string &path) {
        const std::lock_guard lock(m_mutex);
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
            forget(path);
            return nullptr;
        }
        const auto entry = find(path);
        if (entry != m_entries.end() && entry->identity == FileIdentity(status)) {
            if (entry->settled())
                return entry->snapshot;
            const std::chrono::nanoseconds readAt = wallClockNow();
            if (FileStore::holds(path, entry->snapshot->content())) {
                entry->confirmedAt = readAt;
                return entry->snapshot;
            }
        }
        forget(path);
        return load(path);
    }

private:
    std::list<CacheEntry>::iterator find(const std::string &path) {
        for (auto entry = m_entries.begin(); entry != m_entries.end(); ++entry) {
            if (entry->path == path)
                return entry;
        }
        return m_entries.end();
    }

    void forget(const std::string &path) {
        if (const auto entry = find(path); entry != m_entries.end()) {
            ::close(entry->descriptor);
            m_entries.erase(entry);
        }
    }

    std::shared_ptr<const IniSnapshot> load(const std::string &path) {
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0)
            return nullptr;
        struct stat before {};
        struct stat after {};
        struct stat named {};
        const std::chrono::nanoseconds readAt = wallClockNow();
        if (::fstat(descriptor, &before) != 0 || !S_ISREG(before.st_mode)) {
            ::close(descriptor);
            return nullptr;
        }
        auto content = FileStore::readDescriptor(descriptor);
        if (!content || ::fstat(descriptor, &after) != 0 || ::stat(path.c_str(), &named) != 0 ||
            FileIdentity(before) != FileIdentity(after) ||
            FileIdentity(after) != FileIdentity(named)) {
            // Changed or replaced while being read: serve what was read, but
            // remember nothing of it.
            ::close(descriptor);
            return content ? std::make_shared<const IniSnapshot>(std::move(*content)) : nullptr;
        }
        auto snapshot = std::make_shared<const IniSnapshot>(std::move(*content));
        if (m_entries.size() == cachedFiles) {
            ::close(m_entries.back().descriptor);
            m_entries.pop_back();
        }
        m_entries.push_front(
            {path, descriptor, FileIdentity(before), readAt, settleTimeFor(path), snapshot});
        return snapshot;
    }

    std::mutex m_mutex;
    std::list<CacheEntry> m_entries;
};

} // namespace

std::shared_ptr<const IniSnapshot> currentIniSnapshot(const std::string &path) {
    // One cache for the process, as the platform keeps one for its profile
    // files: accessors live for one handler only and could keep nothing.
    static Cache cache;
    return cache.snapshot(path);
}
