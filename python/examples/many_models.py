"""Solve 10,000 small models with concurrent.futures: serially, on threads
and on processes, and say how many models a second each way solves.

    python3 python/examples/many_models.py [--count 10000] [--workers 2]

zep.solve releases the interpreter lock while it solves, so threads solve
in parallel; processes pay for pickling each model there and each answer
back. The work is one plain function, solve_batch, that takes a list of
models and returns their objective values: the same function runs unchanged
on Dask, Spark or Ray for batches larger than one machine.
"""
import argparse
import random
import time
from concurrent.futures import ProcessPoolExecutor, ThreadPoolExecutor

import zep


def production_model(rng):
    """A production plan: products that use resources (each product the
    first), a profit to maximise, a capacity per resource and a least output
    of the first product."""
    products = [f"P{j}" for j in range(rng.randint(5, 15))]
    resources = [f"R{i}" for i in range(rng.randint(5, 15))]
    uses = {
        r: {p: rng.randint(1, 9) for p in products if r == resources[0] or rng.random() < 0.7}
        for r in resources
    }
    return zep.Model(
        sense="max",
        objective_label="profit",
        variables=products,
        objective={p: rng.randint(10, 60) for p in products},
        constraints=[(r, uses[r], "<=", rng.randint(100, 400)) for r in resources]
        + [("least", {products[0]: 1}, ">=", 1)],
    )


def make_models(count, seed=1):
    rng = random.Random(seed)
    return [production_model(rng) for _ in range(count)]


def solve_batch(models):
    """The unit of work: a list of models in, their objective values out
    (None where a model has no optimum)."""
    out = []
    for model in models:
        # Only the numbers are wanted: no report text (they are proven all the same).
        answer = zep.solve(model, report=False)
        out.append(answer.objective if answer.outcome == zep.Outcome.optimal else None)
    return out


def batches(models, size):
    return [models[i : i + size] for i in range(0, len(models), size)]


def timed(pool, models, batch):
    """Objective values of every model and the seconds they took."""
    start = time.perf_counter()
    values = [v for part in pool.map(solve_batch, batches(models, batch)) for v in part]
    return values, time.perf_counter() - start


def run(count=10_000, workers=2, batch=250, seed=1):
    """Solves count models serially, on workers threads and on workers
    processes; returns models per second for each, and for the threads the
    CPU seconds this process spent per second of the clock (above 1 where
    the threads solved at the same time)."""
    models = make_models(count, seed)
    start = time.perf_counter()
    serial = solve_batch(models)
    rates = {"serial": count / (time.perf_counter() - start)}
    for name, kind in (("threads", ThreadPoolExecutor), ("processes", ProcessPoolExecutor)):
        with kind(workers) as pool:
            pool.map(solve_batch, [[models[0]]] * workers)  # workers started before the clock
            cpu = time.process_time()
            values, seconds = timed(pool, models, batch)
            cpu = time.process_time() - cpu
        if values != serial:
            raise RuntimeError(f"{name} gave other answers than the serial run")
        rates[name] = count / seconds
        if name == "threads":
            rates["threads cpu/wall"] = cpu / seconds
    return rates


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=10_000)
    parser.add_argument("--workers", type=int, default=2)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    rates = run(args.count, args.workers, seed=args.seed)
    print(f"{args.count} models, seed {args.seed}, {args.workers} workers:")
    for name in ("serial", "threads", "processes"):
        print(f"  {name:9s} {rates[name]:9.0f} models/s")
    print(f"  the threads used {rates['threads cpu/wall']:.2f} CPU seconds per second")


if __name__ == "__main__":
    main()
