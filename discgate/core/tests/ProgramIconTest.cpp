#include "ProgramIcon.h"

#include "AsciiText.h"
#include "AutorunMenu.h"
#include "MediumPath.h"
#include "PngChunks.h"
#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string le(std::uint64_t value, int bytes) {
    std::string field;
    for (int byte = 0; byte < bytes; ++byte)
        field += char(value >> (8 * byte));
    return field;
}

std::string be32(std::uint32_t value) {
    std::string field = le(value, 4);
    return {field.rbegin(), field.rend()};
}

// A level of a resource tree: data, or a directory of `children`; `target`
// points the entry anywhere instead.
struct Node {
    Node(std::uint32_t name, std::string data, std::vector<Node> children = {},
         std::optional<std::uint32_t> target = {})
        : name(name), data(std::move(data)), children(std::move(children)), target(target) {}

    std::uint32_t name;
    std::string data;
    std::vector<Node> children;
    std::optional<std::uint32_t> target;
};

Node resource(std::uint32_t name, std::string data) {
    return {name, {}, {{0x409, data}}};
}

constexpr std::uint32_t sectionAddress = 0x1000;
constexpr std::size_t sectionFileOffset = 0x200;

std::uint32_t appendDirectory(std::string &tree, const std::vector<Node> &nodes) {
    const std::size_t at = tree.size();
    const auto named =
        std::ranges::count_if(nodes, [](const Node &node) { return node.name >> 31; });
    tree += std::string(12, '\0') + le(named, 2) + le(nodes.size() - named, 2) +
            std::string(8 * nodes.size(), '\0');
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        std::uint32_t target = std::uint32_t(tree.size());
        if (nodes[i].target)
            target = *nodes[i].target;
        else if (!nodes[i].children.empty())
            target = 0x8000'0000u | appendDirectory(tree, nodes[i].children);
        else
            tree += le(sectionAddress + tree.size() + 16, 4) + le(nodes[i].data.size(), 4) +
                    std::string(8, '\0') + nodes[i].data;
        tree.replace(at + 16 + 8 * i, 8, le(nodes[i].name, 4) + le(target, 4));
    }
    return std::uint32_t(at);
}

enum class Kind { Pe32, Pe32Plus };

// A program with one section, which holds the resources `types`.
std::string program(Kind kind, const std::vector<Node> &types) {
    std::string tree;
    appendDirectory(tree, types);
    const bool plus = kind == Kind::Pe32Plus;
    std::string optional(plus ? 240 : 224, '\0');
    optional.replace(0, 2, le(plus ? 0x20B : 0x10B, 2));
    const std::size_t countField = plus ? 108 : 92;
    optional.replace(countField, 4, le(16, 4));
    optional.replace(countField + 20, 8, le(sectionAddress, 4) + le(tree.size(), 4));
    std::string file = "MZ" + std::string(58, '\0') + le(64, 4) + std::string("PE\0\0", 4) +
                       le(plus ? 0x8664 : 0x14C, 2) + le(1, 2) + std::string(12, '\0') +
                       le(optional.size(), 2) + le(0x102, 2) + optional +
                       std::string(".rsrc\0\0\0", 8) + le(tree.size(), 4) + le(sectionAddress, 4) +
                       le(tree.size(), 4) + le(sectionFileOffset, 4) + std::string(16, '\0');
    file.resize(sectionFileOffset, '\0');
    return file + tree;
}

struct Picture {
    int side;
    int bits;
    std::uint16_t id;
};

std::string group(const std::vector<Picture> &pictures) {
    std::string data = le(0, 2) + le(1, 2) + le(pictures.size(), 2);
    for (const Picture &picture : pictures)
        data += le(picture.side & 0xFF, 1) + le(picture.side & 0xFF, 1) + le(0, 2) + le(1, 2) +
                le(picture.bits, 2) + le(0, 4) + le(picture.id, 2);
    return data;
}

std::string png(std::uint32_t side) {
    return "\x89PNG\r\n\x1A\n" + be32(13) + "IHDR" + be32(side) + be32(side) + "\x08\x06" +
           std::string(7, '\0');
}

std::string bitmap(std::uint32_t side, int bits) {
    return le(40, 4) + le(side, 4) + le(2 * side, 4) + le(1, 2) + le(bits, 2) + std::string(24, 0);
}

// The icon file that a picture of the group becomes.
std::string iconFile(const Picture &picture, const std::string &image) {
    return std::string("\0\0\1\0\1\0", 6) + group({picture}).substr(6, 12 - 4) +
           le(image.size(), 4) + le(22, 4) + image;
}

