#pragma once

#include <filesystem>

// Whether nobody but the user and root may write in `folder`, so that nobody
// else can have put a file into it: the user's private folder, as the saves
// judge it (its access control list included), or root's folder that neither
// its group nor others may write. A list on root's folder cannot let anyone
// more write it, since the group bits are then the mask of every named entry.
bool nobodyElseMayWrite(const std::filesystem::path &folder);
