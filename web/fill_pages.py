#!/usr/bin/env python3
"""Writes each edition's index.html from the page template: its texts from the
table below and the sizes of the files the loader fetches.
Usage: fill_pages.py TEMPLATE SITE"""
import os
import sys

# The page's own texts in each edition; {0} and {1} are filled in by the loader.
TEXTS = {
    "en": {
        "TITLE": "Quobble Tuftwhirl",
        "LOADING": "Loading the game\u2026",
        "FULLSCREEN": "Full screen",
        "MEGABYTES": "{0} of {1} MB",
        "NO_WASM": "This browser cannot run the game: it has no WebAssembly. "
                   "Please open the page in a current browser.",
        "LOAD_FAILED": "The game could not be loaded ({0}). Please reload the page.",
        "STOPPED": "The game stopped with an error ({0}). Reload the page to start again; "
                   "your saved game is kept.",
    },
    "de": {
        "TITLE": "Quobble Tuftwhirl",
        "LOADING": "Das Spiel wird geladen\u2026",
        "FULLSCREEN": "Vollbild",
        "MEGABYTES": "{0} von {1} MB",
        "NO_WASM": "Dieser Browser kann das Spiel nicht ausf\u00fchren: ihm fehlt WebAssembly. "
                   "Bitte \u00f6ffne die Seite in einem aktuellen Browser.",
        "LOAD_FAILED": "Das Spiel konnte nicht geladen werden ({0}). Bitte lade die Seite neu.",
        "STOPPED": "Das Spiel wurde mit einem Fehler beendet ({0}). Lade die Seite neu, um neu "
                   "zu beginnen; dein Spielstand bleibt erhalten.",
    },
}


def main():
    template_path, site = sys.argv[1], sys.argv[2]
    with open(template_path, encoding="utf-8") as f:
        template = f.read()
    data_bytes = os.path.getsize(os.path.join(site, "gfx.data"))
    for lang, texts in TEXTS.items():
        fields = dict(texts)
        fields["LANG"] = lang
        fields["DATA_BYTES"] = str(data_bytes)
        fields["WASM_BYTES"] = str(os.path.getsize(os.path.join(site, lang, "hollowmere.wasm")))
        page = template
        for key, value in fields.items():
            page = page.replace("@" + key + "@", value.replace('"', "&quot;"))
        if "@" in page.replace("@media", ""):
            sys.exit("fill_pages.py: a field of the page template has no value")
        with open(os.path.join(site, lang, "index.html"), "w", encoding="utf-8") as f:
            f.write(page)


main()
