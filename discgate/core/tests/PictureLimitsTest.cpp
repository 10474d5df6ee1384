#include "GifWork.h"
#include "HostileInput.h"
#include "JpegCost.h"
#include "PixelBudget.h"
#include "PngChunks.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// One component of a frame: its identifier and its sampling factors,
// horizontal in the high nibble.
struct FrameComponent {
    char id;
    char factors;
};

std::string segment(char marker, const std::string &body) {
    const std::size_t length = body.size() + 2;
    return std::string{'\xFF', marker, char(length >> 8), char(length & 0xFF)} + body;
}

std::string frame(char marker, int width, int height, const std::vector<FrameComponent> &parts) {
    std::string body{8,           char(height >> 8), char(height), char(width >> 8),
                     char(width), char(parts.size())};
    for (const auto &part : parts)
        body += std::string{part.id, part.factors, 0};
    return segment(marker, body);
}

// A scan of the components `ids` and the coefficients `first` to `last`, with
// a little coded data behind it.
std::string scan(const std::string &ids, char first = 0, char last = 63) {
    std::string body(1, char(ids.size()));
    for (const char id : ids)
        body += std::string{id, 0};
    return segment('\xDA', body + std::string{first, last, 0}) + std::string("\x12\xFF\x00\x34", 4);
}

// The work of a block in a Huffman-coded scan of all 64 coefficients.
constexpr std::uint64_t fullBand = huffmanBlockWork.fixed + 64 * huffmanBlockWork.perCoefficient;

std::string jpeg(const std::string &segments) {
    return "\xFF\xD8" + segments + "\xFF\xD9";
}

const std::vector<FrameComponent> colour444 = {{1, 0x11}, {2, 0x11}, {3, 0x11}};
const std::vector<FrameComponent> colour420 = {{1, 0x22}, {2, 0x11}, {3, 0x11}};

// 5600 x 5600 in 4:2:0: 31,360,000 samples of luma, 7,840,000 of each chroma.
const std::string progressive300 =
    jpeg(frame('\xC2', 5600, 5600, colour420) + scan("\1\2\3") + repeated(scan("\1"), 299));

