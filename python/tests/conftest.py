"""What the tests share: the repository's root and a few models."""
import random
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]

PROFIT = "MAX PROFIT) 2X + 3Y  C1) X + Y <= 4  C2) X + 3Y <= 6"


def random_models(count, seed):
    """Small feasible models of "<=" rows with positive data (so bounded and
    optimal), as zep.Model keyword arguments."""
    rng = random.Random(seed)
    models = []
    for _ in range(count):
        n, m = rng.randint(2, 12), rng.randint(2, 12)
        names = [f"X{j + 1}" for j in range(n)]
        models.append(
            dict(
                sense="max",
                variables=names,
                objective=[rng.randint(1, 20) for _ in names],
                constraints=[
                    (f"R{i + 1}", [rng.randint(0, 9) + 1 for _ in names], "<=", rng.randint(10, 100))
                    for i in range(m)
                ],
            )
        )
    return models


@pytest.fixture
def root():
    return ROOT
