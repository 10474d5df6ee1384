#include "ProgramIcon.h"

#include "ByteFields.h"
#include "MediumFile.h"
#include "PngChunks.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <map>
#include <string_view>
#include <unistd.h>

namespace {

// A group is an icon file's directory without the file: a header, then one
// entry per picture that names the picture's resource id where the file
// gives its offset.
constexpr std::size_t groupHeaderSize = 6;
constexpr std::size_t groupEntrySize = 14;
constexpr std::size_t maximumGroupEntries = 1024;
// The fields that a group's entry shares with an icon file's: width, height,
// colours, a reserved byte, planes, bits per pixel and the picture's bytes.
constexpr std::size_t sharedEntryFields = 12;
constexpr std::size_t entryBitsField = 6;
constexpr std::size_t entryIdField = 12;
constexpr std::uint32_t iconGroupKind = 1;
constexpr std::size_t iconFileHeaderSize = 6 + 16;
constexpr std::size_t iconFileSizeField = 6 + 8;
constexpr std::size_t iconFileOffsetField = 6 + 12;

struct GroupPicture {
    std::string_view fields;
    std::uint16_t id = 0;
    // The larger of width and height, as the group claims them.
    std::int32_t side = 0;
    std::uint32_t bits = 0;
};

Result<std::vector<GroupPicture>, NoProgramIcon> groupPictures(std::string_view group) {
    if (group.size() < groupHeaderSize || littleEndian(group, 0, 2) != 0 ||
        littleEndian(group, 2, 2) != iconGroupKind)
        return Failure{NoProgramIcon::Damaged};
    const std::size_t count = littleEndian(group, 4, 2);
    if (count == 0 || group.size() < groupHeaderSize + count * groupEntrySize)
        return Failure{NoProgramIcon::Damaged};
    std::vector<GroupPicture> pictures;
    for (std::size_t at = groupHeaderSize; pictures.size() < count; at += groupEntrySize) {
        // A side of 0 stands for 256, which a byte cannot hold.
        const auto side = [&](std::size_t field) {
            const std::uint32_t value = littleEndian(group, at + field, 1);
            return std::int32_t(value == 0 ? 256 : value);
        };
        // Old icons give only their count of colours.
        const std::uint32_t colours = littleEndian(group, at + 2, 1);
        const std::uint32_t bits = littleEndian(group, at + entryBitsField, 2);
        pictures.push_back(
            {group.substr(at, groupEntrySize),
             std::uint16_t(littleEndian(group, at + entryIdField, 2)), std::max(side(0), side(1)),
             bits != 0 || colours == 0 ? bits : std::uint32_t(std::bit_width(colours - 1))});
    }
    return pictures;
}

const GroupPicture &bestFit(const std::vector<GroupPicture> &pictures, std::int32_t side) {
    const auto better = [side](const GroupPicture &one, const GroupPicture &other) {
        const bool oneFits = one.side >= side;
        if (oneFits != (other.side >= side))
            return oneFits;
        if (one.side != other.side)
            return oneFits == (one.side < other.side);
        return one.bits > other.bits;
    };
    return *std::ranges::min_element(pictures, better);
}

const ResourceEntry *chosenGroup(const std::vector<ResourceEntry> &groups, std::int32_t index) {
    if (index >= 0)
        return std::size_t(index) < groups.size() ? &groups[std::size_t(index)] : nullptr;
    const std::int64_t id = -std::int64_t{index};
    const auto found = std::ranges::find_if(
        groups, [id](const ResourceEntry &entry) { return !entry.isNamed() && entry.name == id; });
    return found == groups.end() ? nullptr : &*found;
}

std::string oneIconFile(const GroupPicture &picture, const std::string &image) {
    std::string file(std::string_view("\0\0\1\0\1\0", 6));
    file += picture.fields.substr(0, sharedEntryFields);
    file.resize(iconFileHeaderSize);
    putLittleEndian32(file, iconFileSizeField, std::uint32_t(image.size()));
    putLittleEndian32(file, iconFileOffsetField, std::uint32_t(iconFileHeaderSize));
    return file + image;
}

// The picture of the group's entry as a file of its own, its room taken from
// `budget`.
Result<std::string, NoProgramIcon> iconFile(PeResources &resources,
                                            const std::vector<ResourceEntry> &icons,
                                            const GroupPicture &picture, PixelBudget &budget) {
    const auto entry = std::ranges::find(icons, std::uint32_t{picture.id}, &ResourceEntry::name);
    if (entry == icons.end())
        return Failure{NoProgramIcon::Damaged};
    const auto image = resources.data(*entry, maximumIconPictureBytes);
    if (!image)
        return Failure{image.error()};
    std::string file = oneIconFile(picture, *image);
    const auto size = firstIconPictureSize(file);
    if (!size)
        return Failure{NoProgramIcon::Damaged};
    if (!budget.take(size->width, size->height))
        return Failure{NoProgramIcon::OverBudget};
    return file;
}

NoProgramIcon unopened(MediumFileProblem problem) {
    switch (problem) {
    case MediumFileProblem::OffMedium:
        return NoProgramIcon::OffMedium;
    case MediumFileProblem::TooLarge:
        return NoProgramIcon::TooLarge;
    case MediumFileProblem::Missing:
        break;
    }
    return NoProgramIcon::Missing;
}

std::string readAt(int descriptor, std::uint64_t offset, std::size_t count) {
    std::string bytes(count, '\0');
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got =
            ::pread(descriptor, bytes.data() + done, count - done, off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += std::size_t(got);
    }
    bytes.resize(done);
    return bytes;
}

} // namespace

