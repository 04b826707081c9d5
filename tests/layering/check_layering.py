#!/usr/bin/env python3
"""Checks that every source file includes only from the folders its own
folder may use, as layers.txt lists them.

    check_layering.py SOURCE_ROOT    checks the tree, exit status 1 on a fault
    check_layering.py --self-test    checks that the check finds faults
"""
import os
import pathlib
import re
import sys
import tempfile

SOURCES = {".c", ".cpp", ".h"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
HERE = pathlib.Path(__file__).resolve().parent


def read_table(path):
    table = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.split("#", 1)[0].strip()
        if line:
            folder, _, allowed = line.partition(":")
            table[folder.strip()] = set(allowed.split())
    return table


INCLUDE_DIRECTORIES = re.compile(r"target_include_directories\(([^)]*)\)", re.S)


def include_folders(root):
    """The folders the build adds to the include path, as its CMake files name them."""
    folders = []
    for listfile in sorted(root.rglob("CMakeLists.txt")):
        if any(part.startswith((".", "build")) for part in listfile.relative_to(root).parts):
            continue
        for call in INCLUDE_DIRECTORIES.findall(listfile.read_text(encoding="utf-8")):
            for word in call.split():
                word = word.replace("${PROJECT_SOURCE_DIR}", str(root))
                word = word.replace("${CMAKE_CURRENT_SOURCE_DIR}", str(listfile.parent))
                if pathlib.Path(word).is_absolute() and pathlib.Path(word).is_dir():
                    folders.append(pathlib.Path(word))
    return folders


def included_folder(root, folders, source, kind, name):
    """The top folder an include reaches, "qt" for Qt, None for the rest.
    Our own headers count however they are spelt, <...> or "...", and
    wherever the include path finds them."""
    bases = ([] if kind == "<" else [source.parent]) + [root] + folders
    for base in bases:
        target = base / name
        if target.is_file():
            return target.resolve().relative_to(root).parts[0]
    if kind == "<" and re.match(r"Qt|Q[A-Z]", name):
        return "qt"
    return None  # generated or from a package


def sources(root):
    """The source files below the top folders, build trees and hidden ones left out."""
    for directory, subdirectories, files in os.walk(root):
        subdirectories[:] = sorted(d for d in subdirectories if not d.startswith((".", "build")))
        if pathlib.Path(directory) != root:
            yield from (pathlib.Path(directory) / f for f in sorted(files) if pathlib.Path(f).suffix in SOURCES)


def faults(root, table):
    root = root.resolve()
    folders = include_folders(root)
    found = []
    for source in sources(root):
        relative = source.relative_to(root)
        folder = relative.parts[0]
        if folder not in table:
            found.append(f"{relative}: folder '{folder}' is not in the layer table")
            continue
        allowed = table[folder]
        for number, line in enumerate(source.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            reached = included_folder(root, folders, source, *match.groups())
            if reached in (None, folder) or "*" in allowed or reached in allowed:
                continue
            found.append(f"{relative}:{number}: '{folder}' may not include from '{reached}': {match.group(2)}")
    return found


def self_test():
    table = read_table(HERE / "layers.txt")
    cases = [
        ({"calendar/a.h": "", "casting/b.cpp": '#include "calendar/a.h"\n'}, 0),
        ({"casting/a.h": "", "calendar/b.cpp": '#include "casting/a.h"\n'}, 1),  # upward
        ({"calendar/b.cpp": "#include <QString>\n"}, 1),  # Qt in an engine
        ({"attic/b.cpp": "int x;\n"}, 1),  # unknown folder
        ({"calendar_control/a.h": "", "app/b.cpp": '#include "calendar_control/a.h"\n'}, 0),
        ({"casting/a.h": "", "calendar/b.cpp": "#include <casting/a.h>\n"}, 1),  # upward in angle brackets
        # upward through a folder the build puts on the include path
        ({"app/CMakeLists.txt": "target_include_directories(x PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})\n",
          "app/a.h": "", "cli/b.cpp": '#include "a.h"\n'}, 1),
    ]
    failed = 0
    for files, expected in cases:
        with tempfile.TemporaryDirectory() as directory:
            root = pathlib.Path(directory)
            for name, text in files.items():
                (root / name).parent.mkdir(parents=True, exist_ok=True)
                (root / name).write_text(text)
            if len(faults(root, table)) != expected:
                print(f"self-test: expected {expected} fault(s) for {sorted(files)}")
                failed += 1
    return failed


def main():
    if sys.argv[1:] == ["--self-test"]:
        return 1 if self_test() else 0
    found = faults(pathlib.Path(sys.argv[1]), read_table(HERE / "layers.txt"))
    for fault in found:
        print(fault)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
