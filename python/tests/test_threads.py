"""Threads and processes give the answers of a serial run."""
import sys
from concurrent.futures import ProcessPoolExecutor, ThreadPoolExecutor

import zep

from conftest import ROOT, random_models


def answer(fields):
    return zep.solve(zep.Model(**fields), ranging=True).to_dict()


def test_threads_match_a_serial_run():
    model_fields = random_models(400, seed=22)
    print("seed 22")
    serial = [answer(s) for s in model_fields]
    with ThreadPoolExecutor(4) as pool:
        assert list(pool.map(answer, model_fields)) == serial


def test_threads_solving_more_models_than_copies_kept_match_a_serial_run():
    # 64 models take turns in the module's 16 kept copies: a copy a solve
    # still reads must not be overwritten by the next model's.
    models = [zep.Model(**s) for s in random_models(64, seed=24)]
    print("seed 24")
    serial = [zep.solve(m).to_dict() for m in models]

    def solve_all(_):
        return [zep.solve(m).to_dict() for m in models]

    with ThreadPoolExecutor(4) as pool:
        assert all(answers == serial for answers in pool.map(solve_all, range(8)))


def test_processes_match_a_serial_run():
    model_fields = random_models(40, seed=23)
    serial = [zep.solve(zep.Model(**s)) for s in model_fields]
    models = [zep.Model(**s) for s in model_fields]
    with ProcessPoolExecutor(2) as pool:
        answers = list(pool.map(zep.solve, models))
    assert [a.to_dict() for a in answers] == [a.to_dict() for a in serial]


def test_the_many_models_example_runs():
    sys.path.insert(0, str(ROOT / "python" / "examples"))
    try:
        import many_models
    finally:
        sys.path.pop(0)
    rates = many_models.run(count=300, workers=2, batch=50)
    assert set(rates) == {"serial", "threads", "processes", "threads cpu/wall"}
    assert all(rate > 0 for rate in rates.values())
