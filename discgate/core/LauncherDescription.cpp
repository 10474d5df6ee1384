#include "LauncherDescription.h"

#include "MediumFile.h"
#include "MediumPath.h"
#include "MediumTarget.h"
#include "TwipsPerPixel.h"
#include "cls_IniFile.h"

#include <limits>
#include <optional>
#include <utility>

namespace {

// One button as read, with the test that decides whether reading goes on.
struct ButtonRecord {
    PixelPoint position;
    BtnData data;
    bool namesPicture = false;
};

enum class ButtonKind { Close, Launch };

class DescriptionReader {
public:
    DescriptionReader(const std::filesystem::path &programFolder, const std::string &file,
                      std::string content)
        : m_programFolder(programFolder), m_file(file),
          m_ini(cls_IniFile::ofContent(std::move(content))) {}

    DescriptionOrError read() {
        LauncherDescription description;
        description.widthTwips = twips("MainForm", "Width");
        description.heightTwips = twips("MainForm", "Height");
        description.backgroundPath = filePath("MainForm", "Background");
        description.left = screenEdge("X");
        description.top = screenEdge("Y");
        append(description, readButton("CloseBtn", ButtonKind::Close));

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
            const ButtonRecord record = readButton("Btn" + std::to_string(k), ButtonKind::Launch);
            append(description, record);
            if (!record.namesPicture)
                break;
        }
        if (m_overflow)
            return Failure{*m_overflow};
        if (auto fits = windowFits(description); !fits)
            return Failure{fits.error()};
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

    // Whether every side is within what a window may measure; otherwise the
    // first side beyond it, named as the file gives it. A window system asked
    // for such a window would need gigabytes for its pixels alone.
    Result<void, LoadError> windowFits(const LauncherDescription &description) const {
        const std::pair<const char *, std::int32_t> sides[] = {{"Width", description.widthTwips},
                                                               {"Height", description.heightTwips}};
        for (const auto &[key, sideTwips] : sides) {
            if (const std::int64_t pixels = sideTwips / twipsPerPixel; pixels > maximumWindowSide)
                return Failure{
                    LoadError{LoadProblem::WindowTooLarge, m_file,
                              std::string("[MainForm] ") + key + "=" + std::to_string(pixels)}};
        }
        return {};
    }

    ScreenEdge screenEdge(const std::string &key) {
        if (m_ini.GetDataStr("OpenPosition", key) == "Center")
            return {Placement::Centred, 0};
        return {Placement::AtPosition, twips("OpenPosition", key)};
    }

    std::string filePath(const std::string &section, const std::string &key) {
        return onMedium(m_ini.GetDataStr(section, key));
    }

    std::string onMedium(std::string_view name) {
        return mediumFilePath(m_programFolder, name, m_listings);
    }

    std::string target(const std::string &section) {
        return mediumTarget(m_programFolder, m_ini.GetDataStr(section, "ExeFile"), m_listings);
    }

    ButtonRecord readButton(const std::string &section, ButtonKind kind) {
        ButtonRecord record;
        record.position = {m_ini.GetDataInt(section, "X"), m_ini.GetDataInt(section, "Y")};
        BtnData &data = record.data;
        if (kind == ButtonKind::Launch)
            data.strExeFile = target(section);
        const std::string pictureName = m_ini.GetDataStr(section, "DefaultBtn");
        record.namesPicture = !pictureName.empty();
        data.strDefaultBtn = onMedium(pictureName);
        const std::string hoverName = m_ini.GetDataStr(section, "CrossBtn");
        data.strCrossBtn = hoverName.empty() ? data.strDefaultBtn : onMedium(hoverName);
        data.strMessage = m_ini.GetDataStr(section, "Message");
        data.strTitle = m_ini.GetDataStr(section, "Title");
        if (kind == ButtonKind::Launch)
            data.strClose = m_ini.GetDataStr(section, "Close");
        return record;
    }

    static void append(LauncherDescription &description, const ButtonRecord &record) {
        description.buttonPositions.push_back(record.position);
        description.BtnList.push_back(record.data);
    }

    const std::filesystem::path &m_programFolder;
    const std::string &m_file;
    const cls_IniFile m_ini;
    FolderListings m_listings;
    std::optional<LoadError> m_overflow;
};

} // namespace

DescriptionOrError readLauncherDescription(const std::filesystem::path &programFolder) {
    const std::string file = mediumFilePath(programFolder, descriptionFileName);
    auto content = readMediumFile(file, programFolder);
    if (!content)
        return Failure{LoadError{content.error() == MediumFileProblem::TooLarge
                                     ? LoadProblem::DescriptionTooLarge
                                     : LoadProblem::DescriptionMissing,
                                 file,
                                 {}}};
    return DescriptionReader(programFolder, file, std::move(*content)).read();
}
