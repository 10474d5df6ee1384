#include "PngChunks.h"

#include "ByteFields.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::string_view pngSignature = "\x89PNG\r\n\x1A\n";
// Length, name, and checksum around a chunk's data.
constexpr std::size_t chunkFrame = 12;
constexpr std::size_t iconHeaderSize = 6;
constexpr std::size_t iconEntrySize = 16;
constexpr std::size_t entrySizeField = 8;
constexpr std::size_t entryOffsetField = 12;
// Where a PNG's IHDR gives the width and the height.
constexpr std::size_t pngWidthField = 16;
// Where a bitmap header gives the width and the height.
constexpr std::size_t bitmapWidthField = 4;

std::uint32_t bigEndian32(std::string_view data, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t byte = 0; byte < 4; ++byte)
        value = value << 8 | static_cast<unsigned char>(data[at + byte]);
    return value;
}

// Bit 5 of a chunk name's first letter (a lower-case letter) marks it as one
// that a decoder may leave out.
bool isKept(std::string_view name) {
    return (static_cast<unsigned char>(name[0]) & 0x20) == 0 || name == "tRNS";
}

} // namespace

std::string withoutAncillaryChunks(std::string_view png) {
    if (!png.starts_with(pngSignature))
        return std::string(png);
    std::string kept(pngSignature);
    for (std::size_t at = pngSignature.size(); at < png.size();) {
        if (png.size() - at < 8) {
            kept += png.substr(at);
            break;
        }
        const std::uint64_t size = std::uint64_t{bigEndian32(png, at)} + chunkFrame;
        if (isKept(png.substr(at + 4, 4)))
            kept += png.substr(at, size);
        if (size > png.size() - at)
            break;
        at += size;
    }
    return kept;
}

std::string iconWithoutAncillaryChunks(std::string_view data) {
    if (data.size() < iconHeaderSize || littleEndian(data, 0, 2) != 0)
        return std::string(data);
    const std::size_t count = littleEndian(data, 4, 2);
    const std::size_t directoryEnd = iconHeaderSize + count * iconEntrySize;
    if (directoryEnd > data.size())
        return std::string(data);
    std::string icon(data.substr(0, directoryEnd));
    std::uint64_t copied = 0;
    for (std::size_t entry = 0; entry < count; ++entry) {
        const std::size_t field = iconHeaderSize + entry * iconEntrySize;
        const std::uint64_t size = littleEndian(data, field + entrySizeField, 4);
        const std::uint64_t offset = littleEndian(data, field + entryOffsetField, 4);
        copied += size;
        const bool fits = offset <= data.size() && size <= data.size() - offset;
        const std::string image = fits && copied <= data.size()
                                      ? withoutAncillaryChunks(data.substr(offset, size))
                                      : std::string();
        putLittleEndian32(icon, field + entrySizeField, std::uint32_t(image.size()));
        putLittleEndian32(icon, field + entryOffsetField, std::uint32_t(icon.size()));
        icon += image;
    }
    return icon;
}

std::optional<IconPictureSize> firstIconPictureSize(std::string_view data) {
    if (data.size() < iconHeaderSize + iconEntrySize || littleEndian(data, 0, 2) != 0 ||
        littleEndian(data, 4, 2) == 0)
        return std::nullopt;
    const std::size_t offset = littleEndian(data, iconHeaderSize + entryOffsetField, 4);
    if (offset > data.size())
        return std::nullopt;
    const std::string_view picture = data.substr(offset);
    if (picture.starts_with(pngSignature)) {
        if (picture.size() < pngWidthField + 8)
            return std::nullopt;
        return IconPictureSize{bigEndian32(picture, pngWidthField),
                               bigEndian32(picture, pngWidthField + 4)};
    }
    if (picture.size() < bitmapWidthField + 8)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(littleEndian(picture, bitmapWidthField, 4));
    const auto height = static_cast<std::int32_t>(littleEndian(picture, bitmapWidthField + 4, 4));
    return IconPictureSize{std::llabs(width), std::llabs(height) / 2};
}
