#!/usr/bin/env python3
"""Fills the German and French Linguist files from a translation table.

Usage: scripts/ts-fill.py TABLE.tsv
Each line of the table: context <TAB> source <TAB> German <TAB> French, and
for plural sources (%n) a fifth cell with the English forms. Plural cells hold
the forms separated by " | " (singular | plural). Only matching messages are touched; run the
lupdate target first so that new sources are in the .ts files.
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TS = {"en": ROOT / "resources/translations/uieditor_en.ts",
      "de": ROOT / "resources/translations/uieditor_de.ts",
      "fr": ROOT / "resources/translations/uieditor_fr.ts"}


def load_table(path):
    table = {}
    for number, line in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        cells = line.split("\t")
        if len(cells) not in (4, 5):
            sys.exit(f"{path}:{number}: expected 4 or 5 tab-separated cells, found {len(cells)}")
        context, source = cells[0], cells[1].replace("\\n", "\n")
        texts = {"de": cells[2], "fr": cells[3], "en": cells[4] if len(cells) == 5 else None}
        table[(context, source)] = {k: v.replace("\\n", "\n") if v else v for k, v in texts.items()}
    return table


def fill(language, table):
    tree = ET.parse(TS[language])
    filled = 0
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"))
            if key not in table:
                continue
            text = table[key][language]
            if text is None:
                continue  # English needs only the plural forms
            translation = message.find("translation")
            translation.attrib.pop("type", None)
            if message.get("numerus") == "yes":
                for child in list(translation):
                    translation.remove(child)
                translation.text = None
                for form in text.split(" | "):
                    ET.SubElement(translation, "numerusform").text = form
            else:
                translation.text = text
            filled += 1
    ET.indent(tree, space="    ")
    body = ET.tostring(tree.getroot(), encoding="unicode")
    TS[language].write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                            encoding="utf-8")
    return filled


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    table = load_table(sys.argv[1])
    for lang in ("en", "de", "fr"):
        print(f"{lang}: {fill(lang, table)} messages filled")
