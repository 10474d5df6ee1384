<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>BarFrame</name>
    <message>
        <location filename="../dayglass/timer/window/BarFrame.cpp" line="+47"/>
        <source>超過 %1%</source>
        <translation>Overrun %1%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>残時間 %1%</source>
        <translation>Time left %1%</translation>
    </message>
</context>
<context>
    <name>CalendarPage</name>
    <message>
        <location filename="../dayglass/calendar/window/CalendarPage.cpp" line="+86"/>
        <source>設定</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>初期化</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>iCalendar に書き出す…</source>
        <translation>Export to iCalendar…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iCalendar から読み込む…</source>
        <translation>Import from iCalendar…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>祝日を表示</source>
        <translation>Show holidays</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>前の月</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>次の月</source>
        <translation>Next month</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>今日</source>
        <translation>Today</translation>
    </message>
    <message>
        <location line="+223"/>
        <source>カレンダーを全初期化するよ？いいの？</source>
        <translation>Clear every note of the calendar?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../common/widgets/ProgramUsage.cpp" line="+32"/>
        <source>この使い方を表示します</source>
        <translation>Show this usage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>名前とバージョンを表示します</source>
        <translation>Show the name and version</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> [オプション]</source>
        <translation> [OPTION...]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>使い方: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>オプション:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Qt のオプション（-platform 名前、-style 名前 など）も使えます。</source>
        <translation>Qt&apos;s options (-platform NAME, -style NAME and others) work too.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ファイル:</source>
        <translation>Files:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: 知らないオプションです: %2</source>
        <translation>%1: unknown option: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2 のあとに引数がありません</source>
        <translation>%1: %2 needs an argument</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: 余分な引数です: %2</source>
        <translation>%1: too many arguments: %2</translation>
    </message>
    <message>
        <location filename="../dayglass/DayglassUsage.cpp" line="+12"/>
        <source>メモか色のある日をすべて iCalendar ファイルに書き出します（- は標準出力）</source>
        <translation>Export every day with a note or colour to an iCalendar file (- for standard output)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>iCalendar ファイルの予定を、その日のメモに加えます</source>
        <translation>Add the events of an iCalendar file to the notes of their days</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>読み込みで、Shift-JIS にない文字を 〓 に置き換えます</source>
        <translation>On import, replace characters that Shift-JIS lacks with 〓</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>読み込みで、Shift-JIS にない文字のために Calendar.ini をこれから UTF-8 で保存します</source>
        <translation>On import, save Calendar.ini in UTF-8 from now on for characters that Shift-JIS lacks</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>トレイに表示する設定なら、ウィンドウを出さずに始めます（ログイン時の起動が付けます）</source>
        <translation>Start without the window when the tray is chosen (the start at login adds it)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>期間の終わりまでを数えるタイマーと、日ごとのメモを残すカレンダーです。</source>
        <translation>A timer that counts down to the end of a period, and a calendar for day notes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  Data.ini        期間、最後に表示したページ、祝日とトレイと知らせの設定
  Calendar.ini    日ごとのメモと色
  syukujitsu.csv  内閣府の祝日の表（置いたときだけ読みます）
  プログラムのフォルダーが自分のもので、自分だけが書き込めるならそこに、
  ほかのときは $XDG_CONFIG_HOME/dayglass（ふつうは ~/.config/dayglass）に
  置きます。自分でも書き込めないフォルダーなら、そこにあるファイルを、
  同じ名前のファイルを保存するまで読みます。</source>
        <translation>  Data.ini        the period, the page shown last, the holiday, tray and warning settings
  Calendar.ini    the notes and colours of the days
  syukujitsu.csv  the Cabinet Office&apos;s table of holidays (read only when present)
  They are kept in the program&apos;s folder when it is the user&apos;s own and only the
  user can write it, otherwise in $XDG_CONFIG_HOME/dayglass (usually
  ~/.config/dayglass). From a folder the user cannot write, its files are read
  until a file of the same name is saved.</translation>
    </message>
    <message>
        <location filename="../discgate/DiscgateUsage.cpp" line="+12"/>
        <source>メニューを開かずに Autorun.inf を調べ、問題を一行ずつ書き出します</source>
        <translation>Check Autorun.inf without opening the menu, and print each problem on a line</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>[フォルダー|ファイル]</source>
        <translation>[FOLDER|FILE]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>メディアの Autorun.inf に書かれたメニューを開きます。フォルダーかファイルを
