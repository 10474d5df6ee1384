#pragma once

#include <QString>
#include <filesystem>

// A name of a file, folder, program or address as a message or question
// quotes it: what the user reads is what is there. Control characters (a line
// break would put a line of the name's choosing into the message) and the
// characters that reorder text for right-to-left scripts (with U+202E,
// "readme" U+202E "txt.sh" reads as "readmehs.txt") are shown as escapes such
// as "\u202E", and the whole name is isolated (U+2068 … U+2069), so that
// nothing in it reorders the message around it.
QString quotedName(const QString &name);

// The same for a path of the file system, decoded as qtPath decodes it.
QString quotedPath(const std::filesystem::path &path);
