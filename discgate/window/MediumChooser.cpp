#include "MediumChooser.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileDialog>
#include <QStorageInfo>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> mediaMountPoints() {
    std::vector<fs::path> mountPoints;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const fs::path mountPoint = volume.rootPath().toStdString();
        if (volume.isReady() && isRemovableMediaMount(mountPoint))
            mountPoints.push_back(mountPoint);
    }
    return mountPoints;
}

} // namespace

MediumSearch mediumSearchOf(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("メディアの Autorun.inf に書かれたメニューを開きます。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("medium"),
                                 QStringLiteral("Autorun.inf のあるフォルダー、またはそのファイル"),
                                 QStringLiteral("[medium]"));
    parser.process(arguments);

    MediumSearch search{QCoreApplication::applicationDirPath().toStdString(), std::nullopt,
                        mediaMountPoints()};
    if (const QStringList named = parser.positionalArguments(); !named.isEmpty())
        search.named = named.first().toStdString();
    return search;
}

std::optional<fs::path> chooseMediumFolder(const MediumSearch &search,
                                           const fs::path &dialogFolder) {
    if (auto folder = findMediumFolder(search))
        return folder;
    QFileDialog dialog(nullptr, QStringLiteral("メニューのあるメディアを選んでください - discgate"),
                       QString::fromStdString(dialogFolder.string()));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fs::path(dialog.selectedFiles().first().toStdString());
}