指定しないときは、プログラムのフォルダー、マウントされているメディアの順に
探し、見つからなければ選んでもらいます。</source>
        <translation>Opens the menu that a medium&apos;s Autorun.inf describes. Without a folder or file
it looks in the program&apos;s folder, then on the mounted media, and otherwise
lets the user choose.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  Autorun.inf  メディアのメニュー（大文字と小文字は問いません）
  読み込むだけで、どのファイルにも書き込みません。</source>
        <translation>  Autorun.inf  the medium&apos;s menu (in any case)
  It only reads, and writes no file.</translation>
    </message>
</context>
<context>
    <name>DayNames</name>
    <message>
        <location filename="../dayglass/calendar/window/DayNames.cpp" line="+17"/>
        <source>日</source>
        <comment>column of Sundays</comment>
        <translation>Su</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>月</source>
        <comment>column of Mondays</comment>
        <translation>Mo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>火</source>
        <comment>column of Tuesdays</comment>
        <translation>Tu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>水</source>
        <comment>column of Wednesdays</comment>
        <translation>We</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>木</source>
        <comment>column of Thursdays</comment>
        <translation>Th</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>金</source>
        <comment>column of Fridays</comment>
        <translation>Fr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>土</source>
        <comment>column of Saturdays</comment>
        <translation>Sa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>日</source>
        <comment>Sunday in a date</comment>
        <translation>Sun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>月</source>
        <comment>Monday in a date</comment>
        <translation>Mon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>火</source>
        <comment>Tuesday in a date</comment>
        <translation>Tue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>水</source>
        <comment>Wednesday in a date</comment>
        <translation>Wed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>木</source>
        <comment>Thursday in a date</comment>
        <translation>Thu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>金</source>
        <comment>Friday in a date</comment>
        <translation>Fri</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>土</source>
        <comment>Saturday in a date</comment>
        <translation>Sat</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1  /  %2</source>
        <translation>%1  /  %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1/%2/%3(%4)</source>
        <translation>%4 %1-%2-%3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1年%2月%3日(%4)</source>
        <translation>%4 %1-%2-%3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>、%1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>、メモあり</source>
        <translation>, with a note</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <location filename="../dayglass/notification/window/DesktopNotice.cpp" line="+22"/>
        <source>dayglass</source>
        <extracomment>The title of the program&apos;s notices: its name.</extracomment>
        <translation>dayglass</translation>
    </message>
</context>
<context>
    <name>HolidayFileMessage</name>
    <message>
        <location filename="../dayglass/calendar/window/HolidayFileMessage.cpp" line="+8"/>
        <source>%1 は使いません
%2
祝日は法律の定めから求めて表示します</source>
        <translation>%1 is not used
