#include "FolderListings.h"

#include "AsciiText.h"

#include <system_error>

namespace fs = std::filesystem;

std::optional<std::string> FolderListings::entryIgnoringCase(const fs::path &folder,
                                                             std::string_view name) {
    const Listing &listing = listingOf(folder);
    const auto found = listing.find(asciiLowered(name));
    if (found == listing.end())
        return std::nullopt;
    return found->second;
}

const FolderListings::Listing &FolderListings::listingOf(const fs::path &folder) {
    if (const auto listed = m_listings.find(folder); listed != m_listings.end())
        return listed->second;
    Listing listing;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string entryName = entry->path().filename().string();
        auto [place, added] = listing.try_emplace(asciiLowered(entryName), entryName);
        if (!added && entryName < place->second)
            place->second = std::move(entryName);
    }
    return m_listings.emplace(folder, std::move(listing)).first->second;
}
