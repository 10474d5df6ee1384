#!/bin/sh
# Writes a driver disc as Windows media carry it: an Autorun.inf for the
# Windows shell alone, in UTF-16LE as Windows saves Unicode files, with the
# disc's icon drawn by ImageMagick. discgate shows its plain menu.
set -eu
cd "$(dirname "$0")"
convert -size 48x48 xc:none -fill '#c9d3dc' -stroke '#5b6b78' -strokewidth 2 \
    -draw 'circle 24,24 24,2' -fill '#7fb2d9' -stroke none -draw 'circle 24,24 24,12' \
    -fill white -stroke '#5b6b78' -draw 'circle 24,24 24,19' -strip driver.png
printf '\377\376' >autorun.inf
printf '%s\r\n' '[autorun]' 'open=setup.exe /s' 'icon=driver.png' 'label=ACME ドライバー CD' \
    'action=ドライバーをインストール' 'shell\manual=取扱説明書を読む(&M)' \
    'shell\manual\command=manual.txt' |
    iconv -f UTF-8 -t UTF-16LE >>autorun.inf
printf 'ACME driver disc.\n' >manual.txt
