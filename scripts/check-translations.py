#!/usr/bin/env python3
"""Checks the interface translations: every text translated, placeholders, accelerators and
rich-text tags kept. Prints one line per problem and exits 1 when there is any.
    scripts/check-translations.py [--lupdate LUPDATE --project JSON --lrelease LRELEASE]
                                  [resources/translations/Vellumo_de.ts ...]
Without files every translation is checked, the English one too: it gives every text, with the
misspelt source texts corrected and the plural forms written out. With --lupdate, copies of the
files are first brought up to date with the sources (lupdate's project file), so a text that no
file has yet counts as untranslated, and lrelease must compile each one without an unfinished
text."""
import collections
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d+|n|L\d+)")
TAG = re.compile(r"</?([a-zA-Z][a-zA-Z0-9]*)\b[^>]*>")
ACCEL = re.compile(r"&(?!&)(?![a-zA-Z]+;)(?=\S)")


def accelerators(text):
    return len(ACCEL.findall(text.replace("&&", "")))


def tags(text):
    return sorted(m.group(1).lower() for m in TAG.finditer(text))


def check(path):
    problems = []
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        keys = collections.defaultdict(list)
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            node = message.find("translation")
            where = f"{os.path.basename(path)}: {name}: {source[:60]!r}"
            if node is None:
                problems.append(f"{where}: no translation element")
                continue
            if node.get("type") in ("unfinished", "obsolete", "vanished"):
                problems.append(f"{where}: {node.get('type')}")
                continue
            forms = [f.text or "" for f in node.findall("numerusform")]
            texts = forms if message.get("numerus") == "yes" else [node.text or ""]
            for text in texts:
                if not text.strip():
                    problems.append(f"{where}: empty")
                    continue
                want = sorted(set(PLACEHOLDER.findall(source)))
                got = sorted(set(PLACEHOLDER.findall(text)))
                # A plural form may leave out %n (Arabic's "one" and "two" forms do).
                if message.get("numerus") == "yes":
                    want = [p for p in want if p != "%n"]
                    got = [p for p in got if p != "%n"]
                if want != got:
                    problems.append(f"{where}: placeholders {want} became {got}")
                if accelerators(source) != accelerators(text):
                    problems.append(f"{where}: accelerators {accelerators(source)} "
                                    f"became {accelerators(text)} in {text!r}")
                if tags(source) != tags(text):
                    problems.append(f"{where}: tags {tags(source)} became {tags(text)}")
                m = ACCEL.search(text.replace("&&", ""))
                if m:
                    keys[text.replace("&&", "")[m.end():m.end() + 1].lower()].append(text)
        for key, texts in keys.items():
            if len(texts) > 1:
                print(f"note: {os.path.basename(path)}: {name}: '&{key}' used by {texts}")
    return problems


def option(args, name):
    if name in args:
        i = args.index(name)
        value = args[i + 1]
        del args[i:i + 2]
        return value
    return None


def refreshed(files, lupdate, project, lrelease, folder):
    """Copies of the files brought up to date with the sources; the lrelease problems."""
    copies = [shutil.copy(f, folder) for f in files]
    subprocess.run([lupdate, "-project", project, "-ts", *copies, "-no-obsolete",
                    "-locations", "none", "-silent"], check=True, capture_output=True)
    problems = []
    for copy in copies:
        out = subprocess.run([lrelease, copy, "-qm", copy + ".qm"], check=True,
                             capture_output=True, text=True).stdout
        m = re.search(r"(\d+) unfinished", out)
        if m and int(m.group(1)) > 0:
            problems.append(f"{os.path.basename(copy)}: lrelease: {m.group(1)} unfinished")
    return copies, problems


def main():
    args = sys.argv[1:]
    lupdate = option(args, "--lupdate")
    project = option(args, "--project")
    lrelease = option(args, "--lrelease")
    here = os.path.dirname(os.path.abspath(__file__))
    files = args or sorted(
        glob.glob(os.path.join(here, "..", "resources", "translations", "*.ts")))
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        if lupdate:
            files, problems = refreshed(files, lupdate, project, lrelease, folder)
        for path in files:
            problems += check(path)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problem(s) in {len(files)} file(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
