#!/usr/bin/env python3
"""Reads a CSV export as a spreadsheet would (Python's csv module, RFC 4180
dialect) and checks it row by row against the tape the read_back scenario
writes, and against the saved tape file of the same tape.

   check_csv.py EXPORT.csv SAVED.tape LOCALE
"""
import csv
import sys

export, saved, locale = sys.argv[1:4]
comma = locale.startswith("de_")

# text, amount, operator, note; the engine's lines show the locale's decimal
# separator (marked True), a module's block always a full stop.
ROWS = [
    ("1234.5", "1234.5", "", "", True),
    ("+", "", "+", "", True),
    ("0.25", "0.25", "", "", True),
    ("x", "", "x", "", True),
    ("3", "3", "", "", True),
    ("= 3704.25", "3704.25", "=", 'paid, "in full"', True),
    ("0.02%", "0.02", "%", "", True),
    ("-", "", "-", "", True),
    ("1E+20", "1E20", "", "", True),
    ("/", "", "/", "", True),
    ("8", "8", "", "", True),
    ("= 0.1225", "0.1225", "=", "", True),
    ("1234567.891", "1234567.891", "", "", True),
    ("= 1234567.891", "1234567.891", "=", "", True),
    ("1/1234567.891", "1234567.891", "", "", True),
    ("= 8.100000067149E-7", "8.100000067149E-7", "=", "", True),
    ("4", "4", "", "", True),
    ("= 4", "4", "=", "", True),
    ("------ Profit/Loss ------", "", "", "", False),
    ("Cost ($): 80.00", "80.00", "", "", False),
    ("Selling Price ($): 100", "100", "", "", False),
    ("Profit Margin (%): 20", "20", "", "tab and  blanks", False),
]

problems = []


def expect(what, got, want):
    if got != want:
        problems.append(f"{locale}: {what}: got {got!r}, want {want!r}")


raw = open(export, "rb").read()
text = raw.decode("utf-8")  # fails the test when it is not UTF-8
expect("line ends", text.count("\r\n"), len(ROWS) + 1)
expect("bare line feeds", text.replace("\r\n", "").count("\n"), 0)

with open(export, newline="", encoding="utf-8") as f:
    rows = list(csv.reader(f, strict=True))
expect("header", rows[0] if rows else None, ["text", "amount", "operator", "note"])
expect("rows", len(rows) - 1, len(ROWS))
wanted = []
for line, amount, op, note, localized in ROWS:
    shown = line.replace(".", ",") if comma and localized else line
    wanted.append([shown, amount, op, note])
for i, (got, want) in enumerate(zip(rows[1:], wanted), start=1):
    expect(f"row {i}", got, want)
    if len(got) == 4 and got[1]:
        # A spreadsheet reads the amount as a number: plain C form.
        try:
            float(got[1])
        except ValueError:
            problems.append(f"{locale}: row {i}: amount {got[1]!r} is no number")
        if any(c in got[1] for c in " ,'\u00a0"):
            problems.append(f"{locale}: row {i}: amount {got[1]!r} is grouped")

# Fields are quoted only when they must be: each record is exactly its
# fields written so.
def minimal(field):
    if any(c in field for c in ',"\r\n'):
        return '"' + field.replace('"', '""') + '"'
    return field


for record in text.split("\r\n")[1:-1]:
    fields = next(csv.reader([record]))
    expect("quoting", record, ",".join(minimal(f) for f in fields))

# The saved tape holds the same lines and notes.
with open(saved, encoding="utf-8", newline="") as f:
    lines = f.read().split("\n")
expect("saved header", lines[0], "Tivorum tape, format 1")
expect("saved end", lines[-1], "")
saved_rows = [l.split("\t") for l in lines[1:-1]]
expect("saved", saved_rows, [[w[0], w[3]] if w[3] else [w[0]] for w in wanted])

for p in problems:
    print("read_back:", p)
sys.exit(1 if problems else 0)
