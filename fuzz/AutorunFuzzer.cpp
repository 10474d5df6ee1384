// Random Autorun.inf content beside a few pictures: reading it must end with
// a description, an overflow, a window too large or too many buttons, and the
// description must hold what the file says: addresses unchanged, local `file:`
// addresses as paths, every other target and every picture on the medium.
// Read as a plain Windows menu, it must give at most the verbs a menu shows,
// each with a command, and one choice at most for each of them, open and
// shellexecute. The author's check of it must name lines of the file, in
// their order.

#include "FileAddress.h"
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "MediumPath.h"
#include "MenuCheck.h"
#include "MenuDescription.h"
#include "cls_IniFile.h"

#include <filesystem>

namespace {

// A medium with pictures in a folder whose names differ in letter case from
// what a file would likely say, so that the case-blind lookup runs too.
const std::filesystem::path &medium() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path path = fuzzFolder().path();
        std::filesystem::create_directories(path / "PICS");
        writeBytes(path / "PICS" / "BACK.PNG", "not really a picture");
        writeBytes(path / "close.bmp", "BM");
        return path;
    }();
    return folder;
}

void checkButtons(const LauncherDescription &description, const cls_IniFile &ini) {
    const std::size_t count = description.BtnList.size();
    require(count >= 1 && description.buttonPositions.size() == count,
            "every button needs its record and position, the close button first");
    require(description.BtnList[0].strExeFile.empty(), "the close button opens nothing");
    const std::int32_t declared = ini.GetDataInt("BtmMax", "Num");
    require(count - 1 <= static_cast<std::size_t>(std::max(declared, 0)),
            "no more launch buttons than Num");
    const std::string folderPrefix = medium().string() + "/";
    for (std::size_t k = 1; k < count; ++k) {
        const std::string exeFile = ini.GetDataStr("Btn" + std::to_string(k), "ExeFile");
        const std::string &target = description.BtnList[k].strExeFile;
        if (const auto path = fileAddressPath(exeFile))
            require(target == *path || target.starts_with(folderPrefix),
                    "a local file address is its absolute path, or a path on the medium");
        else
            require(isAddress(exeFile) ? target == exeFile : target.starts_with(folderPrefix),
                    "an address passes unchanged, any other target lies on the medium");
    }
    for (const BtnData &button : description.BtnList)
        require(button.strDefaultBtn.starts_with(folderPrefix) &&
                    button.strCrossBtn.starts_with(folderPrefix),
                "pictures always lie on the medium");
}

void checkPlainMenu(const std::string &content) {
    const AutorunMenu menu = parseAutorunMenu(cls_IniFile::ofContent(content), thisProcessor);
    require(menu.verbs.size() <= maximumShownVerbs, "no more verbs than a menu shows");
    for (const AutorunVerb &verb : menu.verbs)
        require(!verb.command.empty() && !verb.label.empty(),
                "a verb is shown with a label and runs a command");
    const PlainMenu plain = plainMenuOf(menu, medium());
    require(plain.choices.size() <= menu.verbs.size() + 2, "one choice per command at most");
    require(plain.choices.empty() || plain.defaultIndex < plain.choices.size(),
            "the default is one of the choices");
}

void checkAuthorsCheck(const std::string &content) {
    const auto findings =
        checkMenu(medium(), [](const std::string &) -> Result<PictureSize, LoadError> {
            return PictureSize{16, 16};
        });
    std::size_t last = 0;
    for (const CheckFinding &finding : findings) {
        require(finding.line <= content.size() + 1, "a finding names a line of the file");
        require(finding.line >= last, "findings come in the order of the file");
        last = finding.line;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::filesystem::path file = medium() / descriptionFileName;
    const std::string content(reinterpret_cast<const char *>(data), size);
    writeBytes(file, content);
    checkPlainMenu(content);
    checkAuthorsCheck(content);
    const DescriptionOrError result = readLauncherDescription(medium());
    const cls_IniFile ini(file.string());
    if (!result) {
        const LoadError &error = result.error();
        require((error.problem == LoadProblem::Overflow ||
                 error.problem == LoadProblem::WindowTooLarge ||
                 error.problem == LoadProblem::TooManyButtons) &&
                    !error.detail.empty(),
                "an existing description fails only by its window's size or its number of "
                "buttons, and says where");
        return 0;
    }
    const LauncherDescription &description = *result;
    require(description.widthTwips == ini.GetDataInt("MainForm", "Width") * 15,
            "the width is the pixels times 15");
    checkButtons(description, ini);
    return 0;
}
