#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

// The entries of the medium's folders, each folder listed once, for the
// lookups of names that Autorun.inf writes in another letter case. One load of
// the menu may look up hundreds of names in a folder of many thousands of
// entries; listing the folder again for each would take minutes. A listing
// lives as long as the load that made it, so a later load sees the medium anew.
class FolderListings {
public:
    // The entry of `folder` whose name differs from `name` at most in ASCII
    // letter case. When several do, the first in byte order wins, so the choice
    // never depends on the order in which the file system lists them.
    std::optional<std::string> entryIgnoringCase(const std::filesystem::path &folder,
                                                 std::string_view name);

private:
    // For each folder listed: the name in ASCII lower case, and the entry it
    // stands for.
    using Listing = std::unordered_map<std::string, std::string>;

    const Listing &listingOf(const std::filesystem::path &folder);

    std::map<std::filesystem::path, Listing> m_listings;
};