// Group 1: a disc of 16 and 32 pixels, 32 pixels of 16 colours, and 256 as a
// PNG; group 7: 48 pixels. Named groups come first, as Windows stores them.
const std::vector<Picture> discPictures = {{16, 32, 1}, {32, 4, 3}, {32, 32, 2}, {0, 32, 4}};
const std::vector<std::string> discImages = {bitmap(16, 32), bitmap(32, 32), bitmap(32, 4),
                                             png(256), bitmap(48, 32)};
std::vector<Node> twoGroups(std::vector<Node> firstGroups = {}) {
    std::vector<Node> icons;
    for (std::uint16_t id = 1; id <= discImages.size(); ++id)
        icons.push_back(resource(id, discImages[id - 1]));
    firstGroups.push_back(resource(1, group(discPictures)));
    firstGroups.push_back(resource(7, group({{48, 32, 5}})));
    return {{3, {}, icons}, {14, {}, firstGroups}};
}

struct Reading {
    Result<std::vector<std::string>, NoProgramIcon> icons;
    std::size_t reads = 0;
    std::uint64_t bytes = 0;
};

Reading readIcons(const std::string &file, std::int32_t index, std::vector<std::int32_t> sides) {
    Reading reading{Failure{NoProgramIcon::Missing}};
    const ProgramBytes whole = programBytesOf(file);
    const ProgramBytes counted{whole.size, [&](std::uint64_t offset, std::size_t count) {
                                   ++reading.reads;
                                   reading.bytes += count;
                                   return whole.read(offset, count);
                               }};
    reading.icons = programIcons(counted, index, sides, PixelBudget{});
    return reading;
}

