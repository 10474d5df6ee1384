#pragma once

#include "Result.h"

#include <system_error>

// What a file carries besides its bytes, mode and owner: its extended
// attributes, where the desktop keeps the user's tags and comments
// (user.xdg.tags, user.xdg.comment) and the system the file's access control
// list (system.posix_acl_access).

// Gives the open file `to` the extended attributes of the open file `from`,
// its access control list among them, and takes from it those that `from`
// lacks, such as the list that a folder's default list gave a new file. The
// attributes of the security and trusted name spaces belong to the system (a
// security label, capabilities): they are copied where the system lets the
// user, and left as they are otherwise.
Result<void, std::error_code> copyExtendedAttributes(int from, int to);
