#!/bin/sh
# Starts both programs on a virtual display with the desktop's accessibility
# bus and checks what a screen reader reads of them: the labels, buttons and
# fields under their texts, the bar's share, each day's date and note, the
# holidays of a month that has some, the launcher's buttons under their
# targets; under English and German locales, the same in English, with no
# Japanese but the notes and the medium's own labels. Skipped (status 77)
# without Xvfb, D-Bus, the AT-SPI bus (at-spi2-core), pyatspi
# (python3-pyatspi) or libfaketime (faketime).
# Usage: atspi-check.sh PROGRAM_FOLDER SAMPLE_MEDIUM
set -eu
bin="$1"
medium="$2"
here="$(cd "$(dirname "$0")" && pwd)"
reader="$here/atspi_tree.py"
python=/usr/bin/python3
. "$here/../../scripts/common.sh"
require_commands Xvfb dbus-run-session iconv
require_accessibility
faketime="$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)"
[ -n "$faketime" ] || skip "faketime is not installed"

work="$(mktemp -d)"
start_virtual_display
trap 'kill $virtual_display 2>/dev/null; rm -rf "$work"' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
# The programs speak Japanese under the C locale, English under the others
# read below.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8

# Reads the program in a session bus of its own, which starts the
# accessibility bus on the first request.
status=0
read_program() {
    dbus-run-session -- "$python" "$reader" "$@" || status=1
}

# dayglass with a period and a note on today, once on each page.
mkdir "$work/dayglass"
cp "$bin/dayglass" "$work/dayglass/"
weekday="$(date +%w | sed 's/0/日/;s/1/月/;s/2/火/;s/3/水/;s/4/木/;s/5/金/;s/6/土/')"
printf '[%s(%s)]\r\nText=締め切り#CR#資料を送る\r\nCollar=255\r\n' "$(date +%Y/%m/%d)" "$weekday" |
    iconv -f UTF-8 -t CP932 >"$work/dayglass/Calendar.ini"

data_ini 2000 1 1 0 0 0 2999 1 1 0 0 0 0 >"$work/dayglass/Data.ini"
read_program "$work/dayglass/dayglass" -- \
    "frame|DG" "check box|TIMER" "check box|CALENDAR" "frame|TIMER" \
    "label|開始" "label|2000/01/01" "label|残時間" "label|\d+" "label|秒" \
    "progress bar|残時間 \d+%" "push button|時間設定"

data_ini 2000 1 1 0 0 0 2999 1 1 0 0 0 1 >"$work/dayglass/Data.ini"
read_program "$work/dayglass/dayglass" -- \
    "frame|CALENDAR" "label|\d{4}  /  \d\d" "label|日" "label|土" \
    "push button|▼|前の月" "push button|■|今日" "push button|設定" "push button|初期化" \
    "check box|\d+年\d+月1日\(.\)" \
    "check box|\d+年\d+月\d+日\(.\)、メモあり|締め切り\n資料を送る" \
    "label|締め切り\n資料を送る"

# dayglass with the holidays shown, on 12 February 2024 (a substitute holiday)
# with a note: the holidays' names in the cells' and under the grid.
printf '[2024/02/12(月)]\r\nText=帰省\r\nCollar=0\r\n' |
    iconv -f UTF-8 -t CP932 >"$work/dayglass/Calendar.ini"
{ data_ini 2000 1 1 0 0 0 2999 1 1 0 0 0 1; printf '[Options]\r\nHolidays=1\r\n'; } \
    >"$work/dayglass/Data.ini"
read_program LD_PRELOAD="$faketime" FAKETIME="@2024-02-12 12:00:00" "$work/dayglass/dayglass" -- \
    "label|2024  /  02" "check box|2024年2月11日\(日\)、建国記念の日" \
    "check box|2024年2月12日\(月\)、休日、メモあり|帰省" \
    "check box|2024年2月23日\(金\)、天皇誕生日" "check box|2024年2月13日\(火\)" \
    "label|休日\n帰省"

# discgate on the sample medium.
read_program "$bin/discgate" "$medium" -- \
    "frame|discgate" "push button|閉じる" "push button|readme.txt" \
    "push button|https://www.example.com/" "push button|guide.html"

# The same in English, where German falls back to it as well.
note="締め切り\n資料を送る"
for LANG in en_US.UTF-8 de_DE.UTF-8; do
    printf '[%s(%s)]\r\nText=締め切り#CR#資料を送る\r\nCollar=255\r\n' "$(date +%Y/%m/%d)" "$weekday" |
        iconv -f UTF-8 -t CP932 >"$work/dayglass/Calendar.ini"
    data_ini 2000 1 1 0 0 0 2999 1 1 0 0 0 0 >"$work/dayglass/Data.ini"
    read_program "$work/dayglass/dayglass" -- \
        "frame|DG" "check box|TIMER" "check box|CALENDAR" "label|From" "label|Left" \
        "label|min" "progress bar|Time left \d+%" "push button|Set period" \
        "no Japanese but|"
    data_ini 2000 1 1 0 0 0 2999 1 1 0 0 0 1 >"$work/dayglass/Data.ini"
    read_program "$work/dayglass/dayglass" -- \
        "label|Su" "label|Sa" "push button|▼|Previous month" "push button|■|Today" \
        "push button|Edit" "push button|Clear" "check box|[A-Z][a-z]{2} \d+-\d+-1" \
        "check box|[A-Z][a-z]{2} \d+-\d+-\d+, with a note|$note" "label|$note" \
        "no Japanese but|$note"
    printf '[2024/02/12(月)]\r\nText=帰省\r\nCollar=0\r\n' |
        iconv -f UTF-8 -t CP932 >"$work/dayglass/Calendar.ini"
    { data_ini 2000 1 1 0 0 0 2999 1 1 0 0 0 1; printf '[Options]\r\nHolidays=1\r\n'; } \
        >"$work/dayglass/Data.ini"
    read_program LD_PRELOAD="$faketime" FAKETIME="@2024-02-12 12:00:00" \
        "$work/dayglass/dayglass" -- \
        "check box|Sun 2024-2-11, National Foundation Day" \
        "check box|Mon 2024-2-12, Holiday, with a note|帰省" "label|Holiday\n帰省" \
        "no Japanese but|帰省"
    read_program "$bin/discgate" "$medium" -- "push button|Close" "no Japanese but|"
    # The plain menu of a disc made for Windows alone: the disc's own label
    # and choices stay as its author wrote them.
    read_program "$bin/discgate" "$(dirname "$medium")/driver-cd" -- \
        "push button|ドライバーをインストール" "push button|Open folder" "push button|Close" \
        "no Japanese but|ACME ドライバー CD|ドライバーをインストール|取扱説明書を読む"
done
exit $status
