#!/usr/bin/env python3
"""Generates matrix-form models whose coefficients span 0.001 to 10,000 and
stores beside each the answer of GLPK's exact simplex (glpsol --exact).

    generate.py --seed 5 --count 40 --dir tests/corpus-wide

writes NAME.mat and NAME.expect for each model; an answer is one line,
"OPTIMAL <objective>", "INFEASIBLE" or "UNBOUNDED". The same seed always
gives the same models. A model is drawn again where glpsol's ordinary
simplex disagrees with its exact one, or where glpsol's own point and duals
do not bear its answer out on the numbers as written (see certified).
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile
from decimal import Decimal
from fractions import Fraction

MAX_NAMES = 50


def wide_number(rng):
    """A decimal of one to three significant digits from 0.001 to 10,000."""
    while True:
        digits = rng.choice([1, 2, 3])
        mantissa = rng.randint(10 ** (digits - 1), 10**digits - 1)
        exponent = rng.randint(-3 - digits + 1, 4 - digits + 1)
        value = Decimal(mantissa).scaleb(exponent)
        if Decimal("0.001") <= value <= Decimal(10000):
            return value


def text(value):
    return format(value.normalize(), "f")


def relations(rng, m):
    return [rng.choices(["<=", ">=", "="], weights=[5, 3, 2])[0] for _ in range(m)]


def sizes(rng):
    while True:
        n = rng.randint(2, 12)
        m = rng.randint(2, 10) if rng.random() < 0.85 else rng.randint(11, 30)
        rels = relations(rng, m)
        added = sum(2 if r == ">=" else 1 for r in rels)
        if n + added <= MAX_NAMES:
            return n, m, rels


def model(rng):
    """One model, (sense, names, objective, rows), a row being
    (coefficients, relation, right-hand side), all as Decimals; and the
    point the rows were laid around."""
    n, m, rels = sizes(rng)
    density = rng.uniform(0.4, 1.0)
    sense = rng.choice(["MIN", "MAX"])
    objective = []
    for _ in range(n):
        c = wide_number(rng) if rng.random() < 0.9 else Decimal(0)
        objective.append(c if rng.random() < 0.6 else -c)
    # A point of one decimal: a row through it has a right-hand side of at
    # most 15 digits, which the file holds exactly, so the point satisfies
    # the rows through it exactly as written.
    point = [Decimal(rng.randint(1, 1000)).scaleb(-1) if rng.random() < 0.7 else Decimal(0)
             for _ in range(n)]
    from_point = rng.random() < 0.8
    rows = []
    for rel in rels:
        coefs = []
        for _ in range(n):
            a = wide_number(rng) if rng.random() < density else Decimal(0)
            coefs.append(a if rng.random() < 0.85 else -a)
        if all(a == 0 for a in coefs):
            coefs[rng.randrange(n)] = wide_number(rng)
        level = sum(a * x for a, x in zip(coefs, point))
        if from_point and level < 0 and rel != "<=":
            coefs = [-a for a in coefs]
            level = -level
        if from_point and level >= 0:
            rhs = level
            if rel == "<=":
                rhs += wide_number(rng) if rng.random() < 0.5 else 0
            elif rel == ">=" and rhs > 0:
                rhs = max(Decimal(0), rhs - wide_number(rng))
        else:
            rhs = wide_number(rng)
        rows.append((coefs, rel, rhs))
    return (sense, [f"X{j + 1}" for j in range(n)], objective, rows), point


def write_mat(path, sense, names, objective, rows):
    with open(path, "w") as f:
        f.write(f"{sense} {len(names)} {len(rows)}\n")
        f.write(" ".join(names) + "\n")
        f.write("COST " + " ".join(text(c) for c in objective) + "\n")
        for i, (coefs, rel, rhs) in enumerate(rows, 1):
            f.write(f"C{i} " + " ".join(text(a) for a in coefs) + f" {rel} {text(rhs)}\n")


def term(a, name):
    return f" {'-' if a < 0 else '+'} {text(abs(a))} {name}"


# Every variable appears in the objective, zero or not, so that glpsol
# numbers the columns in the order of the names.
def write_lp(path, sense, names, objective, rows):
    with open(path, "w") as f:
        f.write(("Maximize" if sense == "MAX" else "Minimize") + "\n obj:")
        f.write("".join(term(c, x) for c, x in zip(objective, names)) + "\n")
        f.write("Subject To\n")
        for i, (coefs, rel, rhs) in enumerate(rows, 1):
            lhs = "".join(term(a, x) for a, x in zip(coefs, names) if a != 0)
            f.write(f" c{i}:{lhs} {rel} {text(rhs)}\n")
        f.write("End\n")


def glpsol(lp_path, *options):
    """glpsol's answer, read from its solution file, with its point and its
    duals: (answer, values, row duals). The answer is None when glpsol
    found none (a status other than optimal, infeasible or unbounded)."""
    with tempfile.TemporaryDirectory() as tmp:
        sol = os.path.join(tmp, "sol")
        subprocess.run(["glpsol", "--lp", lp_path, *options, "-w", sol],
                       check=True, stdout=subprocess.DEVNULL)
        answer, values, duals = None, [], []
        with open(sol) as f:
            for line in f:
                fields = line.split()
                if fields and fields[0] == "s":
                    status = fields[4] + fields[5]
                    if status == "ff":
                        answer = f"OPTIMAL {fields[6]}"
                    elif status[0] == "n":
                        answer = "INFEASIBLE"
                    elif status == "fn":
                        answer = "UNBOUNDED"
                elif fields and fields[0] == "i":
                    duals.append(Fraction(fields[4]))
                elif fields and fields[0] == "j":
                    values.append(Fraction(fields[3]))
        return answer, values, duals


def same(a, b):
    if a is None or b is None:
        return False
    a, b = a.split(), b.split()
    if a[0] != b[0]:
        return False
    if a[0] != "OPTIMAL":
        return True
    x, y = float(a[1]), float(b[1])
    return abs(x - y) <= 1e-6 * max(1.0, abs(y))


CERTIFICATE_TOLERANCE = Fraction(1, 10**9)


def within(residual, size):
    return abs(residual) <= CERTIFICATE_TOLERANCE * size


def rows_hold(rows, x):
    """x >= 0 satisfies every row of the model as written."""
    largest = max([abs(v) for v in x] + [Fraction(0)])
    if any(v < -CERTIFICATE_TOLERANCE * largest for v in x):
        return False
    for coefs, rel, rhs in rows:
        terms = [Fraction(a) * v for a, v in zip(coefs, x)]
        lhs, size = sum(terms), sum(abs(t) for t in terms) + abs(Fraction(rhs))
        gap = lhs - Fraction(rhs)
        if not (within(gap, size) or (rel == "<=" and gap < 0) or (rel == ">=" and gap > 0)):
            return False
    return True


def duals_hold(sense, objective, rows, duals):
    """glpsol's row duals price every column and every row with the sign
    of an optimum."""
    sign = 1 if sense == "MIN" else -1
    largest = max([abs(y) for y in duals] + [Fraction(0)])
    for (_, rel, _), y in zip(rows, duals):
        if rel == "<=" and sign * y > CERTIFICATE_TOLERANCE * largest:
            return False
        if rel == ">=" and sign * y < -CERTIFICATE_TOLERANCE * largest:
            return False
    for j, c in enumerate(objective):
        terms = [Fraction(c)] + [-y * Fraction(coefs[j]) for (coefs, _, _), y in zip(rows, duals)]
        reduced, size = sum(terms), sum(abs(t) for t in terms)
        if sign * reduced < 0 and not within(reduced, size):
            return False
    return True


def rows_hold_exactly(rows, x):
    for coefs, rel, rhs in rows:
        lhs = sum(a * v for a, v in zip(coefs, x))
        if (rel == "<=" and lhs > rhs) or (rel == ">=" and lhs < rhs) or (rel == "=" and lhs != rhs):
            return False
    return True


def certified(parts, point, answer, values, duals):
    """glpsol reads the numbers in binary and decides with tolerances, so
    on a model within rounding of another answer its verdict may not hold
    for the numbers as written. Its answer is kept only where its own
    point and duals bear it out in decimal, and an infeasible verdict only
    where the point the model was built around breaks some row."""
    sense, _, objective, rows = parts
    if answer.startswith("OPTIMAL"):
        return rows_hold(rows, values) and duals_hold(sense, objective, rows, duals)
    if answer == "INFEASIBLE":
        return not rows_hold_exactly(rows, point)
    return True


def oracle(parts, point):
    """The answer of glpsol's exact simplex, or None where the model has no
    answer to test: glpsol's ordinary simplex disagrees, or glpsol's own
    certificate fails on the model as written."""
    with tempfile.NamedTemporaryFile("w", suffix=".lp", delete=False) as lp:
        lp_path = lp.name
    try:
        write_lp(lp_path, *parts)
        answer, values, duals = glpsol(lp_path, "--exact")
        ordinary = glpsol(lp_path, "--nopresol")[0]
        if not same(answer, ordinary) or not certified(parts, point, answer, values, duals):
            return None
        return answer
    finally:
        os.unlink(lp_path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--count", type=int, default=40)
    parser.add_argument("--dir", required=True)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    os.makedirs(args.dir, exist_ok=True)
    k = 0
    while k < args.count:
        parts, point = model(rng)
        answer = oracle(parts, point)
        if answer is None:
            continue
        k += 1
        name = os.path.join(args.dir, f"wide-{k:03d}")
        write_mat(name + ".mat", *parts)
        with open(name + ".expect", "w") as f:
            f.write(answer + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
