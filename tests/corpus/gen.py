#!/usr/bin/env python3
"""The differential corpus: small matrix-form models and GLPK's answers.

    tests/corpus/gen.py           writes every NAME.mat and, from glpsol,
                                  its NAME.expect
    tests/corpus/gen.py --check   solves every NAME.mat with glpsol again
                                  and reports any NAME.expect that differs

NAME.expect holds one line: "OPTIMAL <objective>", "INFEASIBLE" or
"UNBOUNDED". The answers come from glpsol alone (primal simplex, no
presolver), given a CPLEX-LP translation of the .mat file; zep never
writes them. Models are drawn from fixed seeds, so a rerun writes the same
files. Coefficients are small integers and halves: models whose
coefficients span orders of magnitude belong elsewhere.
"""

import os
import random
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


class Model:
    def __init__(self, sense, nvars, obj):
        self.sense = sense
        self.names = ["X%d" % (j + 1) for j in range(nvars)]
        self.obj = obj
        self.rows = []  # (coefficients, relation, right-hand side)

    def add(self, coefs, rel, rhs):
        if rhs < 0:  # the matrix form takes non-negative right-hand sides only
            coefs = [-c for c in coefs]
            rel = {"<=": ">=", ">=": "<=", "=": "="}[rel]
            rhs = -rhs
        self.rows.append((list(coefs), rel, rhs))

    def added_columns(self):
        return sum(2 if rel == ">=" else 1 for _, rel, _ in self.rows)


def num(v):
    """The text of a coefficient: the same digits go to both solvers."""
    if float(v).is_integer():
        return "%d" % v
    return repr(float(v))


def mat_text(m):
    lines = ["%s %d %d" % (m.sense, len(m.names), len(m.rows)), " ".join(m.names),
             "OBJ " + " ".join(num(c) for c in m.obj)]
    for i, (coefs, rel, rhs) in enumerate(m.rows, start=1):
        lines.append("R%d %s %s %s" % (i, " ".join(num(c) for c in coefs), rel, num(rhs)))
    return "\n".join(lines) + "\n"


def read_mat(path):
    items = open(path).read().split()
    sense, n, k = items[0], int(items[1]), int(items[2])
    pos = 3 + n
    m = Model(sense, n, [float(x) for x in items[pos + 1:pos + 1 + n]])
    m.names = items[3:3 + n]
    pos += 1 + n
    for _ in range(k):
        coefs = [float(x) for x in items[pos + 1:pos + 1 + n]]
        m.rows.append((coefs, items[pos + 1 + n], float(items[pos + 2 + n])))
        pos += n + 3
    return m


def lp_terms(names, coefs):
    terms = ["%s %s %s" % ("-" if c < 0 else "+", num(abs(c)), x)
             for x, c in zip(names, coefs) if c != 0]
    return " ".join(terms) if terms else "0 %s" % names[0]


def lp_text(m):
    maximise = m.sense[:3].lower() == "max"
    names = m.names or ["DUMMY"]
    obj = m.obj or [0]
    lines = ["Maximize" if maximise else "Minimize", " obj: " + lp_terms(names, obj),
             "Subject To"]
    for i, (coefs, rel, rhs) in enumerate(m.rows, start=1):
        rel = {"<": "<=", ">": ">="}.get(rel[0], "=")
        lines.append(" R%d: %s %s %s" % (i, lp_terms(names, coefs), rel, num(rhs)))
    if not m.rows:
        lines.append(" NONE: 0 %s >= 0" % names[0])
    lines += ["Bounds"] + [" %s >= 0" % x for x in names] + ["End"]
    return "\n".join(lines) + "\n"


def glpsol(m):
    """GLPK's verdict on the model: the text of its .expect line."""
    with tempfile.TemporaryDirectory() as tmp:
        lp, sol = os.path.join(tmp, "m.lp"), os.path.join(tmp, "m.sol")
        open(lp, "w").write(lp_text(m))
        subprocess.run(["glpsol", "--lp", lp, "--nopresol", "-w", sol], check=True,
                       stdout=subprocess.DEVNULL)
        for line in open(sol):
            f = line.split()
            if f[:2] == ["s", "bas"]:
                primal, dual, obj = f[4], f[5], f[6]
                if primal == "f" and dual == "f":
                    return "OPTIMAL %s" % obj
                if primal == "n":
                    return "INFEASIBLE"
                if primal == "f" and dual == "n":
                    return "UNBOUNDED"
                raise RuntimeError("glpsol left the status %s %s" % (primal, dual))
    raise RuntimeError("glpsol wrote no solution line")


