#include "HolidayFileMessage.h"

#include "QuotedName.h"
#include "WriteErrorMessage.h"

QString HolidayFileMessage::notUsed(const std::filesystem::path &file,
                                    const HolidayFileError &error) {
    return tr("%1 は使いません\n%2\n祝日は法律の定めから求めて表示します")
        .arg(quotedPath(file), reason(error));
}

QString HolidayFileMessage::reason(const HolidayFileError &error) {
    switch (error.problem) {
    case HolidayFileProblem::Unreadable:
        return tr("読み込めません：") + WriteErrorMessage::systemText(error.systemError);
    case HolidayFileProblem::Link:
        return tr("リンクです。リンクは読みません");
    case HolidayFileProblem::NotAFile:
        return tr("その名前でフォルダなど、ファイルでないものが置かれています");
    case HolidayFileProblem::NotATable:
        break;
    }
    return tableReason(error.table);
}

QString HolidayFileMessage::tableReason(const HolidayTableError &error) {
    const QString line = tr("%1 行目：").arg(error.line);
    switch (error.problem) {
    case HolidayTableProblem::TooLarge:
        return tr("ファイルが大きすぎます（%1 KB まで）").arg(maximumHolidayTableSize / 1024);
    case HolidayTableProblem::NoHolidays:
        return tr("祝日が一つもありません");
    case HolidayTableProblem::NoHeader:
        return line + tr("見出しの行がありません");
    case HolidayTableProblem::BadLine:
        return line + tr("日付と名前をコンマ一つで区切った行ではありません");
    case HolidayTableProblem::BadDate:
        return line + tr("日付が 2024/2/12 のような年/月/日の実在する日ではありません");
    case HolidayTableProblem::DuplicateDate:
        return line + tr("同じ日付が前の行にもあります");
    case HolidayTableProblem::NotShiftJis:
        break;
    }
    return line + tr("Shift-JIS の文字ではありません（UTF-8 で保存し直したファイルなど）");
}
