#!/usr/bin/env python3
"""Lists the pairs of floors of libs/ and apps/ that include each other.

A floor is a folder of a library (libs/<library>/<folder>, with its subfolders: rooms of one
floor may include each other) or a program (apps/<program>). Every header is known by its bare
file name (each folder is on the include path), so an include names the floor of the header.
Exits 1 when a pair includes each other, printing each pair with one include of each direction."""
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folders():
    owner = {}
    files = []
    for top in ("libs", "apps"):
        for base, _, names in os.walk(os.path.join(ROOT, top)):
            parts = os.path.relpath(base, ROOT).split(os.sep)
            folder = os.sep.join(parts[:3] if parts[0] == "libs" else parts[:2])
            for name in names:
                if name.endswith((".h", ".cpp")):
                    owner.setdefault(name, folder)
                    files.append((folder, os.path.join(base, name)))
    return owner, files


def main():
    owner, files = folders()
    edges = {}
    for folder, path in files:
        with open(path, encoding="utf-8") as handle:
            for name in INCLUDE.findall(handle.read()):
                target = owner.get(os.path.basename(name))
                if target and target != folder:
                    edges.setdefault((folder, target), f"{os.path.relpath(path, ROOT)} -> {name}")
    crossed = sorted({tuple(sorted(pair)) for pair in edges if (pair[1], pair[0]) in edges})
    for first, second in crossed:
        print(f"{first} <-> {second}")
        print(f"    {edges[(first, second)]}")
        print(f"    {edges[(second, first)]}")
    print(f"{len(crossed)} pairs of floors include each other")
    return 1 if crossed else 0


if __name__ == "__main__":
    sys.exit(main())
