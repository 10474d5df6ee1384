#!/bin/sh
# Draws the pictures of the sample medium with ImageMagick and writes its
# Autorun.inf in Shift-JIS (CP932) with CRLF line ends, as a medium authored on
# Windows has it. Run it again after changing a text or a colour here.
set -eu
cd "$(dirname "$0")"
font=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
mkdir -p pictures

convert -size 480x320 gradient:'#16324f'-'#2f7f9f' \
    -font "$font" -fill white -pointsize 30 -gravity north -annotate +0+40 'サンプル メディア' \
    -fill '#cfe6f2' -pointsize 15 -annotate +0+88 'discgate で作ったスタートメニュー' \
    -strip -quality 80 pictures/background.jpg

# button FILE FILL TEXT: a rounded button with transparent corners.
button() {
    convert -size 240x44 xc:none -fill "$2" -stroke white -strokewidth 2 \
        -draw 'roundrectangle 1,1 238,42 12,12' -stroke none \
        -font "$font" -fill white -pointsize 17 -gravity center -annotate +0+0 "$3" \
        -strip "$1"
}
button pictures/readme.png '#2d5f8a' 'はじめにお読みください'
button pictures/readme_on.png '#e08a1e' 'はじめにお読みください'
button pictures/website.gif '#2d5f8a' 'ウェブサイトを開く'
button pictures/website_on.gif '#e08a1e' 'ウェブサイトを開く'
button pictures/guide.png '#2d5f8a' 'ガイドを開いて終了'
button pictures/guide_on.png '#e08a1e' 'ガイドを開いて終了'

# close FILE FILL: the close button, a cross on a square.
close() {
    convert -size 26x26 xc:"$2" -stroke white -strokewidth 3 \
        -draw 'line 7,7 18,18' -draw 'line 18,7 7,18' -strip -type truecolor "BMP3:$1"
}
close pictures/close.bmp '#16324f'
close pictures/close_on.bmp '#c0392b'

iconv -f UTF-8 -t CP932 <<'INF' | sed 's/$/\r/' > Autorun.inf
[autorun]
open=discgate.exe
[MainForm]
Width=480
Height=320
Background=pictures\background.jpg
[OpenPosition]
X=Center
Y=Center
[CloseBtn]
X=446
Y=8
DefaultBtn=pictures\close.bmp
CrossBtn=pictures\close_on.bmp
Message=メニューを閉じますか？
Title=終了
[BtmMax]
Num=3
[Btn1]
X=120
Y=140
ExeFile=readme.txt
DefaultBtn=pictures\readme.png
CrossBtn=pictures\readme_on.png
[Btn2]
X=120
Y=196
ExeFile=https://www.example.com/
DefaultBtn=pictures\website.gif
CrossBtn=pictures\website_on.gif
Message=ブラウザでウェブサイトを開きますか？
Title=ウェブサイト
[Btn3]
X=120
Y=252
ExeFile=Docs\Guide.html
DefaultBtn=pictures\guide.png
CrossBtn=pictures\guide_on.png
Close=Yes
INF
