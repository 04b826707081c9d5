#!/usr/bin/env python3
"""Every text the windows mark for translation has a finished, non-empty
translation in each committed .ts file, with the same %1..%n placeholders
(and %n in every plural form). The texts are found afresh by lupdate over
the sources, so a text added without its translations fails here.

usage: check_translations.py LUPDATE SOURCE_DIR TS_FILE...
"""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(\d+|n)")


def messages(ts):
    """{(context, source): (type, [translations], plural)} of a .ts file."""
    found = {}
    for context in ET.parse(ts).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            plural = message.get("numerus") == "yes"
            forms = [f.text or "" for f in translation.iter("numerusform")] if plural else [translation.text or ""]
            found[(context.findtext("name"), message.findtext("source"))] = (translation.get("type"), forms, plural)
    return found


def faults(asked, committed, label):
    out = []
    for (context, source), (_, _, plural) in asked.items():
        where = f"{label}: {context}: {source!r}"
        if (context, source) not in committed:
            out.append(f"{where}: missing")
            continue
        kind, forms, _ = committed[(context, source)]
        if kind is not None or not forms or any(not form.strip() for form in forms):
            out.append(f"{where}: not translated ({kind or 'empty'})")
            continue
        wanted = set(PLACEHOLDER.findall(source)) | ({"n"} if plural else set())
        for form in forms:
            if set(PLACEHOLDER.findall(form)) != wanted:
                out.append(f"{where}: {form!r} has placeholders {sorted(set(PLACEHOLDER.findall(form)))},"
                           f" wanted {sorted(wanted)}")
    return out


def main(lupdate, sources, *ts_files):
    with tempfile.TemporaryDirectory() as scratch:
        asked_file = Path(scratch) / "asked.ts"
        subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h", sources,
                        "-ts", str(asked_file)], check=True)
        asked = messages(asked_file)
    if not asked:
        print("lupdate found no text to translate")
        return 1
    found = [f for ts in ts_files for f in faults(asked, messages(ts), Path(ts).name)]
    print("\n".join(found) or f"{len(asked)} texts translated in {len(ts_files)} files")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
