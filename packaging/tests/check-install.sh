#!/bin/sh
# Installs the build into a temporary /usr and checks that the desktop finds
# what it needs there: both programs with their menu entries and manual pages,
# discgate's handling of media with an Autorun.inf in GNOME and in Plasma,
# the AppStream file of dayglass, every icon size of both programs, each PNG as
# large as its folder says, and the package's copyright file.
# Usage: check-install.sh BUILD_FOLDER DAYGLASS_APP_ID DISCGATE_APP_ID
set -eu
build="$1"
app_id="$2"
discgate_id="$3"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
cmake --install "$build" --prefix "$tree/usr" >/dev/null

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The width and height that a PNG file's header gives, as "WxH".
png_size() {
    set -- $(od -An -tu1 -j16 -N8 "$1")
    echo "$(($1 << 24 | $2 << 16 | $3 << 8 | $4))x$(($5 << 24 | $6 << 16 | $7 << 8 | $8))"
}

for program in dayglass discgate; do
    [ -x "$tree/usr/bin/$program" ] || fail "usr/bin/$program is missing or not executable"
    gzip -t "$tree/usr/share/man/man1/$program.1.gz" 2>/dev/null ||
        fail "the manual page of $program is missing"
    [ -f "$tree/usr/share/icons/hicolor/scalable/apps/$program.svg" ] ||
        fail "the scalable icon of $program is missing"
    for size in 16 32 48 64 128 256; do
        picture="$tree/usr/share/icons/hicolor/${size}x${size}/apps/$program.png"
        if [ ! -f "$picture" ]; then
            fail "the ${size}x${size} icon of $program is missing"
        elif [ "$(png_size "$picture")" != "${size}x${size}" ]; then
            fail "the ${size}x${size} icon of $program is $(png_size "$picture")"
        fi
    done
done

# Usage: check_entry APP_ID PROGRAM EXEC_LINE
check_entry() {
    entry="$tree/usr/share/applications/$1.desktop"
    if [ -f "$entry" ]; then
        grep -qx "Exec=$3" "$entry" || fail "the menu entry of $2 does not start it"
        grep -qx "Icon=$2" "$entry" || fail "the menu entry of $2 does not show its icon"
    else
        fail "the menu entry $1.desktop is missing"
    fi
}
check_entry "$app_id" dayglass dayglass
check_entry "$discgate_id" discgate 'discgate %f'
grep -qx 'MimeType=x-content/win32-software;application/x-autorun-inf;' \
    "$tree/usr/share/applications/$discgate_id.desktop" ||
    fail "the menu entry of discgate is not offered for media and files Autorun.inf"
[ -f "$tree/usr/share/mime/packages/$discgate_id.xml" ] || fail "the type of Autorun.inf is missing"
grep -qx 'Exec=discgate %f' "$tree/usr/share/solid/actions/$discgate_id.desktop" 2>/dev/null ||
    fail "Plasma's device notifier has no action that starts discgate"

metainfo="$tree/usr/share/metainfo/$app_id.metainfo.xml"
if [ -f "$metainfo" ]; then
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the AppStream file does not name the menu entry"
else
    fail "the AppStream file $app_id.metainfo.xml is missing"
fi

[ -f "$tree/usr/share/doc/dayglass-discgate/copyright" ] || fail "the copyright file is missing"

[ "$failures" -eq 0 ] && echo "installed tree complete"
exit "$failures"
