from enum import Enum
from typing import Any, Mapping, Optional, Sequence, Tuple, Union

__version__: str

Text = Union[str, bytes]
Coefficients = Union[Sequence[float], Mapping[str, float]]
RelationLike = Union["Relation", str]
ConstraintLike = Union[
    "Constraint",
    Mapping[str, Any],
    Tuple[Optional[Text], Coefficients, RelationLike, float],
]

class Sense(Enum):
    minimize = 0
    maximize = 1

class Relation(Enum):
    less_equal = 0
    greater_equal = 1
    equal = 2

class Outcome(Enum):
    optimal = 0
    infeasible = 1
    unbounded = 2

class NoteKind(Enum):
    flipped_row = 0
    objective_constant = 1
    relation_spelling = 2
    repeated_variable = 3
    completed_row = 4
    cut_name = 5
    same_cut_name = 6
    inexact_number = 7

class Note:
    @property
    def kind(self) -> NoteKind: ...
    @property
    def line(self) -> int: ...
    @property
    def column(self) -> int: ...
    @property
    def text(self) -> str: ...
    def to_dict(self) -> dict[str, Any]: ...

class Error(Exception):
    message: str
    status: int
    kind: Optional[str]
    line: int
    column: int
    def __init__(
        self, message: str, status: int, kind: Optional[str] = ..., line: int = ..., column: int = ...
    ) -> None: ...

class Constraint:
    label: str
    coefficients: list[float]
    relation: Relation
    rhs: float
    range: float
    @property
    def flipped(self) -> bool: ...
    def __init__(
        self,
        label: Text,
        coefficients: Sequence[float],
        relation: RelationLike = ...,
        rhs: float = ...,
        range: float = ...,
    ) -> None: ...
    def to_dict(self) -> dict[str, Any]: ...

class Model:
    sense: Sense
    sense_word: str
    objective_label: str
    objective: list[float]
    variables: list[str]
    constraints: list[Constraint]
    objective_constant: float
    lower: list[float]
    upper: list[float]
    @property
    def notes(self) -> list[Note]: ...
    def __init__(
        self,
        *,
        sense: Union[Sense, str] = ...,
        objective: Optional[Coefficients] = ...,
        constraints: Optional[
            Union[Sequence[ConstraintLike], Mapping[Text, Union[Tuple[Coefficients, RelationLike, float], Mapping[str, Any]]]]
        ] = ...,
        variables: Optional[Sequence[Text]] = ...,
        objective_label: Text = ...,
        sense_word: Text = ...,
        bounds: Optional[Mapping[Text, Tuple[Optional[float], Optional[float]]]] = ...,
        objective_constant: float = ...,
    ) -> None: ...
    def to_dict(self) -> dict[str, Any]: ...

class VariableValue:
    @property
    def name(self) -> str: ...
    @property
    def value(self) -> float: ...
    @property
    def reduced_cost(self) -> float: ...
    def to_dict(self) -> dict[str, Any]: ...

class RowValue:
    @property
    def label(self) -> str: ...
    @property
    def slack(self) -> float: ...
    @property
    def dual(self) -> float: ...
    def to_dict(self) -> dict[str, Any]: ...

class Range:
    @property
    def name(self) -> str: ...
    @property
    def current(self) -> float: ...
    @property
    def upper(self) -> float: ...
    @property
    def upper_becomes(self) -> str: ...
    @property
    def lower(self) -> float: ...
    @property
    def lower_becomes(self) -> str: ...
    def to_dict(self) -> dict[str, Any]: ...

class Answer:
    @property
    def outcome(self) -> Outcome: ...
    @property
    def objective(self) -> float: ...
    @property
    def iterations(self) -> int: ...
    @property
    def exact(self) -> bool: ...
    @property
    def variables(self) -> list[VariableValue]: ...
    @property
    def rows(self) -> list[RowValue]: ...
    @property
    def cost_ranges(self) -> list[Range]: ...
    @property
    def rhs_ranges(self) -> list[Range]: ...
    @property
    def unbounded_variable(self) -> str: ...
    @property
    def unbounded_decreases(self) -> bool: ...
    @property
    def unmet_rows(self) -> list[str]: ...
    @property
    def report(self) -> str: ...
    @property
    def report_bytes(self) -> bytes: ...
    @property
    def notes(self) -> list[Note]: ...
    @property
    def picture(self) -> str: ...
    @property
    def picture_note(self) -> str: ...
    def to_dict(self) -> dict[str, Any]: ...

def read_model(text: Text) -> Model: ...
def solve(
    model: Model,
    *,
    ranging: bool = ...,
    trace: bool = ...,
    final_tableau: bool = ...,
    exchanges: bool = ...,
    fractions: bool = ...,
    picture: bool = ...,
    report: bool = ...,
) -> Answer: ...
def listing(model: Model) -> str: ...
def write_lp(model: Model) -> str: ...
def write_mps(model: Model) -> str: ...
def write_algebraic(model: Model) -> str: ...
