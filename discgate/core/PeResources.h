#pragma once

#include "Result.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Why a program gives no icon. The window shows its stand-in for each; a
// check for authors can name the reason.
enum class NoProgramIcon {
    // Nothing to read there, or no regular file.
    Missing,
    OffMedium,
    // Larger than any program can be (maximumProgramSize).
    TooLarge,
    // No PE32 or PE32+ headers: a text, a picture, an MS-DOS or 16-bit program.
    NotAProgram,
    // A program without resources, or without any icon among them.
    NoIcons,
    // No icon group at that index, or none with that resource id.
    NoSuchIcon,
    // Headers, directories or resources that point past the file or past
    // their own parts, a tree of the wrong shape, parts larger than an icon's
    // need: anything the reader would have to follow further than it reads.
    Damaged,
    // The picture that the icon holds would take more memory than the
    // medium's picture budget has left.
    OverBudget,
};

// A program's bytes as they are read: only the parts asked for, never the
// whole file, since a program on a medium may be an installer of gigabytes.
struct ProgramBytes {
    std::uint64_t size = 0;
    // The `count` bytes at `offset`, a range within `size`; fewer when they
    // cannot be read.
    std::function<std::string(std::uint64_t offset, std::size_t count)> read;
};

// Bytes in memory as a program; `bytes` must outlive the result.
ProgramBytes programBytesOf(std::string_view bytes);

// One entry of a level of the resource tree, as the program stores it.
struct ResourceEntry {
    // A resource id, or with its high bit set the place of a name.
    std::uint32_t name = 0;
    // The place of the next level, or with its high bit clear of the data.
    std::uint32_t target = 0;

    bool isNamed() const { return (name & 0x8000'0000u) != 0; }
};

// The resources of a Windows program (PE32 or PE32+): its headers are read
// once, then each lookup reads the directory it needs. The tree has three
// levels, type, name and language, and is walked exactly so deep, so a
// directory that points back at itself or at its parent is followed no
// further. Every read is checked against the file and the sections that hold
// it, a directory gives at most maximumDirectoryEntries entries, and all
// reads together stay within maximumBytesRead: a hostile program costs a few
// reads, whatever it claims.
class PeResources {
public:
    static constexpr std::uint16_t iconType = 3;
    static constexpr std::uint16_t iconGroupType = 14;
    static constexpr std::size_t maximumDirectoryEntries = 4096;
    static constexpr std::size_t maximumSections = 96;
    static constexpr std::uint64_t maximumBytesRead = 4u << 20;

    static Result<PeResources, NoProgramIcon> of(const ProgramBytes &program);

    // The resources of `type`, in the order of the directory, which is the
    // order in which Windows counts them: named ones first, then ids in
    // ascending order. Empty when the program has none of that type.
    Result<std::vector<ResourceEntry>, NoProgramIcon> resources(std::uint16_t type);

    // The data of the resource `entry` (one of `resources`) in its first
    // language; Damaged when it is larger than `limit`.
    Result<std::string, NoProgramIcon> data(const ResourceEntry &entry, std::size_t limit);

private:
    struct Section {
        std::uint32_t address = 0;
        std::uint32_t size = 0;
        std::uint32_t fileOffset = 0;
    };

    explicit PeResources(const ProgramBytes &program) : m_program(program) {}

    // `count` bytes at the offset `at` of the file.
    Result<std::string, NoProgramIcon> readFile(std::uint64_t at, std::size_t count);
    // `count` bytes at the address `address` of the loaded program, which
    // must lie within the file's part of one section.
    Result<std::string, NoProgramIcon> readImage(std::uint64_t address, std::size_t count);
    Result<std::vector<ResourceEntry>, NoProgramIcon> directory(std::uint32_t target);

    const ProgramBytes &m_program;
    std::vector<Section> m_sections;
    std::uint32_t m_directoryAddress = 0;
    std::uint64_t m_bytesRead = 0;
};
