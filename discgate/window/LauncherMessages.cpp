#include "LauncherMessages.h"

#include "FileStore.h"
#include "LauncherDescription.h"
#include "PixelBudget.h"

namespace LauncherMessages {

namespace {

QString megabytes(std::uintmax_t bytes) {
    return QString::number(bytes / (1024 * 1024)) + QStringLiteral(" MB");
}

QString problemText(LoadProblem problem) {
    switch (problem) {
    case LoadProblem::DescriptionMissing:
        return QStringLiteral("メニューの設定ファイルが見つからないか、読み込めません。");
    case LoadProblem::DescriptionTooLarge:
        return QStringLiteral("メニューの設定ファイルが大きすぎます (%1 まで)。")
            .arg(megabytes(FileStore::maximumFileSize));
    case LoadProblem::Overflow:
        return QStringLiteral("オーバーフローしました。ウィンドウの大きさか位置が大きすぎます。");
    case LoadProblem::WindowTooLarge:
        return QStringLiteral("ウィンドウが大きすぎます。幅と高さは %1 ピクセルまでです。")
            .arg(maximumWindowSide);
    case LoadProblem::TooManyButtons:
        return QStringLiteral("ボタンが多すぎます。起動ボタンは %1 個までです。")
            .arg(maximumLaunchButtons);
    case LoadProblem::PictureMissing:
        return QStringLiteral("画像ファイルが見つかりません。");
    case LoadProblem::PictureInvalid:
        return QStringLiteral("画像ファイルを読み込めません。");
    case LoadProblem::PictureOffMedium:
        return QStringLiteral("画像ファイルがメディアの外にあります。");
    case LoadProblem::PictureTooLarge:
        return QStringLiteral("画像ファイルが大きすぎます (%1 まで)。")
            .arg(megabytes(FileStore::maximumFileSize));
    case LoadProblem::PictureFormatRefused:
        return QStringLiteral(
            "この形式の画像は使えません。使えるのは BMP、GIF、JPEG、PNG と ICO の画像です。");
    case LoadProblem::PicturesOverBudget:
        return QStringLiteral("画像が大きすぎます。メニューの画像は合わせて %1 までです。")
            .arg(megabytes(PixelBudget::limitBytes));
    case LoadProblem::PictureTooManyScans:
        return QStringLiteral("JPEG 画像のスキャンが多すぎるか、画像が大きすぎます。"
                              "読み込むと長い時間がかかります。");
    case LoadProblem::PictureDataBeyondFrames:
        return QStringLiteral("GIF 画像のデータが画像の大きさに比べて多すぎます。"
                              "読み込むと長い時間がかかります。");
    }
    return {};
}

QString reasonText(const OpenFailure &failure) {
    switch (failure.problem) {
    case OpenProblem::NoProgramForFile:
        return QStringLiteral("この種類のファイルを開くプログラムがありません。");
    case OpenProblem::NoProgramForAddress:
        return QStringLiteral("この種類のアドレスを開くプログラムがありません。");
    case OpenProblem::WindowsProgram:
        return QStringLiteral(
            "Windows 用のプログラムです。\n実行するには Wine などのプログラムが必要です。");
    case OpenProblem::FileMissing:
        return QStringLiteral("ファイルが見つかりません。");
    case OpenProblem::System:
        return QString::fromStdString(failure.systemText);
    }
    return {};
}

QString refusalText(LaunchRefusal refusal) {
    switch (refusal) {
    case LaunchRefusal::OffMedium:
        return QStringLiteral("メディアの外にあるファイルは開けません。");
    case LaunchRefusal::ProgramOnNoexecMedium:
        return QStringLiteral("このメディアはプログラムの実行が許可されていない設定 (noexec) "
                              "でマウントされているため、プログラムを起動できません。");
    case LaunchRefusal::AddressScheme:
        return QStringLiteral("この種類のアドレスは開けません。開けるのは http、https、ftp と "
                              "mailto のアドレスだけです。");
    case LaunchRefusal::MailAttachment:
        return QStringLiteral("ファイルを添付するメールのアドレスは開けません。");
    }
    return {};
}

} // namespace

QString loadError(const LoadError &error) {
    QString message =
        problemText(error.problem) + QStringLiteral("\n\n") + QString::fromStdString(error.file);
    if (!error.detail.empty())
        message += QLatin1Char('\n') + QString::fromStdString(error.detail);
    return message;
}

QString openFailure(const QString &targetName, const OpenFailure &failure) {
    return targetName + QStringLiteral("を開けませんでした。\n\n") + reasonText(failure);
}

QString launchRefusal(LaunchRefusal refusal, const QString &target) {
    return refusalText(refusal) + QStringLiteral("\n\n") + target;
}

QString folderProgramQuestion(const QString &name, const QString &folder) {
    return QStringLiteral("このメニューはディスクではなくフォルダーから開かれました。\n\n"
                          "フォルダー %2 の %1 を実行しますか？")
        .arg(name, folder);
}

} // namespace LauncherMessages
