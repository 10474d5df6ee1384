#!/bin/sh
# Writes the pictures of a skinned menu whose author made one mistake of each
# kind that `discgate --check` finds; Autorun.inf beside it names them, and
# check.txt holds what the check prints for it.
set -eu
cd "$(dirname "$0")"
for tool in convert python3; do
    command -v "$tool" >/dev/null || {
        echo "$0 needs $tool: apt-get install imagemagick python3" >&2
        exit 1
    }
done
convert -size 314x234 xc:'#dfe8f0' -strip back.png
convert -size 24x24 xc:'#a03030' -strip close.png
convert -size 60x30 xc:'#3060a0' -strip b1.png
convert -size 8x8 xc:'#30a060' b3.xpm
# 9000 × 8000 black pixels in a file of a few kilobytes: more than a menu's
# pictures may take together once decoded.
python3 - <<'PNG'
import struct, zlib
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
width, height = 9000, 8000
row = b"\0" * (1 + (width + 7) // 8)
with open("huge.png", "wb") as png:
    png.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 1, 0, 0, 0, 0))
              + chunk(b"IDAT", zlib.compress(row * height, 9)) + chunk(b"IEND", b""))
PNG
printf 'This is not a picture.\r\n' >notes.txt
