#include "DiscgateUsage.h"

#include <QtGlobal>

namespace {

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
    {{}, 1}};

} // namespace

const ProgramUsage &discgateUsage() {
    return usage;
}