# Model families. Each takes a random generator and returns a Model.

def coef(rng, density, low=-5, high=9):
    return rng.randint(low, high) if rng.random() < density else 0


def dense_max(rng, n, k):
    """MAX with "<=" rows of non-negative coefficients: feasible at 0, bounded."""
    m = Model("MAX", n, [rng.randint(1, 9) for _ in range(n)])
    for _ in range(k):
        row = [rng.randint(0, 9) for _ in range(n)]
        row[rng.randrange(n)] = rng.randint(1, 9)
        m.add(row, "<=", rng.randint(5, 60))
    m.add([1] * n, "<=", 10 * n)  # every column bounded
    return m


def dense_min(rng, n, k):
    """MIN with ">=" rows: a diet-like model, positive costs."""
    m = Model("MIN", n, [rng.randint(1, 9) for _ in range(n)])
    for _ in range(k):
        row = [rng.randint(0, 6) for _ in range(n)]
        row[rng.randrange(n)] = rng.randint(1, 6)
        m.add(row, ">=", rng.randint(1, 30))
    return m


def around_point(rng, sense, n, k, density, rels, tight=0.5, low=-5):
    """Rows laid around a point x0 >= 0, so the model is feasible; a share
    of the inequalities pass through x0 (degenerate). rels is the list to
    draw each relation from, or, when it holds k relations, the relations
    of the k rows in order."""
    x0 = [rng.choice([0, 0, 1, 2, 3, 4]) for _ in range(n)]
    m = Model(sense, n, [coef(rng, 0.8, -6, 9) for _ in range(n)])
    for i in range(k):
        row = [coef(rng, density, low) for _ in range(n)]
        if not any(row):
            row[rng.randrange(n)] = rng.randint(1, 5)
        lhs = sum(a * x for a, x in zip(row, x0))
        rel = rels[i] if len(rels) == k else rng.choice(rels)
        gap = 0 if rng.random() < tight else rng.randint(1, 8)
        rhs = lhs + gap if rel == "<=" else lhs - gap if rel == ">=" else lhs
        m.add(row, rel, rhs)
    m.add([1] * n, "<=", sum(x0) + 5 * n)  # bounded whatever the costs
    return m


