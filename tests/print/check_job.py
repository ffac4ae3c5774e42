#!/usr/bin/env python3
"""Reads a printed tape back from a PDF and compares it with the tape.

usage: check_job.py PDF EXPECTED MIN_PAGES

EXPECTED holds the tape lines the job should show, one a line (the runner's
"|" in front of each is dropped). Checks: every line, in order, nothing else
(a line wider than the paper may go on over the next printed lines); at least
MIN_PAGES pages, every page but the last as full as the first; no word
outside the page.
"""
import re
import subprocess
import sys
import unicodedata


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def squeeze(text):
    # NFKC: the PDF's font draws "fl" and "fi" as ligatures.
    return re.sub(r"\s+", "", unicodedata.normalize("NFKC", text))


def main():
    pdf, expected_file, min_pages = sys.argv[1], sys.argv[2], int(sys.argv[3])
    errors = []
    with open(expected_file, encoding="utf-8") as f:
        expected = [l.rstrip("\n")[1:] if l.startswith("|") else l.rstrip("\n") for l in f]
    # Blank tape lines leave no text behind.
    expected = [squeeze(l) for l in expected if squeeze(l)]

    pages = int(re.search(r"^Pages:\s+(\d+)", run("pdfinfo", pdf), re.M).group(1))
    printed = []
    per_page = []
    for page in range(1, pages + 1):
        # -raw: in drawing order, without joining a line ending in "-" to the next.
        text = run("pdftotext", "-raw", "-f", str(page), "-l", str(page), pdf, "-")
        lines = [squeeze(l) for l in text.split("\n") if squeeze(l)]
        per_page.append(len(lines))
        printed.extend(lines)

    if pages < min_pages:
        errors.append(f"{pages} page(s), expected at least {min_pages}")
    for n, count in enumerate(per_page[1:-1], start=2):
        if count != per_page[0]:
            errors.append(f"page {n} has {count} lines, page 1 has {per_page[0]}: not full")
    if len(per_page) > 1 and per_page[-1] > per_page[0]:
        errors.append(f"the last page has more lines ({per_page[-1]}) than page 1")

    i = 0
    for n, line in enumerate(expected, start=1):
        got = ""
        while i < len(printed) and len(got) < len(line) and line.startswith(got + printed[i]):
            got += printed[i]
            i += 1
        if got != line:
            shown = printed[i] if i < len(printed) else "(end of the job)"
            errors.append(f"tape line {n} {line!r}: printed {got or shown!r}")
            break
    else:
        if i < len(printed):
            errors.append(f"printed more than the tape: {printed[i]!r}")

    bbox = run("pdftotext", "-bbox", pdf, "-")
    for page in re.finditer(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', bbox, re.S):
        width = float(page.group(1))
        for word in re.finditer(r'<word xMin="([-\d.]+)" yMin="[-\d.]+" xMax="([-\d.]+)"[^>]*>([^<]*)<',
                                page.group(3)):
            if float(word.group(1)) < 0 or float(word.group(2)) > width:
                errors.append(f"{word.group(3)!r} runs over the edge of the page")

    for e in errors:
        print(f"{pdf}: {e}")
    print(f"{pdf}: {pages} page(s), lines per page {per_page}, {len(expected)} tape lines")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
