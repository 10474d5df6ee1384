#pragma once

#include "FileDescriptor.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The medium's folders as one load of the menu looks names up in them. Each
// path is walked once from the folder where the walk stands, one name looked
// up in the folder opened before it, never the whole path again: a load may
// look up hundreds of paths hundreds of folders deep, and a command line's
// parts up to each of its blanks are looked up one after another, each below
// the folder of the one before. A name that Autorun.inf writes in another
// letter case is found in a listing of its folder, each folder listed once:
// one load may look up hundreds of names in a folder of many thousands of
// entries. All of it lives as long as the load, so a later load sees the
// medium anew.
class FolderListings {
public:
    struct FoundPath {
        // The names of the path as found; the last one may be a link.
        std::filesystem::path path;
        // Whether every name was found as written.
        bool asWritten = true;
        // Whether the path, its last link followed, leads to a file or folder.
        bool leadsSomewhere = false;
    };

    // The path of `names` (none empty) below `root`, each found as written or
    // else as the entry of its folder that differs from it at most in ASCII
    // letter case, the first in byte order when several do, so that the
    // choice never depends on the order in which the file system lists them.
    // Nothing when a name is found neither way. Links on the way are followed,
    // as the path would follow them; where they lead is judged when a file is
    // opened.
    std::optional<FoundPath> find(const std::filesystem::path &root,
                                  const std::vector<std::string_view> &names);

    // How many names were looked up in a folder or listed, for the tests of
    // what a path costs.
    std::size_t lookups() const { return m_lookups; }

private:
    // For each folder listed: the name in ASCII lower case, and the entry it
    // stands for.
    using Listing = std::unordered_map<std::string, std::string>;

    // The folder where the last walk ended: its root, the names as written
    // and as found, and the folder itself, open.
    struct Walk {
        std::filesystem::path root;
        std::vector<std::string> written;
        std::filesystem::path found;
        bool asWritten = true;
        FileDescriptor folder;
    };

    bool enter(Walk &walk, std::string_view name);
    std::optional<std::string> entryIgnoringCase(const Walk &walk, std::string_view name);
    const Listing &listingOf(const Walk &walk);
    Walk &walkInto(const std::filesystem::path &root, const std::vector<std::string_view> &folders);

    std::map<std::filesystem::path, Listing> m_listings;
    Walk m_walk;
    std::size_t m_lookups = 0;
};
