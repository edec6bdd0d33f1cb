"""Models built in Python, read from text, and the answers read back."""
import math
import pickle

import pytest

import zep

from conftest import PROFIT


def profit_built(**changes):
    fields = dict(
        sense="max",
        objective_label="profit",
        objective={"x": 2, "y": 3},
        constraints=[("c1", {"x": 1, "y": 1}, "<=", 4), ("c2", {"x": 1, "y": 3}, "<=", 6)],
    )
    fields.update(changes)
    return zep.Model(**fields)


SAME_MODEL = {
    "dicts": {},
    "lists": dict(variables=["x", "y"], objective=[2, 3],
                  constraints=[("c1", [1, 1], "<=", 4), ("c2", [1, 3], "<=", 6)]),
    "row dicts": dict(constraints=[
        {"label": "c1", "coefficients": {"x": 1, "y": 1}, "rhs": 4},
        {"label": "c2", "coefficients": [1, 3], "relation": zep.Relation.less_equal, "rhs": 6},
    ]),
    "dict of rows": dict(constraints={"c1": ({"x": 1, "y": 1}, "<=", 4),
                                      "c2": {"coefficients": {"y": 3, "x": 1}, "rhs": 6}}),
    "Constraint objects": dict(variables=["x", "y"], objective=[2, 3],
                               constraints=[zep.Constraint("c1", [1, 1], "<=", 4),
                                            zep.Constraint("c2", [1, 3], rhs=6)]),
    "sense enum": dict(sense=zep.Sense.maximize),
}


NAME_FIELDS = {"name", "label", "lower_becomes", "upper_becomes", "unbounded_variable"}


def upper_names(value):
    """The answer's plain values with its names upper-cased, as the algebraic form reads them."""
    if isinstance(value, dict):
        return {k: v.upper() if k in NAME_FIELDS else upper_names(v) for k, v in value.items()}
    if isinstance(value, list):
        return [upper_names(v) for v in value]
    return value


@pytest.mark.parametrize("changes", SAME_MODEL.values(), ids=SAME_MODEL.keys())
def test_built_models_answer_as_the_text(changes):
    built = zep.solve(profit_built(**changes), ranging=True)
    read = zep.solve(zep.read_model(PROFIT), ranging=True)
    assert built.report_bytes == read.report_bytes
    # A built model's names keep their case; the text's were upper-cased as read.
    assert built.variables[0].name == "x"
    assert upper_names(built.to_dict()) == read.to_dict()


def test_answer_fields():
    answer = zep.solve(zep.read_model(PROFIT), ranging=True)
    assert answer.outcome == zep.Outcome.optimal
    assert (answer.objective, answer.iterations, answer.exact) == (9, 2, False)
    assert [v.name for v in answer.variables] == ["X", "Y"]
    assert [v.value for v in answer.variables] == pytest.approx([3, 1])
    assert [(r.label, r.slack) for r in answer.rows] == [("C1", 0), ("C2", 0)]
    assert [r.dual for r in answer.rows] == pytest.approx([1.5, 0.5])
    x = answer.cost_ranges[0]
    assert (x.name, x.current, x.upper_becomes) == ("X", 2, "SLK:C2")
    assert (x.upper, x.lower) == pytest.approx((3, 1))
    assert [r.to_dict()["upper"] for r in answer.rhs_ranges] == pytest.approx([6, 12])
    d = answer.to_dict()
    assert d["outcome"] == "optimal"
    assert d["variables"][1] == {"name": "Y", "value": pytest.approx(1), "reduced_cost": 0}
    assert d["report"] == answer.report
    assert "MAX PROFIT = 9" in answer.report


def test_no_limit_is_infinite():
    answer = zep.solve(zep.read_model("MAX P) X  C1) X <= 4"), ranging=True)
    assert answer.rhs_ranges[0].upper == math.inf
    assert answer.rhs_ranges[0].upper_becomes == ""


def test_unbounded_and_infeasible():
    ray = zep.solve(zep.Model(sense="max", objective={"x": 1, "y": 1},
                              constraints=[("c1", {"x": 1, "y": -1}, "<=", 1)]))
    assert ray.outcome == zep.Outcome.unbounded and ray.unbounded_variable == "y"
    assert ray.variables == []
    none = zep.solve(zep.Model(objective={"x": 1},
                               constraints=[("lo", {"x": 1}, ">=", 2), ("hi", {"x": 1}, "<=", 1)]))
    assert none.outcome == zep.Outcome.infeasible


def test_model_reads_back_from_text_and_bytes():
    model = zep.read_model(PROFIT.encode())
    assert model == zep.read_model(PROFIT)
    assert model.sense == zep.Sense.maximize
    assert model.variables == ["X", "Y"] and model.objective == [2, 3]
    assert model.constraints[1].to_dict() == {"label": "C2", "coefficients": [1, 3],
                                             "relation": "<=", "rhs": 6, "range": math.inf}
    listed = zep.listing(model)
    assert "*** LP MODEL ***" in listed and "C2)       X + 3 Y <= 6\n" in listed


