#!/bin/sh
# The real discgate on a menu that came in a downloaded archive, started as a
# double click on its autorun.inf starts it: the menu shows, and its button's
# script, which kept its execute bit, runs only after a question whose
# default answer is No. Runs on a virtual desktop; exits 77 (skipped) where
# there is none.
# Usage: folder-question.sh DISCGATE WITH_DESKTOP_SCRIPT
set -eu
if [ -z "${FOLDER_QUESTION_ON_DESKTOP:-}" ]; then
    FOLDER_QUESTION_ON_DESKTOP=1 exec sh "$2" sh "$0" "$@"
fi
discgate=$1

fail() {
    echo "FAIL: $*"
    exit 1
}

# Little-endian fields of a BMP header.
le() {
    value=$1 bytes=$2 out=''
    while [ "$bytes" -gt 0 ]; do
        out="$out$(printf '\\%03o' $((value & 255)))"
        value=$((value >> 8)) bytes=$((bytes - 1))
    done
    printf "$out"
}

# A black picture of $2 x $3 pixels, 24 bits a pixel.
bmp() {
    size=$(((($2 * 3 + 3) / 4 * 4) * $3))
    {
        printf BM
        le $((54 + size)) 4; le 0 4; le 54 4; le 40 4; le "$2" 4; le "$3" 4; le 1 2; le 24 2
        le 0 4; le "$size" 4; le 2835 4; le 2835 4; le 0 4; le 0 4
        head -c "$size" /dev/zero
    } >"$1"
}

# Waits up to ten seconds for discgate to show $1 windows.
wait_for_windows() {
    for _ in $(seq 100); do
        [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -eq "$1" ] && return 0
        sleep 0.1
    done
    fail "discgate does not show $1 window(s)"
}

click_the_button() {
    window=$(xdotool search --onlyvisible --pid "$pid" | head -n 1)
    xdotool mousemove --window "$window" 40 35 click 1
    wait_for_windows 2
}

work=$(mktemp -d)
pid=''
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
menu="$work/Downloads/coolmod"
mkdir -p "$menu"
bmp "$menu/back.bmp" 200 100
bmp "$menu/button.bmp" 40 30
printf '[MainForm]\r\nWidth=200\r\nHeight=100\r\nBackground=back.bmp\r\n[OpenPosition]\r\nX=0\r\nY=0\r\n[CloseBtn]\r\nX=170\r\nY=60\r\nDefaultBtn=button.bmp\r\n[BtmMax]\r\nNum=1\r\n[Btn1]\r\nX=20\r\nY=20\r\nExeFile=run.sh\r\nDefaultBtn=button.bmp\r\n' >"$menu/autorun.inf"
printf '#!/bin/sh\ntouch "$(dirname "$0")/ran"\n' >"$menu/run.sh"
chmod 755 "$menu/run.sh"

"$discgate" "$menu/autorun.inf" &
pid=$!
wait_for_windows 1

# Enter takes the default answer, No: nothing runs and the menu stays.
click_the_button
xdotool key Return
wait_for_windows 1
sleep 1
[ ! -e "$menu/ran" ] || fail "the script ran although the answer was No"
echo "a click asks first, and No runs nothing"

# Yes runs the script.
click_the_button
xdotool key Tab space
for _ in $(seq 100); do
    [ -e "$menu/ran" ] && break
    sleep 0.1
done
[ -e "$menu/ran" ] || fail "the script did not run after Yes"
echo "Yes runs the script"
