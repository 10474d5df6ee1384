#include "LauncherMessages.h"

#include "FileStore.h"
#include "LauncherDescription.h"
#include "PixelBudget.h"
#include "QuotedName.h"

#include <QStringList>
#include <span>

namespace {

QString megabytes(std::uintmax_t bytes) {
    return LauncherMessages::tr("%1 MB").arg(bytes / (1024 * 1024));
}

// Names as a sentence lists them: "A、B と C".
QString listed(std::span<const std::string_view> names) {
    QStringList shown;
    for (const std::string_view name : names)
        shown << QString::fromLatin1(name.data(), qsizetype(name.size()));
    const QString last = shown.takeLast();
    return LauncherMessages::tr("%1 と %2").arg(shown.join(LauncherMessages::tr("、")), last);
}

} // namespace

QString LauncherMessages::loadProblem(LoadProblem problem) {
    switch (problem) {
    case LoadProblem::DescriptionMissing:
        return tr("メニューの設定ファイルが見つからないか、読み込めません。");
    case LoadProblem::DescriptionTooLarge:
        return tr("メニューの設定ファイルが大きすぎます (%1 まで)。")
            .arg(megabytes(FileStore::maximumFileSize));
    case LoadProblem::Overflow:
        return tr("オーバーフローしました。ウィンドウの大きさか位置が大きすぎます。");
    case LoadProblem::WindowTooLarge:
        return tr("ウィンドウが大きすぎます。幅と高さは %1 ピクセルまでです。")
            .arg(maximumWindowSide);
    case LoadProblem::TooManyButtons:
        return tr("ボタンが多すぎます。起動ボタンは %1 個までです。").arg(maximumLaunchButtons);
    case LoadProblem::PictureMissing:
        return tr("画像ファイルが見つかりません。");
    case LoadProblem::PictureInvalid:
        return tr("画像ファイルを読み込めません。");
    case LoadProblem::PictureOffMedium:
        return tr("画像ファイルがメディアの外にあります。");
    case LoadProblem::PictureTooLarge:
        return tr("画像ファイルが大きすぎます (%1 まで)。")
            .arg(megabytes(FileStore::maximumFileSize));
    case LoadProblem::PictureFormatRefused:
        return tr("この形式の画像は使えません。使えるのは %1 の画像です。")
            .arg(listed(menuPictureFormats));
    case LoadProblem::PicturesOverBudget:
        return tr("画像が大きすぎます。メニューの画像は合わせて %1 までです。")
            .arg(megabytes(PixelBudget::limitBytes));
    case LoadProblem::PictureTooManyScans:
        return tr("JPEG 画像のスキャンが多すぎるか、画像が大きすぎます。"
                  "読み込むと長い時間がかかります。");
    case LoadProblem::PictureDataBeyondFrames:
        return tr("GIF 画像のデータが画像の大きさに比べて多すぎます。"
                  "読み込むと長い時間がかかります。");
    }
    return {};
}

namespace {

QString reasonText(const OpenFailure &failure) {
    switch (failure.problem) {
    case OpenProblem::NoProgramForFile:
        return LauncherMessages::tr("この種類のファイルを開くプログラムがありません。");
    case OpenProblem::NoProgramForAddress:
        return LauncherMessages::tr("この種類のアドレスを開くプログラムがありません。");
    case OpenProblem::WindowsProgram:
        return LauncherMessages::tr(
            "Windows 用のプログラムです。\n実行するには Wine などのプログラムが必要です。");
    case OpenProblem::FileMissing:
        return LauncherMessages::tr("ファイルが見つかりません。");
    case OpenProblem::System:
        return QString::fromStdString(failure.systemText);
    }
    return {};
}

} // namespace

QString LauncherMessages::refusal(LaunchRefusal refusal) {
    switch (refusal) {
    case LaunchRefusal::OffMedium:
        return tr("メディアの外にあるファイルは開けません。");
    case LaunchRefusal::ProgramOnNoexecMedium:
        return tr("このメディアはプログラムの実行が許可されていない設定 (noexec) "
                  "でマウントされているため、プログラムを起動できません。");
    case LaunchRefusal::AddressScheme:
        return tr("この種類のアドレスは開けません。開けるのは %1 のアドレスだけです。")
            .arg(listed(linkSchemes));
    case LaunchRefusal::MailAttachment:
        return tr("ファイルを添付するメールのアドレスは開けません。");
    }
    return {};
}

QString LauncherMessages::loadError(const LoadError &error) {
    QString message = loadProblem(error.problem) + QStringLiteral("\n\n") +
                      quotedName(QString::fromStdString(error.file));
    if (!error.detail.empty())
        message += QLatin1Char('\n') + quotedName(QString::fromStdString(error.detail));
    return message;
}

QString LauncherMessages::openFailure(const QString &targetName, const OpenFailure &failure) {
    return tr("%1を開けませんでした。\n\n%2").arg(quotedName(targetName), reasonText(failure));
}

QString LauncherMessages::launchRefusal(LaunchRefusal refusal, const QString &target) {
    return LauncherMessages::refusal(refusal) + QStringLiteral("\n\n") + quotedName(target);
}

QString LauncherMessages::folderProgramQuestion(const QString &name, const QString &folder) {
    return tr("このメニューはディスクではなくフォルダーから開かれました。\n\n"
              "フォルダー %2 の %1 を実行しますか？")
        .arg(quotedName(name), quotedName(folder));
}
