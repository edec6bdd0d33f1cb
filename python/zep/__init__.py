"""zep: small linear programs (up to 30 constraints and 50 columns) read,
solved by a checked two-phase simplex, and reported byte for byte as the
zep programs print them.

    >>> import zep
    >>> model = zep.read_model("MAX PROFIT) 2X + 3Y  C1) X + Y <= 4  C2) X + 3Y <= 6")
    >>> answer = zep.solve(model, ranging=True)
    >>> answer.objective
    9.0
"""

from . import _core
from ._core import (
    Answer,
    Constraint,
    Model,
    Note,
    NoteKind,
    Outcome,
    Range,
    Relation,
    RowValue,
    Sense,
    VariableValue,
    __version__,
    solve,
)
from ._error import Error

__all__ = [
    "Answer",
    "Constraint",
    "Error",
    "Model",
    "Note",
    "NoteKind",
    "Outcome",
    "Range",
    "Relation",
    "RowValue",
    "Sense",
    "VariableValue",
    "listing",
    "read_model",
    "solve",
    "write_algebraic",
    "write_lp",
    "write_mps",
]


# These call the module's functions of the same names, so that they pickle
# by name for a process pool; solve is the module's own, made a function of
# this package for that.


def read_model(text):
    """Read a model written in one of the forms zep-solve reads (the
    algebraic form, the matrix form, the CPLEX LP format or MPS), told apart
    as zep-solve tells them. text is str or bytes.

    Returns a Model; raises zep.Error with the message and exit status that
    zep-solve ends with for the same text.
    """
    return _core.read_model(text)


def listing(model):
    """The model listed in algebraic notation, as zep-parse prints it after
    its echo of the model text."""
    return _core.listing(model)


def write_lp(model):
    """The model in the CPLEX LP format, as zep-convert --to=lp writes it:
    bounds, ranges and the objective constant included. Raises zep.Error
    for a model the format cannot hold."""
    return _core.write_lp(model)


def write_mps(model):
    """The model in MPS, as zep-convert --to=mps writes it (free MPS where
    a name or number does not fit a fixed field). Raises zep.Error for a
    model the format cannot hold."""
    return _core.write_mps(model)


def write_algebraic(model):
    """The model in zep's algebraic form, as zep-convert --to=algebraic
    writes it. Raises zep.Error for a model the form cannot hold (bounds,
    ranges or an objective constant, a name it does not take)."""
    return _core.write_algebraic(model)
