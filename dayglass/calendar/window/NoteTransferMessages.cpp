#include "NoteTransferMessages.h"

#include "DayNames.h"
#include "DayNoteStore.h"
#include "FileStore.h"
#include "ICalendarNotes.h"
#include "IniText.h"
#include "LibIcal.h"
#include "QuotedName.h"
#include "WriteErrorMessage.h"

namespace {

QString noLibrary() {
    return NoteTransferMessages::tr("iCalendar のファイルを扱うライブラリ（%1）を開けません。")
        .arg(QString::fromLatin1(libIcalFileName));
}

QString problemText(const ImportFailure &failure, const QString &file) {
    const QString detail = QString::fromStdString(failure.detail);
    switch (failure.problem) {
    case ImportProblem::Unreadable:
        return NoteTransferMessages::tr("%1 を読み込めません。").arg(quotedName(file));
    case ImportProblem::TooLarge:
        return NoteTransferMessages::tr("%1 は大きすぎます（読み込めるのは %2 MB まで）。")
            .arg(quotedName(file), QString::number(maximumICalendarSize / (1024 * 1024)));
    case ImportProblem::NotICalendar:
        return NoteTransferMessages::tr("%1 は iCalendar のファイルではありません。")
            .arg(quotedName(file));
    case ImportProblem::CutOff:
        return NoteTransferMessages::tr("%1 は途中で切れています。").arg(quotedName(file));
    case ImportProblem::BadEvent:
        return NoteTransferMessages::tr("%1 の予定「%2」は開始日時が読めません。")
            .arg(quotedName(file), quotedName(detail));
    case ImportProblem::TooManyDays:
        return NoteTransferMessages::tr("%1 の予定は %2 日を超えます。")
            .arg(quotedName(file), QString::number(maximumImportedDays));
    case ImportProblem::NotInShiftJis:
        return NoteTransferMessages::tr(
                   "%1 の %2 の予定に、Calendar.ini（Shift-JIS）に保存できない文字"
                   "があります：%3")
            .arg(quotedName(file), dayName(*failure.day), quotedName(detail));
    case ImportProblem::NoLibrary:
        return noLibrary();
    case ImportProblem::NotSaved:
        break;
    }
    return WriteErrorMessage::notSaved(*failure.writeError);
}

} // namespace

QString NoteTransferMessages::notStorable(const NoteRefusal &refusal) {
    if (refusal.problem == NoteProblem::NotInShiftJis)
        return tr("Shift-JISにない文字（絵文字や韓国語など）は保存できません\n") +
               QString::fromStdString(refusal.characters);
    return tr("メモが長すぎます（%1バイト、%2バイトまでです）")
        .arg(refusal.storedLength)
        .arg(IniText::maximumValueLength);
}

QString NoteTransferMessages::exported(std::size_t days, const QString &file) {
    return tr("%1 日のメモを %2 に書き出しました。").arg(days).arg(quotedName(file));
}

QString NoteTransferMessages::notExported(ExportProblem problem, const DataFolder &dataFolder) {
    if (problem == ExportProblem::NoLibrary)
        return noLibrary();
    return WriteErrorMessage::tooLargeToRead(dataFolder.fileToRead(calendarFileName),
                                             FileStore::maximumFileSize);
}

QString NoteTransferMessages::notExported(const QString &file, const QString &reason) {
    return tr("%1 に書き出せませんでした。\n%2").arg(quotedName(file), reason);
}

QString NoteTransferMessages::imported(const ImportOutcome &outcome, const QString &file,
                                       std::size_t listedDays) {
    if (!outcome)
        return problemText(outcome.error(), file) + tr("\n何も読み込んでいません。");
    const std::vector<std::chrono::year_month_day> &leftAlone = outcome->leftAlone;
    QString text = tr("%1 から %2 日のメモに書き加えました。")
                       .arg(quotedName(file), QString::number(outcome->changedDays));
    if (leftAlone.empty())
        return text;
    text +=
        tr("\n次の %1 日はメモが長くなりすぎるため、そのままにしました：").arg(leftAlone.size());
    for (std::size_t at = 0; at < leftAlone.size() && at < listedDays; ++at)
        text += u'\n' + dayName(leftAlone[at]);
    if (leftAlone.size() > listedDays)
        text += tr("\nほか %1 日").arg(leftAlone.size() - listedDays);
    return text;
}
