#!/usr/bin/env python3
"""Checks that every relative link of README.md and docs/*.md names a file that exists.

Links are Markdown links and pictures, [text](target) and ![text](target), and reference
definitions, [name]: target. A target with a #section must name a heading of that page too,
spelt as the repository host turns headings into anchors. Addresses with a scheme
(https:, mailto:) are not checked; nor is anything inside code. Prints each broken link
and exits 1 if any is.
Run from anywhere: python3 tools/doclinks.py
"""
import pathlib
import re
import sys
import urllib.parse

ROOT = pathlib.Path(__file__).resolve().parent.parent
FENCE = re.compile(r"^(```|~~~).*?^\1", re.MULTILINE | re.DOTALL)
CODE = re.compile(r"`[^`\n]*`")
INLINE = re.compile(r"!?\[[^\]]*\]\(\s*<?([^)\s>]+)>?(?:\s+\"[^\"]*\")?\s*\)")
REFERENCE = re.compile(r"^\s*\[[^\]]+\]:\s*<?(\S+?)>?(?:\s+\".*\")?\s*$", re.MULTILINE)
HEADING = re.compile(r"^#{1,6}\s+(.*?)\s*#*\s*$", re.MULTILINE)


def without_code(text):
    return CODE.sub("", FENCE.sub("", text))


def anchors(page):
    """The anchors of page's headings: lower case, punctuation dropped, blanks to '-'."""
    found = set()
    for heading in HEADING.findall(FENCE.sub("", page.read_text())):
        slug = re.sub(r"[^\w\- ]", "", heading.lower()).replace(" ", "-")
        number = 0
        while (f"{slug}-{number}" if number else slug) in found:  # a repeated heading
            number += 1
        found.add(f"{slug}-{number}" if number else slug)
    return found


def broken_links(page):
    text = without_code(page.read_text())
    for target in INLINE.findall(text) + REFERENCE.findall(text):
        if re.match(r"^[a-zA-Z][a-zA-Z0-9+.-]*:", target):
            continue
        path, _, section = target.partition("#")
        named = (page.parent / urllib.parse.unquote(path)).resolve() if path else page
        if not named.exists():
            yield f"{target}: no such file"
        elif section and named.suffix == ".md" and section not in anchors(named):
            yield f"{target}: no heading '{section}' in {named.relative_to(ROOT)}"


def main():
    pages = [ROOT / "README.md"] + sorted((ROOT / "docs").glob("*.md"))
    faults = 0
    for page in pages:
        for problem in broken_links(page):
            print(f"{page.relative_to(ROOT)}: {problem}")
            faults += 1
    print(f"doclinks: {faults} broken link(s)" if faults
          else f"doclinks: every link of {len(pages)} pages names a file that exists")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
