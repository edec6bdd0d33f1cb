"""Errors: zep.Error with the programs' message and status, and the place
where the library knows it."""
import inspect
import pickle

import pytest

import zep

ERRORS = {
    "algebraic input error": ("MAX P) X\nC1) X <= -4", 255,
                              "Righthand-side not a nonnegative constant (input error 12)",
                              "input", 2, 10),
    "matrix refusal": ("MAX 1 1\nX\nP 1\nC1 1 <= -4\n", 255,
                       "the right-hand side of row C1 is negative", "matrix_input", 4, 9),
}


@pytest.mark.parametrize("text,status,message,kind,line,column", ERRORS.values(),
                         ids=ERRORS.keys())
def test_read_errors(text, status, message, kind, line, column):
    with pytest.raises(zep.Error) as raised:
        zep.read_model(text)
    error = raised.value
    assert (error.status, error.message, str(error)) == (status, message, message)
    assert (error.kind, error.line, error.column) == (kind, line, column)


def test_a_model_zep_cannot_hold():
    too_many = zep.Model(objective=[1] * 51, constraints=[])
    with pytest.raises(zep.Error) as raised:
        zep.solve(too_many)
    assert raised.value.status != 0


def test_a_name_with_a_blank():
    with pytest.raises(zep.Error) as raised:
        zep.solve(zep.Model(variables=["two words"], objective=[1]))
    assert "two words" in raised.value.message.lower()


def test_error_pickles():
    with pytest.raises(zep.Error) as raised:
        zep.read_model("MAX P) X\nC1) X <= -4")
    again = pickle.loads(pickle.dumps(raised.value))
    assert (again.message, again.status, again.kind, again.line, again.column) == (
        raised.value.message, raised.value.status, raised.value.kind, raised.value.line,
        raised.value.column)


def test_wrong_types_are_type_errors():
    with pytest.raises(TypeError):
        zep.read_model(42)
    with pytest.raises(TypeError):
        zep.solve("MAX P) X  C1) X <= 4")


@pytest.mark.parametrize(
    "call",
    [
        lambda m: zep.solve(),
        lambda m: zep.solve(m, True),
        lambda m: zep.solve(m, model=m),
        lambda m: zep.solve(m, rangin=True),
        lambda m: zep.solve(m, ranging="yes"),
        lambda m: zep.solve(zep.Model.__new__(zep.Model)),
    ],
)
def test_solve_is_called_as_its_signature_says(call):
    model = zep.read_model("MAX P) X  C1) X <= 4")
    with pytest.raises(TypeError):
        call(model)
    assert zep.solve(model=model, report=False).objective == 4
    assert str(inspect.signature(zep.solve)).startswith("(model, *, ranging=False,")
    assert pickle.loads(pickle.dumps(zep.solve)) is zep.solve
