#!/bin/bash
# Takes the README's screenshots of both programs on a virtual display, at a
# fixed date (7 December 2026, noon), in Japanese and in English (named
# *-en.png). Needs the default build (scripts/build.sh).
# Usage: scripts/screenshots.sh [SCALE]   (default 1; 2 for a high-DPI screen)
set -eu
cd "$(dirname "$0")/.."
scale="${1:-1}"
suffix=""
[ "$scale" = 1 ] || suffix="@${scale}x"
out="$PWD/docs/screenshots"
work="$(mktemp -d)"
mkdir -p "$out"
sh scripts/install-deps.sh --tests tint2
faketime="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/faketime/libfaketime.so.1"

. scripts/common.sh
start_virtual_display
trap 'kill $virtual_display 2>/dev/null; rm -rf "$work"' EXIT
export QT_SCALE_FACTOR="$scale"

# Starts dayglass in a fresh folder with the Data.ini of PERIOD (data_ini's
# twelve numbers), PAGE and the lines OPTIONS (with printf's escapes) and the
# Calendar.ini of NOTES, at MOMENT (7 December 2026, noon, unless given), and
# leaves its window id in $window. Usage: start_dayglass PERIOD PAGE [NOTES [MOMENT [OPTIONS]]]
start_dayglass() {
    rm -rf "$work/dayglass" && mkdir -p "$work/dayglass"
    cp build/bin/dayglass "$work/dayglass/"
    { data_ini $1 "$2"; printf '%b' "${5:-}"; } >"$work/dayglass/Data.ini"
    printf '%s' "${3:-}" | iconv -f UTF-8 -t CP932 >"$work/dayglass/Calendar.ini"
    # libfaketime directly, so that $! is the program itself.
    LD_PRELOAD="$faketime" FAKETIME="@${4:-2026-12-07 12:00:00}" \
        "$work/dayglass/dayglass" 2>/dev/null &
    app=$!
    window="$(xdotool search --sync --onlyvisible --pid "$app" | head -1)"
    sleep 1
}
stop() { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null || true; }
shot() { import -window "$1" "$out/$2$language$suffix.png"; }
click() { xdotool mousemove --window "$window" "$(( $1 * scale ))" "$(( $2 * scale ))" click --repeat "${3:-1}" --delay 80 1; }

# Takes the screenshots of the windows without a window manager in the
# language of LANG, with $language in their names.
shoot_all() {
    running="2026 11 1 9 0 0 2027 3 30 18 0 0"
    start_dayglass "$running" 0
    shot "$window" timer-running
    click 68 252 # 時間設定
    sleep 1
    shot root period-dialog-screen
    convert "$out/period-dialog-screen$language$suffix.png" -gravity center -crop "$((353 * scale))x$((160 * scale))+0+0" +repage "$out/period-dialog$language$suffix.png"
    rm "$out/period-dialog-screen$language$suffix.png"
    stop

    start_dayglass "2026 6 1 0 0 0 2026 11 20 18 0 0" 0
    shot "$window" timer-ended
    stop

    notes='[2026/12/03(木)]\r\nText=歯医者 15:00#CR#薬局で薬を受け取る\r\nCollar=65535\r\n[2026/12/07(月)]\r\nText=締め切り#CR#資料を送る\r\nCollar=16744576\r\n[2026/12/24(木)]\r\nText=クリスマス\r\nCollar=16711935\r\n[2026/12/31(木)]\r\nText=大掃除\r\nCollar=8454016\r\n'
    start_dayglass "$running" 1 "$(printf "$notes")"
    shot "$window" calendar
    click 115 85 2 # double click on the 3rd: the note editor
    sleep 1
    shot root note-editor-screen
    convert "$out/note-editor-screen$language$suffix.png" -gravity center -crop "$((353 * scale))x$((146 * scale))+0+0" +repage "$out/note-editor$language$suffix.png"
    rm "$out/note-editor-screen$language$suffix.png"
    stop

    # February 2024 with the holidays shown, on the substitute holiday of the 12th.
    notes='[2024/02/09(金)]\r\nText=締め切り\r\nCollar=65535\r\n[2024/02/12(月)]\r\nText=帰省から戻る#CR#新幹線 16:30\r\nCollar=16744576\r\n'
    start_dayglass "$running" 1 "$(printf "$notes")" '2024-02-12 12:00:00' '[Options]\r\nHolidays=1\r\n'
    shot "$window" calendar-holidays
    stop

    # The sample menu shows pictures alone, the same in every language.
    [ -z "$language" ] || return 0
    rm -rf "$work/medium" && cp -r examples/medium "$work/medium" && cp build/bin/discgate "$work/medium/"
    "$work/medium/discgate" 2>/dev/null &
    app=$!
    window="$(xdotool search --sync --onlyvisible --pid "$app" | head -1)"
    sleep 1
    xdotool mousemove --window "$window" "$(( 240 * scale ))" "$(( 162 * scale ))"
    sleep 0.5
    shot "$window" discgate
    stop
}

# Japanese, as under the C locale; then English.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8
language="" && shoot_all
export LANG=en_US.UTF-8
language="-en" && shoot_all

# The plain menu of a disc made for the Windows shell alone, a normal window,
# so with the title bar of a window manager.
start_window_manager
# The manager announces itself a moment before it takes the first window.
sleep 1
for LANG in C.UTF-8 en_US.UTF-8; do
    language="-en"
    [ "$LANG" = C.UTF-8 ] && language=""
    build/bin/discgate examples/driver-cd 2>/dev/null &
    app=$!
    window="$(xdotool search --sync --onlyvisible --pid "$app" | head -1)"
    sleep 1
    import -frame -window "$window" "$out/discgate-plain$language$suffix.png"
    stop
done

export LANG=C.UTF-8
language=""
# The count-down in the tray of a panel (tint2's XEmbed tray, its clock at the
# same moment), with the tooltip under the pointer.
rm -rf "$work/dayglass" && mkdir -p "$work/dayglass" && cp build/bin/dayglass "$work/dayglass/"
{ data_ini $running 0; printf '[Options]\r\nTray=1\r\n'; } >"$work/dayglass/Data.ini"
LD_PRELOAD="$faketime" FAKETIME="@2026-12-07 12:00:00" tint2 >/dev/null 2>&1 &
panel=$!
sleep 2
LD_PRELOAD="$faketime" FAKETIME="@2026-12-07 12:00:00" \
    "$work/dayglass/dayglass" --in-tray 2>/dev/null &
app=$!
sleep 3
xdotool mousemove 871 752
sleep 2
shot root tray-screen
convert "$out/tray-screen$suffix.png" -gravity southeast -crop "$((420 * scale))x$((110 * scale))+0+0" +repage "$out/tray$suffix.png"
rm "$out/tray-screen$suffix.png"
stop
kill "$panel" "$window_manager"
echo "screenshots in $out"
