"""Every golden case of zep-solve, run through the module: the report is
zep-solve's bytes after its "Processing" line (and after the readers'
notes), and a refused model raises zep.Error with zep-solve's status and
message."""
from pathlib import Path

import pytest

import zep

from conftest import ROOT

CASES = ROOT / "examples" / "cases"
OPTIONS = {"r": "ranging", "f": "final_tableau", "t": "trace", "x": "exchanges"}


def solve_cases():
    for cmd in sorted(CASES.glob("*.cmd")):
        words = cmd.read_text().split()
        if words[0] == "zep-solve":
            yield pytest.param(cmd.stem, words[1:], id=cmd.stem)


def command_line(args):
    """The options a run asks for and its model file, as zep-solve takes them."""
    options = {}
    model = None
    for arg in args:
        if arg == "--fractions":
            options["fractions"] = True
        elif arg.startswith("-"):
            for letter in arg[1:].lower():
                if letter in OPTIONS:
                    options[OPTIONS[letter]] = True
        else:
            model = arg
    return options, model


def after_processing(out):
    lines = out.splitlines(keepends=True)
    at = next(i for i, line in enumerate(lines) if line.startswith(b"Processing "))
    rest = lines[at + 1 :]
    while rest and rest[0].startswith(b"Note: "):
        rest.pop(0)
    return b"".join(rest)


@pytest.mark.parametrize("case,args", solve_cases())
def test_golden_case(case, args):
    options, model = command_line(args)
    long_options = [a for a in args if a.startswith("--") and a != "--fractions"]
    if long_options or model is None or not (ROOT / model).exists():
        pytest.skip("no model to solve")
    out = (CASES / f"{case}.out").read_bytes()
    status = int((CASES / f"{case}.status").read_text())
    text = (ROOT / model).read_bytes()
    if status == 0:
        answer = zep.solve(zep.read_model(text), **options)
        assert answer.report_bytes == after_processing(out)
        assert answer.report == answer.report_bytes.decode()
        return
    with pytest.raises(zep.Error) as raised:
        zep.solve(zep.read_model(text), **options)
    error = raised.value
    assert error.status == status
    message = error.message.encode("utf-8", "surrogateescape")
    err = CASES / f"{case}.err"
    if err.exists():
        # The programs' locating line: the same message, at the same place.
        place = model.encode()
        if error.line:
            place += b":%d" % error.line
        if error.column:
            place += b":%d" % error.column
        assert place + b": error: " + message + b"\n" in err.read_bytes()
    if error.kind == "input":
        number = message.split(b"(input error ")[1].split(b")")[0]
        assert b"\nInput Error " + number + b">> " in out
    elif error.kind in ("matrix_input", "lp_input", "mps_input"):
        assert out.rstrip(b"\n").rsplit(b"\n", 1)[-1].endswith(b": " + message)


def test_every_solve_case_is_seen():
    ran = [p for p in solve_cases()]
    assert len(ran) >= 90
