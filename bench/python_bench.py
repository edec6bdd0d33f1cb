"""zep through its Python module, side by side in one run with the C++
library and with scipy.optimize.linprog(method="highs"), on the benchmark
models; then the throughput of python/examples/many_models.py on 2 threads
and 2 processes.

    python3 bench/python_bench.py [BUILD-DIR]     (default build/release)
    python3 bench/python_bench.py --instructions [BUILD-DIR]

The second counts instead, under valgrind's callgrind, the instructions of one
solve through each of zep::solve and zep.solve (runs of 241 solves less runs
of 41, over 200, after an uncounted import, so that what the first solves pay
once is left out; the interpreter with a fixed hash seed, so that its start
costs the same each time), which the machine's load does not change.

Needs the build's zep_bench_models_write (Google Benchmark and GLPK
installed) and zep_api_time, and its Python module (python3-pybind11).
Each time is the median over 15 batches of the CPU time per solve of a batch
(CPU time, as the machine is shared); the solvers take turns batch by
batch, so that a spell of load falls on all of them. The module is timed
twice: with zep-solve's report, as the C++ call makes it, and with
report=False, the numbers alone (proven all the same), as linprog gives
them. The throughputs are wall-clock. The load average is printed before
and after.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
COUNT_INSTRUCTIONS = "--instructions" in sys.argv[1:]
ARGS = [a for a in sys.argv[1:] if a != "--instructions"]
BUILD = Path(ARGS[0] if ARGS else ROOT / "build" / "release").resolve()
sys.path[:0] = [str(BUILD / "python"), str(ROOT / "python" / "examples")]

import numpy as np  # noqa: E402
from scipy.optimize import linprog  # noqa: E402

import many_models  # noqa: E402
import zep  # noqa: E402

BATCHES = 15


def batch_time(solve, model, solves):
    """CPU microseconds per solve of one batch."""
    start = time.process_time()
    for _ in range(solves):
        solve(model)
    return (time.process_time() - start) / solves * 1e6


def solves_for(seconds, solve, model):
    """How many solves make a batch of about that many seconds."""
    start = time.process_time()
    for _ in range(10):
        solve(model)
    return max(1, int(seconds / max((time.process_time() - start) / 10, 1e-7)))


def numbers_only(model):
    """zep's answer without its report text, as linprog gives none."""
    return zep.solve(model, report=False)


def linprog_arrays(model):
    """The model as linprog takes it: minimise c x, A_ub x <= b_ub, A_eq x = b_eq, x >= 0."""
    sign = -1.0 if model.sense == zep.Sense.maximize else 1.0
    ub, b_ub, eq, b_eq = [], [], [], []
    for c in model.constraints:
        if c.relation == zep.Relation.equal:
            eq.append(c.coefficients)
            b_eq.append(c.rhs)
        else:
            flip = 1.0 if c.relation == zep.Relation.less_equal else -1.0
            ub.append([flip * a for a in c.coefficients])
            b_ub.append(flip * c.rhs)
    arrays = dict(c=sign * np.array(model.objective), method="highs")
    if ub:
        arrays.update(A_ub=np.array(ub), b_ub=np.array(b_ub))
    if eq:
        arrays.update(A_eq=np.array(eq), b_eq=np.array(b_eq))
    return sign, arrays


def cpp_batch_time(path, solves):
    """CPU microseconds per solve of one batch of zep::solve, and its objective."""
    out = subprocess.run([str(BUILD / "bench" / "zep_api_time"), "1", str(solves), str(path)],
                         check=True, capture_output=True, text=True).stdout.split()
    return float(out[1]), float(out[2])


def instructions(command):
    """Instructions callgrind counts for a command."""
    with tempfile.NamedTemporaryFile() as out:
        log = subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out.name}",
                              *map(str, command)], check=True, capture_output=True, text=True,
                             env={"PYTHONPATH": str(BUILD / "python"), "PYTHONHASHSEED": "0"}).stderr
    return int(log.split("Collected :")[1].split()[0])


def per_solve_instructions(command_for):
    return (instructions(command_for(241)) - instructions(command_for(41))) / 200


SOLVE_N = "import sys, zep\nm = zep.read_model(open(sys.argv[1], 'rb').read())\n" \
          "for _ in range(int(sys.argv[2])): zep.solve(m)\n"


