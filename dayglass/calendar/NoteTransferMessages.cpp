#include "NoteTransferMessages.h"

#include "DayNoteStore.h"
#include "DaySection.h"
#include "FileStore.h"
#include "ICalendarNotes.h"
#include "LibIcal.h"
#include "WriteErrorMessage.h"

namespace {

QString noLibrary() {
    return QStringLiteral("iCalendar のファイルを扱うライブラリ（%1）を開けません。")
        .arg(QString::fromLatin1(libIcalFileName));
}

QString dayName(std::chrono::year_month_day date) {
    return QString::fromStdString(daySectionName(date));
}

QString problemText(const ImportOutcome &outcome, const QString &file) {
    const QString detail = QString::fromStdString(outcome.detail);
    switch (*outcome.problem) {
    case ImportProblem::Unreadable:
        return QStringLiteral("%1 を読み込めません。").arg(file);
    case ImportProblem::TooLarge:
        return QStringLiteral("%1 は大きすぎます（読み込めるのは %2 MB まで）。")
            .arg(file)
            .arg(maximumICalendarSize / (1024 * 1024));
    case ImportProblem::NotICalendar:
        return QStringLiteral("%1 は iCalendar のファイルではありません。").arg(file);
    case ImportProblem::CutOff:
        return QStringLiteral("%1 は途中で切れています。").arg(file);
    case ImportProblem::BadEvent:
        return QStringLiteral("%1 の予定「%2」は開始日時が読めません。").arg(file, detail);
    case ImportProblem::TooManyDays:
        return QStringLiteral("%1 の予定は %2 日を超えます。").arg(file).arg(maximumImportedDays);
    case ImportProblem::NotInShiftJis:
        return QStringLiteral("%1 の %2 の予定に、Calendar.ini（Shift-JIS）に保存できない文字"
                              "があります：%3")
            .arg(file, dayName(*outcome.day), detail);
    case ImportProblem::NoLibrary:
        return noLibrary();
    case ImportProblem::NotSaved:
        break;
    }
    return WriteErrorMessage::notSaved(*outcome.writeError);
}

} // namespace

namespace NoteTransferMessages {

QString exported(std::size_t days, const QString &file) {
    return QStringLiteral("%1 日のメモを %2 に書き出しました。").arg(days).arg(file);
}

QString notExported(ExportProblem problem, const std::filesystem::path &dataFolder) {
    if (problem == ExportProblem::NoLibrary)
        return noLibrary();
    return WriteErrorMessage::tooLargeToRead(dataFolder / calendarFileName,
                                             FileStore::maximumFileSize);
}

QString notExported(const QString &file, const QString &reason) {
    return QStringLiteral("%1 に書き出せませんでした。\n%2").arg(file, reason);
}

QString imported(const ImportOutcome &outcome, const QString &file, std::size_t listedDays) {
    if (outcome.problem)
        return problemText(outcome, file) + QStringLiteral("\n何も読み込んでいません。");
    QString text =
        QStringLiteral("%1 から %2 日のメモに書き加えました。").arg(file).arg(outcome.changedDays);
    if (outcome.leftAlone.empty())
        return text;
    text += QStringLiteral("\n次の %1 日はメモが長くなりすぎるため、そのままにしました：")
                .arg(outcome.leftAlone.size());
    for (std::size_t at = 0; at < outcome.leftAlone.size() && at < listedDays; ++at)
        text += u'\n' + dayName(outcome.leftAlone[at]);
    if (outcome.leftAlone.size() > listedDays)
        text += QStringLiteral("\nほか %1 日").arg(outcome.leftAlone.size() - listedDays);
    return text;
}

} // namespace NoteTransferMessages
