// Any bytes as a Windows program whose icon a plain menu shows, read for
// three sides by index and by resource id, with little left of the medium's
// picture budget: reading ends with icons or the reason for none, every read
// lies within the file, all reads together within the reader's bound, and
// every icon is a file of one picture whose own header fits the budget.

#include "FuzzCheck.h"
#include "PngChunks.h"
#include "ProgramIcon.h"

#include <set>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const ProgramBytes whole = programBytesOf({reinterpret_cast<const char *>(data), size});
    std::uint64_t bytesRead = 0;
    const ProgramBytes counted{whole.size, [&](std::uint64_t offset, std::size_t count) {
                                   require(offset <= size && count <= size - offset,
                                           "every read lies within the file");
                                   bytesRead += count;
                                   return whole.read(offset, count);
                               }};
    PixelBudget budget;
    budget.take(8000, 8000);
    constexpr std::int32_t sides[] = {16, 48, 256};
    for (const std::int32_t index : {0, 1, -1}) {
        bytesRead = 0;
        const auto icons = programIcons(counted, index, sides, budget);
        require(bytesRead <= PeResources::maximumBytesRead, "reads stay within the bound");
        if (!icons)
            continue;
        require(icons->size() == std::size(sides), "one icon for each side");
        PixelBudget remaining = budget;
        for (const std::string &icon : std::set<std::string>(icons->begin(), icons->end())) {
            const auto picture = firstIconPictureSize(icon);
            require(std::string_view(icon).starts_with({"\0\0\1\0\1\0", 6}) && picture &&
                        remaining.take(picture->width, picture->height),
                    "every icon is an icon file of one picture, and all fit the budget");
        }
    }
    return 0;
}
