#include "NoteTransferMessages.h"

#include "DayNames.h"
#include "DayNoteStore.h"
#include "FileStore.h"
#include "ICalendarNotes.h"
#include "IniText.h"
#include "LibIcal.h"
#include "NoteText.h"
#include "QuotedName.h"
#include "WriteErrorMessage.h"

#include <QStringList>
#include <algorithm>

namespace {

QString noLibrary() {
    return NoteTransferMessages::tr("iCalendar のファイルを扱うライブラリ（%1）を開けません。")
        .arg(QString::fromLatin1(libIcalFileName));
}

// The first days named, the others counted: 2024/03/01(金)、2024/03/08(金) ほか 3 日.
QString daysList(const std::vector<std::chrono::year_month_day> &days, std::size_t listed) {
    QStringList names;
    for (std::size_t at = 0; at < days.size() && at < listed; ++at)
        names.append(dayName(days[at]));
    QString text = names.join(NoteTransferMessages::tr("、"));
    if (days.size() > listed)
        text += NoteTransferMessages::tr(" ほか %1 日").arg(days.size() - listed);
    return text;
}

// A line for each of the first `listed` groups, and one that counts the others.
template <typename Group, typename Line>
QString groupLines(const std::vector<Group> &groups, std::size_t listed, Line line) {
    QStringList lines;
    for (std::size_t at = 0; at < groups.size() && at < listed; ++at)
        lines.append(line(groups[at]));
    if (groups.size() > listed)
        lines.append(NoteTransferMessages::tr("ほか %1 件").arg(groups.size() - listed));
    return lines.join(u'\n');
}

// The characters as the user can tell them: one that shows nothing or joins
// its neighbour (a control, a format character, a blank, a combining mark,
// one not yet assigned) by its code, as U+200B.
QString visibleCharacters(const std::string &utf8) {
    constexpr QChar::Category unseen[] = {
        QChar::Other_Control,         QChar::Other_Format,        QChar::Other_NotAssigned,
        QChar::Other_PrivateUse,      QChar::Other_Surrogate,     QChar::Separator_Space,
        QChar::Separator_Line,        QChar::Separator_Paragraph, QChar::Mark_NonSpacing,
        QChar::Mark_SpacingCombining, QChar::Mark_Enclosing};
    QString shown;
    for (const char32_t character : QString::fromStdString(utf8).toUcs4()) {
        if (std::ranges::find(unseen, QChar::category(character)) == std::end(unseen))
            shown += QString::fromUcs4(&character, 1);
        else
            shown += QStringLiteral(" U+%1 ")
                         .arg(static_cast<uint>(character), 4, 16, QChar(u'0'))
                         .toUpper();
    }
    return shown.simplified();
}

QString problemText(const ImportFailure &failure, const QString &file, std::size_t listed) {
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
    case ImportProblem::TooMuchWork:
        return NoteTransferMessages::tr("%1 は繰り返しや時間帯の計算が多すぎるため読み込めません"
                                        "（計算は %2 段階までで、予定「%3」で超えました）。")
            .arg(quotedName(file), QString::number(maximumImportWork), quotedName(detail));
    case ImportProblem::Cancelled:
        return NoteTransferMessages::tr("%1 の読み込みを取り消しました。").arg(quotedName(file));
    case ImportProblem::NotInShiftJis:
        return NoteTransferMessages::tr(
                   "%1 の予定に、Calendar.ini（Shift-JIS）に保存できない文字があります：")
                   .arg(quotedName(file)) +
               u'\n' + NoteTransferMessages::unstorableList(failure.unstorable, listed);
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

QString NoteTransferMessages::notExported(const QString &file, const WriteError &error) {
    return WriteErrorMessage::withReason(tr("%1 に書き出せませんでした。").arg(quotedName(file)),
                                         error);
}

QString NoteTransferMessages::imported(const ImportOutcome &outcome, const QString &file,
                                       std::size_t listed) {
    if (!outcome)
        return problemText(outcome.error(), file, listed) + tr("\n何も読み込んでいません。");
    QString text = tr("%1 から %2 日のメモに書き加えました。")
                       .arg(quotedName(file), QString::number(outcome->changedDays));
    if (outcome->leftOut.empty())
        return text;
    text += tr("\n次の予定は、メモが %1 バイトを超える日には書き加えていません：")
                .arg(IniText::maximumValueLength);
    return text + u'\n' +
           groupLines(outcome->leftOut, listed, [listed](const TextLeftOut &leftOut) {
               return tr("「%1」：%2")
                   .arg(QString::fromUtf8(firstLine(leftOut.text)), daysList(leftOut.days, listed));
           });
}

QString NoteTransferMessages::unstorableList(const std::vector<UnstorableCharacters> &groups,
                                             std::size_t listed) {
    return groupLines(groups, listed, [listed](const UnstorableCharacters &group) {
        return tr("「%1」：%2")
            .arg(visibleCharacters(group.characters), daysList(group.days, listed));
    });
}

QString NoteTransferMessages::unstorableOptions(const char *replaceOption, const char *utf8Option) {
    return tr("%1 を付けると、それぞれの文字を %2 に置き換えて読み込みます。\n"
              "%3 を付けると、Calendar.ini をこれから UTF-8 で保存して、そのまま読み込みます"
              "（UTF-8 の Calendar.ini は Windows の元のプログラムでは文字化けします）。")
        .arg(QString::fromLatin1(replaceOption), QString::fromUtf8(unstorableMark),
             QString::fromLatin1(utf8Option));
}
