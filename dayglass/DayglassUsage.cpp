#include "DayglassUsage.h"

#include <QtGlobal>
#include <array>

namespace {

constexpr std::array<CommandLineOption, 2> options = {{
    {exportNotesOption, "FILE.ics",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "メモか色のある日をすべて iCalendar ファイルに書き出します（- は標準出力）")},
    {importNotesOption, "FILE.ics",
     QT_TRANSLATE_NOOP("CommandLine", "iCalendar ファイルの予定を、その日のメモに加えます")},
}};

constexpr ProgramUsage usage{
    "dayglass",
    "",
    QT_TRANSLATE_NOOP("CommandLine",
                      "期間の終わりまでを数えるタイマーと、日ごとのメモを残すカレンダーです。"),
    QT_TRANSLATE_NOOP("CommandLine",
                      "  Data.ini      期間と、最後に表示したページ\n"
                      "  Calendar.ini  日ごとのメモと色\n"
                      "  どちらも、プログラムのフォルダーがほかのユーザーの書き込めない自分のもの\n"
                      "  ならそこに、ほかのときは $XDG_CONFIG_HOME/dayglass（ふつうは\n"
                      "  ~/.config/dayglass）に保存します。"),
    {options, 0}};

} // namespace

const ProgramUsage &dayglassUsage() {
    return usage;
}
