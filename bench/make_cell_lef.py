#!/usr/bin/env python3
"""Builds a large cell LEF for bench_lef_read from a real library.

    make_cell_lef.py LIBRARY.lef OUT.lef [--mb 100]

Everything before the library's first MACRO (the technology part) is written
once; the MACRO sections follow again and again, each copy renamed with a
suffix, until the output reaches the size asked for; END LIBRARY closes it.
"""
import argparse
import re
import sys

MACRO = re.compile(r"^\s*MACRO\s+(\S+)")


def split_library(text):
    """Returns the part before the first MACRO and the list of MACRO sections."""
    lines = text.splitlines(keepends=True)
    head, macros, current, name = [], [], None, None
    for line in lines:
        start = MACRO.match(line)
        if current is None:
            if start:
                current, name = [line], start.group(1)
            elif not re.match(r"^\s*END\s+LIBRARY\b", line):
                head.append(line)
            continue
        current.append(line)
        if re.match(r"^\s*END\s+" + re.escape(name) + r"\s*$", line):
            macros.append((name, "".join(current)))
            current = None
    return "".join(head), macros


def renamed(name, body, suffix):
    """The section with its MACRO and closing END names suffixed."""
    new = name + suffix
    body = re.sub(r"^(\s*MACRO\s+)" + re.escape(name) + r"\b", r"\g<1>" + new, body, count=1,
                  flags=re.M)
    return re.sub(r"^(\s*END\s+)" + re.escape(name) + r"(\s*)$", r"\g<1>" + new + r"\2", body,
                  flags=re.M)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("library")
    parser.add_argument("out")
    parser.add_argument("--mb", type=float, default=100.0, help="output size in MB")
    args = parser.parse_args()
    with open(args.library, encoding="utf-8", errors="surrogateescape") as f:
        head, macros = split_library(f.read())
    if not macros:
        sys.exit("no MACRO section in " + args.library)
    target = int(args.mb * 1e6)
    with open(args.out, "w", encoding="utf-8", errors="surrogateescape") as out:
        out.write(head)
        size, copy = len(head), 0
        while size < target:
            for name, body in macros:
                section = renamed(name, body, "_r%d" % copy)
                out.write(section)
                size += len(section)
            copy += 1
        out.write("END LIBRARY\n")
    print("%s: %d copies of %d macros, %.1f MB" % (args.out, copy, len(macros), size / 1e6))


if __name__ == "__main__":
    main()
