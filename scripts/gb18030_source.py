#!/usr/bin/env python3
"""Write a UTF-8 C++ source transcoded to GB18030.

For compilers whose only execution character set is UTF-8 (clang): they keep
the bytes of a string literal as they are, so the transcoded source gives the
GBK literals gcc makes with -fexec-charset=GB18030. A character whose bytes
hold a backslash is refused: the compiler would read it as an escape, or at
the end of a comment as a line continuation.

Usage: gb18030_source.py INPUT.cpp OUTPUT.cpp
"""
import os
import sys


def main():
    source, output = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    for number, line in enumerate(text.splitlines(), 1):
        for c in line:
            if ord(c) > 0x7F and b"\\" in c.encode("gb18030"):
                sys.exit(f"{source}:{number}: {c} has a backslash among its GB18030 bytes")
    os.makedirs(os.path.dirname(output), exist_ok=True)
    with open(output, "wb") as f:
        f.write(text.encode("gb18030"))


if __name__ == "__main__":
    main()
