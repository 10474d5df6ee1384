#include "PeResources.h"

#include "ByteFields.h"

#include <algorithm>

namespace {

constexpr std::size_t dosHeaderSize = 64;
constexpr std::size_t newHeaderField = 0x3C;
// The signature "PE\0\0" and the file header behind it.
constexpr std::size_t fileHeaderSize = 24;
constexpr std::size_t sectionCountField = 6;
constexpr std::size_t optionalHeaderSizeField = 20;
constexpr std::uint32_t pe32Magic = 0x10B;
constexpr std::uint32_t pe32PlusMagic = 0x20B;
// Where each kind of optional header counts its data directories, which
// follow the count; the resources' directory is the third.
constexpr std::size_t pe32DirectoryCountField = 92;
constexpr std::size_t pe32PlusDirectoryCountField = 108;
constexpr std::size_t resourceDirectoryIndex = 2;
constexpr std::size_t dataDirectorySize = 8;
// The part of an optional header that holds what the reader needs.
constexpr std::size_t optionalHeaderRead = pe32PlusDirectoryCountField + 4 + 16 * dataDirectorySize;
constexpr std::size_t sectionHeaderSize = 40;
constexpr std::size_t directoryHeaderSize = 16;
constexpr std::size_t directoryEntrySize = 8;
// The address and the size that begin a data entry.
constexpr std::size_t dataPlaceSize = 8;
constexpr std::uint32_t highBit = 0x8000'0000u;

bool leadsToDirectory(const ResourceEntry &entry) {
    return (entry.target & highBit) != 0;
}

} // namespace

ProgramBytes programBytesOf(std::string_view bytes) {
    return {bytes.size(), [bytes](std::uint64_t offset, std::size_t count) {
                return std::string(bytes.substr(offset, count));
            }};
}

Result<PeResources, NoProgramIcon> PeResources::of(const ProgramBytes &program) {
    PeResources resources(program);
    const auto dos = resources.readFile(0, dosHeaderSize);
    if (!dos || !dos->starts_with("MZ"))
        return Failure{NoProgramIcon::NotAProgram};
    const std::uint64_t newHeader = littleEndian(*dos, newHeaderField, 4);
    const auto header = resources.readFile(newHeader, fileHeaderSize);
    if (!header || !header->starts_with(std::string_view("PE\0\0", 4)))
        return Failure{NoProgramIcon::NotAProgram};
    const std::size_t optionalSize = littleEndian(*header, optionalHeaderSizeField, 2);
    const auto optional =
        resources.readFile(newHeader + fileHeaderSize, std::min(optionalSize, optionalHeaderRead));
    if (!optional || optional->size() < 2)
        return Failure{NoProgramIcon::Damaged};
    const std::uint32_t magic = littleEndian(*optional, 0, 2);
    if (magic != pe32Magic && magic != pe32PlusMagic)
        return Failure{NoProgramIcon::NotAProgram};
    const std::size_t countField =
        magic == pe32Magic ? pe32DirectoryCountField : pe32PlusDirectoryCountField;
    const std::size_t resourceField = countField + 4 + resourceDirectoryIndex * dataDirectorySize;
    if (optional->size() < resourceField + dataDirectorySize ||
        littleEndian(*optional, countField, 4) <= resourceDirectoryIndex)
        return Failure{NoProgramIcon::NoIcons};
    resources.m_directoryAddress = littleEndian(*optional, resourceField, 4);
    if (resources.m_directoryAddress == 0 || littleEndian(*optional, resourceField + 4, 4) == 0)
        return Failure{NoProgramIcon::NoIcons};
    const std::size_t sectionCount =
        std::min<std::size_t>(littleEndian(*header, sectionCountField, 2), maximumSections);
    const auto table = resources.readFile(newHeader + fileHeaderSize + optionalSize,
                                          sectionCount * sectionHeaderSize);
    if (!table)
        return Failure{NoProgramIcon::Damaged};
    for (std::size_t at = 0; at < table->size(); at += sectionHeaderSize)
        resources.m_sections.push_back({littleEndian(*table, at + 12, 4),
                                        littleEndian(*table, at + 16, 4),
                                        littleEndian(*table, at + 20, 4)});
    return resources;
}

Result<std::vector<ResourceEntry>, NoProgramIcon> PeResources::resources(std::uint16_t type) {
    const auto types = directory(0);
    if (!types)
        return Failure{types.error()};
    const auto found = std::ranges::find(*types, std::uint32_t{type}, &ResourceEntry::name);
    if (found == types->end())
        return std::vector<ResourceEntry>{};
    if (!leadsToDirectory(*found))
        return Failure{NoProgramIcon::Damaged};
    return directory(found->target);
}

Result<std::string, NoProgramIcon> PeResources::data(const ResourceEntry &entry,
                                                     std::size_t limit) {
    if (!leadsToDirectory(entry))
        return Failure{NoProgramIcon::Damaged};
    const auto languages = directory(entry.target);
    if (!languages)
        return Failure{languages.error()};
    if (languages->empty() || leadsToDirectory(languages->front()))
        return Failure{NoProgramIcon::Damaged};
    const auto place =
        readImage(std::uint64_t{m_directoryAddress} + languages->front().target, dataPlaceSize);
    if (!place)
        return Failure{place.error()};
    const std::uint32_t size = littleEndian(*place, 4, 4);
    if (size > limit)
        return Failure{NoProgramIcon::Damaged};
    return readImage(littleEndian(*place, 0, 4), size);
}

Result<std::string, NoProgramIcon> PeResources::readFile(std::uint64_t at, std::size_t count) {
    if (at > m_program.size || count > m_program.size - at ||
        count > maximumBytesRead - m_bytesRead)
        return Failure{NoProgramIcon::Damaged};
    m_bytesRead += count;
    std::string bytes = m_program.read(at, count);
    if (bytes.size() != count)
        return Failure{NoProgramIcon::Damaged};
    return bytes;
}

Result<std::string, NoProgramIcon> PeResources::readImage(std::uint64_t address,
                                                          std::size_t count) {
    const auto holds = [address](const Section &section) {
        return address >= section.address && address - section.address < section.size;
    };
    const auto section = std::ranges::find_if(m_sections, holds);
    if (section == m_sections.end() || count > section->size - (address - section->address))
        return Failure{NoProgramIcon::Damaged};
    return readFile(std::uint64_t{section->fileOffset} + (address - section->address), count);
}

Result<std::vector<ResourceEntry>, NoProgramIcon> PeResources::directory(std::uint32_t target) {
    const std::uint64_t address = std::uint64_t{m_directoryAddress} + (target & ~highBit);
    const auto header = readImage(address, directoryHeaderSize);
    if (!header)
        return Failure{header.error()};
    const std::size_t count = std::min<std::size_t>(
        littleEndian(*header, 12, 2) + littleEndian(*header, 14, 2), maximumDirectoryEntries);
    std::vector<ResourceEntry> entries;
    if (count == 0)
        return entries;
    const auto table = readImage(address + directoryHeaderSize, count * directoryEntrySize);
    if (!table)
        return Failure{table.error()};
    for (std::size_t at = 0; at < table->size(); at += directoryEntrySize)
        entries.push_back({littleEndian(*table, at, 4), littleEndian(*table, at + 4, 4)});
    return entries;
}
