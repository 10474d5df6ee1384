#include "WriteErrorMessage.h"

#include "QuotedName.h"

#include <array>

QString WriteErrorMessage::systemText(std::error_code systemError) {
    if (!systemError)
        return tr("原因はわかりません");
    return QString::fromLocal8Bit(QByteArray::fromStdString(systemError.message()));
}

QString WriteErrorMessage::reason(const WriteError &error) {
    switch (error.problem) {
    case WriteProblem::ReadOnly:
        return tr("書き込みが許されていません（読み取り専用です）");
    case WriteProblem::Busy:
        return tr("ほかのプログラムが使っていて、待っても空きませんでした");
    case WriteProblem::DiskFull:
        return tr("ディスクの空きがありません");
    case WriteProblem::TooLarge:
        return tr("ファイルが大きくなりすぎます");
    case WriteProblem::Oversized:
        return tr("ファイルが大きすぎるため、読み込みも書き込みもしません");
    case WriteProblem::NotAFile:
        return tr("その名前でフォルダなど、ファイルでないものが置かれています");
    case WriteProblem::UnsafeLink:
        return tr(
            "ほかの人が作ったか、ほかの人が書き換えられるリンクを通るため、書き込みませんでした");
    case WriteProblem::LinkOffItsFileSystem:
        return tr("ホームフォルダのあるファイルシステムの外のリンクが、"
                  "別のファイルシステムを指しているため、書き込みませんでした");
    case WriteProblem::NoFolder:
        return tr("保存するフォルダがありません");
    case WriteProblem::Other:
        break;
    }
    return tr("システムのエラー：") + systemText(error.systemError);
}

QString WriteErrorMessage::withReason(const QString &whatFailed, const WriteError &error) {
    return whatFailed + QLatin1Char('\n') + reason(error);
}

QString WriteErrorMessage::notSaved(const WriteError &error) {
    return withReason(tr("%1 に保存できませんでした").arg(quotedPath(error.path)), error);
}

QString WriteErrorMessage::notCleared(const QString &day, const WriteError &error) {
    return withReason(tr("%1 のメモを消せませんでした").arg(day), error);
}

QString WriteErrorMessage::notReset(const WriteError &error) {
    return withReason(tr("カレンダーを初期化できませんでした"), error);
}

QString WriteErrorMessage::periodRefused(const PeriodProblem &problem) {
    // A new kind of problem does not build without its own text.
    struct Texts {
        QString operator()(const InvalidField &invalid) const {
            // In the order of PeriodField.
            const std::array names = {tr("年"), tr("月"), tr("日"), tr("時間"), tr("分"), tr("秒")};
            const QString side = invalid.side == PeriodSide::Start ? tr("開始") : tr("終了");
            return tr("%1%2が不正です").arg(side, names[static_cast<std::size_t>(invalid.field)]);
        }
        QString operator()(const StartNotBeforeEnd &) const {
            return tr("『開始≧終了』になっています");
        }
    };
    return std::visit(Texts{}, problem);
}

QString WriteErrorMessage::keptAwayFromTheProgramFolder(const std::filesystem::path &programFolder,
                                                        const std::filesystem::path &dataFolder,
                                                        KeptAway why) {
    const QString where =
        dataFolder.empty()
            ? tr("Data.ini と Calendar.ini を保存するフォルダがありません")
            : tr("Data.ini と Calendar.ini は %1 に保存します").arg(quotedPath(dataFolder));
    if (why == KeptAway::ReadOnly)
        return where + tr("\nプログラムのフォルダ %1 には書き込めないため、そこにあるファイルは"
                          "読むだけです。保存すると、そのあとは保存したほうを読みます")
                           .arg(quotedPath(programFolder));
    return where + tr("\nプログラムのフォルダ %1 には、ほかのユーザーも書き込めます。"
                      "ほかのユーザーが書き込めないようにすると、プログラムのそばに保存します")
                       .arg(quotedPath(programFolder));
}

QString WriteErrorMessage::tooLargeToRead(const std::filesystem::path &file,
                                          std::uintmax_t sizeLimit) {
    return tr("%1 を読み込めませんでした\n"
              "ファイルが大きすぎます（%2 KB まで）。移動するか削除すると、"
              "設定をまた保存できます")
        .arg(quotedPath(file), QString::number(sizeLimit / 1024));
}

QString WriteErrorMessage::noCp932Conversion(std::error_code systemError) {
    return tr("Shift-JIS（CP932）の文字を変換できないため、Data.ini と Calendar.ini を"
              "読み書きできません\nシステムのエラー：") +
           systemText(systemError);
}
