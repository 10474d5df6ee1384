#pragma once

#include <string>
#include <string_view>
#include <vector>

// The names that iCalendar files give time zones they do not define. Google
// and Apple write IANA names (Europe/Paris), Exchange and Outlook the names
// of Windows (Romance Standard Time), and libical its IANA names behind a
// prefix of its own.

// The IANA zones that the name may stand for, in the order to try them: the
// name itself, or what follows libical's prefix, when it has the form of an
// IANA name, then the zone that Windows means by it (ICU's table, for the
// world rather than one region). Every name given has that form (parts of
// letters, digits, "_", "+" and "-" between single slashes, each beginning
// with a letter), so that looking it up among the system's zones reads
// nothing but the system's zone folder, whatever the file names.
std::vector<std::string> ianaZoneCandidates(std::string_view name);
