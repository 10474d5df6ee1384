#include "MediumChooser.h"

#include "MessageBoxes.h"
#include "QtPaths.h"
#include "QuotedName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QStorageInfo>
#include <cstdlib>

namespace fs = std::filesystem;

namespace {

// The context of this file's texts.
struct MediumChooser {
    Q_DECLARE_TR_FUNCTIONS(MediumChooser)
};

std::vector<fs::path> mediaMountPoints() {
    std::vector<fs::path> mountPoints;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const fs::path mountPoint = fileSystemPath(volume.rootPath());
        if (isRemovableMediaMount(mountPoint) && volume.isReady())
            mountPoints.push_back(mountPoint);
    }
    return mountPoints;
}

} // namespace

std::optional<MediumSearch> mediumSearchOf(const std::vector<std::string> &operands) {
    MediumSearch search{fileSystemPath(QCoreApplication::applicationDirPath()), std::nullopt,
                        mediaMountPoints()};
    if (operands.empty())
        return search;
    const std::string &argument = operands.front();
    const QString shownArgument = QFile::decodeName(argument.c_str());
    search.named = localPathOfArgument(argument);
    if (!search.named) {
        MessageBoxes::inform(
            nullptr, QGuiApplication::applicationDisplayName(),
            MediumChooser::tr("「%1」はこのコンピューター上のフォルダーではないため、"
                              "メニューを開けません。")
                .arg(quotedName(shownArgument)));
        return std::nullopt;
    }
    if (const auto untrusted = climbToMedium(*search.named).untrustedFolder) {
        MessageBoxes::inform(
            nullptr, QGuiApplication::applicationDisplayName(),
            MediumChooser::tr("%1 にはメニュー (Autorun.inf) がありません。\n\n"
                              "その上のフォルダー %2 は、ほかのユーザーが書き込めるか、"
                              "そのメニューがほかのユーザーのものであるため、使いません。")
                .arg(quotedName(shownArgument), quotedPath(*untrusted)));
        return std::nullopt;
    }
    return search;
}

fs::path mediaDialogFolder() {
    const char *user = std::getenv("USER");
    return mediaParentFolder("/", user ? user : "", fileSystemPath(QDir::homePath()));
}

std::optional<fs::path> chooseMediumFolder(const MediumSearch &search,
                                           const fs::path &dialogFolder) {
    if (auto folder = findMediumFolder(search))
        return folder;
    QFileDialog dialog(nullptr,
                       MediumChooser::tr("メニューのあるメディアを選んでください - %1")
                           .arg(QGuiApplication::applicationDisplayName()),
                       qtPath(dialogFolder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fileSystemPath(dialog.selectedFiles().first());
}
