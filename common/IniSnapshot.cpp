#include "IniSnapshot.h"

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

// How a file system stamps change times: the resolution of its stamps, and
// whether they come from this machine's clock. Local Linux file systems stamp
// with the kernel's clock tick (at most 10 ms), FAT and the other media file
// systems to two seconds, all by this machine's clock; for every other (a
// network share stamps by its server's clock) three seconds.
struct ChangeStamps {
    std::chrono::nanoseconds resolution;
    bool byThisClock;
};

ChangeStamps changeStampsFor(const std::string &path) {
    constexpr std::array<decltype(statfs::f_type), 4> fineGrained = {
        0xEF53,     // ext2, ext3, ext4
        0x01021994, // tmpfs
        0x58465342, // XFS
        0x9123683E, // Btrfs
    };
    constexpr std::array<decltype(statfs::f_type), 4> media = {
        0x4D44,     // FAT
        0x2011BAB0, // exFAT
        0x7366746E, // NTFS (ntfs3)
        0x5346544E, // NTFS
    };
    struct statfs system {};
    if (::statfs(path.c_str(), &system) != 0)
        return {std::chrono::seconds(3), false};
    if (std::find(fineGrained.begin(), fineGrained.end(), system.f_type) != fineGrained.end())
        return {std::chrono::milliseconds(100), true};
    const bool medium = std::find(media.begin(), media.end(), system.f_type) != media.end();
    return {std::chrono::seconds(3), medium};
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

// The moments of one look at the file, by the wall clock (to compare with
// the file's stamps) and by the monotonic clock (to measure intervals).
struct Moment {
    std::chrono::nanoseconds wall = wallClockNow();
    std::chrono::steady_clock::time_point steady = std::chrono::steady_clock::now();
};

struct CacheEntry {
    std::string path;
    int descriptor;
    FileIdentity identity;
    Moment firstRead;
    Moment confirmed;
    ChangeStamps stamps;
    std::shared_ptr<const IniSnapshot> snapshot;

    bool settled(const Moment &now) const {
        return isSettled({identity.changed, confirmed.wall, now.wall,
                          confirmed.steady - firstRead.steady, stamps.resolution,
                          stamps.byThisClock});
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
        const Moment now;
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
            forget(path);
            return nullptr;
        }
        const auto entry = find(path);
        if (entry != m_entries.end() && entry->identity == FileIdentity(status)) {
            if (entry->settled(now))
                return entry->snapshot;
            if (FileStore::holds(path, entry->snapshot->content())) {
                entry->confirmed = now;
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
        const Moment readAt;
        if (::fstat(descriptor, &before) != 0 || !S_ISREG(before.st_mode)) {
            ::close(descriptor);
            return nullptr;
        }
        // The stamp seen above was made before this moment.
        const Moment stampSeen;
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
        m_entries.push_front({path, descriptor, FileIdentity(before), stampSeen, readAt,
                              changeStampsFor(path), snapshot});
        return snapshot;
    }

    std::mutex m_mutex;
    std::list<CacheEntry> m_entries;
};

} // namespace

bool isSettled(const SnapshotAge &age) {
    const bool changedBeforeConfirmation = age.changed + age.stampResolution < age.confirmedAt;
    const bool stampedAhead = age.stampedByThisClock && age.changed > age.now + age.stampResolution;
    const bool confirmedAfterStamp = age.confirmedFor > age.stampResolution;
    return changedBeforeConfirmation || stampedAhead || confirmedAfterStamp;
}

std::shared_ptr<const IniSnapshot> currentIniSnapshot(const std::string &path) {
    // One cache for the process, as the platform keeps one for its profile
    // files: accessors live for one handler only and could keep nothing.
    static Cache cache;
    return cache.snapshot(path);
}
