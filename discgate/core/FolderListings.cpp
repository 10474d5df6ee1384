#include "FolderListings.h"

#include "AsciiText.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Folders are opened only to look up the next name in them; a link on the way
// is followed, as the path would follow it.
constexpr int folderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

} // namespace

std::optional<FolderListings::FoundPath>
FolderListings::find(const fs::path &root, const std::vector<std::string_view> &names) {
    const std::vector<std::string_view> folders(names.begin(),
                                                names.empty() ? names.end() : names.end() - 1);
    const Walk &walk = walkInto(root, folders);
    if (!walk.folder.valid() || walk.written.size() < folders.size())
        return std::nullopt;
    if (names.empty())
        return FoundPath{walk.found, true, true};
    std::string name(names.back());
    bool asWritten = walk.asWritten;
    struct stat status {};
    ++m_lookups;
    if (::fstatat(walk.folder.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        auto match = entryIgnoringCase(walk, name);
        ++m_lookups;
        if (!match ||
            ::fstatat(walk.folder.get(), match->c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            return std::nullopt;
        name = std::move(*match);
        asWritten = false;
    }
    bool leadsSomewhere = true;
    if (S_ISLNK(status.st_mode)) {
        ++m_lookups;
        leadsSomewhere = ::fstatat(walk.folder.get(), name.c_str(), &status, 0) == 0;
    }
    return FoundPath{walk.found / name, asWritten, leadsSomewhere};
}

// Goes on from the folder where the last walk ended when `folders` lie below
// it, else from `root`. A name that is found neither way leaves the walk in
// the folder before it.
FolderListings::Walk &FolderListings::walkInto(const fs::path &root,
                                               const std::vector<std::string_view> &folders) {
    const bool below = m_walk.folder.valid() && m_walk.root == root &&
                       m_walk.written.size() <= folders.size() &&
                       std::equal(m_walk.written.begin(), m_walk.written.end(), folders.begin());
    if (!below) {
        ++m_lookups;
        m_walk = Walk{root, {}, root, true, FileDescriptor(::open(root.c_str(), folderFlags))};
    }
    for (std::size_t index = m_walk.written.size();
         m_walk.folder.valid() && index < folders.size() && enter(m_walk, folders[index]);
         ++index) {
    }
    return m_walk;
}

bool FolderListings::enter(Walk &walk, std::string_view name) {
    std::string found(name);
    ++m_lookups;
    FileDescriptor next(::openat(walk.folder.get(), found.c_str(), folderFlags));
    if (!next.valid()) {
        auto match = entryIgnoringCase(walk, name);
        if (!match)
            return false;
        ++m_lookups;
        next = FileDescriptor(::openat(walk.folder.get(), match->c_str(), folderFlags));
        if (!next.valid())
            return false;
        found = std::move(*match);
        walk.asWritten = false;
    }
    walk.written.emplace_back(name);
    walk.found /= found;
    walk.folder = std::move(next);
    return true;
}

std::optional<std::string> FolderListings::entryIgnoringCase(const Walk &walk,
                                                             std::string_view name) {
    const Listing &listing = listingOf(walk);
    const auto found = listing.find(asciiLowered(name));
    if (found == listing.end())
        return std::nullopt;
    return found->second;
}

const FolderListings::Listing &FolderListings::listingOf(const Walk &walk) {
    if (const auto listed = m_listings.find(walk.found); listed != m_listings.end())
        return listed->second;
    Listing listing;
    ++m_lookups;
    const int descriptor =
        ::openat(walk.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (DIR *folder = descriptor >= 0 ? ::fdopendir(descriptor) : nullptr) {
        while (const dirent *entry = ::readdir(folder)) {
            std::string entryName = entry->d_name;
            if (entryName == "." || entryName == "..")
                continue;
            auto [place, added] = listing.try_emplace(asciiLowered(entryName), entryName);
            if (!added && entryName < place->second)
                place->second = std::move(entryName);
        }
        ::closedir(folder);
    } else if (descriptor >= 0) {
        ::close(descriptor);
    }
    return m_listings.emplace(walk.found, std::move(listing)).first->second;
}
