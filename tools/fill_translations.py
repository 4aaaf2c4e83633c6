#!/usr/bin/env python3
"""Fills the unfinished entries of translations/tessary_<language>.ts from a JSON table:
{"<source>": {"<language>": "<text>" or ["<form>", ...]}}, a list for an entry with plural forms
(one form per plural form of the language, in Qt's order). Entries the table lacks stay unfinished.

    fill_translations.py TABLE.json translations/"""
import html
import json
import re
import sys


def escaped(text):
    return html.escape(text, quote=False).replace("'", "&apos;").replace('"', "&quot;")


def fill(ts_path, language, table):
    with open(ts_path, encoding="utf-8") as f:
        text = f.read()
    filled = 0

    def replace(match):
        nonlocal filled
        source = html.unescape(match.group(1))
        wanted = table.get(source, {}).get(language)
        if wanted is None:
            return match.group(0)
        body = match.group(2)
        if "<numerusform>" in body:
            forms = wanted if isinstance(wanted, list) else [wanted]
            slots = body.count("<numerusform>")
            if len(forms) != slots:
                sys.exit("%s: %r needs %d plural forms, the table gives %d" % (ts_path, source, slots, len(forms)))
            inner = "".join("\n            <numerusform>%s</numerusform>" % escaped(f) for f in forms)
            translation = "<translation>%s\n        </translation>" % inner
        else:
            translation = "<translation>%s</translation>" % escaped(wanted)
        filled += 1
        return "<source>%s</source>\n        %s" % (match.group(1), translation)

    text = re.sub(r'<source>([^<]*)</source>\s*(<translation type="unfinished">.*?</translation>)', replace, text, flags=re.S)
    with open(ts_path, "w", encoding="utf-8") as f:
        f.write(text)
    return filled


def main():
    table_path, folder = sys.argv[1], sys.argv[2]
    with open(table_path, encoding="utf-8") as f:
        table = json.load(f)
    for language in ("en", "de", "fr", "it", "es", "nl", "pl", "pt_BR"):
        print(language, fill("%s/tessary_%s.ts" % (folder, language), language, table))


if __name__ == "__main__":
    main()
