#include "LauncherDescription.h"

#include "MediumPath.h"
#include "TwipsPerPixel.h"
#include "cls_IniFile.h"

#include <limits>
#include <optional>
#include <utility>

namespace {

enum class ButtonKind { Close, Launch };

class DescriptionReader {
public:
    DescriptionReader(const cls_IniFile &ini, const std::filesystem::path &programFolder,
                      const std::string &file)
        : m_programFolder(programFolder), m_file(file), m_ini(ini) {}

    DescriptionOrError read() {
        LauncherDescription description;
        description.widthTwips = twips("MainForm", "Width");
        description.heightTwips = twips("MainForm", "Height");
        description.backgroundPath = onMedium(m_ini.GetDataStr("MainForm", "Background"));
        description.left = screenEdge("X");
        description.top = screenEdge("Y");
        addButton(description, "CloseBtn", ButtonKind::Close);

        // A launch button without a normal picture stops the window's load, so
        // nothing after it is ever used; stopping there also keeps a huge "Num"
        // from reading millions of missing sections.
        const std::int32_t count = m_ini.GetDataInt("BtmMax", "Num");
        // Tens of thousands of sibling widgets overflow the stack when Qt
        // paints them.
        if (count > maximumLaunchButtons)
            return Failure{LoadError{LoadProblem::TooManyButtons, m_file,
                                     "[BtmMax] Num=" + std::to_string(count)}};
        for (std::int32_t k = 1; k <= count; ++k) {
            if (!addButton(description, "Btn" + std::to_string(k), ButtonKind::Launch))
                break;
        }
        if (m_overflow)
            return Failure{*m_overflow};
        // A window system asked for a window beyond maximumWindowSide would
        // need gigabytes for its pixels alone. The first side beyond it is
        // named as the file gives it.
        const std::pair<const char *, std::int32_t> sides[] = {{"Width", description.widthTwips},
                                                               {"Height", description.heightTwips}};
        for (const auto &[key, sideTwips] : sides) {
            if (const std::int64_t pixels = sideTwips / twipsPerPixel; pixels > maximumWindowSide)
                return Failure{
                    LoadError{LoadProblem::WindowTooLarge, m_file,
                              std::string("[MainForm] ") + key + "=" + std::to_string(pixels)}};
        }
        return description;
    }

private:
    // The value times 15, or 0 after recording the first overflow.
    std::int32_t twips(const std::string &section, const std::string &key) {
        const std::int32_t pixels = m_ini.GetDataInt(section, key);
        const std::int64_t product = std::int64_t{pixels} * twipsPerPixel;
        if (product >= std::numeric_limits<std::int32_t>::min() &&
            product <= std::numeric_limits<std::int32_t>::max())
            return static_cast<std::int32_t>(product);
        if (!m_overflow)
            m_overflow = LoadError{LoadProblem::Overflow, m_file,
                                   "[" + section + "] " + key + "=" + std::to_string(pixels)};
        return 0;
    }

    ScreenEdge screenEdge(const std::string &key) {
        if (m_ini.GetDataStr("OpenPosition", key) == "Center")
            return {Placement::Centred, 0};
        return {Placement::AtPosition, twips("OpenPosition", key)};
    }

    std::string onMedium(std::string_view name) {
        return mediumFilePath(m_programFolder, name, m_listings);
    }

    // Adds the button of `section`; false when it names no normal picture.
    bool addButton(LauncherDescription &description, const std::string &section, ButtonKind kind) {
        description.buttonPositions.push_back(
            {m_ini.GetDataInt(section, "X"), m_ini.GetDataInt(section, "Y")});
        BtnData &data = description.BtnList.emplace_back();
        if (kind == ButtonKind::Launch)
            data.strExeFile =
                mediumTarget(m_programFolder, m_ini.GetDataStr(section, "ExeFile"), m_listings);
        const std::string pictureName = m_ini.GetDataStr(section, "DefaultBtn");
        data.strDefaultBtn = onMedium(pictureName);
        const std::string hoverName = m_ini.GetDataStr(section, "CrossBtn");
        data.strCrossBtn = hoverName.empty() ? data.strDefaultBtn : onMedium(hoverName);
        data.strMessage = m_ini.GetDataStr(section, "Message");
        data.strTitle = m_ini.GetDataStr(section, "Title");
        if (kind == ButtonKind::Launch)
            data.strClose = m_ini.GetDataStr(section, "Close");
        return !pictureName.empty();
    }

    const std::filesystem::path &m_programFolder;
    const std::string &m_file;
    const cls_IniFile &m_ini;
    FolderListings m_listings;
    std::optional<LoadError> m_overflow;
};

} // namespace

DescriptionOrError launcherDescriptionOf(const cls_IniFile &ini,
                                         const std::filesystem::path &programFolder,
                                         const std::string &file) {
    return DescriptionReader(ini, programFolder, file).read();
}
