"""Starts a program and reads its windows over the desktop's accessibility
bus (AT-SPI), as a screen reader does, then checks what it finds against
expectations given as regular expressions.

Usage: atspi_tree.py [NAME=VALUE...] PROGRAM_FILE [ARGUMENT...] -- EXPECTATION...

NAME=VALUE before the program are set in its environment alone, as env(1)
sets them.

Each expectation is "ROLE|NAME" or "ROLE|NAME|DESCRIPTION", where NAME and
DESCRIPTION are regular expressions matched against the whole text; it is met
when some showing node of the program has that role, name and description.
The expectation "no Japanese but|DATA" is met when no showing node has a
Japanese character in its name or description outside what the regular
expression DATA finds there (the user's notes, the medium's own labels).
The tree is printed for the log. Exit status 1 names the unmet expectations."""

import os
import re
import subprocess
import sys
import time

import pyatspi


def find_application(name, process, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and process.poll() is None:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name:
                return application
        time.sleep(0.2)
    return None


def start(command, environment, seconds, attempts=3):
    """Starts the program until it joins the bus. A program that ends at once,
    because the display turned it away while it was still starting up, is
    started again."""
    program = os.path.basename(command[0])
    for _ in range(attempts):
        process = subprocess.Popen(command, env=environment, stderr=subprocess.DEVNULL)
        application = find_application(program, process, seconds)
        if application is not None or process.poll() is None:
            return process, application
    return process, None


def showing_nodes(node, depth=0):
    yield depth, node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            yield from showing_nodes(child, depth + 1)


JAPANESE = re.compile("[\u3000-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]")


def speaks_japanese(entry, data):
    return any(JAPANESE.search(re.sub(data, "", text or "", flags=re.S)) for text in entry[1:])


def unmet_expectations(nodes, expectations):
    unmet = []
    for expectation in expectations:
        role, name, *description = expectation.split("|")
        if role == "no Japanese but":
            data = expectation.split("|", 1)[1]
            unmet += [f"{expectation}: {entry!r}" for _, entry in nodes
                      if speaks_japanese(entry, data)]
        elif not any(entry[0] == role and re.fullmatch(name, entry[1], re.S)
                   and (not description or re.fullmatch(description[0], entry[2], re.S))
                   for _, entry in nodes):
            unmet.append(expectation)
    return unmet


def main(command, expectations, seconds=15):
    environment = dict(os.environ)
    while command and re.fullmatch(r"[A-Za-z_][A-Za-z0-9_]*=.*", command[0], re.S):
        name, value = command.pop(0).split("=", 1)
        environment[name] = value
    program = os.path.basename(command[0])
    process, application = start(command, environment, seconds)
    try:
        if application is None:
            print(f"FAIL: {program} did not appear on the accessibility bus")
            return 1
        # The window fills in after the program has joined the bus.
        deadline = time.monotonic() + seconds
        while True:
            nodes = [(depth, (node.getRoleName(), node.name, node.description))
                     for depth, node in showing_nodes(application)]
            unmet = unmet_expectations(nodes, expectations)
            if not unmet or time.monotonic() > deadline:
                break
            time.sleep(0.3)
    finally:
        process.terminate()
        process.wait()
    for depth, entry in nodes:
        print("  " * depth + "%s %r %r" % entry)
    for expectation in unmet:
        print(f"FAIL: nothing read as {expectation}")
    return 1 if unmet else 0


if __name__ == "__main__":
    split = sys.argv.index("--")
    sys.exit(main(sys.argv[1:split], sys.argv[split + 1:]))
