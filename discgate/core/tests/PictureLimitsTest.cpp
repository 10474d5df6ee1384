#include "JpegScans.h"
#include "PixelBudget.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string scans(std::size_t count) {
    std::string data = "\xFF\xD8";
    for (std::size_t i = 0; i < count; ++i)
        data += std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\x12\xFF\x00\x34", 14);
    return data + "\xFF\xD9";
}

TEST(JpegScans, CountsStartOfScanMarkersOnly) {
    const struct {
        std::string data;
        std::size_t limit;
        std::size_t count;
    } rows[] = {
        {scans(0), 10, 0},
        {scans(10), 300, 10},
        // Coded 0xFF bytes and fill bytes before a marker.
        {std::string("\xFF\x00\xDA\xFF\xFF\xDA\xDA\xFF", 8), 10, 1},
        // Counting stops soon after the limit.
        {scans(5000), 300, 301},
    };
    for (const auto &row : rows) {
        std::istringstream data(row.data);
        EXPECT_EQ(jpegScanCount(data, row.limit), row.count);
    }
}

TEST(JpegScans, FindsAMarkerSplitBetweenReads) {
    std::string data(64 * 1024 - 1, '\0');
    data += "\xFF\xDA";
    std::istringstream stream(data);
    EXPECT_EQ(jpegScanCount(stream, 10), 1u);
}

TEST(PixelBudget, HoldsAllPicturesOfAMediumTo256Megabytes) {
    PixelBudget budget;
    EXPECT_TRUE(budget.take(5700, 5700)); // 124 MB each
    EXPECT_TRUE(budget.take(5700, 5700));
    EXPECT_FALSE(budget.take(5700, 5700));
    EXPECT_TRUE(budget.take(2048, 1024)); // 8 MB: the refusal took nothing
    EXPECT_FALSE(budget.take(1024, 1024));
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
