#!/usr/bin/env python3
# Zubrik: cuts the game's web font down to the characters its windows and boxes show.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
"""Usage: subset_font.py FONT.ttc FAMILY OUT.woff2 SOURCE...

Keeps printable ASCII and every other character written in the sources (the
designs, the game's texts, the page's own), from the face of the collection
whose family is FAMILY. The same sources give the same bytes."""

import sys

from fontTools import subset
from fontTools.ttLib import TTCollection


def characters(paths):
    shown = {chr(c) for c in range(0x20, 0x7F)}
    for path in paths:
        with open(path, encoding="utf-8") as source:
            shown.update(c for c in source.read() if ord(c) > 0x7F)
    return shown


def face_number(collection_path, family):
    collection = TTCollection(collection_path, lazy=True)
    for number, face in enumerate(collection.fonts):
        if face["name"].getDebugName(1) == family:
            return number
    sys.exit(f"subset_font.py: no face named {family!r} in {collection_path}")


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    font_path, family, out_path, *sources = sys.argv[1:]
    options = subset.Options()
    options.flavor = "woff2"
    options.font_number = face_number(font_path, family)
    # Copyright, licence and its address travel with the font, as its licence asks.
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    options.layout_features = ["kern", "palt", "vert", "liga"]
    options.hinting = False
    options.recalc_timestamp = False
    font = subset.load_font(font_path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(sorted(characters(sources))))
    subsetter.subset(font)
    subset.save_font(font, out_path, options)


if __name__ == "__main__":
    main()
