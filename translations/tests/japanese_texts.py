"""Fails when a source of the programs holds a Japanese text outside tr() and
its kin, where lupdate does not find it and a user of another language would
read it untranslated. Test sources are not read. Texts that are data, the
same in every language, are allowed by file below, each with its reason.

Usage: japanese_texts.py SOURCE_ROOT"""

import pathlib
import re
import sys

FOLDERS = ("common", "dayglass", "discgate")

DATA_FILES = {
    # The weekday marks of the section names of Calendar.ini.
    "dayglass/calendar/core/DaySection.cpp",
    # The names of the fonts that the design asks for and their stand-ins.
    "common/widgets/JapaneseFonts.cpp",
    # The geta mark, stored in Calendar.ini for a character Shift-JIS lacks.
    "dayglass/calendar/core/NoteImport.h",
    # The Japanese name of the login entry, beside its English one, as the
    # desktop files keep both.
    "dayglass/tray/core/AutostartEntry.cpp",
}

JAPANESE = re.compile("[\u3000-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]")
# The calls whose string arguments lupdate extracts.
TRANSLATING = re.compile(r"\b(?:tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP3?|QT_TR_N_NOOP)\s*$")
TOKEN = re.compile(
    r'//[^\n]*|/\*.*?\*/'                                    # comments
    r'|(?:u8|[uUL])?R"(?P<delimiter>[^(\s]*)\(.*?\)(?P=delimiter)"'  # raw strings
    r'|(?:u8|[uUL])?"(?:\\.|[^"\\\n])*"'                      # strings
    r"|'(?:\\.|[^'\\\n])*'"                                   # characters
    r"|[()]", re.S)


def untranslated_texts(code):
    """The Japanese string literals of `code` outside the parentheses of a
    translating call, with their lines."""
    depth_of_call = []  # the depths at which translating calls opened
    depth = 0
    for token in TOKEN.finditer(code):
        text = token.group(0)
        if text == "(":
            depth += 1
            if TRANSLATING.search(code[max(0, token.start() - 40):token.start()]):
                depth_of_call.append(depth)
        elif text == ")":
            if depth_of_call and depth_of_call[-1] == depth:
                depth_of_call.pop()
            depth -= 1
        elif text[0] in "\"'uUL8R" and not text.startswith(("//", "/*")):
            if JAPANESE.search(text) and not depth_of_call:
                yield code.count("\n", 0, token.start()) + 1, text


def main(root):
    root = pathlib.Path(root)
    faults = []
    for folder in FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            relative = path.relative_to(root).as_posix()
            if path.suffix not in (".cpp", ".h") or "tests" in path.relative_to(root).parts:
                continue
            if relative in DATA_FILES:
                continue
            code = path.read_text(encoding="utf-8")
            faults += [f"{relative}:{line}: {text}" for line, text in untranslated_texts(code)]
    for fault in faults:
        print(f"FAIL: a Japanese text outside tr(): {fault}")
    print(f"{len(faults)} Japanese texts outside tr()")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