TEST(PictureLimitsTest, JpegCostCountsTheScansThePixelsAndTheCoefficients) {
    const struct {
        const char *name;
        std::string data;
        JpegCost cost;
    } rows[] = {
        {"baseline 64 x 64",
         jpeg(frame('\xC0', 64, 64, colour444) + scan("\1\2\3")),
         {1, 3 * 64 * fullBand + 3 * 4096, 16384, 0}},
        {"progressive 5600 x 5600 of 300 scans",
         progressive300,
         {300, (735000 + 299 * 490000ull) * fullBand + 47040000, 125440000, 735000 * 128}},
        // Sides that no whole block covers, and a component of a scan that the
        // frame does not have.
        {"baseline 9 x 1 of one component",
         jpeg(frame('\xC0', 9, 1, {{1, 0x11}}) + scan("\1\7")),
         {1, 2 * fullBand + 128, 36, 0}},
        // Scan markers inside another segment, fill bytes and restart markers
        // in coded data are no scans.
        {"markers in a thumbnail and in coded data",
         jpeg(segment('\xE1', "Exif\xFF\xDA\xFF\xDA") + frame('\xC0', 8, 8, {{1, 0x11}}) +
              scan("\1") + "\xFF\xD0\x55\xFF\xFF" + scan("\1")),
         {2, 2 * fullBand + 64, 256, 128}},
        // A band of three coefficients, then arithmetic coding of the full band.
        {"a scan of coefficients 1 to 3",
         jpeg(frame('\xC2', 8, 8, {{1, 0x11}}) + scan("\1", 1, 3)),
         {1, huffmanBlockWork.fixed + 3 * huffmanBlockWork.perCoefficient + 64, 256, 128}},
        {"arithmetic progressive 64 x 64",
         jpeg(frame('\xCA', 64, 64, colour444) + scan("\1\2\3") + scan("\1")),
         {2,
          4 * 64 * (arithmeticBlockWork.fixed + 64 * arithmeticBlockWork.perCoefficient) + 3 * 4096,
          16384, 192 * 128}},
        {"a frame without scans", jpeg(frame('\xC0', 60000, 60000, colour444)), {}},
        {"no JPEG", "GIF89a", {}},
        {"cut off in a frame",
         jpeg(frame('\xC2', 64, 64, colour444) + scan("\1")).substr(0, 12),
         {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(jpegCost(row.data), row.cost) << row.name;
}

TEST(PictureLimitsTest, JpegsThatWouldKeepTheWindowBackOrExhaustTheMemoryAreRefused) {
    const JpegCost photo =
        jpegCost(jpeg(frame('\xC2', 4000, 3000, colour420) + repeated(scan("\1\2\3"), 2) +
                      repeated(scan("\1"), 5) + repeated(scan("\2"), 2) + repeated(scan("\3"), 2)));
    const struct {
        const char *name;
        JpegCost cost;
        Result<void, LoadProblem> taken;
    } rows[] = {
        {"a progressive photograph of 12 megapixels", photo, {}},
        {"300 scans of 5600 x 5600", jpegCost(progressive300),
         Failure{LoadProblem::PictureTooManyScans}},
        {"301 scans of one pixel",
         jpegCost(jpeg(frame('\xC2', 1, 1, {{1, 0x11}}) + repeated(scan("\1"), 301))),
         Failure{LoadProblem::PictureTooManyScans}},
        // 256 MB of pixels, and 384 MB of coefficients on top.
        {"two scans of 8192 x 8192 in 4:4:4",
         jpegCost(jpeg(frame('\xC2', 8192, 8192, colour444) + repeated(scan("\1\2\3"), 2))),
         Failure{LoadProblem::PicturesOverBudget}},
    };
    for (const auto &row : rows) {
        PixelBudget budget;
        EXPECT_EQ(takeJpegCost(row.cost, budget), row.taken) << row.name;
    }
    // The photograph, every scan of the full band, takes 688 million samples:
    // it fits, but not twice.
    PixelBudget budget;
    int decoded = 0;
    while (takeJpegCost(photo, budget))
        ++decoded;
    EXPECT_EQ(decoded, 1);
}

std::string pngChunk(const std::string &name, const std::string &data) {
    const std::size_t size = data.size();
    return std::string{char(size >> 24), char(size >> 16), char(size >> 8), char(size)} + name +
           data + "CRC!";
}

TEST(PictureLimitsTest, PngPicturesAreDecodedWithoutTheirAncillaryChunks) {
    const std::string signature("\x89PNG\r\n\x1A\n");
    const std::string header = pngChunk("IHDR", std::string(13, '\1'));
    const std::string pixels = pngChunk("IDAT", "pixels") + pngChunk("IEND", "");
    const std::string picture = signature + header + pngChunk("tRNS", "\0") + pixels;
    const struct {
        const char *name;
        std::string data;
        std::string decoded;
    } rows[] = {
        {"texts, a profile and a time",
         signature + header + pngChunk("zTXt", "Comment\0\0bomb") + pngChunk("iCCP", "p") +
             pngChunk("tRNS", "\0") + pngChunk("tIME", "now") + pixels,
         picture},
        {"critical chunks and transparency", picture, picture},
        {"a chunk cut off", signature + header + pngChunk("tEXt", "cut").substr(0, 10),
         signature + header},
        {"a critical chunk cut off", picture.substr(0, 40), picture.substr(0, 40)},
        {"a length beyond the file", signature + "\xFF\xFF\xFF\xFFzTXt", signature},
        {"no PNG", "GIF89a", "GIF89a"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(withoutAncillaryChunks(row.data), row.decoded) << row.name;

    // The same in an icon, whose directory then points at the stripped
    // pictures; entries that share their bytes are not copied beyond the file.
    const std::string texts = signature + header + pngChunk("zTXt", "bomb") + pixels;
    const std::string stripped = signature + header + pixels;
    const auto icon = [](const std::vector<std::string> &images, bool sharing = false) {
        std::string directory{0, 0, 1, 0, char(images.size()), 0};
        std::string data;
        auto offset = std::uint32_t(6 + 16 * images.size());
        for (const std::string &image : images) {
            directory += std::string("\1\1\0\0\1\0\x20\0", 8);
            for (const std::uint32_t value : {std::uint32_t(image.size()), offset})
                directory += std::string{char(value), char(value >> 8), char(value >> 16), 0};
            if (!sharing || data.empty()) {
                offset += std::uint32_t(image.size());
                data += image;
            }
        }
        return directory + data;
    };
    EXPECT_EQ(iconWithoutAncillaryChunks(icon({texts, "BMP?", texts})),
              icon({stripped, "BMP?", stripped}));
    const std::string shared = icon(std::vector<std::string>(100, texts), true);
    EXPECT_LE(iconWithoutAncillaryChunks(shared).size(), 2 * shared.size());

    // The decoder allocates the first picture by its own header, whatever the
    // directory claims: a PNG's IHDR, a bitmap's header counting the mask.
    const std::string large =
        signature + pngChunk("IHDR", std::string("\0\0\x23\x28\0\0\0\5", 8) + '\0');
    const std::string bitmap("\x28\0\0\0\x10\0\0\0\x40\0\0\0", 12);
    const struct {
        const char *name;
        std::string data;
        std::optional<IconPictureSize> size;
    } sizes[] = {
        {"PNG", icon({large, stripped}), IconPictureSize{9000, 5}},
        {"bitmap", icon({bitmap, large}), IconPictureSize{16, 32}},
        {"header cut off", icon({bitmap.substr(0, 8)}), std::nullopt},
        {"no picture", icon({}), std::nullopt},
        {"no icon", picture, std::nullopt},
    };
    for (const auto &row : sizes)
        EXPECT_EQ(firstIconPictureSize(row.data), row.size) << row.name;
}

TEST(PictureLimitsTest, GifWorkCountsThePixelsThatTheCodesStandFor) {
    const std::string header("GIF89a\2\0\2\0\x80\0\0\0\0\0\xFF\xFF\xFF", 19);
    // A frame of `side` x `side` with the code size 2 and `data` as its codes.
    const auto gif = [&header](int side, const std::string &data) {
        return header + std::string(",\0\0\0\0", 5) + char(side) + '\0' + char(side) +
               std::string("\0\0\2", 3) + char(data.size()) + data + std::string("\0;", 2);
    };
    const struct {
        const char *name;
        std::string data;
        GifWork work;
    } rows[] = {
        // Clear, 0, 6 (the string of 0 twice), end: three pixels, codes of 3 bits.
        {"a string that repeats the one before", gif(2, "\x84\x0B"), {3, 0}},
        {"codes beyond the frame", gif(1, "\x84\x0B"), {3, 2}},
        {"a code the table does not hold", gif(1, "\x3C"), {4096, 4095}},
        {"an extension, then a frame",
         header + std::string("\x21\xF9\x04\1\0\0\0\0", 8) + gif(2, "\x84\x0B").substr(19),
         {3, 0}},
        {"cut off in its codes", gif(2, "\x84\x0B").substr(0, 32), {1, 0}},
        {"no GIF", "\x89PNG", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(gifWork(row.data), row.work) << row.name;
}

TEST(PictureLimitsTest, PixelBudgetHoldsAllPicturesOfAMediumTo256Megabytes) {
    PixelBudget budget;
    EXPECT_TRUE(budget.take(5700, 5700)); // 124 MB each
    EXPECT_TRUE(budget.take(5700, 5700));
    // A decoder counts what is left, 8.1 MB, in whole megabytes.
    EXPECT_TRUE(budget.fitsDecoder(2048, 1024));
    EXPECT_FALSE(budget.fitsDecoder(2048, 1025));
    EXPECT_FALSE(budget.take(5700, 5700));
    EXPECT_TRUE(budget.take(2048, 1024)); // 8 MB: the refusal took nothing
    EXPECT_FALSE(budget.take(1024, 1024));
    EXPECT_FALSE(budget.fitsDecoder(0, 0)); // less than a megabyte left
    EXPECT_TRUE(budget.take(0, 0));

    const struct {
        std::int64_t width;
        std::int64_t height;
        bool fits;
    } rows[] = {
        {8192, 8192, true},
        {8192, 8193, false},
        {std::int64_t{1} << 40, std::int64_t{1} << 40, false},
        {-1, 5, false},
        {67108864, 1, true},
        {67108865, 1, false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(PixelBudget().take(row.width, row.height), row.fits)
            << row.width << " x " << row.height;
}

} // namespace
