#!/usr/bin/python3
"""Brings translations/fyn_*.ts in step with the Slovak table and the dialog templates.

Every text is keyed by its id (string table) or by dialog and control ("102.3"). Run after
adding or changing a Slovak text:

    cmake --build --preset dev --target fyn-source-texts
    tools/update-translations.py

A new text enters each file as an unfinished, empty translation; a text whose Slovak source
changed keeps its old translation but becomes unfinished. lrelease leaves unfinished texts
out, so the completeness test (TestTranslations) names each one until a translator finishes
it, in Qt Linguist or by hand: fill in <translation> and drop type="unfinished". Keys that are
gone from the source are dropped.

    tools/update-translations.py --fill cs texts.json

sets finished translations from a JSON object {key: text}.
"""

import argparse
import json
import pathlib
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from xml.sax.saxutils import escape

ROOT = pathlib.Path(__file__).resolve().parent.parent
LANGUAGES = {"cs": "cs_CZ", "pl": "pl_PL", "fr": "fr_FR", "el": "el_GR", "tr": "tr_TR",
             "et": "et_EE", "en": "en_GB"}


def source_texts(dumper):
    output = subprocess.run([dumper], check=True, capture_output=True, text=True).stdout
    return [json.loads(line) for line in output.splitlines() if line]


def read_ts(path):
    """key -> (source, translation, finished)"""
    if not path.exists():
        return {}
    known = {}
    for message in ElementTree.parse(path).getroot().iter("message"):
        translation = message.find("translation")
        known[message.get("id")] = (
            message.findtext("source") or "",
            translation.text or "" if translation is not None else "",
            translation is not None and translation.get("type") != "unfinished")
    return known


def write_ts(path, language, sources, known):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             f'<TS version="2.1" language="{LANGUAGES[language]}" sourcelanguage="sk_SK">']
    context = None
    for text in sources:
        if text["context"] != context:
            if context is not None:
                lines.append("</context>")
            context = text["context"]
            lines += ["<context>", f"    <name>{escape(context)}</name>"]
        source, translation, finished = known.get(text["key"], ("", "", False))
        if source != text["source"]:
            finished = False
        mark = "" if finished and translation else ' type="unfinished"'
        lines += [f'    <message id="{escape(text["key"])}">',
                  f"        <source>{escape(text['source'])}</source>",
                  f"        <translation{mark}>{escape(translation)}</translation>",
                  "    </message>"]
    lines += ["</context>", "</TS>", ""]
    path.write_text("\n".join(lines), encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dumper", default=ROOT / "build/dev/tools/translations/fyn-source-texts")
    parser.add_argument("--fill", nargs=2, metavar=("LANGUAGE", "JSON"))
    arguments = parser.parse_args()
    sources = source_texts(arguments.dumper)
    keys = {text["key"] for text in sources}
    for language in LANGUAGES:
        path = ROOT / "translations" / f"fyn_{language}.ts"
        known = read_ts(path)
        if arguments.fill and arguments.fill[0] == language:
            filled = json.loads(pathlib.Path(arguments.fill[1]).read_text(encoding="utf-8"))
            by_key = {text["key"]: text["source"] for text in sources}
            for key, translation in filled.items():
                if key not in by_key:
                    sys.exit(f"{language}: no source text has the key {key}")
                known[key] = (by_key[key], translation, True)
        for gone in sorted(set(known) - keys):
            print(f"{path.name}: dropped {gone}")
        write_ts(path, language, sources, known)
        unfinished = sum(1 for text in sources
                         if not (known.get(text["key"], ("", "", False))[2]
                                 and known[text["key"]][0] == text["source"]))
        print(f"{path.name}: {len(sources) - unfinished} finished, {unfinished} unfinished")


if __name__ == "__main__":
    main()
