#!/usr/bin/env python3
"""Proves the tests catch faults: applies each deliberate one-line mutation of
scripts/mutations.tsv to the engine, rebuilds, runs the whole test suite and
expects it to fail, then puts the line back.

    scripts/mutate.py [--build build/default] [--only ID[,ID...]] [--markdown]

Each row of the list: id, file, the exact original text (unique in its file),
the text that replaces it, and the fault it stands for. The sources are always
restored, also when the run is interrupted. Prints one line per mutation and,
with --markdown, the table kept in docs/testing.md.
"""
import argparse
import csv
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def load(path):
    rows = []
    with open(path, newline="", encoding="utf-8") as f:
        for row in csv.reader(f, delimiter="\t"):
            if not row or row[0].startswith("#"):
                continue
            ident, file, original, mutated, fault = row
            rows.append(dict(id=ident, file=file, original=original, mutated=mutated, fault=fault))
    return rows


def run(cmd, timeout=None):
    return subprocess.run(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout)


def build(build_dir):
    return run(["cmake", "--build", build_dir, "--parallel", "2"]).returncode == 0


def failed_tests(output):
    names = re.findall(r"^\s*\d+ - (\S+)", output, re.MULTILINE)
    return names


def try_mutation(row, build_dir):
    path = ROOT / row["file"]
    text = path.read_text(encoding="utf-8")
    if text.count(row["original"]) != 1:
        return "not applicable", "the original text is not unique in the file"
    try:
        path.write_text(text.replace(row["original"], row["mutated"], 1), encoding="utf-8")
        if not build(build_dir):
            return "does not build", ""
        try:
            result = run(["ctest", "--test-dir", build_dir, "-j2", "--timeout", "60"], timeout=3600)
        except subprocess.TimeoutExpired:
            return "caught", "the suite hung"
        if result.returncode == 0:
            return "SURVIVED", ""
        names = failed_tests(result.stdout)
        return "caught", ", ".join(names[:3]) + (" …" if len(names) > 3 else "")
    finally:
        path.write_text(text, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build/default")
    parser.add_argument("--list", default=str(ROOT / "scripts/mutations.tsv"))
    parser.add_argument("--only", default="")
    parser.add_argument("--markdown", action="store_true")
    args = parser.parse_args()

    rows = load(args.list)
    if args.only:
        wanted = set(args.only.split(","))
        rows = [r for r in rows if r["id"] in wanted]
    if not build(args.build):
        sys.exit("the unmutated tree does not build")
    results = []
    try:
        for row in rows:
            verdict, detail = try_mutation(row, args.build)
            results.append((row, verdict, detail))
            print(f"{row['id']:>3} {verdict:<14} {row['file']}: {row['fault']}  [{detail}]", flush=True)
    finally:
        build(args.build)
    if args.markdown:
        print("\n| # | File | Mutation | Fault | Result | First failing tests |")
        print("|---|---|---|---|---|---|")
        for row, verdict, detail in results:
            change = f"`{row['original']}` → `{row['mutated']}`".replace("|", "\\|")
            print(f"| {row['id']} | `{row['file']}` | {change} | {row['fault']} | {verdict} | {detail} |")
    survived = [r for r, v, _ in results if v != "caught"]
    sys.exit(1 if survived else 0)


if __name__ == "__main__":
    main()
