#!/usr/bin/env python3
"""Lists the tests that were skipped, each with the reason its output gave:
whole ctest tests that ended as skipped, and single cases that a Qt Test
program skipped while the program as a whole passed.

Usage: list-skipped.py JUNIT_FILE...   (files written by ctest --output-junit)
"""
import sys
import xml.etree.ElementTree as ElementTree


def reason_of(output):
    # A skipped test says why on a line of its own ("SKIP: ...", or
    # GoogleTest's and Qt Test's SKIP lines); the last such line is the reason.
    lines = [line.strip() for line in output.splitlines() if "SKIP" in line]
    return lines[-1] if lines else "(no reason given)"


def skipped_cases(output):
    # Qt Test reports a skipped case as "SKIP   : Class::case() reason".
    return [line.strip() for line in output.splitlines() if line.startswith("SKIP   :")]


skipped = []
for path in sys.argv[1:]:
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        output = case.findtext("system-out") or ""
        if case.get("status") == "skipped" or case.find("skipped") is not None:
            skipped.append(f"  {case.get('name')}: {reason_of(output)}")
        else:
            skipped += [f"  {case.get('name')}: {line}" for line in skipped_cases(output)]

if skipped:
    print(f"Skipped tests ({len(skipped)}):")
    print("\n".join(skipped))
else:
    print("No test was skipped.")