def redundant(rng, sense, n, k):
    """Equalities of which some are sums of others: phase 1 leaves an
    artificial variable basic at level 0."""
    rels = ["="] * 2 + [rng.choice(["<=", ">=", "="]) for _ in range(k - 2)]
    rng.shuffle(rels)
    m = around_point(rng, sense, n, k, 0.7, rels, tight=0.3)
    for _ in range(max(1, k // 3)):
        eqs = [r for r in m.rows if r[1] == "="]
        (ca, _, ba), (cb, _, bb) = rng.sample(eqs, 2)
        m.rows.insert(rng.randrange(len(m.rows) + 1),
                      ([x + y for x, y in zip(ca, cb)], "=", ba + bb))
    return m


def infeasible(rng, sense, n, k):
    """A feasible model with a contradictory pair of rows slipped in."""
    m = around_point(rng, sense, n, k, 0.6, ["<=", ">=", "="])
    row = [rng.randint(1, 4) for _ in range(n)]
    m.rows.insert(rng.randrange(len(m.rows) + 1), (row, "<=", 3))
    m.rows.insert(rng.randrange(len(m.rows) + 1), ([2 * c for c in row], ">=", 8))
    return m


def unbounded(rng, sense, n, k):
    """A column that improves the objective and that no row holds back."""
    m = dense_max(rng, n, k) if sense == "MAX" else dense_min(rng, n, k)
    free = rng.randrange(n)
    for coefs, rel, _ in m.rows:
        coefs[free] = -rng.randint(0, 3) if rel == "<=" else rng.randint(0, 3)
    m.obj[free] = 5 if sense == "MAX" else -5
    return m


def sparse_mixed(rng, sense, n, k):
    return around_point(rng, sense, n, k, 0.25, ["<=", ">=", "="], tight=0.4)


def beale():
    """Beale's example: the plain pricing and ratio rules cycle on it."""
    m = Model("MIN", 4, [-0.75, 20, -0.5, 6])
    m.add([0.25, -8, -1, 9], "<=", 0)
    m.add([0.5, -12, -0.5, 3], "<=", 0)
    m.add([0, 0, 1, 0], "<=", 1)
    return m


def artificial_left():
    """Phase 1 ends with the artificial of R1 basic at 0; X must stay 0."""
    m = Model("MAX", 1, [1])
    m.add([-1], "=", 0)
    m.add([1], "<=", 5)
    return m


def no_rows(sense, n):
    return Model(sense, n, [1] * n)


def corpus():
    """(name, model) pairs; each family draws from its own fixed seed."""
    out = [("beale", beale()), ("artificial-left", artificial_left()),
           ("norows-min-50", no_rows("MIN", 50)), ("norows-max-50", no_rows("MAX", 50))]
    for i in range(6):
        rng = random.Random(100 + i)
        n, k = rng.randint(2, 8), rng.randint(2, 8)
        out.append(("dense-max-%d" % i, dense_max(rng, n, k)))
        out.append(("dense-min-%d" % i, dense_min(rng, n, k)))
    for i in range(8):
        rng = random.Random(200 + i)
        sense = "MAX" if i % 2 else "MIN"
        n, k = rng.randint(3, 12), rng.randint(3, 12)
        out.append(("mixed-%s-%d" % (sense.lower(), i),
                    around_point(rng, sense, n, k, 0.6, ["<=", ">=", "="])))
        out.append(("sparse-%s-%d" % (sense.lower(), i), sparse_mixed(rng, sense, n, k)))
    for i in range(6):
        rng = random.Random(300 + i)
        sense = "MAX" if i % 2 else "MIN"
        n, k = rng.randint(4, 10), rng.randint(6, 12)
        out.append(("degenerate-%d" % i,
                    around_point(rng, sense, n, k, 0.7, ["<=", "<=", ">="], tight=0.9)))
        out.append(("redundant-%d" % i, redundant(rng, sense, n, k // 2 + 2)))
    for i in range(4):
        rng = random.Random(400 + i)
        sense = "MAX" if i % 2 else "MIN"
        n, k = rng.randint(2, 8), rng.randint(2, 8)
        out.append(("infeasible-%d" % i, infeasible(rng, sense, n, k)))
        out.append(("unbounded-%d" % i, unbounded(rng, sense, n, k)))
    # At the limits: 30 rows, 50 names (variables and added columns).
    rng = random.Random(500)
    out.append(("limit-30x20-le", dense_max(rng, 20, 29)))
    rng = random.Random(501)
    rels = ["="] * 4 + [">="] * 8 + ["<="] * 17
    rng.shuffle(rels)
    out.append(("limit-30-mixed", around_point(rng, "MIN", 12, 29, 0.5, rels, low=0)))
    rng = random.Random(502)
    rels = [">="] * 10 + ["<="] * 19
    rng.shuffle(rels)
    out.append(("limit-30-degenerate", around_point(rng, "MAX", 10, 29, 0.6, rels, tight=0.95, low=0)))
    return out


def check_limits(name, m):
    assert len(m.rows) <= 30, name
    assert len(m.names) + m.added_columns() <= 50, name


def write_all():
    for name, m in corpus():
        check_limits(name, m)
        mat = os.path.join(HERE, name + ".mat")
        open(mat, "w").write(mat_text(m))
        open(os.path.join(HERE, name + ".expect"), "w").write(glpsol(read_mat(mat)) + "\n")


def check_all():
    bad = 0
    for f in sorted(os.listdir(HERE)):
        if not f.endswith(".mat"):
            continue
        base = os.path.join(HERE, f[:-4])
        want = open(base + ".expect").read().strip()
        got = glpsol(read_mat(base + ".mat"))
        if got != want:
            print("%s: stored %s, glpsol now %s" % (f, want, got))
            bad += 1
    return bad


if __name__ == "__main__":
    if sys.argv[1:] == ["--check"]:
        sys.exit(1 if check_all() else 0)
    write_all()
