#include "MenuDescription.h"

#include "MediumFile.h"
#include "MediumPath.h"
#include "cls_IniFile.h"

namespace fs = std::filesystem;

Result<DescriptionFile, LoadError> readDescriptionFile(const fs::path &mediumRoot) {
    std::string path = mediumFilePath(mediumRoot, descriptionFileName);
    auto content = readMediumFile(path, mediumRoot);
    if (!content)
        return Failure{LoadError{content.error() == MediumFileProblem::TooLarge
                                     ? LoadProblem::DescriptionTooLarge
                                     : LoadProblem::DescriptionMissing,
                                 path,
                                 {}}};
    return DescriptionFile{std::move(path), std::move(*content)};
}

Result<MenuDescription, LoadError> readMenuDescription(const fs::path &mediumRoot) {
    auto file = readDescriptionFile(mediumRoot);
    if (!file)
        return Failure{file.error()};
    const cls_IniFile ini = cls_IniFile::ofContent(std::move(file->content));
    if (!ini.HasSection("MainForm"))
        return MenuDescription(plainMenuOf(parseAutorunMenu(ini, thisProcessor), mediumRoot));
    auto description = launcherDescriptionOf(ini, mediumRoot, file->path);
    if (!description)
        return Failure{description.error()};
    return MenuDescription(std::move(*description));
}

DescriptionOrError readLauncherDescription(const fs::path &mediumRoot) {
    auto file = readDescriptionFile(mediumRoot);
    if (!file)
        return Failure{file.error()};
    return launcherDescriptionOf(cls_IniFile::ofContent(std::move(file->content)), mediumRoot,
                                 file->path);
}
