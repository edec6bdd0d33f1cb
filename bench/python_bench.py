"""zep through its Python module, side by side in one run with the C++
library and with scipy.optimize.linprog(method="highs"), on the benchmark
models; then the throughput of python/examples/many_models.py on 2 threads
and 2 processes.

    python3 bench/python_bench.py [BUILD-DIR]     (default build/release)

Needs the build's zep_bench_models_write (Google Benchmark and GLPK
installed) and zep_api_time, and its Python module (python3-pybind11).
Each time is the median over batches of the CPU time per solve of a batch
(CPU time, as the machine is shared); the three solvers take turns model by
model. The throughputs are wall-clock.
"""
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build" / "release").resolve()
sys.path[:0] = [str(BUILD / "python"), str(ROOT / "python" / "examples")]

import numpy as np  # noqa: E402
from scipy.optimize import linprog  # noqa: E402

import many_models  # noqa: E402
import zep  # noqa: E402

BATCHES = 15


def per_solve(solve, model, solves):
    """Median over the batches of the CPU microseconds per solve."""
    times = []
    for _ in range(BATCHES):
        start = time.process_time()
        for _ in range(solves):
            solve(model)
        times.append((time.process_time() - start) / solves * 1e6)
    return statistics.median(times)


def solves_for(seconds, solve, model):
    """How many solves make a batch of about that many seconds."""
    start = time.process_time()
    for _ in range(10):
        solve(model)
    return max(1, int(seconds / max((time.process_time() - start) / 10, 1e-7)))


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


def cpp_time(path, solves):
    out = subprocess.run([str(BUILD / "bench" / "zep_api_time"), str(BATCHES), str(solves), str(path)],
                         check=True, capture_output=True, text=True).stdout.split()
    return float(out[1]), float(out[2])


def main():
    rows = []
    with tempfile.TemporaryDirectory() as tmp:
        names = subprocess.run([str(BUILD / "bench" / "zep_bench_models_write"), tmp], check=True,
                               capture_output=True, text=True).stdout.split()
        for name in names:
            path = Path(tmp) / f"{name}.mat"
            model = zep.read_model(path.read_bytes())
            answer = zep.solve(model)
            sign, arrays = linprog_arrays(model)
            result = linprog(**arrays)
            if abs(sign * result.fun - answer.objective) > 1e-6 * max(1.0, abs(answer.objective)):
                raise SystemExit(f"{name}: zep {answer.objective}, linprog {sign * result.fun}")
            solves = solves_for(0.02, zep.solve, model)
            cpp, objective = cpp_time(path, solves)
            if objective != answer.objective:
                raise SystemExit(f"{name}: the C++ library gave {objective}")
            module = per_solve(zep.solve, model, solves)
            scipy = per_solve(lambda a: linprog(**a), arrays, max(1, solves // 50))
            rows.append((name, len(model.constraints), len(model.variables), cpp, module, scipy))
    print("| model | rows | vars | C++ zep::solve (us) | module zep.solve (us) | module/C++ "
          "| linprog highs (us) | linprog/module |")
    print("|---|---|---|---|---|---|---|---|")
    for name, m, n, cpp, module, scipy in rows:
        print(f"| {name} | {m} | {n} | {cpp:.1f} | {module:.1f} | {module / cpp:.2f} "
              f"| {scipy:.0f} | {scipy / module:.0f} |")
    ratios = [module / cpp for *_, cpp, module, _ in rows]
    speedups = [scipy / module for *_, module, scipy in rows]
    print(f"\nGoals: module/C++ <= 1.3 on {sum(r <= 1.3 for r in ratios)} of {len(rows)} "
          f"(median {statistics.median(ratios):.2f}, largest {max(ratios):.2f}); "
          f"linprog/module >= 20 on {sum(s >= 20 for s in speedups)} of {len(rows)} "
          f"(median {statistics.median(speedups):.0f}, smallest {min(speedups):.0f})")
    rates = many_models.run(10_000, 2)
    print("\nmany_models.py, 10,000 models, 2 workers: " +
          ", ".join(f"{name} {rate:.0f} models/s" for name, rate in rates.items()))


if __name__ == "__main__":
    main()
