#!/usr/bin/env python3
"""Lists the tests that ctest skipped, each with the reason its output gave.

Usage: list-skipped.py JUNIT_FILE...   (files written by ctest --output-junit)
"""
import sys
import xml.etree.ElementTree as ElementTree


def reason_of(output):
    # A skipped test says why on a line of its own ("SKIP: ...", or
    # GoogleTest's and Qt Test's SKIP lines); the last such line is the reason.
    lines = [line.strip() for line in output.splitlines() if "SKIP" in line]
    return lines[-1] if lines else "(no reason given)"


skipped = []
for path in sys.argv[1:]:
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        if case.get("status") == "skipped" or case.find("skipped") is not None:
            output = case.findtext("system-out") or ""
            skipped.append(f"  {case.get('name')}: {reason_of(output)}")

if skipped:
    print(f"Skipped tests ({len(skipped)}):")
    print("\n".join(skipped))
else:
    print("No test was skipped.")
