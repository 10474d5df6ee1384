#include "ProgramIcon.h"

#include "AsciiText.h"
#include "AutorunMenu.h"
#include "MediumPath.h"
#include "PngChunks.h"
#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <variant>

namespace fs = std::filesystem;

namespace {

std::string le(std::uint32_t value, int bytes) {
    std::string field;
    for (int byte = 0; byte < bytes; ++byte)
        field += char(value >> (8 * byte));
    return field;
}

std::string be32(std::uint32_t value) {
    const std::string field = le(value, 4);
    return {field.rbegin(), field.rend()};
}

// A level of a resource tree: data, a directory, or an entry that points
// anywhere, such as `root`.
struct Node {
    std::uint32_t name;
    std::variant<std::string, std::vector<Node>, std::uint32_t> content;
};
constexpr std::uint32_t root = 0x8000'0000u;
constexpr std::uint32_t named = 0x8000'0000u;

Node directory(std::uint32_t name, std::vector<Node> children) {
    return {name, children};
}
Node resource(std::uint32_t name, std::string data) {
    return directory(name, {{0x409, data}});
}

constexpr std::uint32_t sectionAddress = 0x1000;
constexpr std::size_t sectionFileOffset = 0x200;

std::uint32_t appendDirectory(std::string &tree, const std::vector<Node> &nodes) {
    const std::size_t at = tree.size();
    const auto names =
        std::ranges::count_if(nodes, [](const Node &node) { return node.name >> 31; });
    tree += std::string(12, '\0') + le(names, 2) + le(nodes.size() - names, 2) +
            std::string(8 * nodes.size(), '\0');
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        std::uint32_t target = std::uint32_t(tree.size());
        if (const auto *data = std::get_if<std::string>(&nodes[i].content))
            tree += le(sectionAddress + target + 16, 4) + le(data->size(), 4) +
                    std::string(8, '\0') + *data;
        else if (const auto *children = std::get_if<std::vector<Node>>(&nodes[i].content))
            target = 0x8000'0000u | appendDirectory(tree, *children);
        else
            target = std::get<std::uint32_t>(nodes[i].content);
        tree.replace(at + 16 + 8 * i, 8, le(nodes[i].name, 4) + le(target, 4));
    }
    return std::uint32_t(at);
}

enum class Kind { Pe32, Pe32Plus };