TEST(ProgramIconTest, TheGroupThatWindowsCountsGivesThePictureThatFitsEachSide) {
    const auto named = resource(0x8000'0000u, group({{48, 32, 5}}));
    const struct {
        const char *name;
        std::string file;
        std::int32_t index;
        std::vector<std::int32_t> sides;
        std::vector<std::pair<Picture, std::uint16_t>> expected;
    } rows[] = {
        {"PE32, exact sizes, the most colours of two",
         program(Kind::Pe32, twoGroups()),
         0,
         {16, 32, 256},
         {{discPictures[0], 1}, {discPictures[2], 2}, {discPictures[3], 4}}},
        {"the next larger, else the largest",
         program(Kind::Pe32Plus, twoGroups()),
         0,
         {20, 33, 512},
         {{discPictures[2], 2}, {discPictures[3], 4}, {discPictures[3], 4}}},
        {"index 1, a side beyond the group's",
         program(Kind::Pe32, twoGroups()),
         1,
         {64},
         {{{48, 32, 5}, 5}}},
        {"a negative index is a resource id",
         program(Kind::Pe32Plus, twoGroups()),
         -7,
         {16},
         {{{48, 32, 5}, 5}}},
        {"a named group is counted first",
         program(Kind::Pe32, twoGroups({named})),
         1,
         {16},
         {{discPictures[0], 1}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Reading reading = readIcons(row.file, row.index, row.sides);
        ASSERT_TRUE(reading.icons);
        std::vector<std::string> expected;
        for (const auto &[picture, id] : row.expected)
            expected.push_back(iconFile(picture, discImages[id - 1]));
        EXPECT_EQ(*reading.icons, expected);
    }
}

TEST(ProgramIconTest, HostileProgramsGiveNoIconAfterAFewBoundedReads) {
    const std::string good = program(Kind::Pe32, twoGroups());
    std::vector<Node> manyIcons = twoGroups();
    std::vector<Node> icons;
    for (std::uint32_t id = 100; id < 60100; ++id)
        icons.emplace_back(id, "", std::vector<Node>{}, 0x8000'0000u);
    std::ranges::move(manyIcons[0].children, std::back_inserter(icons));
    manyIcons[0].children = std::move(icons);
    auto loopingLanguage = twoGroups();
    loopingLanguage[1].children[0].children[0].target = 0x8000'0000u;
    auto groupAsData = twoGroups();
    groupAsData[1].children[0] = {1, group(discPictures)};
    const auto pictures = [](std::string image, std::string groupData = group({{16, 32, 1}})) {
        return program(Kind::Pe32Plus, {{14, {}, {resource(1, groupData)}},
                                        {3, {}, {resource(1, std::move(image))}}});
    };
    const struct {
        const char *name;
        std::string file;
        std::int32_t index;
        NoProgramIcon expected;
    } rows[] = {
        {"a text", "[autorun]\r\nicon=setup.exe\r\n", 0, NoProgramIcon::NotAProgram},
        {"an MS-DOS program", "MZ" + std::string(200, '\0'), 0, NoProgramIcon::NotAProgram},
        {"headers cut off", good.substr(0, 100), 0, NoProgramIcon::Damaged},
        {"no resources", program(Kind::Pe32, {}), 0, NoProgramIcon::NoIcons},
        {"an index past the groups", good, 2, NoProgramIcon::NoSuchIcon},
        {"an id of no group", good, -2, NoProgramIcon::NoSuchIcon},
        {"a language that loops to the root", program(Kind::Pe32, loopingLanguage), 0,
         NoProgramIcon::Damaged},
        {"a type that loops to the root", program(Kind::Pe32, {{14, {}, {}, 0x8000'0000u}}), 0,
         NoProgramIcon::Damaged},
        {"data where a directory belongs", program(Kind::Pe32, groupAsData), 0,
         NoProgramIcon::Damaged},
        {"directories past the file", good.substr(0, sectionFileOffset + 40), 0,
         NoProgramIcon::Damaged},
        {"a picture past the file", pictures(png(16) + std::string(200, 'x')).substr(0, 800), 0,
         NoProgramIcon::Damaged},
        {"60,000 icons before the one named", program(Kind::Pe32, manyIcons), 0,
         NoProgramIcon::Damaged},
        {"a group that claims 65,535 pictures",
         pictures(png(16), le(0, 2) + le(1, 2) + le(65535, 2)), 0, NoProgramIcon::Damaged},
        {"a group that names no picture there", pictures(png(16), group({{16, 32, 9}})), 0,
         NoProgramIcon::Damaged},
        {"a picture of 2 MB", pictures(png(16) + std::string(2 << 20, 'x')), 0,
         NoProgramIcon::Damaged},
        {"a PNG of 30,000 × 30,000", pictures(png(30000)), 0, NoProgramIcon::OverBudget},
        {"a bitmap of 30,000 × 30,000", pictures(bitmap(30000, 32)), 0, NoProgramIcon::OverBudget},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Reading reading = readIcons(row.file, row.index, {16, 48});
        ASSERT_FALSE(reading.icons);
        EXPECT_EQ(reading.icons.error(), row.expected);
        EXPECT_LE(reading.reads, 20u);
        EXPECT_LE(reading.bytes, 80'000u);
    }
}

// The sample driver disc's setup program, made by MinGW-w64, and the same
// program for 64 bits; and every real-style Autorun.inf that names an icon
// inside a program, with that program on its medium.
TEST(ProgramIconTest, RealProgramsOnAMediumGiveTheirIcons) {
    const fs::path source = SOURCE_DIR;
    const TemporaryFolder medium;
    const std::int32_t sides[] = {16, 48, 96};
    for (const char *sample :
         {"examples/driver-cd/setup.exe", "fuzz/corpus/programicon/setup-pe32plus.exe"}) {
        SCOPED_TRACE(sample);
        fs::copy_file(source / sample, medium / "setup.exe", fs::copy_options::overwrite_existing);
        const auto disc =
            readProgramIcons(medium / "setup.exe", medium.path(), 0, sides, PixelBudget{});
        ASSERT_TRUE(disc);
        std::vector<std::optional<IconPictureSize>> shown;
        for (const std::string &file : *disc)
            shown.push_back(firstIconPictureSize(file));
        EXPECT_EQ(shown, (std::vector<std::optional<IconPictureSize>>{
                             {{16, 16}}, {{48, 48}}, {{256, 256}}}));
        EXPECT_TRUE(disc->back().substr(22).starts_with("\x89PNG"));
        const auto document =
            readProgramIcons(medium / "setup.exe", medium.path(), -2, sides, PixelBudget{});
        ASSERT_TRUE(document);
        EXPECT_EQ(firstIconPictureSize(document->front()), (IconPictureSize{16, 16}));
    }
    ::mkfifo((medium / "pipe.exe").c_str(), 0600);
    EXPECT_EQ(readProgramIcons(medium / "pipe.exe", medium.path(), 0, sides, {}).error(),
              NoProgramIcon::Missing);
    EXPECT_EQ(readProgramIcons("/bin/true", medium.path(), 0, sides, {}).error(),
              NoProgramIcon::OffMedium);

    int programs = 0;
    for (const auto &entry : fs::directory_iterator(source / "fuzz/corpus/autorun")) {
        const AutorunMenu menu = parseAutorunMenu(cls_IniFile::ofContent(readBytes(entry.path())));
        if (!asciiLowered(menu.icon).ends_with(".exe"))
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++programs;
        const TemporaryFolder disc;
        const fs::path program = mediumFilePath(disc.path(), withoutDrive(menu.icon));
        fs::create_directories(program.parent_path());
        fs::copy_file(source / "examples/driver-cd/setup.exe", program);
        EXPECT_TRUE(readProgramIcons(program, disc.path(), menu.iconIndex, sides, PixelBudget{}));
    }
    EXPECT_GE(programs, 6);
}

} // namespace