Result<std::vector<std::string>, NoProgramIcon> programIcons(const ProgramBytes &program,
                                                             std::int32_t index,
                                                             std::span<const std::int32_t> sides,
                                                             const PixelBudget &budget) {
    auto resources = PeResources::of(program);
    if (!resources)
        return Failure{resources.error()};
    const auto groups = resources->resources(PeResources::iconGroupType);
    if (!groups)
        return Failure{groups.error()};
    if (groups->empty())
        return Failure{NoProgramIcon::NoIcons};
    const ResourceEntry *group = chosenGroup(*groups, index);
    if (!group)
        return Failure{NoProgramIcon::NoSuchIcon};
    const auto groupData =
        resources->data(*group, groupHeaderSize + maximumGroupEntries * groupEntrySize);
    if (!groupData)
        return Failure{groupData.error()};
    const auto pictures = groupPictures(*groupData);
    if (!pictures)
        return Failure{pictures.error()};
    const auto icons = resources->resources(PeResources::iconType);
    if (!icons)
        return Failure{icons.error()};
    PixelBudget remaining = budget;
    // Sides that choose the same picture share its file.
    std::map<std::uint16_t, std::string> files;
    std::vector<std::string> chosen;
    for (const std::int32_t side : sides) {
        const GroupPicture &picture = bestFit(*pictures, side);
        auto known = files.find(picture.id);
        if (known == files.end()) {
            auto file = iconFile(*resources, *icons, picture, remaining);
            if (!file)
                return Failure{file.error()};
            known = files.emplace(picture.id, std::move(*file)).first;
        }
        chosen.push_back(known->second);
    }
    return chosen;
}

Result<std::vector<std::string>, NoProgramIcon>
readProgramIcons(const std::filesystem::path &path, const std::filesystem::path &mediumRoot,
                 std::int32_t index, std::span<const std::int32_t> sides,
                 const PixelBudget &budget) {
    const auto file = openOnMedium(path, mediumRoot);
    if (!file)
        return Failure{unopened(file.error())};
    if (!S_ISREG(file->status.st_mode))
        return Failure{NoProgramIcon::Missing};
    const auto size = static_cast<std::uint64_t>(file->status.st_size);
    if (size > maximumProgramSize)
        return Failure{NoProgramIcon::TooLarge};
    const int descriptor = file->descriptor.get();
    const ProgramBytes program{size, [descriptor](std::uint64_t offset, std::size_t count) {
                                   return readAt(descriptor, offset, count);
                               }};
    return programIcons(program, index, sides, budget);
}
