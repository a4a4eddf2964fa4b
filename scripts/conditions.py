#!/usr/bin/env python3
"""Reads the branch counts of a coverage export (llvm-cov export -format=text)
of the content checks and names every condition that never holds or never
fails in the test suite and is not in the list of conditions that cannot.

Each operand of && and ||, and each if, is one condition. A condition is
named by its file, the function it stands in and its text, so the list keeps
when lines move; one that is never evaluated at all is "never reached":

    never holds|never fails|never reached | FILE | FUNCTION | CONDITION | why it cannot

Exit status: 0 when every condition both holds and fails somewhere or is
listed, 1 when one is not (or a line of the list names a condition that now
holds and fails, or that is gone), 2 when the input cannot be read.
"""
import json
import os
import re
import sys

WAYS = ("never holds", "never fails", "never reached")
DEFINITION = re.compile(r"^(?:[A-Za-z_][\w:<>,*& ]*\s)?[*&]?([A-Za-z_]\w*)\s*\(")


def function_at(lines, line):
    """The function whose definition stands nearest above `line` (1-based):
    the last line before it that opens a definition at the first column."""
    for k in range(line - 1, -1, -1):
        text = lines[k]
        if text[:1].isalpha() and not text.startswith(("namespace", "using", "constexpr")):
            m = DEFINITION.match(text)
            if m:
                return m.group(1)
    return "?"


def text_of(lines, l1, c1, l2, c2):
    """The source between two 1-based positions (end exclusive), blanks folded."""
    if l1 == l2:
        s = lines[l1 - 1][c1 - 1 : c2 - 1]
    else:
        s = lines[l1 - 1][c1 - 1 :] + " " + " ".join(lines[l1 : l2 - 1]) + " " + lines[l2 - 1][: c2 - 1]
    return " ".join(s.split())


def read_list(path):
    entries = {}
    with open(path, encoding="utf-8") as f:
        for n, raw in enumerate(f, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            parts = [p.strip() for p in line.split(" | ", 4)]
            if len(parts) != 5 or parts[0] not in WAYS or not parts[4]:
                sys.exit(f"{path}:{n}: want '{'|'.join(WAYS)} | FILE | FUNCTION | CONDITION | reason'")
            key = (parts[0], parts[1], parts[2], " ".join(parts[3].split()))
            if key in entries:
                sys.exit(f"{path}:{n}: listed twice")
            entries[key] = n
    return entries


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: conditions.py EXPORT.json LIST")
    export_path, list_path = sys.argv[1:]
    try:
        with open(export_path, encoding="utf-8") as f:
            export = json.load(f)
        listed = read_list(list_path)
    except (OSError, ValueError) as e:
        print(f"conditions: {e}", file=sys.stderr)
        return 2

    total = never_hold = never_fail = 0
    found = {}  # key -> [positions]
    sources = {}
    for entry in export["data"][0]["files"]:
        path = entry["filename"]
        if path not in sources:
            with open(path, encoding="utf-8") as f:
                sources[path] = f.read().split("\n")
        lines = sources[path]
        counts = {}  # region -> [holds, fails], summed over every copy of it
        for l1, c1, l2, c2, hold, fail, file_id, expanded, _kind in entry["branches"]:
            if file_id != 0 or expanded != 0:
                continue  # inside a macro expansion
            c = counts.setdefault((l1, c1, l2, c2), [0, 0])
            c[0] += hold
            c[1] += fail
        for (l1, c1, l2, c2), (hold, fail) in sorted(counts.items()):
            total += 1
            never_hold += hold == 0
            never_fail += fail == 0
            ways = [w for w, count in (("never holds", hold), ("never fails", fail)) if count == 0]
            if len(ways) == 2:
                ways = ["never reached"]  # never evaluated at all
            for way in ways:
                key = (way, os.path.basename(path), function_at(lines, l1), text_of(lines, l1, c1, l2, c2))
                found.setdefault(key, []).append(f"{os.path.relpath(path)}:{l1}:{c1}")

    print(f"conditions: {total}; never hold: {never_hold}; never fail: {never_fail}; listed: {len(listed)}")
    bad = 0
    for key in sorted(found, key=lambda k: found[k][0]):
        if key in listed:
            continue
        bad += 1
        way, _file, function, text = key
        for where in found[key]:
            print(f"{where}: {way} (in {function}): {text}")
    for key, n in sorted(listed.items(), key=lambda kv: kv[1]):
        if key not in found:
            bad += 1
            print(f"{list_path}:{n}: holds and fails now, or is gone: {' | '.join(key)}")
    if bad:
        print(f"conditions: {bad} not tested both ways and not listed with a reason")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
