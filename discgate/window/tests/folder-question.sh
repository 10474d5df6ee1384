#!/bin/sh
# The real discgate on a menu from a downloaded archive, started as a double
# click on its autorun.inf starts it: the button's script, which kept its
# execute bit, runs only after a question whose default answer is No. Runs on
# a virtual desktop (exits 77 where there is none).
# Usage: folder-question.sh DISCGATE WITH_DESKTOP_SCRIPT PICTURES_FOLDER
set -eu
[ -n "${ON_DESKTOP:-}" ] || ON_DESKTOP=1 exec sh "$2" sh "$0" "$@"
fail() { echo "FAIL: $*"; exit 1; }
# Waits up to twenty seconds for discgate to show $1 windows.
wait_for_windows() {
    for _ in $(seq 200); do
        [ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" -eq "$1" ] && return 0
        sleep 0.1
    done
    fail "discgate does not show $1 window(s)"
}
# Clicks the menu's button and waits until its question has the keyboard: keys
# sent before the window manager gives the focus would go to the menu.
click_the_button() {
    xdotool mousemove --window "$menu_window" 40 35 click 1
    wait_for_windows 2
    for _ in $(seq 200); do
        active=$(xdotool getactivewindow 2>/dev/null || true)
        [ -n "$active" ] && [ "$active" != "$menu_window" ] &&
            xdotool search --onlyvisible --pid "$pid" | grep -qx "$active" && return 0
        sleep 0.1
    done
    fail "the question does not get the keyboard"
}

work=$(mktemp -d)
pid=''
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
menu="$work/Downloads/coolmod"
mkdir -p "$menu"
cp "$3/background.jpg" "$3/readme.png" "$menu"
printf '[MainForm]\r\nWidth=300\r\nHeight=100\r\nBackground=background.jpg\r\n[OpenPosition]\r\nX=0\r\nY=0\r\n[BtmMax]\r\nNum=1\r\n[Btn1]\r\nX=20\r\nY=20\r\nExeFile=run.sh\r\nDefaultBtn=readme.png\r\n[CloseBtn]\r\nX=270\r\nY=70\r\nDefaultBtn=readme.png\r\n' >"$menu/autorun.inf"
printf '#!/bin/sh\ntouch "$(dirname "$0")/ran"\n' >"$menu/run.sh"
chmod 755 "$menu/run.sh"
"$1" "$menu/autorun.inf" &
pid=$!
wait_for_windows 1
menu_window=$(xdotool search --onlyvisible --pid "$pid")

click_the_button
xdotool key Return
wait_for_windows 1
sleep 1
[ ! -e "$menu/ran" ] || fail "the script ran although the answer was No"

click_the_button
xdotool key Tab space
for _ in $(seq 100); do [ -e "$menu/ran" ] && exit 0; sleep 0.1; done
fail "the script did not run after Yes"
