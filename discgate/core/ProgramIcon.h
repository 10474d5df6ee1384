#pragma once

#include "PeResources.h"
#include "PixelBudget.h"
#include "Result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// The icon inside a Windows program, which Autorun.inf names as
// "icon=setup.exe,N", made into pictures that the medium's picture loader
// takes exactly as it takes an .ico file on the medium: each is the bytes of
// an ICO file of one picture, the icon's own bitmap or PNG behind one entry.

// Program files beyond this size are not looked at: a program's offsets have
// 32 bits, so nothing past 4 GiB can be named. Below it the size costs
// nothing, since only the headers and the chosen resources are read.
inline constexpr std::uint64_t maximumProgramSize = std::uint64_t{1} << 32;
// The most bytes one picture of an icon may have: a 256 × 256 bitmap with
// its mask takes 270 KB.
inline constexpr std::size_t maximumIconPictureBytes = 1u << 20;

// For each side in `sides` (in pixels, as the picture will be shown), the
// picture of icon group `index` of `program` that fits it best: the smallest
// that is at least that large, otherwise the largest; of pictures of one
// size, the one with the most colours. `index` counts icon groups as Windows
// does: 0 is the first in the order of the program's directory, and a
// negative `index` is the group whose resource id is -index. The pictures
// together must fit `budget` by the sizes their own headers give, whatever
// the group claims; the caller's picture loader charges the budget when it
// decodes them.
Result<std::vector<std::string>, NoProgramIcon> programIcons(const ProgramBytes &program,
                                                             std::int32_t index,
                                                             std::span<const std::int32_t> sides,
                                                             const PixelBudget &budget);

// The same for the program at `path` on the medium whose root is
// `mediumRoot`, opened once as every file of a medium is (see MediumFile.h)
// and closed before this returns.
Result<std::vector<std::string>, NoProgramIcon>
readProgramIcons(const std::filesystem::path &path, const std::filesystem::path &mediumRoot,
                 std::int32_t index, std::span<const std::int32_t> sides,
                 const PixelBudget &budget);
