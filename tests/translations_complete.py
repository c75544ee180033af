#!/usr/bin/env python3
"""Every shipped translation is finished and current: no unfinished, obsolete or
vanished message, every placeholder kept, and lupdate run on the code (into a
copy, the tree is left alone) finds no message the .ts files lack or keep in vain.
With --level-index, every name and hint of the pack's index is among the texts
the code hands to lupdate, so each level's card is translated too."""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:n|L?\d)")


def problems_of(ts_path):
    problems = []
    root = ET.parse(ts_path).getroot()
    forms = {"de": 2, "fr": 2, "es": 2}.get(root.get("language", "").split("_")[0])
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            where = f"{ts_path.name}: {name}: {source[:50]!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "obsolete", "vanished", "missing"):
                problems.append(f"{where}: {kind}")
                continue
            texts = ([f.text or "" for f in translation.iter("numerusform")]
                     if message.get("numerus") == "yes" else [translation.text or ""])
            if message.get("numerus") == "yes" and forms and len(texts) != forms:
                problems.append(f"{where}: {len(texts)} plural forms, not {forms}")
            for text in texts:
                if not text.strip():
                    problems.append(f"{where}: empty")
                elif sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
                    problems.append(f"{where}: placeholders {PLACEHOLDER.findall(text)} in {text[:50]!r}")
    return problems


def stale_after_lupdate(lupdate, sources, ts_files):
    """lupdate on a copy: messages it adds are new in the code, those it marks
    vanished are gone from it."""
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in ts_files:
            copy = pathlib.Path(scratch) / ts.name
            shutil.copy(ts, copy)
            run = subprocess.run([lupdate, "-silent", "-locations", "none", *map(str, sources), "-ts", str(copy)],
                                 capture_output=True, text=True)
            if run.returncode != 0:
                problems.append(f"{ts.name}: lupdate failed: {run.stderr.strip()}")
                continue
            problems += [p.replace(copy.name, ts.name) + " after lupdate" for p in problems_of(copy)]
    return problems


LEVEL_TEXT = re.compile(r'QT_TRANSLATE_NOOP\("Levels", "((?:[^"\\]|\\.)*)"\)')


def untranslatable_level_texts(index, sources):
    found = set()
    for source in sources:
        for path in (source.glob("*.cpp") if source.is_dir() else [source]):
            found |= {re.sub(r"\\(.)", r"\1", m) for m in LEVEL_TEXT.findall(path.read_text(encoding="utf-8"))}
    problems = []
    for line in index.read_text(encoding="utf-8").splitlines():
        if line.startswith("#") or not line.strip():
            continue
        for text in line.split("\t")[1:3]:
            if text not in found:
                problems.append(f"{index.name}: {text[:50]!r} is not in the code's texts: run tools/make_levels.py")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--translations", required=True, type=pathlib.Path)
    parser.add_argument("--level-index", type=pathlib.Path)
    parser.add_argument("sources", nargs="+", type=pathlib.Path)
    args = parser.parse_args()
    ts_files = sorted(args.translations.glob("*.ts"))
    if not ts_files:
        sys.exit(f"no .ts files in {args.translations}")
    problems = [p for ts in ts_files for p in problems_of(ts)]
    problems += stale_after_lupdate(args.lupdate, args.sources, ts_files)
    if args.level_index:
        problems += untranslatable_level_texts(args.level_index, args.sources)
    for problem in dict.fromkeys(problems):
        print(problem, file=sys.stderr)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
