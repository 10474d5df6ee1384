#include "MenuDescription.h"

#include "MediumFile.h"
#include "MediumPath.h"
#include "cls_IniFile.h"

namespace fs = std::filesystem;

namespace {

// Autorun.inf as read, and the path under which errors name it.
struct DescriptionFile {
    std::string path;
    cls_IniFile ini;
};

Result<DescriptionFile, LoadError> readDescriptionFile(const fs::path &mediumRoot) {
    std::string path = mediumFilePath(mediumRoot, descriptionFileName);
    auto content = readMediumFile(path, mediumRoot);
    if (!content)
        return Failure{LoadError{content.error() == MediumFileProblem::TooLarge
                                     ? LoadProblem::DescriptionTooLarge
                                     : LoadProblem::DescriptionMissing,
                                 path,
                                 {}}};
    return DescriptionFile{std::move(path), cls_IniFile::ofContent(std::move(*content))};
}

} // namespace

Result<MenuDescription, LoadError> readMenuDescription(const fs::path &mediumRoot) {
    const auto file = readDescriptionFile(mediumRoot);
    if (!file)
        return Failure{file.error()};
    if (!file->ini.HasSection("MainForm"))
        return MenuDescription(plainMenuOf(parseAutorunMenu(file->ini), mediumRoot));
    auto description = launcherDescriptionOf(file->ini, mediumRoot, file->path);
    if (!description)
        return Failure{description.error()};
    return MenuDescription(std::move(*description));
}

DescriptionOrError readLauncherDescription(const fs::path &mediumRoot) {
    const auto file = readDescriptionFile(mediumRoot);
    if (!file)
        return Failure{file.error()};
    return launcherDescriptionOf(file->ini, mediumRoot, file->path);
}
