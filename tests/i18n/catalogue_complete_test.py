#!/usr/bin/env python3
"""The English catalogue translates every message that lupdate found in the sources.

  catalogue_complete_test.py LCONVERT CATALOGUE.ts

lconvert keeps, of the catalogue, only the messages that are neither translated nor obsolete;
there must be none, and the catalogue must hold messages at all (one that lupdate never filled
would pass for complete).
"""
import subprocess
import sys
import xml.etree.ElementTree as ElementTree


def messages(lconvert, catalogue, *options):
    out = subprocess.run([lconvert, "-i", catalogue, "-no-obsolete", *options],
                         check=True, capture_output=True).stdout
    return [(context.findtext("name"), message.findtext("source"))
            for context in ElementTree.fromstring(out).iter("context")
            for message in context.iter("message")]


def main(lconvert, catalogue):
    if not messages(lconvert, catalogue):
        print(f"{catalogue} holds no message: run the target update_translations")
        return 1
    left = messages(lconvert, catalogue, "-no-finished")
    for context, source in left:
        print(f"untranslated in {context}: {source!r}")
    if left:
        print(f"{len(left)} message(s) of {catalogue} have no English text")
    return 1 if left else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
