#include "DayglassUsage.h"

#include "AutostartEntry.h"

#include <QtGlobal>
#include <array>

namespace {

constexpr std::array<CommandLineOption, 5> options = {{
    {exportNotesOption, "FILE.ics",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "メモか色のある日をすべて iCalendar ファイルに書き出します（- は標準出力）")},
    {importNotesOption, "FILE.ics",
     QT_TRANSLATE_NOOP("CommandLine", "iCalendar ファイルの予定を、その日のメモに加えます")},
    {replaceUnstorableOption, "",
     QT_TRANSLATE_NOOP("CommandLine", "読み込みで、Shift-JIS にない文字を 〓 に置き換えます")},
    {storeInUtf8Option, "",
     QT_TRANSLATE_NOOP("CommandLine", "読み込みで、Shift-JIS にない文字のために Calendar.ini を"
                                      "これから UTF-8 で保存します")},
    {inTrayOption, "",
     QT_TRANSLATE_NOOP("CommandLine", "トレイに表示する設定なら、ウィンドウを出さずに始めます"
                                      "（ログイン時の起動が付けます）")},
}};

constexpr ProgramUsage usage{
    "dayglass",
    "",
    QT_TRANSLATE_NOOP("CommandLine",
                      "期間の終わりまでを数えるタイマーと、日ごとのメモを残すカレンダーです。"),
    QT_TRANSLATE_NOOP("CommandLine",
                      "  Data.ini        期間、最後に表示したページ、祝日とトレイと知らせの設定\n"
                      "  Calendar.ini    日ごとのメモと色\n"
                      "  syukujitsu.csv  内閣府の祝日の表（置いたときだけ読みます）\n"
                      "  プログラムのフォルダーが自分のもので、自分だけが書き込めるならそこに、\n"
                      "  ほかのときは $XDG_CONFIG_HOME/dayglass（ふつうは ~/.config/dayglass）に\n"
                      "  置きます。自分でも書き込めないフォルダーなら、そこにあるファイルを、\n"
                      "  同じ名前のファイルを保存するまで読みます。"),
    {options, 0}};

} // namespace

const ProgramUsage &dayglassUsage() {
    return usage;
}
