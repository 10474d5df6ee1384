#include "ZoneNames.h"

#include "AsciiText.h"

#include <algorithm>
#include <unicode/ucal.h>

namespace {

// The longest zone name of either kind is some thirty characters.
constexpr std::size_t longestZoneName = 64;

bool hasIanaZoneForm(std::string_view name) {
    if (name.empty() || name.size() > longestZoneName)
        return false;
    bool partStart = true;
    for (const char c : name) {
        if (c == '/') {
            if (partStart)
                return false;
            partStart = true;
        } else if (partStart) {
            if (!isAsciiLetter(c))
                return false;
            partStart = false;
        } else if (!isAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '_' && c != '+' &&
                   c != '-') {
            return false;
        }
    }
    return !partStart;
}

// What libical's own names (/freeassociation.sourceforge.net/Europe/Paris,
// or with Tzfile/ before the zone) name.
std::string_view withoutLibicalPrefix(std::string_view name) {
    for (const std::string_view prefix :
         {"/freeassociation.sourceforge.net/Tzfile/", "/freeassociation.sourceforge.net/"}) {
        if (name.starts_with(prefix))
            return name.substr(prefix.size());
    }
    return name;
}

std::string ianaZoneOfWindowsName(std::string_view name) {
    const bool printable = std::ranges::all_of(name, [](char c) { return c >= ' ' && c <= '~'; });
    if (name.empty() || name.size() > longestZoneName || !printable)
        return {};
    // Printable ASCII is the same in UTF-16, code for code.
    UChar windowsName[longestZoneName];
    std::copy(name.begin(), name.end(), windowsName);
    UChar iana[longestZoneName];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucal_getTimeZoneIDForWindowsID(
        windowsName, static_cast<int32_t>(name.size()), nullptr, iana, longestZoneName, &status);
    if (U_FAILURE(status) || length <= 0 || length > static_cast<int32_t>(longestZoneName))
        return {};
    return std::string(iana, iana + length);
}

} // namespace

std::vector<std::string> ianaZoneCandidates(std::string_view name) {
    std::vector<std::string> candidates;
    for (std::string candidate :
         {std::string(withoutLibicalPrefix(name)), ianaZoneOfWindowsName(name)}) {
        if (hasIanaZoneForm(candidate))
            candidates.push_back(std::move(candidate));
    }
    return candidates;
}
