#!/usr/bin/python3
"""Writes the page's HTML shell: the title, the style sheet and the form's
markup as the page's own code prints them (PARTS, run with NODE), the
program's icon, and the font inside: Liberation Serif cut down to the
characters the page can show, under a family name of its own (the licence
reserves the name "Liberation" for the whole font), with the font's copyright
and licence in a comment.

make_shell.py TEMPLATE OUTPUT FONT COPYRIGHT FAMILY NODE PARTS ICON_SVG ICON_PNG SOURCE...
The characters are those of every string literal in the SOURCE files, and the
printable ASCII ones, which the publisher's address in the title may use."""

import base64
import io
import json
import re
import subprocess
import sys

from fontTools import subset
from fontTools.ttLib import TTFont


def characters(sources):
    shown = {chr(c) for c in range(0x20, 0x7F)}
    for source in sources:
        with open(source, encoding="utf-8") as file:
            for literal in re.findall(r'"((?:[^"\\\n]|\\.)*)"', file.read()):
                shown.update(literal)
    return "".join(sorted(shown))


def cut_font(path, text, family):
    font = TTFont(path)
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.hinting = False
    options.layout_features = ["kern", "liga"]
    try:
        import brotli  # noqa: F401 (WOFF2 needs it)
        options.flavor, kind = "woff2", "woff2"
    except ImportError:
        options.flavor, kind = "woff", "woff"
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 4, 16, 21):
            record.string = family
        elif record.nameID in (3, 6, 20):
            record.string = family.replace(" ", "") + "-Regular"
    out = io.BytesIO()
    font.flavor = options.flavor
    font.save(out)
    return kind, base64.b64encode(out.getvalue()).decode("ascii")


def notice(copyright_path):
    """The font's copyright lines and its licence, from Debian's copyright file."""
    lines, keep = [], False
    with open(copyright_path, encoding="utf-8") as file:
        for line in file:
            if line.startswith("Copyright:"):
                keep = True
                continue
            if keep and not line.startswith(" ") and not line.startswith("License: SIL"):
                break
            if keep:
                text = line.rstrip("\n")
                text = "" if text == " ." else text[1:] if text.startswith(" ") else text
                lines.append(text)
    return "\n".join(lines).replace("--", "- -")


def data_url(path, kind):
    with open(path, "rb") as file:
        return "data:%s;base64,%s" % (kind, base64.b64encode(file.read()).decode("ascii"))


def main():
    template, output, font_path, copyright_path, family, node, parts_js, svg, png, *sources = sys.argv[1:]
    parts = json.loads(subprocess.run([node, parts_js], check=True, capture_output=True, text=True,
                                      encoding="utf-8").stdout)
    if "</style" in parts["style"].lower():
        sys.exit("make_shell.py: the style sheet would end its own element")
    kind, data = cut_font(font_path, characters(sources), family)
    with open(template, encoding="utf-8") as file:
        page = file.read()
    face = '@font-face{font-family:"%s";src:url(data:font/%s;base64,%s) format("%s")}' % (family, kind, data, kind)
    # Each placeholder once, in turn, so that no text put in is read again
    # for a placeholder.
    values = {
        "@FONT_NOTICE@": notice(copyright_path),
        "@FONT_FACE@": face,
        "@FONT_FAMILY@": family,
        "@TITLE@": parts["title"],
        "@ICON_SVG@": data_url(svg, "image/svg+xml"),
        "@ICON_PNG@": data_url(png, "image/png"),
        "@STYLE@": parts["style"],
        "@BODY@": parts["body"],
    }
    page = re.sub("|".join(map(re.escape, values)), lambda match: values[match.group(0)], page)
    with open(output, "w", encoding="utf-8") as file:
        file.write(page)


if __name__ == "__main__":
    main()
