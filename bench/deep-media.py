#!/usr/bin/python3
"""Writes two media whose Autorun.inf names files hundreds of folders deep:
  plain/    a Windows [autorun] menu of 100 verbs, each naming a program 300
            folders deep that is not there, followed by 34 arguments, so that
            every part up to a blank is looked for (77 KB);
  skinned/  a skinned menu of 1000 buttons whose program and two pictures lie
            450 folders deep (2.8 MB).
The file writes every name in capitals and the medium holds them in lower
case, so every folder on the way is also listed once.
Usage: bench/deep-media.py FOLDER"""
import os
import struct
import sys


def deep_folder(root, depth):
    path = os.path.join(root, *(["a"] * depth))
    os.makedirs(path, exist_ok=True)
    return path


def one_pixel_bmp():
    pixels = b"\xff\xff\xff\x00"
    header = struct.pack("<IiiHHIIiiII", 40, 1, 1, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 54) + header + pixels


def write_plain(root):
    depth = 300
    deep_folder(root, depth)
    command = "A\\" * depth + "SETUP.EXE" + " /x" * 34
    lines = ["[autorun]", "label=Deep", "open=" + command]
    for verb in range(100):
        lines += [f"shell\\v{verb}=Verb {verb}", f"shell\\v{verb}\\command={command}"]
    write_menu(root, lines)


def write_skinned(root):
    depth = 450
    folder = deep_folder(root, depth)
    with open(os.path.join(folder, "b.bmp"), "wb") as picture:
        picture.write(one_pixel_bmp())
    with open(os.path.join(folder, "setup.sh"), "w") as program:
        program.write("#!/bin/sh\n")
    deep = "A\\" * depth
    lines = ["[MainForm]", "Width=640", "Height=480", "Background=" + deep + "B.BMP",
             "[OpenPosition]", "X=Center", "Y=Center",
             "[CloseBtn]", "X=0", "Y=0", "DefaultBtn=" + deep + "B.BMP",
             "[BtmMax]", "Num=1000"]
    for button in range(1, 1001):
        lines += [f"[Btn{button}]", f"X={button % 600}", f"Y={button // 600}",
                  "ExeFile=" + deep + "SETUP.SH", "DefaultBtn=" + deep + "B.BMP",
                  "CrossBtn=" + deep + "B.BMP"]
    write_menu(root, lines)


def write_menu(root, lines):
    with open(os.path.join(root, "Autorun.inf"), "w", newline="\r\n") as menu:
        menu.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    write_plain(os.path.join(sys.argv[1], "plain"))
    write_skinned(os.path.join(sys.argv[1], "skinned"))