// A program of one section, which holds the resources `types`.
std::string program(Kind kind, const std::vector<Node> &types) {
    std::string tree;
    appendDirectory(tree, types);
    const bool plus = kind == Kind::Pe32Plus;
    const std::size_t countField = plus ? 108 : 92;
    std::string optional(plus ? 240 : 224, '\0');
    optional.replace(0, 2, le(plus ? 0x20B : 0x10B, 2));
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

std::string png(std::uint32_t side) {
    return "\x89PNG\r\n\x1A\n" + be32(13) + "IHDR" + be32(side) + be32(side) + "\x08\x06" +
           std::string(7, '\0');
}

std::string bitmap(std::uint32_t side, int bits) {
    return le(40, 4) + le(side, 4) + le(2 * side, 4) + le(1, 2) + le(bits, 2) + std::string(24, 0);
}

struct Picture {
    int side;
    int bits;
    std::string image;
};

// By resource id: a disc of 16 and 32 pixels, 32 of 16 colours, 256 as a PNG
// (whose side a group gives as 0), and 48 pixels.
const std::map<std::uint16_t, Picture> pictures = {{1, {16, 32, bitmap(16, 32)}},
                                                   {2, {32, 32, bitmap(32, 32)}},
                                                   {3, {32, 4, bitmap(32, 4)}},
                                                   {4, {0, 32, png(256)}},
                                                   {5, {48, 32, bitmap(48, 32)}}};

std::string sizes(const Picture &picture) {
    return le(picture.side, 1) + le(picture.side, 1) + le(0, 2) + le(1, 2) + le(picture.bits, 2);
}

std::string group(const std::vector<std::uint16_t> &ids) {
    std::string data = le(0, 2) + le(1, 2) + le(ids.size(), 2);
    for (const std::uint16_t id : ids)
        data += sizes(pictures.at(id)) + le(0, 4) + le(id, 2);
    return data;
}

std::string iconFile(std::uint16_t id) {
    const Picture &picture = pictures.at(id);
    return std::string("\0\0\1\0\1\0", 6) + sizes(picture) + le(picture.image.size(), 4) +
           le(22, 4) + picture.image;
}

// Named groups come first, as Windows stores them.
std::vector<Node> twoGroups(std::vector<Node> groups = {}) {
    std::vector<Node> icons;
    for (const auto &[id, picture] : pictures)
        icons.push_back(resource(id, picture.image));
    groups.push_back(resource(1, group({1, 3, 2, 4})));
    groups.push_back(resource(7, group({5})));
    return {directory(3, icons), directory(14, groups)};
}

TEST(ProgramIconTest, TheGroupThatWindowsCountsGivesThePictureThatFitsEachSide) {
    const std::string pe32 = program(Kind::Pe32, twoGroups());
    const std::string pe32Plus = program(Kind::Pe32Plus, twoGroups());
    const std::string namedFirst = program(Kind::Pe32, twoGroups({resource(named, group({5}))}));
    const struct {
        const char *name;
        const std::string &file;
        std::int32_t index;
        std::vector<std::int32_t> sides;
        std::vector<std::uint16_t> ids;
    } rows[] = {
        {"exact sides; of two, the most colours", pe32, 0, {16, 32, 256}, {1, 2, 4}},
        {"the next larger side, else the largest", pe32Plus, 0, {20, 33, 512}, {2, 4, 4}},
        {"index 1, a side beyond its pictures", pe32, 1, {64}, {5}},
        {"a negative index is a resource id", pe32Plus, -7, {16}, {5}},
        {"a named group is counted first", namedFirst, 0, {16}, {5}},
        {"and the group with id 1 after it", namedFirst, 1, {16}, {1}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> expected;
        for (const std::uint16_t id : row.ids)
            expected.push_back(iconFile(id));
        const auto icons = programIcons(programBytesOf(row.file), row.index, row.sides, {});
        ASSERT_TRUE(icons);
        EXPECT_EQ(*icons, expected);
    }
}

TEST(ProgramIconTest, HostileProgramsGiveNoIconAfterAFewBoundedReads) {
    using enum NoProgramIcon;
    const std::string good = program(Kind::Pe32, twoGroups());
    const auto withPicture = [](std::string image, std::string groupData = group({1}),
                                std::uint16_t id = 1) {
        return program(Kind::Pe32Plus, {directory(14, {resource(1, groupData)}),
                                        directory(3, {resource(id, image)})});
    };
    std::vector<Node> icons(60000, {100, root});
    icons.push_back(resource(1, png(16)));
    const struct {
        const char *name;
        std::string file;
        std::int32_t index;
        NoProgramIcon expected;
    } rows[] = {
        {"a text", "[autorun]\r\nicon=setup.exe\r\n", 0, NotAProgram},
        {"an MS-DOS program", "MZ" + std::string(200, '\0'), 0, NotAProgram},
        {"headers cut off", good.substr(0, 100), 0, Damaged},
        {"no resources", program(Kind::Pe32, {}), 0, NoIcons},
        {"an index past the groups", good, 2, NoSuchIcon},
        {"an id of no group", good, -2, NoSuchIcon},
        {"a language that loops to the root",
         program(Kind::Pe32, {directory(14, {directory(1, {{0x409, root}})})}), 0, Damaged},
        {"a type that loops to the root", program(Kind::Pe32, {{14, root}}), 0, Damaged},
        {"data where a directory belongs", program(Kind::Pe32, {directory(14, {{1, group({1})}})}),
         0, Damaged},
        {"directories past the file", good.substr(0, sectionFileOffset + 40), 0, Damaged},
        {"a picture past the file", withPicture(png(16) + std::string(200, 'x')).substr(0, 800), 0,
         Damaged},
        {"60,000 icons before the one named",
         program(Kind::Pe32, {directory(3, icons), directory(14, {resource(1, group({1}))})}), 0,
         Damaged},
        {"a group of 65,535 pictures", withPicture(png(16), le(0, 2) + le(1, 2) + le(65535, 2)), 0,
         Damaged},
        {"a group that names no picture there", withPicture(png(16), group({1}), 2), 0, Damaged},
        {"a picture of 2 MB", withPicture(png(16) + std::string(2 << 20, 'x')), 0, Damaged},
        {"a PNG of 30,000 × 30,000", withPicture(png(30000)), 0, OverBudget},
        {"a bitmap of 30,000 × 30,000", withPicture(bitmap(30000, 32)), 0, OverBudget},
    };
    const std::int32_t sides[] = {16, 48};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const ProgramBytes whole = programBytesOf(row.file);
        std::size_t reads = 0;
        std::uint64_t bytes = 0;
        const ProgramBytes counted{whole.size, [&](std::uint64_t offset, std::size_t count) {
                                       ++reads;
                                       bytes += count;
                                       return whole.read(offset, count);
                                   }};
        EXPECT_EQ(programIcons(counted, row.index, sides, {}).error(), row.expected);
        EXPECT_LE(reads, 20u);
        EXPECT_LE(bytes, 40'000u);
    }
}

// The sample driver disc's setup program, made by MinGW-w64, for 32 and 64
// bits (its 256 pixels are a PNG); and every real-style Autorun.inf that
// names an icon inside a program, with that program on its medium.
TEST(ProgramIconTest, RealProgramsOnAMediumGiveTheirIcons) {
    const fs::path source = SOURCE_DIR;
    const fs::path sample = source / "examples/driver-cd/setup.exe";
    const TemporaryFolder medium;
    const std::int32_t sides[] = {16, 48, 96};
    const auto shownWidths = [&](const fs::path &program, std::int32_t index) {
        std::vector<std::int64_t> widths;
        const auto icons = readProgramIcons(program, medium.path(), index, sides, {});
        for (const std::string &icon : icons ? *icons : std::vector<std::string>{})
            widths.push_back(firstIconPictureSize(icon).value_or(IconPictureSize{}).width);
        return widths;
    };
    fs::copy_file(sample, medium / "setup.exe");
    fs::copy_file(source / "fuzz/corpus/programicon/setup-pe32plus.exe", medium / "setup64.exe");
    for (const char *name : {"setup.exe", "setup64.exe"}) {
        EXPECT_EQ(shownWidths(medium / name, 0), (std::vector<std::int64_t>{16, 48, 256})) << name;
        EXPECT_EQ(shownWidths(medium / name, -2), (std::vector<std::int64_t>{16, 32, 32})) << name;
    }
    ::mkfifo((medium / "pipe.exe").c_str(), 0600);
    EXPECT_EQ(readProgramIcons(medium / "pipe.exe", medium.path(), 0, sides, {}).error(),
              NoProgramIcon::Missing);
    EXPECT_EQ(readProgramIcons("/bin/true", medium.path(), 0, sides, {}).error(),
              NoProgramIcon::OffMedium);

    int programs = 0;
    for (const auto &entry : fs::directory_iterator(source / "fuzz/corpus/autorun")) {
        const AutorunMenu menu =
            parseAutorunMenu(cls_IniFile::ofContent(readBytes(entry.path())), thisProcessor);
        if (!asciiLowered(menu.icon).ends_with(".exe"))
            continue;
        ++programs;
        const TemporaryFolder disc;
        const fs::path program = mediumFilePath(disc.path(), withoutDrive(menu.icon));
        fs::create_directories(program.parent_path());
        fs::copy_file(sample, program);
        EXPECT_TRUE(readProgramIcons(program, disc.path(), menu.iconIndex, sides, {}))
            << entry.path();
    }
    EXPECT_GE(programs, 6);
}

} // namespace
