#!/usr/bin/env python3
"""Checks the help files of Zembra.

Every help_XX.html must exist, be UTF-8, declare <meta charset="utf-8">,
carry one <h1>, hold every required anchor (in the required order), and
every internal link (href="#...") must point to an anchor of the same file.
Exits with status 1 and lists every problem found, 0 when all is well.

Usage: check_help.py [folder]   (default: the folder of this script)
"""

import sys
from html.parser import HTMLParser
from pathlib import Path

LANGUAGES = ["en", "ru", "de", "fr", "es", "zh", "it", "cs", "ja", "ko"]

# In the order the sections appear in every file.
ANCHORS = [
    "contents",
    "rules", "cards", "dealing", "following", "marriages", "closing",
    "scoring", "match", "cycle",
    "table", "menu", "dealt", "playing", "dealover",
    "windows", "options", "speed", "generalscore", "topten", "history",
    "login", "about",
    "keys",
]


class HelpParser(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.anchors = []      # names and ids, in document order
        self.links = []        # internal link targets
        self.h1 = 0
        self.charset = None
        self.stack = []
        self.problems = []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "a" and a.get("name"):
            self.anchors.append(a["name"])
        if a.get("id"):
            self.anchors.append(a["id"])
        if tag == "a" and a.get("href", "").startswith("#"):
            self.links.append(a["href"][1:])
        if tag == "h1":
            self.h1 += 1
        if tag == "meta" and a.get("charset"):
            self.charset = a["charset"].lower()
        if tag not in ("meta", "br", "hr", "img", "link", "input", "col"):
            self.stack.append(tag)

    def handle_endtag(self, tag):
        if tag in ("meta", "br", "hr", "img", "link", "input", "col"):
            return
        if tag in self.stack:
            # Close the innermost open element of that name; anything left
            # open inside it was not closed.
            while self.stack:
                top = self.stack.pop()
                if top == tag:
                    break
                if top not in ("p", "li", "td", "th", "tr"):
                    self.problems.append(f"<{top}> not closed before </{tag}>")
        else:
            self.problems.append(f"</{tag}> without an opening tag")


def check_file(path):
    problems = []
    try:
        text = path.read_bytes().decode("utf-8")
    except FileNotFoundError:
        return [f"{path.name}: missing"]
    except UnicodeDecodeError as e:
        return [f"{path.name}: not UTF-8 ({e})"]

    p = HelpParser()
    p.feed(text)
    p.close()
    problems += [f"{path.name}: {x}" for x in p.problems]
    if p.charset != "utf-8":
        problems.append(f'{path.name}: no <meta charset="utf-8">')
    if p.h1 != 1:
        problems.append(f"{path.name}: {p.h1} <h1> headings, expected 1")

    seen = set()
    for name in p.anchors:
        if name in seen:
            problems.append(f"{path.name}: anchor '{name}' given twice")
        seen.add(name)
    for name in ANCHORS:
        if name not in seen:
            problems.append(f"{path.name}: anchor '{name}' missing")
    order = [n for n in p.anchors if n in ANCHORS]
    if not any("missing" in x for x in problems) and order != ANCHORS:
        problems.append(f"{path.name}: anchors out of order: {' '.join(order)}")
    for target in sorted(set(p.links)):
        if target not in seen:
            problems.append(f"{path.name}: link to '#{target}' has no anchor")
    # The contents must reach every section.
    for name in ANCHORS[1:]:
        if name not in p.links:
            problems.append(f"{path.name}: no link to '#{name}' (contents)")
    return problems


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    problems = []
    for lang in LANGUAGES:
        problems += check_file(folder / f"help_{lang}.html")
    if problems:
        print("\n".join(problems))
        print(f"{len(problems)} problem(s)")
        return 1
    print(f"{len(LANGUAGES)} help files, {len(ANCHORS)} anchors each: all present, all links resolve")
    return 0


if __name__ == "__main__":
    sys.exit(main())
