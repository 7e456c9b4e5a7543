#!/usr/bin/env python3
"""Checks that the folders' #include lines point one way, from the top down.

Each product folder may include itself and the folders below it in LAYERS. The form's
own file slots (FORM_SLOTS), members of the form that live with the recorder's files,
may include what the form may. Prints each include that climbs and exits 1 if any does.
Run from anywhere: python3 tools/layers.py
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
# Bottom first.
LAYERS = ["images", "platform", "common", "app/preferences", "recorder_files", "card",
          "commandline", "editor", "app"]
FORM_SLOTS = {"recorder_files/configfile.cpp", "recorder_files/filecommands.cpp"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    """The deepest layer that holds path, or None outside the product."""
    best = None
    for layer in LAYERS:
        if path == layer or path.startswith(layer + "/"):
            if best is None or len(layer) > len(best):
                best = layer
    return best


def main():
    rank = {layer: i for i, layer in enumerate(LAYERS)}
    faults = 0
    for layer in LAYERS:
        for source in sorted((ROOT / layer).glob("*.[ch]*")):
            name = source.relative_to(ROOT).as_posix()
            own = "editor" if name in FORM_SLOTS else layer
            for included in INCLUDE.findall(source.read_text(errors="replace")):
                target = folder_of(included)
                if target is not None and rank[target] > rank[own]:
                    print(f"{name}: includes {included} ({target} is above {own})")
                    faults += 1
    print(f"layers: {faults} include(s) climbing" if faults else "layers: every include points down")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
