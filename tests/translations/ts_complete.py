#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every text of the program is translated in every shipped language.

Runs lupdate over the program's sources into copies of the .ts files (so a
text added to the code and not yet to a translation shows up), then fails on
any message left unfinished or empty, and on a translation whose placeholders
(%1, %2, %n) or line breaks differ from its English text: a translation that
drops %1 shows the user a sentence without its number.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d+|n)")


def text_of(element):
    """An element's text with the control characters lupdate writes as <byte value="xd"/>."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def translations(message):
    """The translation texts of a message (its plural forms, if any)."""
    translation = message.find("translation")
    forms = translation.findall("numerusform")
    texts = [text_of(form) for form in forms] if forms else [text_of(translation)]
    return translation, texts


def problems_of(path):
    found = []
    root = ET.parse(path).getroot()
    count = 0
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            count += 1
            source = text_of(message.find("source"))
            translation, texts = translations(message)
            where = "%s: %r" % (name, source)
            # A plural form may spell its number out ("one file").
            plural = {"%n"} if message.get("numerus") == "yes" else set()
            if translation.get("type") in ("unfinished", "vanished", "obsolete"):
                found.append("%s is %s" % (where, translation.get("type")))
                continue
            for text in texts:
                if not text.strip():
                    found.append("%s has an empty translation" % where)
                elif set(PLACEHOLDER.findall(text)) | plural != set(PLACEHOLDER.findall(source)) | plural:
                    found.append("%s: placeholders differ in %r" % (where, text))
                elif text.count("\r") != source.count("\r"):
                    found.append("%s: line breaks differ in %r" % (where, text))
    return count, found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True, help="file listing the sources, one per line")
    parser.add_argument("--root", required=True, help="the folder the sources' includes start from")
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()

    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for ts in args.ts:
            copy = os.path.join(scratch, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        update = subprocess.run([args.lupdate, "-silent", "-no-obsolete", "-locations", "none",
                                 "-I", args.root, "@" + args.sources, "-ts"] + copies, capture_output=True, text=True)
        if update.returncode != 0:
            print(update.stdout + update.stderr)
            return 1
        counts = set()
        for copy in copies:
            count, found = problems_of(copy)
            counts.add(count)
            print("%s: %d texts, %d problems" % (os.path.basename(copy), count, len(found)))
            for problem in found:
                print("  " + problem)
            failed = failed or bool(found) or count == 0
        if len(counts) > 1:
            print("the languages do not hold the same texts")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
