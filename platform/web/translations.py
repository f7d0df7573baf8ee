#!/usr/bin/env python3
"""Writes the page's translations as C++ tables, from the same Qt .ts files the desktop's come
from: one table per language, of the texts a page shows (the command line's are left out).
Usage: translations.py OUTPUT.cpp FILE.ts..."""

import os
import sys
import xml.etree.ElementTree as ElementTree

SKIPPED_CONTEXTS = {"command line"}


def literal(text):
    escaped = "".join(c if c.isascii() and c.isprintable() and c not in '"\\?' else
                      "".join("\\%03o" % b for b in c.encode("utf-8")) for c in text)
    return '"' + escaped + '"'


def whole(element):
    """An element's text whole: lupdate writes a character XML cannot hold, the carriage return
    between a table's lines, as <byte value="xd"/>."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value")
            parts.append(chr(int(value[1:], 16) if value.startswith("x") else int(value)))
        parts.append(child.tail or "")
    return "".join(parts)


def entries(path):
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        if name in SKIPPED_CONTEXTS:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") or not whole(translation):
                continue
            yield name, whole(message.find("source")), whole(translation)


def main(output, files):
    lines = ["#include <iterator>", "", '#include "text/Translations.h"', "", "namespace platform::web {", "namespace {"]
    languages = []
    for index, path in enumerate(files):
        language = os.path.basename(path)[len("voltage-drop_"):-len(".ts")]
        languages.append((language, index))
        lines.append("constexpr Entry kEntries%d[] = {" % index)
        for context, source, translation in sorted(entries(path)):
            lines.append("    {%s, %s, %s}," % (literal(context), literal(source), literal(translation)))
        lines.append("};")
    lines += ["}  // namespace", "", "const Language kLanguages[] = {"]
    lines += ['    {"%s", kEntries%d, std::size(kEntries%d)},' % (name, i, i) for name, i in languages]
    lines += ["};", "const std::size_t kLanguageCount = std::size(kLanguages);", "",
              "}  // namespace platform::web", ""]
    with open(output, "w", encoding="utf-8") as out:
        out.write("\n".join(lines))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
