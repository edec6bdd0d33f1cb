#!/usr/bin/env python3
"""Writes the algebraic twin NAME.lp of every matrix-form model NAME.mat
in the given directories (default: tests/corpus, tests/corpus-wide and
examples), for the test that both forms of a model solve alike.

A twin lists every variable in the objective, in the matrix file's order
and with its coefficient even where that is 0, so that the algebraic reader
numbers the variables as the matrix file does; coefficients and right-hand
sides keep their text, which both readers convert alike. Models that the
algebraic form cannot state (names it does not accept, refused files) get
no twin. An existing twin is left as it is unless --force is given.

    tests/write_twins.py [--force] [directory ...]
"""
import pathlib
import re
import sys

NAME = re.compile(r"[A-Za-z][A-Za-z0-9.]{0,7}$")
NUMBER = re.compile(r"[+-]?(\d+\.?\d*|\.\d+)$")
RELATION = re.compile(r"[<=>]{1,2}$")
TERMS_PER_LINE = 8


def signed(text):
    return text if text[0] in "+-" else "+" + text


def expression(coefficients, names):
    terms = [signed(c) + n for c, n in zip(coefficients, names)]
    lines = [" ".join(terms[i:i + TERMS_PER_LINE]) for i in range(0, len(terms), TERMS_PER_LINE)]
    return "\n    ".join(lines)


def twin(words):
    """The algebraic text of a matrix-form model, or None."""
    if len(words) < 3 or words[0][:3].upper() not in ("MAX", "MIN"):
        return None
    if not (NAME.match(words[0]) and words[1].isdigit() and words[2].isdigit()):
        return None
    n, m = int(words[1]), int(words[2])
    if n == 0 or len(words) != 3 + n + (m + 1) * (1 + n) + 2 * m:
        return None
    names, pos = words[3:3 + n], 3 + n
    text, labels = [], set()
    for i in range(m + 1):
        label, coefficients = words[pos], words[pos + 1:pos + 1 + n]
        pos += 1 + n
        labels.add(label.upper())
        if not NAME.match(label) or not all(NUMBER.match(c) for c in coefficients):
            return None
        if i == 0:
            text.append(f"{words[0]} {label}) {expression(coefficients, names)}")
            continue
        relation, rhs = words[pos], words[pos + 1]
        pos += 2
        if not RELATION.match(relation) or not NUMBER.match(rhs) or rhs.startswith("-"):
            return None
        text.append(f"{label}) {expression(coefficients, names)} {relation} {rhs}")
    if not all(NAME.match(v) for v in names) or len(labels) != m + 1:
        return None
    return "\n".join(text) + "\n"


def main(args):
    force = "--force" in args
    dirs = [a for a in args if a != "--force"] or ["tests/corpus", "tests/corpus-wide", "examples"]
    for directory in dirs:
        for mat in sorted(pathlib.Path(directory).glob("*.mat")):
            lp = mat.with_suffix(".lp")
            text = twin(mat.read_text().split())
            if text is None or (lp.exists() and not force):
                continue
            lp.write_text(text)
            print(f"wrote {lp}")


if __name__ == "__main__":
    main(sys.argv[1:])
