#include "DiscgateUsage.h"

#include "MenuCheckRun.h"

#include <QtGlobal>
#include <array>

namespace {

constexpr std::array<CommandLineOption, 1> options = {{
    {checkOption, "",
     QT_TRANSLATE_NOOP("CommandLine",
                       "メニューを開かずに Autorun.inf を調べ、問題を一行ずつ書き出します")},
}};

constexpr ProgramUsage usage{
    "discgate",
    QT_TRANSLATE_NOOP("CommandLine", "[フォルダー|ファイル]"),
    QT_TRANSLATE_NOOP(
        "CommandLine",
        "メディアの Autorun.inf に書かれたメニューを開きます。フォルダーかファイルを\n"
        "指定しないときは、プログラムのフォルダー、マウントされているメディアの順に\n"
        "探し、見つからなければ選んでもらいます。"),
    QT_TRANSLATE_NOOP("CommandLine",
                      "  Autorun.inf  メディアのメニュー（大文字と小文字は問いません）\n"
                      "  読み込むだけで、どのファイルにも書き込みません。"),
    {options, 1}};

} // namespace

const ProgramUsage &discgateUsage() {
    return usage;
}