%2
The holidays shown follow from the law</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>読み込めません：</source>
        <translation>It cannot be read: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>リンクです。リンクは読みません</source>
        <translation>It is a link, and links are not read</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>その名前でフォルダなど、ファイルでないものが置かれています</source>
        <translation>Something that is not a file, such as a folder, has that name</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 行目：</source>
        <translation>Line %1: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ファイルが大きすぎます（%1 KB まで）</source>
        <translation>The file is too large (at most %1 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>祝日が一つもありません</source>
        <translation>It holds no holidays</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>見出しの行がありません</source>
        <translation>the heading line is missing</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>日付と名前をコンマ一つで区切った行ではありません</source>
        <translation>not a date and a name separated by one comma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>日付が 2024/2/12 のような年/月/日の実在する日ではありません</source>
        <translation>the date is not a real day written as year/month/day, such as 2024/2/12</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>同じ日付が前の行にもあります</source>
        <translation>the same date is on an earlier line</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shift-JIS の文字ではありません（UTF-8 で保存し直したファイルなど）</source>
        <translation>the text is not Shift-JIS (the file may have been saved again as UTF-8)</translation>
    </message>
</context>
<context>
    <name>HolidayNames</name>
    <message>
        <location filename="../dayglass/calendar/core/HolidayRules.cpp" line="+21"/>
        <source>休日</source>
        <translation>Holiday</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>元日</source>
        <translation>New Year&apos;s Day</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>成人の日</source>
        <translation>Coming of Age Day</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>建国記念の日</source>
        <translation>National Foundation Day</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <location line="+28"/>
        <source>天皇誕生日</source>
        <translation>The Emperor&apos;s Birthday</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>春分の日</source>
        <translation>Vernal Equinox Day</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>みどりの日</source>
        <translation>Greenery Day</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>昭和の日</source>
        <translation>Showa Day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>憲法記念日</source>
        <translation>Constitution Memorial Day</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>こどもの日</source>
        <translation>Children&apos;s Day</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+40"/>
        <location line="+3"/>
        <source>海の日</source>
        <translation>Marine Day</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+1"/>
        <location line="+40"/>
        <location line="+3"/>
        <source>山の日</source>
        <translation>Mountain Day</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+1"/>
        <source>敬老の日</source>
        <translation>Respect for the Aged Day</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>秋分の日</source>
        <translation>Autumnal Equinox Day</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>体育の日</source>
        <translation>Health and Sports Day</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>体育の日（スポーツの日）</source>
        <translation>Health and Sports Day (Sports Day)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <location line="+3"/>
        <source>スポーツの日</source>
        <translation>Sports Day</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>文化の日</source>
        <translation>Culture Day</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>勤労感謝の日</source>
        <translation>Labour Thanksgiving Day</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+3"/>
        <source>結婚の儀</source>
        <translation>Imperial Wedding</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>大喪の礼</source>
        <translation>Funeral of Emperor Showa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>即位礼正殿の儀</source>
        <translation>Enthronement Ceremony</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>休日（祝日扱い）</source>
        <translation>Holiday (counted as a national holiday)</translation>
    </message>
</context>
<context>
    <name>LauncherMessages</name>
    <message>
        <location filename="../discgate/window/LauncherMessages.cpp" line="+14"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 と %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>メニューの設定ファイルが見つからないか、読み込めません。</source>
        <translation>The menu file is missing or cannot be read.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>メニューの設定ファイルが大きすぎます (%1 まで)。</source>
        <translation>The menu file is too large (at most %1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>オーバーフローしました。ウィンドウの大きさか位置が大きすぎます。</source>
        <translation>Overflow: the size or position of the window is too large.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ウィンドウが大きすぎます。幅と高さは %1 ピクセルまでです。</source>
        <translation>The window is too large. Width and height are at most %1 pixels.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ボタンが多すぎます。起動ボタンは %1 個までです。</source>
        <translation>Too many buttons. The menu has at most %1 launch buttons.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>画像ファイルが見つかりません。</source>
        <translation>A picture file is missing.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>画像ファイルを読み込めません。</source>
        <translation>A picture file cannot be read.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>画像ファイルがメディアの外にあります。</source>
        <translation>A picture file lies outside the medium.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>画像ファイルが大きすぎます (%1 まで)。</source>
        <translation>A picture file is too large (at most %1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>この形式の画像は使えません。使えるのは %1 の画像です。</source>
        <translation>Pictures of this format cannot be used. Only %1 pictures can.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>画像が大きすぎます。メニューの画像は合わせて %1 までです。</source>
        <translation>The pictures are too large. The menu&apos;s pictures take at most %1 together.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>JPEG 画像のスキャンが多すぎるか、画像が大きすぎます。読み込むと長い時間がかかります。</source>
        <translation>The JPEG picture has too many scans or is too large. Reading it would take too long.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>GIF 画像のデータが画像の大きさに比べて多すぎます。読み込むと長い時間がかかります。</source>
        <translation>The GIF picture holds too much data for its size. Reading it would take too long.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>この種類のファイルを開くプログラムがありません。</source>
        <translation>No program opens files of this type.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>この種類のアドレスを開くプログラムがありません。</source>
        <translation>No program opens addresses of this type.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows 用のプログラムです。
実行するには Wine などのプログラムが必要です。</source>
        <translation>This is a program for Windows.
Running it needs a program such as Wine.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ファイルが見つかりません。</source>
        <translation>The file is missing.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>メディアの外にあるファイルは開けません。</source>
        <translation>Files outside the medium cannot be opened.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>このメディアはプログラムの実行が許可されていない設定 (noexec) でマウントされているため、プログラムを起動できません。</source>
        <translation>The medium is mounted without permission to run programs (noexec), so the program cannot start.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>この種類のアドレスは開けません。開けるのは %1 のアドレスだけです。</source>
        <translation>Addresses of this type cannot be opened. Only %1 addresses can.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ファイルを添付するメールのアドレスは開けません。</source>
        <translation>Mail addresses that attach files cannot be opened.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1を開けませんでした。

%2</source>
        <translation>%1 could not be opened.

%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>このメニューはディスクではなくフォルダーから開かれました。

フォルダー %2 の %1 を実行しますか？</source>
        <translation>This menu was opened from a folder, not from a disc.

Run %1 in the folder %2?</translation>
    </message>
</context>
<context>
    <name>LoginStart</name>
    <message>
        <location filename="../dayglass/tray/window/LoginStart.cpp" line="+15"/>
        <source>ログイン時に起動</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>設定のフォルダ（$XDG_CONFIG_HOME か ~/.config）がありません</source>
        <translation>There is no settings folder ($XDG_CONFIG_HOME or ~/.config)</translation>
    </message>
</context>
<context>
    <name>MediumChooser</name>
    <message>
        <location filename="../discgate/window/MediumChooser.cpp" line="+47"/>
        <source>「%1」はこのコンピューター上のフォルダーではないため、メニューを開けません。</source>
        <translation>&quot;%1&quot; is not a folder on this computer, so its menu cannot be opened.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 にはメニュー (Autorun.inf) がありません。

その上のフォルダー %2 は、ほかのユーザーが書き込めるか、そのメニューがほかのユーザーのものであるため、使いません。</source>
        <translation>%1 has no menu (Autorun.inf).

The folder above it, %2, is not used: other users may write it, or its menu belongs to another user.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>メニューのあるメディアを選んでください - %1</source>
        <translation>Choose a medium with a menu - %1</translation>
    </message>
</context>
<context>
    <name>MenuCheckReport</name>
    <message>
        <location filename="../discgate/window/MenuCheckReport.cpp" line="+17"/>
        <source>Num が数えるボタンのセクション [%1] がありません。</source>
        <translation>The button section [%1] that Num counts is missing.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>セクション [%1] は Num の数より後のボタンなので読まれません。</source>
        <translation>The section [%1] is not read: its button comes after the number that Num gives.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ボタン [%1] がウィンドウの外にあります。</source>
        <translation>The button [%1] lies outside the window.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ボタン [%1] の一部がウィンドウの外にはみ出しています。</source>
        <translation>Part of the button [%1] lies outside the window.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ボタン [%1] がボタン [%2] と重なっています。</source>
        <translation>The button [%1] overlaps the button [%2].</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 がメディアにありません。</source>
        <translation>%1 is not on the medium.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>キー %1 はこのセクションにはありません。%2 のまちがいですか？</source>
        <translation>This section has no key %1. Did you mean %2?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>アイコンのファイルが見つかりません。</source>
        <translation>The icon file is missing.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>アイコンのファイルがメディアの外にあります。</source>
        <translation>The icon file lies outside the medium.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>アイコンのファイルが大きすぎます。</source>
        <translation>The icon file is too large.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>アイコンのファイルが Windows のプログラムではありません。</source>
        <translation>The icon file is not a Windows program.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>プログラムにアイコンがありません。</source>
        <translation>The program has no icon.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>プログラムにその番号のアイコンがありません。</source>
        <translation>The program has no icon of that number.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>プログラムのアイコンが壊れています。</source>
        <translation>The program&apos;s icon is damaged.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>問題: %1 件</source>
        <translation>Problems: %1</translation>
    </message>
</context>
<context>
    <name>NoteCommand</name>
    <message>
        <location filename="../dayglass/NoteCommand.cpp" line="+33"/>
        <source>標準出力</source>
        <translation>standard output</translation>
    </message>
</context>
<context>
    <name>NoteTransferDialogs</name>
    <message>
        <location filename="../dayglass/calendar/window/NoteTransferDialogs.cpp" line="+22"/>
        <source>iCalendar (*.ics);;すべてのファイル (*)</source>
        <translation>iCalendar (*.ics);;All files (*)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>iCalendar に書き出す</source>
        <translation>Export to iCalendar</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>iCalendar から読み込む</source>
        <translation>Import from iCalendar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 を読み込んでいます…</source>
        <translation>Reading %1…</translation>
    </message>
</context>
<context>
    <name>NoteTransferMessages</name>
    <message>
        <location filename="../dayglass/calendar/window/NoteTransferMessages.cpp" line="+18"/>
        <source>iCalendar のファイルを扱うライブラリ（%1）を開けません。</source>
        <translation>The library for iCalendar files (%1) cannot be opened.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> ほか %1 日</source>
        <translation> and %1 more days</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ほか %1 件</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1 を読み込めません。</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 は大きすぎます（読み込めるのは %2 MB まで）。</source>
        <translation>%1 is too large (at most %2 MB can be read).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 は iCalendar のファイルではありません。</source>
        <translation>%1 is not an iCalendar file.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 は途中で切れています。</source>
        <translation>%1 is cut off.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 の予定「%2」は開始日時が読めません。</source>
        <translation>The start of the event &quot;%2&quot; in %1 cannot be read.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 の予定は %2 日を超えます。</source>
        <translation>The events of %1 span more than %2 days.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 は繰り返しや時間帯の計算が多すぎるため読み込めません（計算は %2 段階までで、予定「%3」で超えました）。</source>
        <translation>%1 cannot be read: its repetitions and time zones take too much work (at most %2 steps, passed at the event &quot;%3&quot;).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 の読み込みを取り消しました。</source>
        <translation>The import of %1 was cancelled.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 の予定に、Calendar.ini（Shift-JIS）に保存できない文字があります：</source>
        <translation>Events in %1 have characters that Calendar.ini (Shift-JIS) cannot keep:</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>
次の予定は、メモが %1 バイトを超える日には書き加えていません：</source>
        <translation>
These events were not added to days whose notes would pass %1 bytes:</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+8"/>
        <source>「%1」：%2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 を付けると、それぞれの文字を %2 に置き換えて読み込みます。
%3 を付けると、Calendar.ini をこれから UTF-8 で保存して、そのまま読み込みます（UTF-8 の Calendar.ini は Windows の元のプログラムでは文字化けします）。</source>
        <translation>With %1, each such character is imported as %2.
With %3, Calendar.ini is saved in UTF-8 from now on and everything is imported as it is (the original program on Windows shows a UTF-8 Calendar.ini garbled).</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Shift-JISにない文字（絵文字や韓国語など）は保存できません
</source>
        <translation>Characters outside Shift-JIS (such as emoji or Korean) cannot be saved
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>メモが長すぎます（%1バイト、%2バイトまでです）</source>
        <translation>The note is too long (%1 bytes; at most %2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 日のメモを %2 に書き出しました。</source>
        <translation>Exported the notes of %1 days to %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 に書き出せませんでした。</source>
        <translation>Could not export to %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>
何も読み込んでいません。</source>
        <translation>
Nothing was imported.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 から %2 日のメモに書き加えました。</source>
        <translation>Added to the notes of %2 days from %1.</translation>
    </message>
</context>
<context>
    <name>PeriodEndNotifier</name>
    <message>
        <location filename="../dayglass/notification/window/PeriodEndNotifier.cpp" line="+22"/>
        <source>設定した期間が終了しました（%1）</source>
        <translation>The period you set has ended (%1)</translation>
    </message>
</context>
<context>
    <name>PeriodWarningNotifier</name>
    <message>
        <location filename="../dayglass/notification/window/PeriodWarningNotifier.cpp" line="+17"/>
        <source>設定した期間の終了まであと%1です（%2）</source>
        <translation>The period you set ends in %1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1日</source>
        <translation>%1 d</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1時間</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1分</source>
        <translation>%1 min</translation>
    </message>
</context>
<context>
    <name>PlainMenuWindow</name>
    <message>
        <location filename="../discgate/window/PlainMenuWindow.cpp" line="+61"/>
        <source>%1 を実行</source>
        <translation>Run %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 を開く</source>
        <translation>Open %1</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>%1 がメディアにありません。</source>
        <translation>%1 is not on the medium.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>フォルダーを開く</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TimerMenu</name>
    <message>
        <location filename="../dayglass/timer/window/TimerMenu.cpp" line="+9"/>
        <source>トレイに表示</source>
        <translation>Show in the tray</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>終了前に知らせる</source>
        <translation>Warn before the end</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>しない</source>
        <translation>Never</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1前</source>
        <translation>%1 before</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>このデスクトップにはトレイ（通知領域）がありません</source>
        <translation>This desktop has no tray (notification area)</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <location filename="../dayglass/timer/window/TimerPage.cpp" line="+27"/>
        <source>年</source>
        <translation>y</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>月</source>
        <translation>mo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>週間</source>
        <translation>wk</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>日</source>
        <translation>d</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>時間</source>
        <translation>h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>開始</source>
        <translation>From</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>終了</source>
        <translation>To</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>残時間</source>
        <translation>Left</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>F</source>
        <extracomment>The mark at the top of the bar, where all of the period is left.</extracomment>
        <translation>F</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E</source>
        <extracomment>The mark at the bottom of the bar, where none of the period is left.</extracomment>
        <translation>E</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>時間設定</source>
        <translation>Set period</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../dayglass/tray/window/TrayIcon.cpp" line="+16"/>
        <source>%1日</source>
        <translation>%1 d</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1時間</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1分</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>期間が設定されていません</source>
        <translation>No period is set</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>超過 %1</source>
        <translation>Overrun %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>残り %1</source>
        <translation>Left %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>終了 %1</source>
        <translation>Ends %1</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>時間設定…</source>
        <translation>Set period…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>UnstorableQuestion</name>
    <message>
        <location filename="../dayglass/calendar/window/UnstorableQuestion.cpp" line="+26"/>
        <source>%1 の予定に、Calendar.ini（Shift-JIS）に保存できない文字があります。どのように読み込みますか？</source>
        <translation>Events in %1 have characters that Calendar.ini (Shift-JIS) cannot keep. How should they be imported?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>UTF-8 で保存すると、どの文字もそのまま残りますが、Calendar.ini は Windows の元のプログラムでは文字化けするようになります。</source>
        <translation>Saving in UTF-8 keeps every character, but the original program on Windows will then show Calendar.ini garbled.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 に置き換えて読み込む</source>
        <translation>Import them as %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>UTF-8 で保存して読み込む</source>
        <translation>Save in UTF-8 and import</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>読み込まない</source>
        <translation>Do not import</translation>
    </message>
</context>
<context>
    <name>WorkInBackground</name>
    <message>
        <location filename="../dayglass/calendar/window/WorkInBackground.cpp" line="+17"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>取り消しています…</source>
        <translation>Cancelling…</translation>
    </message>
</context>
<context>
    <name>WriteErrorMessage</name>
    <message>
        <location filename="../dayglass/window/WriteErrorMessage.cpp" line="+9"/>
        <source>原因はわかりません</source>
        <translation>the cause is unknown</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>書き込みが許されていません（読み取り専用です）</source>
        <translation>Writing is not allowed (it is read-only)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ほかのプログラムが使っていて、待っても空きませんでした</source>
        <translation>Another program is using it and did not let go in time</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ディスクの空きがありません</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ファイルが大きくなりすぎます</source>
        <translation>The file would grow too large</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ファイルが大きすぎるため、読み込みも書き込みもしません</source>
        <translation>The file is too large to be read or written</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>その名前でフォルダなど、ファイルでないものが置かれています</source>
        <translation>Something that is not a file, such as a folder, has that name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ほかの人が作ったか、ほかの人が書き換えられるリンクを通るため、書き込みませんでした</source>
        <translation>Not written: the path goes through a link that someone else made or can change</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ホームフォルダのあるファイルシステムの外のリンクが、別のファイルシステムを指しているため、書き込みませんでした</source>
        <translation>Not written: a link outside the home folder&apos;s file system leads to another file system</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>保存するフォルダがありません</source>
        <translation>There is no folder to save it in</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>システムのエラー：</source>
        <translation>System error: </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 に保存できませんでした</source>
        <translation>Could not save %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 のメモを消せませんでした</source>
        <translation>Could not clear the note of %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>カレンダーを初期化できませんでした</source>
        <translation>Could not clear the calendar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>年</source>
        <translation>year</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>月</source>
        <translation>month</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>日</source>
        <translation>day</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>時間</source>
        <translation>hour</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>分</source>
        <translation>minute</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>秒</source>
        <translation>second</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>開始</source>
        <translation>start</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>終了</source>
        <translation>end</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1%2が不正です</source>
        <translation>The %1 %2 is not valid</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>『開始≧終了』になっています</source>
        <translation>The start is not before the end</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Data.ini と Calendar.ini を保存するフォルダがありません</source>
        <translation>There is no folder to keep Data.ini and Calendar.ini in</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data.ini と Calendar.ini は %1 に保存します</source>
        <translation>Data.ini and Calendar.ini are kept in %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
プログラムのフォルダ %1 には書き込めないため、そこにあるファイルは読むだけです。保存すると、そのあとは保存したほうを読みます</source>
        <translation>
The program&apos;s folder %1 cannot be written, so the files there are only read. Once saved, the saved ones are read instead</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
プログラムのフォルダ %1 には、ほかのユーザーも書き込めます。ほかのユーザーが書き込めないようにすると、プログラムのそばに保存します</source>
        <translation>
Other users can write to the program&apos;s folder %1. Once they cannot, the files are kept beside the program</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 を読み込めませんでした
ファイルが大きすぎます（%2 KB まで）。移動するか削除すると、設定をまた保存できます</source>
        <translation>Could not read %1
The file is too large (at most %2 KB). Move or delete it to save settings again</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Shift-JIS（CP932）の文字を変換できないため、Data.ini と Calendar.ini を読み書きできません
システムのエラー：</source>
        <translation>Data.ini and Calendar.ini cannot be read or written, as Shift-JIS (CP932) text cannot be converted
System error: </translation>
    </message>
</context>
<context>
    <name>frmCSet</name>
    <message>
        <location filename="../dayglass/calendar/window/frmCSet.cpp" line="+27"/>
        <source>メモを保存せずに閉じますか？</source>
        <translation>Close without saving the note?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>色設定</source>
        <translation>Colour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>設定更新</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>このメモは長すぎて、途中までしか読めていません。
保存すると続きは消えるよ？いいの？</source>
        <translation>This note is too long and was read only in part.
Saving it loses the rest. Save anyway?</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>この日のメモは、編集を始めた後にほかのウィンドウで保存されています。
上書きするよ？いいの？

「いいえ」なら、ほかのウィンドウのメモをこのメモの前に加えます。</source>
        <translation>Another window saved this day&apos;s note after you began editing.
Overwrite it?

&quot;No&quot; puts the other window&apos;s note before this one.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../discgate/window/frmMain.cpp" line="+22"/>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>frmSet</name>
    <message>
        <location filename="../dayglass/settings/window/frmSet.cpp" line="+32"/>
        <source>年</source>
        <translation>Y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>年</source>
        <comment>as a screen reader says it</comment>
        <translation>year</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>月</source>
        <translation>M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>月</source>
        <comment>as a screen reader says it</comment>
        <translation>month</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>日</source>
        <translation>D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>日</source>
        <comment>as a screen reader says it</comment>
        <translation>day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>時</source>
        <translation>h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>時</source>
        <comment>as a screen reader says it</comment>
        <translation>hour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>分</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>分</source>
        <comment>as a screen reader says it</comment>
        <translation>minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>秒</source>
        <comment>as a screen reader says it</comment>
        <translation>second</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>設定を保存せずに閉じますか？</source>
        <translation>Close without saving the period?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>時間設定</source>
        <translation>Set period</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>終了</source>
        <translation>End</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>設定更新</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>frmWeek</name>
    <message>
        <location filename="../dayglass/timer/window/frmWeek.cpp" line="+55"/>
        <source>DG</source>
        <extracomment>The title of the main window.</extracomment>
        <translation>DG</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>TIMER</source>
        <translation>TIMER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CALENDAR</source>
        <translation>CALENDAR</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>dayglass はトレイで動き続けます。終わるには、トレイのアイコンのメニューから「終了」を選んでください</source>
        <translation>dayglass keeps running in the tray. To quit, choose &quot;Quit&quot; in the menu of its tray icon</translation>
    </message>
</context>
</TS>
