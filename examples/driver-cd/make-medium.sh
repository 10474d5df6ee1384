#!/bin/sh
# Writes a driver disc as Windows media carry it: an Autorun.inf for the
# Windows shell alone, in UTF-16LE as Windows saves Unicode files, whose icon
# is the one inside the disc's setup program. discgate shows its plain menu.
#
# setup.exe is a real Windows program of 13 KB that only says it installs
# nothing. Its two icons are drawn by ImageMagick and put together by
# icoutils: the disc in 16, 32 and 48 pixels of 256 colours and in 256 pixels
# as PNG, and a document in 32 and 16 pixels of 16 colours. MinGW-w64
# compiles it as a 32-bit program (PE32), as driver discs carry them; the
# same program for 64 bits (PE32+) and a copy of setup.exe seed the fuzz
# target that reads program icons.
set -eu
cd "$(dirname "$0")"
for tool in convert icotool i686-w64-mingw32-gcc i686-w64-mingw32-windres \
    x86_64-w64-mingw32-gcc x86_64-w64-mingw32-windres; do
    command -v "$tool" >/dev/null || {
        echo "$0 needs $tool: apt-get install imagemagick icoutils gcc-mingw-w64 binutils-mingw-w64" >&2
        exit 1
    }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:none +antialias -fill '#c9d3dc' -stroke '#5b6b78' -strokewidth 10 \
    -draw 'circle 128,128 128,12' -fill '#7fb2d9' -stroke none -draw 'circle 128,128 128,64' \
    -fill white -stroke '#5b6b78' -draw 'circle 128,128 128,101' -strip "PNG8:$work/disc256.png"
for side in 16 32 48; do
    convert "$work/disc256.png" -filter point -resize "${side}x$side" +dither -colors 16 -strip \
        "PNG8:$work/disc$side.png"
done
icotool -c -b 8 -o "$work/disc.ico" "$work/disc16.png" "$work/disc32.png" "$work/disc48.png" \
    -r "$work/disc256.png"
convert -size 32x32 xc:white -fill black -draw 'rectangle 8,4 23,27' -fill white \
    -draw 'rectangle 10,7 21,24' -fill black -draw 'line 12,10 19,10' -draw 'line 12,14 19,14' \
    -draw 'line 12,18 19,18' -colors 2 -strip "PNG8:$work/document32.png"
convert "$work/document32.png" -resize 16x16 -colors 2 -strip "PNG8:$work/document16.png"
icotool -c -b 4 -o "$work/document.ico" "$work/document32.png" "$work/document16.png"

cat >"$work/setup.c" <<'EOF'
#include <windows.h>

void WinMainCRTStartup(void) {
    MessageBoxW(NULL, L"ACME driver disc: a sample, it installs nothing.", L"ACME Setup", MB_OK);
    ExitProcess(0);
}
EOF
printf '1 ICON "disc.ico"\n2 ICON "document.ico"\n' >"$work/setup.rc"
for arch in i686 x86_64; do
    (cd "$work" && "$arch-w64-mingw32-windres" setup.rc -O coff -o setup.res)
    "$arch-w64-mingw32-gcc" -Os -s -nostdlib -mwindows -fno-asynchronous-unwind-tables \
        -Wl,--no-insert-timestamp -o "$work/setup-$arch.exe" "$work/setup.c" "$work/setup.res" \
        -lkernel32 -luser32
done
cp "$work/setup-i686.exe" setup.exe
mkdir -p ../../fuzz/corpus/programicon
cp "$work/setup-i686.exe" ../../fuzz/corpus/programicon/setup-pe32.exe
cp "$work/setup-x86_64.exe" ../../fuzz/corpus/programicon/setup-pe32plus.exe
chmod 644 setup.exe ../../fuzz/corpus/programicon/setup-pe32*.exe

printf '\377\376' >autorun.inf
printf '%s\r\n' '[autorun]' 'open=setup.exe /s' 'label=ACME ドライバー CD' \
    'action=ドライバーをインストール' 'shell\manual=取扱説明書を読む(&M)' \
    'shell\manual\command=manual.txt' 'icon=setup.exe' |
    iconv -f UTF-8 -t UTF-16LE >>autorun.inf
printf 'ACME driver disc.\n' >manual.txt
