#include "LibIcal.h"

#include <dlfcn.h>
#include <optional>

namespace {

std::optional<LibIcal> opened() {
    // Kept open once complete: its functions are used until the program ends.
    void *library = ::dlopen(libIcalFileName, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    LibIcal functions;
    bool complete = true;
#define LIBICAL_LOOK_UP(name)                                                                      \
    functions.name = reinterpret_cast<decltype(&::name)>(::dlsym(library, #name));                 \
    complete = complete && functions.name;
    LIBICAL_FUNCTIONS(LIBICAL_LOOK_UP)
#undef LIBICAL_LOOK_UP
    if (!complete) {
        ::dlclose(library);
        return std::nullopt;
    }
    return functions;
}

} // namespace

const LibIcal *libIcal() {
    static const std::optional<LibIcal> functions = opened();
    return functions ? &*functions : nullptr;
}