def count_instructions(tmp, names):
    print("| model | C++ zep::solve (instructions) | module zep.solve (instructions) "
          "| module/C++ |")
    print("|---|---|---|---|")
    # An import first, uncounted: the first after a build writes the
    # package's compiled files, which would fall on the first count.
    subprocess.run([sys.executable, "-c", "import zep"], check=True,
                   env={"PYTHONPATH": str(BUILD / "python")})
    for name in names:
        path = Path(tmp) / f"{name}.mat"
        cpp = per_solve_instructions(lambda n: [BUILD / "bench" / "zep_api_time", 1, n, path])
        module = per_solve_instructions(lambda n: [sys.executable, "-c", SOLVE_N, path, n])
        print(f"| {name} | {cpp:,.0f} | {module:,.0f} | {module / cpp:.3f} |")


def load():
    return "load average {:.1f} {:.1f} {:.1f}".format(*os.getloadavg())


def main():
    rows = []
    with tempfile.TemporaryDirectory() as tmp:
        names = subprocess.run([str(BUILD / "bench" / "zep_bench_models_write"), tmp], check=True,
                               capture_output=True, text=True).stdout.split()
        if COUNT_INSTRUCTIONS:
            count_instructions(tmp, names)
            return
        print(f"Before: {load()}")
        for name in names:
            path = Path(tmp) / f"{name}.mat"
            model = zep.read_model(path.read_bytes())
            answer = zep.solve(model)
            sign, arrays = linprog_arrays(model)
            result = linprog(**arrays)
            if abs(sign * result.fun - answer.objective) > 1e-6 * max(1.0, abs(answer.objective)):
                raise SystemExit(f"{name}: zep {answer.objective}, linprog {sign * result.fun}")
            solves = solves_for(0.02, zep.solve, model)
            cpp, module, numbers, scipy = [], [], [], []
            for _ in range(BATCHES):
                took, objective = cpp_batch_time(path, solves)
                if objective != answer.objective:
                    raise SystemExit(f"{name}: the C++ library gave {objective}")
                cpp.append(took)
                module.append(batch_time(zep.solve, model, solves))
                numbers.append(batch_time(numbers_only, model, solves))
                scipy.append(batch_time(lambda a: linprog(**a), arrays, max(1, solves // 50)))
            times = [statistics.median(t) for t in (cpp, module, numbers, scipy)]
            rows.append((name, len(model.constraints), len(model.variables), *times))
    print("| model | rows | vars | C++ zep::solve (us) | module zep.solve (us) | module/C++ "
          "| module, report=False (us) | linprog highs (us) | linprog/module "
          "| linprog/module, report=False |")
    print("|---|---|---|---|---|---|---|---|---|---|")
    for name, m, n, cpp, module, numbers, scipy in rows:
        print(f"| {name} | {m} | {n} | {cpp:.1f} | {module:.1f} | {module / cpp:.2f} "
              f"| {numbers:.1f} | {scipy:.0f} | {scipy / module:.0f} | {scipy / numbers:.0f} |")
    ratios = [module / cpp for _, _, _, cpp, module, _, _ in rows]
    speedups = [scipy / module for _, _, _, _, module, _, scipy in rows]
    bare = [scipy / numbers for _, _, _, _, _, numbers, scipy in rows]
    print(f"\nGoals: module/C++ <= 1.3 on {sum(r <= 1.3 for r in ratios)} of {len(rows)} "
          f"(median {statistics.median(ratios):.2f}, largest {max(ratios):.2f}); "
          f"linprog/module >= 20 on {sum(s >= 20 for s in speedups)} of {len(rows)} "
          f"(median {statistics.median(speedups):.0f}, smallest {min(speedups):.0f}); "
          f"without the report on {sum(s >= 20 for s in bare)} of {len(rows)} "
          f"(median {statistics.median(bare):.0f}, smallest {min(bare):.0f})")
    rates = many_models.run(10_000, 2)
    print("\nmany_models.py, 10,000 models, 2 workers: " +
          ", ".join(f"{name} {rates[name]:.0f} models/s" for name in ("serial", "threads", "processes")) +
          f"; the threads used {rates['threads cpu/wall']:.2f} CPU seconds per second")
    print(f"After: {load()}")


if __name__ == "__main__":
    main()
