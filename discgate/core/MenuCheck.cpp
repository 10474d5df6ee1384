#include "MenuCheck.h"

#include "AsciiText.h"
#include "AutorunMenu.h"
#include "IniText.h"
#include "LauncherDescription.h"
#include "MenuDescription.h"
#include "PlainMenu.h"
#include "ProgramIcon.h"
#include "TwipsPerPixel.h"
#include "WindowPlacement.h"
#include "cls_IniFile.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace fs = std::filesystem;

namespace {

using Keys = std::vector<std::string_view>;

const std::map<std::string, Keys> skinnedSectionKeys = {
    {"mainform", {"Width", "Height", "Background"}},
    {"openposition", {"X", "Y"}},
    {"closebtn", {"X", "Y", "DefaultBtn", "CrossBtn", "Message", "Title"}},
    {"btmmax", {"Num"}},
};
const Keys launchButtonKeys = {"X",        "Y",       "ExeFile", "DefaultBtn",
                               "CrossBtn", "Message", "Title",   "Close"};
// The keys of [autorun] besides the verbs below "shell\".
const Keys autorunKeys = {"open",   "shellexecute", "icon",       "label",
                          "action", "shell",        "useautoplay"};
constexpr std::string_view verbPrefix = "shell\\";
// Whether a section's keys below "shell\" are the verbs of [autorun].
enum class VerbKeys { Unknown, Read };

// A file of millions of misspelt keys or uncounted sections is told of its
// first ones; its count says how many more there would be.
constexpr std::size_t maximumFindingsOfAKind = 1000;
// Letters beyond these are not compared for the nearest key.
constexpr std::size_t comparedLetters = 64;

// The number k of a section named "Btn"k, as the menu names them: decimal,
// without leading zeros or blanks.
std::optional<std::int32_t> launchButtonNumber(std::string_view lowered) {
    if (!lowered.starts_with("btn") || lowered.size() == 3 || lowered[3] == '0')
        return std::nullopt;
    std::int32_t number = 0;
    const char *end = lowered.data() + lowered.size();
    const auto [stop, error] = std::from_chars(lowered.data() + 3, end, number);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

std::size_t distance(std::string_view one, std::string_view other) {
    std::vector<std::size_t> row(other.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= one.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= other.size(); ++j) {
            const std::size_t above = row[j];
            row[j] =
                std::min({row[j] + 1, row[j - 1] + 1,
                          diagonal + (asciiLower(one[i - 1]) == asciiLower(other[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

bool sameName(std::string_view one, std::string_view other) {
    return asciiLowered(one) == asciiLowered(other);
}

bool intersect(const PixelRect &a, const PixelRect &b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

bool contains(const PixelRect &outer, const PixelRect &inner) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// Findings carry the offset of their line in the content until all of them
// are known; the lines are then counted in one pass.
constexpr std::size_t wholeFile = std::string::npos;

struct PendingFinding {
    std::size_t offset = wholeFile;
    CheckFinding finding;
};

class MenuChecker {
public:
    MenuChecker(fs::path mediumRoot, std::string content, std::string file,
                const PictureSizes &pictureSizes)
        : m_root(std::move(mediumRoot)), m_content(std::move(content)), m_file(std::move(file)),
          m_index(m_content), m_ini(cls_IniFile::ofContent(m_content)),
          m_pictureSizes(pictureSizes) {}

    std::vector<CheckFinding> run() {
        if (m_index.hasSection("MainForm"))
            checkSkinned();
        const std::string autorun = autorunSectionOf(m_ini, thisProcessor);
        if (!m_index.hasSection("MainForm"))
            checkPlain(autorun);
        else if (m_index.hasSection(autorun))
            checkKeys(autorun, autorunKeys, VerbKeys::Read);
        return withLines();
    }

private:
    void add(std::size_t offset, CheckProblem problem, std::string subject,
             std::string detail = {}) {
        m_found.push_back({offset, {0, problem, std::move(subject), std::move(detail)}});
    }

    std::size_t offsetIn(std::string_view part) const {
        return std::size_t(part.data() - m_content.data());
    }

    // Where the file gives the key, else where its section begins.
    std::size_t keyOffset(const std::string &section, std::string_view key) const {
        std::size_t offset = wholeFile;
        m_index.forEachKey(section, [&](std::string_view name, std::string_view) {
            if (sameName(name, key))
                offset = offsetIn(name);
            return offset == wholeFile;
        });
        if (offset != wholeFile)
            return offset;
        const auto header = m_sections.find(asciiLowered(section));
        return header == m_sections.end() ? wholeFile : header->second;
    }

    // The first section of each name that the menus read, and the launch
    // buttons' sections that "Num" does not count.
    void findSections(std::int32_t count) {
        std::size_t uncounted = 0;
        IniText::forEachSectionName(m_content, [&](std::string_view name) {
            const std::string lowered = asciiLowered(name);
            const auto number = launchButtonNumber(lowered);
            if (number && *number > count) {
                if (uncounted++ < maximumFindingsOfAKind && !m_sections.contains(lowered))
                    add(offsetIn(name), AuthoringProblem::ButtonSectionNotCounted,
                        std::string(name));
            }
            if ((number && *number <= count) || skinnedSectionKeys.contains(lowered) ||
                lowered.starts_with("autorun"))
                m_sections.try_emplace(lowered, offsetIn(name));
            return true;
        });
    }

    void checkKeys(const std::string &section, const Keys &known,
                   VerbKeys verbs = VerbKeys::Unknown) {
        std::size_t unknown = 0;
        m_index.forEachKey(section, [&](std::string_view name, std::string_view) {
            if (verbs == VerbKeys::Read && startsWithIgnoringCase(name, verbPrefix))
                return true;
            if (std::ranges::none_of(known,
                                     [name](std::string_view key) { return sameName(key, name); }))
                add(offsetIn(name), AuthoringProblem::UnknownKey, std::string(name),
                    nearestKey(name, known));
            return ++unknown < maximumFindingsOfAKind;
        });
    }

    std::optional<PictureSize> checkPicture(std::size_t offset, const std::string &path) {
        const auto size = m_pictureSizes(path);
        if (size)
            return *size;
        add(offset, size.error().problem, path, size.error().detail);
        return std::nullopt;
    }

    void checkTarget(std::size_t offset, const std::string &target, const std::string &named) {
        const LaunchDecision decision = decideLaunch(target, m_root);
        if (!decision)
            add(offset, decision.error(), named);
        else if (decision->finding == FileFinding::Missing)
            add(offset, AuthoringProblem::TargetMissing, named);
    }

    void checkSkinned() {
        const std::int32_t count =
            std::min(m_ini.GetDataInt("BtmMax", "Num"), maximumLaunchButtons);
        findSections(count);
        const CheckedDescription checked = checkedLauncherDescriptionOf(m_ini, m_root, m_file);
        for (const KeyRefusal &refusal : checked.refusals)
            add(keyOffset(refusal.section, refusal.key), refusal.error.problem,
                refusal.error.detail);
        for (const auto &[section, keys] : skinnedSectionKeys)
            checkKeys(section, keys);
        const LauncherDescription &description = checked.description;
        checkPicture(keyOffset("MainForm", "Background"), description.backgroundPath);
        const PixelRect client = clientAreaRect(description.widthTwips / twipsPerPixel,
                                                description.heightTwips / twipsPerPixel);
        std::vector<std::pair<PixelRect, std::string>> placed;
        for (std::size_t index = 0; index < description.BtnList.size(); ++index) {
            const std::string section = index == 0 ? "CloseBtn" : "Btn" + std::to_string(index);
            if (index > 0 && !m_index.hasSection(section)) {
                add(keyOffset("BtmMax", "Num"), AuthoringProblem::ButtonSectionMissing, section);
                continue;
            }
            if (index > 0)
                checkKeys(section, launchButtonKeys);
            const BtnData &button = description.BtnList[index];
            const auto size = checkPicture(keyOffset(section, "DefaultBtn"), button.strDefaultBtn);
            if (button.strCrossBtn != button.strDefaultBtn)
                checkPicture(keyOffset(section, "CrossBtn"), button.strCrossBtn);
            if (index > 0)
                checkTarget(keyOffset(section, "ExeFile"), button.strExeFile,
                            m_ini.GetDataStr(section, "ExeFile"));
            if (size)
                checkPlace(keyOffset(section, "X"), section,
                           {description.buttonPositions[index].x,
                            description.buttonPositions[index].y, size->width, size->height},
                           {0, 0, client.width, client.height}, placed);
        }
    }

    // Each button is told of the first earlier one it lies over.
    void checkPlace(std::size_t offset, const std::string &section, const PixelRect &button,
                    const PixelRect &window,
                    std::vector<std::pair<PixelRect, std::string>> &placed) {
        if (!intersect(button, window))
            add(offset, AuthoringProblem::ButtonOutsideWindow, section);
        else if (!contains(window, button))
            add(offset, AuthoringProblem::ButtonPartlyOutsideWindow, section);
        const auto under = std::ranges::find_if(
            placed, [&button](const auto &earlier) { return intersect(earlier.first, button); });
        if (under != placed.end())
            add(offset, AuthoringProblem::ButtonsOverlap, section, under->second);
        placed.emplace_back(button, section);
    }

    void checkPlain(const std::string &section) {
        findSections(0);
        checkKeys(section, autorunKeys, VerbKeys::Read);
        const AutorunMenu menu = parseAutorunMenu(m_ini, thisProcessor);
        const std::string openKey =
            m_ini.GetDataStr(section, "open").empty() ? "shell\\open\\command" : "open";
        checkCommand(keyOffset(section, openKey), menu.open);
        checkCommand(keyOffset(section, "shellexecute"), menu.shellExecute);
        for (const AutorunVerb &verb : menu.verbs)
            checkCommand(keyOffset(section, "shell\\" + verb.name + "\\command"), verb.command);
        if (menu.icon.empty())
            return;
        const std::size_t iconOffset = keyOffset(section, "icon");
        const MediumIcon icon = plainMenuOf(menu, m_root).icon;
        if (icon.kind == IconKind::Picture) {
            checkPicture(iconOffset, icon.path);
        } else if (icon.kind == IconKind::WindowsProgram) {
            const std::int32_t sides[] = {48};
            const auto icons = readProgramIcons(icon.path, m_root, icon.index, sides, {});
            if (!icons)
                add(iconOffset, icons.error(), icon.path);
        }
    }

    // A command as the plain menu resolves it into a choice.
    void checkCommand(std::size_t offset, const std::string &command) {
        AutorunMenu alone;
        alone.open = command;
        const PlainMenu single = plainMenuOf(alone, m_root);
        if (single.choices.empty())
            return;
        const AutorunChoice &choice = single.choices.front();
        if (choice.missing)
            add(offset, AuthoringProblem::TargetMissing, choice.name);
        else
            checkTarget(offset, choice.target, choice.name);
    }

    // The findings in the order of the file, with their line numbers, in one
    // pass over the content whatever its size.
    std::vector<CheckFinding> withLines() {
        std::ranges::stable_sort(m_found, {}, &PendingFinding::offset);
        std::vector<CheckFinding> findings;
        std::size_t line = 1;
        std::size_t at = 0;
        for (PendingFinding &pending : m_found) {
            for (; pending.offset != wholeFile && at < pending.offset; ++at) {
                const char c = m_content[at];
                if (c == '\n' ||
                    (c == '\r' && (at + 1 == m_content.size() || m_content[at + 1] != '\n')))
                    ++line;
            }
            pending.finding.line = pending.offset == wholeFile ? 0 : line;
            findings.push_back(std::move(pending.finding));
        }
        // The file as a whole comes first.
        std::stable_partition(findings.begin(), findings.end(),
                              [](const CheckFinding &f) { return f.line == 0; });
        return findings;
    }

    const fs::path m_root;
    const std::string m_content;
    const std::string m_file;
    const IniText::Index m_index;
    const cls_IniFile m_ini;
    const PictureSizes &m_pictureSizes;
    std::map<std::string, std::size_t> m_sections;
    std::vector<PendingFinding> m_found;
};

} // namespace

std::string nearestKey(std::string_view key, const Keys &known) {
    key = key.substr(0, comparedLetters);
    const auto nearest = std::ranges::min_element(
        known, {}, [key](std::string_view candidate) { return distance(key, candidate); });
    return nearest == known.end() ? std::string() : std::string(*nearest);
}

std::vector<CheckFinding> checkMenu(const fs::path &mediumRoot, const PictureSizes &pictureSizes) {
    auto file = readDescriptionFile(mediumRoot);
    if (!file)
        return {{0, file.error().problem, file.error().file, {}}};
    return MenuChecker(mediumRoot, IniText::readableContent(std::move(file->content)),
                       std::move(file->path), pictureSizes)
        .run();
}
