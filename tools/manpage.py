#!/usr/bin/env python3
"""Checks that the manual page and the program's --help name the same long options.

Every long option --help lists must be described in the manual page: it must head an item
(the line after .TP) of its OPTIONS section. And every long option the manual page names,
anywhere, must be one --help lists. Prints each option missing on either side and exits 1
if any is.
Run: python3 tools/manpage.py PROGRAM [MANUAL_PAGE]   (default data/plimo-configurator.1)
"""
import os
import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
HELP_OPTION = re.compile(r"^\s+(?:-\w, )?--([a-z][a-z0-9-]*)", re.MULTILINE)
# In roff a hyphen is written \- ; an option's name is letters, digits and hyphens.
ROFF_OPTION = re.compile(r"\\-\\-([a-z0-9]+(?:\\-[a-z0-9]+)*)")


def help_options(program):
    """The long options of the Options: part of program --help."""
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    with tempfile.TemporaryDirectory() as folder:  # nothing may land in the caller's folder
        text = subprocess.run([program, "--help"], cwd=folder, env=environment, check=True,
                              capture_output=True, text=True, timeout=30).stdout
    options = text.partition("\nOptions:\n")[2].partition("\nArguments:\n")[0]
    return set(HELP_OPTION.findall(options))


def page_options(page):
    """The options heading an item of the OPTIONS section, and every option named."""
    text = page.read_text()
    section = re.search(r"^\.SH OPTIONS\n(.*?)^\.SH ", text, re.MULTILINE | re.DOTALL)
    lines = section.group(1).splitlines() if section else []
    headings = [lines[i + 1] for i, line in enumerate(lines[:-1]) if line.startswith(".TP")]
    described = {name.replace("\\-", "-") for h in headings for name in ROFF_OPTION.findall(h)}
    named = {name.replace("\\-", "-") for name in ROFF_OPTION.findall(text)}
    return described, named


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    page = pathlib.Path(sys.argv[2]) if len(sys.argv) == 3 else ROOT / "data/plimo-configurator.1"
    listed = help_options(os.path.abspath(sys.argv[1]))
    described, named = page_options(page)
    faults = [f"--{o}: listed by --help, not described under OPTIONS of {page.name}"
              for o in sorted(listed - described)]
    faults += [f"--{o}: named in {page.name}, unknown to --help" for o in sorted(named - listed)]
    for fault in faults:
        print(fault)
    if not listed:
        faults.append("--help lists no long option")
        print(faults[-1])
    print(f"manpage: {len(faults)} option(s) out of step" if faults
          else f"manpage: the {len(listed)} long options of --help are the manual page's")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
