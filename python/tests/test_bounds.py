"""Bounds, ranges and the objective constant in a Model, and the writers."""
import math
import pickle

import pytest

import zep

from conftest import PROFIT, ROOT

INF = math.inf


def bounded_built(**changes):
    fields = dict(
        sense="max",
        objective_label="profit",
        objective={"x": 2, "y": 3},
        constraints=[("c1", {"x": 1, "y": 1}, "<=", 4), ("c2", {"x": 1, "y": 3}, "<=", 6)],
        bounds={"x": (0, 2)},
    )
    fields.update(changes)
    return zep.Model(**fields)


def test_bounds_read_from_the_lp_format():
    model = zep.read_model((ROOT / "examples" / "bounded-cplex.lp").read_bytes())
    assert model.lower == [0, 0]
    assert model.upper == [2, INF]
    assert model.to_dict()["upper"] == [2, INF]
    free = zep.read_model((ROOT / "examples" / "free-cplex.lp").read_bytes())
    assert free.lower[0] == -INF and free.upper[0] == INF


def test_a_built_bounded_model_solves_as_the_file():
    built = zep.solve(bounded_built())
    read = zep.solve(zep.read_model((ROOT / "examples" / "bounded-cplex.lp").read_bytes()))
    assert built.objective == read.objective == pytest.approx(8)
    assert [v.value for v in built.variables] == pytest.approx([2, 4 / 3])
    # A bound of None is no bound: x free, y in [0, inf).
    assert bounded_built(bounds={"x": (None, None)}).lower == [-INF, 0]


def test_a_free_variable_decreasing_without_limit_is_named_as_written():
    model = zep.Model(objective={"x": 1}, constraints=[("c1", {"x": 1}, "<=", 4)],
                      bounds={"x": (None, None)})
    answer = zep.solve(model)
    assert answer.outcome == zep.Outcome.unbounded
    assert (answer.unbounded_variable, answer.unbounded_decreases) == ("x", True)
    assert answer.to_dict()["unbounded_decreases"] is True
    assert pickle.loads(pickle.dumps(answer)).unbounded_decreases is True


def test_bounds_name_only_the_models_variables():
    with pytest.raises(ValueError, match="not among the model's variables"):
        bounded_built(bounds={"z": (0, 1)})
    with pytest.raises(ValueError, match=r"must be \(lower, upper\)"):
        bounded_built(bounds={"x": (0, 1, 2)})


def test_ranges_and_the_objective_constant():
    ranged = zep.read_model((ROOT / "examples" / "ranged-cplex.lp").read_bytes())
    built = zep.Model(
        objective_label="cost",
        objective={"x": 1, "y": 1},
        constraints=[{"label": "c1", "coefficients": {"x": 1, "y": 1}, "relation": "<=",
                      "rhs": 2, "range": 1}],
    )
    assert zep.solve(built).objective == zep.solve(ranged).objective == pytest.approx(1)
    assert built.constraints[0].range == 1
    assert zep.Constraint("c", [1], "<=", 4).range == INF
    constant = zep.read_model((ROOT / "examples" / "objective-constant.mps").read_bytes())
    assert constant.objective_constant == 10
    shifted = bounded_built(objective_constant=5)
    assert zep.solve(shifted).objective == pytest.approx(13)


def test_bounded_models_pickle_and_compare():
    model = bounded_built(objective_constant=1.5)
    again = pickle.loads(pickle.dumps(model))
    assert again == model
    assert (again.upper, again.objective_constant) == ([2, INF], 1.5)
    assert model != bounded_built()


@pytest.mark.parametrize("write", [zep.write_lp, zep.write_mps], ids=["lp", "mps"])
def test_writers_round_trip(write):
    for model in (bounded_built(), zep.read_model(PROFIT),
                  zep.read_model((ROOT / "examples" / "ranged-cplex.lp").read_bytes())):
        text = write(model)
        assert isinstance(text, str)
        assert zep.solve(zep.read_model(text)).objective == pytest.approx(zep.solve(model).objective)


def convert_cases():
    for cmd in sorted((ROOT / "examples" / "cases").glob("convert-*.cmd")):
        words = cmd.read_text().split()
        form = next((w[len("--to="):] for w in words if w.startswith("--to=")), None)
        status = int(cmd.with_suffix(".status").read_text())
        if form in WRITERS and status == 0:
            yield pytest.param(form, words[-1], cmd.with_suffix(".out"), id=cmd.stem)


WRITERS = {"lp": zep.write_lp, "mps": zep.write_mps, "algebraic": zep.write_algebraic}


@pytest.mark.parametrize("form,model,out", convert_cases())
def test_writers_as_zep_convert(form, model, out):
    written = WRITERS[form](zep.read_model((ROOT / model).read_bytes()))
    assert written.encode() == out.read_bytes()


def test_the_algebraic_form_holds_no_bounds():
    with pytest.raises(zep.Error) as raised:
        zep.write_algebraic(bounded_built())
    assert raised.value.kind == "model"


def test_answer_without_its_report():
    model = bounded_built()
    full = zep.solve(model, ranging=True)
    numbers = zep.solve(model, ranging=True, report=False)
    assert numbers.report == "" and full.report
    assert numbers.objective == full.objective
    assert numbers.to_dict()["variables"] == full.to_dict()["variables"]