def test_defaults_name_what_is_left_out():
    model = zep.Model(objective=[1, 2],
                      constraints=[{"coefficients": [1, 1], "relation": ">=", "rhs": 1}])
    assert model.variables == ["X1", "X2"]
    assert model.objective_label == "OBJ"
    assert model.constraints[0].label == "C1"
    assert zep.solve(model).objective == 1


def test_attributes_change_the_model():
    model = profit_built()
    model.objective = [3, 3]
    rows = model.constraints
    rows[1].rhs = 9
    model.constraints = rows
    assert zep.solve(model).objective == 12


def test_a_model_changed_between_solves_is_solved_as_it_is_then():
    # A solve reuses the copy of a model solved before only where nothing
    # in it changed, down to the sign of a zero.
    def set_row(model, **fields):
        rows = model.constraints
        for name, value in fields.items():
            setattr(rows[1], name, value)
        model.constraints = rows

    changes = [
        lambda m: setattr(m, "objective", [3, 3]),
        lambda m: setattr(m, "objective_constant", 1.5),
        lambda m: setattr(m, "objective_label", "gain"),
        lambda m: setattr(m, "variables", ["a", "b"]),
        lambda m: setattr(m, "lower", [0, 1.5]),
        lambda m: setattr(m, "upper", [1, math.inf]),
        lambda m: set_row(m, rhs=5, range=2),
        lambda m: set_row(m, relation=">="),
        lambda m: setattr(m, "sense", "min"),
    ]
    model = profit_built()
    for i, change in enumerate(changes):
        before = zep.solve(model).report_bytes
        change(model)
        fresh = pickle.loads(pickle.dumps(model))
        after = zep.solve(model).report_bytes
        assert after == zep.solve(fresh).report_bytes, i
        assert after != before, i
    # The sign of a zero shows in the report ("-0.000").
    model = profit_built()
    set_row(model, relation=">=", rhs=0.0)
    plus = zep.solve(model).report_bytes
    set_row(model, rhs=-0.0)
    assert zep.solve(model).report_bytes != plus


def test_pickles():
    model = profit_built()
    answer = zep.solve(model, ranging=True)
    assert pickle.loads(pickle.dumps(model)) == model
    again = pickle.loads(pickle.dumps(answer))
    assert again.to_dict() == answer.to_dict() and again.outcome == answer.outcome


def test_names_that_are_not_utf8_survive():
    text = b"MAX 2 2\nX\xe9 Y\nP 1 1\nC1 1 1 <= 4\nC2 1 2 <= 6\n"
    answer = zep.solve(zep.read_model(text))
    assert b"X\xe9" in answer.report_bytes
    assert answer.report.encode("utf-8", "surrogateescape") == answer.report_bytes
    assert answer.variables[0].name == "X\udce9"
    again = pickle.loads(pickle.dumps(answer))
    assert again.report_bytes == answer.report_bytes


BAD_SHAPES = {
    "unknown name": (ValueError, dict(constraints=[("c1", {"z": 1}, "<=", 4)], variables=["x", "y"])),
    "short row": (ValueError, dict(constraints=[("c1", [1], "<=", 4)], variables=["x", "y"])),
    "bad relation": (ValueError, dict(constraints=[("c1", {"x": 1}, "<>", 4)])),
    "bad sense": (ValueError, dict(sense="up")),
    "unknown key": (ValueError, dict(constraints=[{"coefficients": {"x": 1}, "rsh": 4}])),
    "one name": (TypeError, dict(variables="xy", objective=[1, 2])),
    "bound of no variable": (ValueError, dict(bounds={"z": (0, 40)})),
    "bound not a pair": (ValueError, dict(bounds={"x": (0,)})),
}


@pytest.mark.parametrize("error,changes", BAD_SHAPES.values(), ids=BAD_SHAPES.keys())
def test_bad_shapes_are_refused_when_built(error, changes):
    with pytest.raises(error):
        profit_built(**changes)


def test_plain_bounds_are_the_models_own():
    assert zep.solve(profit_built(bounds={"x": (0, None), "y": (0, math.inf)})).objective == 9


def test_help_shows_the_docstrings():
    assert "ranging (r)" in zep.solve.__doc__
    assert "Model(sense=" in zep.Model.__doc__


def test_enum_members_equal_only_themselves_also_pickled():
    for enum in (zep.Outcome, zep.Sense, zep.Relation, zep.NoteKind):
        members = list(enum.__members__.values())
        for a in members:
            again = pickle.loads(pickle.dumps(a))
            assert again == a and not (again != a) and hash(again) == hash(a)
            assert a != int(a) and not (a == int(a)) and a != None  # noqa: E711
            for b in members:
                assert (a == b) == (a is b) and (a != b) == (a is not b)
    assert zep.Outcome.optimal != zep.Sense.minimize
