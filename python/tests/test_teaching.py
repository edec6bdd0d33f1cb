"""The notes of a model and an answer, the fractions and the picture, as
the module gives them."""
import pickle

import zep

from conftest import PROFIT, ROOT

THIRDS = "MAX P) 4X + 3Y  A) 3X + Y <= 6  B) 2X + 3Y <= 9"


def test_model_notes_say_what_reading_noticed():
    model = zep.read_model((ROOT / "examples" / "diag-warnings.lp").read_bytes())
    kinds = [n.kind for n in model.notes]
    assert kinds == [
        zep.NoteKind.inexact_number,
        zep.NoteKind.repeated_variable,
        zep.NoteKind.relation_spelling,
        zep.NoteKind.completed_row,
    ]
    spelling = model.notes[2]
    assert (spelling.line, spelling.column) == (3, 12)
    assert spelling.text.startswith("the relation =< is read by its first character as =")
    assert spelling.to_dict()["kind"] == "relation_spelling"
    assert model.to_dict()["notes"][2] == spelling.to_dict()


def test_answer_notes_hold_the_models():
    assert zep.solve(zep.read_model(PROFIT)).notes == []
    read = zep.read_model("MAX P) X  C1) X <= 4  C2) X + Y =< 6")
    answer = zep.solve(read)
    assert [n.kind for n in answer.notes] == [zep.NoteKind.relation_spelling]
    assert answer.to_dict()["notes"] == [n.to_dict() for n in read.notes]


def test_notes_pickle_and_do_not_make_models_differ():
    read = zep.read_model("MAX P) X  C1) X =< 4")
    built = zep.Model(sense="max", sense_word="MAX", objective_label="P", objective={"X": 1},
                      constraints=[("C1", {"X": 1}, "=", 4)])
    assert read.notes and not built.notes
    assert read == built
    again = pickle.loads(pickle.dumps(read))
    assert [n.to_dict() for n in again.notes] == [n.to_dict() for n in read.notes]
    answer = pickle.loads(pickle.dumps(zep.solve(read)))
    assert answer.notes[0].kind == zep.NoteKind.relation_spelling


def test_fractions_show_the_report_exactly():
    model = zep.read_model(THIRDS)
    plain = zep.solve(model, ranging=True)
    exact = zep.solve(model, ranging=True, trace=True, fractions=True)
    assert "MAX P = 11.5714" in plain.report
    assert "MAX P = 81/7" in exact.report
    assert " 1    1           9/7             1             0           3/7          -1/7\n" in exact.report
    # The ranging limits too: A's right-hand side may rise to 27/2.
    assert " 1. A                    6         27/2 Y " in exact.report
    assert exact.objective == plain.objective
    assert exact.to_dict()["cost_ranges"] == plain.to_dict()["cost_ranges"]


def test_picture_of_a_two_variable_model():
    answer = zep.solve(zep.read_model(PROFIT), picture=True)
    expected = (ROOT / "examples" / "pictures" / "profit.svg").read_text()
    assert answer.picture == expected
    assert answer.picture_note == ""
    assert zep.solve(zep.read_model(PROFIT)).picture == ""
    three = zep.solve(zep.read_model("MAX P) X + Y + Z  C1) X + Y + Z <= 1"), picture=True)
    assert three.picture == ""
    assert three.picture_note == "the model has 3 variables; a picture is drawn for two"
    assert pickle.loads(pickle.dumps(answer)).picture == expected


def test_unmet_rows_of_an_infeasible_model():
    answer = zep.solve(zep.read_model("MAX P) X + Y  C1) X + Y <= 3  C2) X + Y >= 5"))
    assert answer.outcome == zep.Outcome.infeasible
    assert answer.unmet_rows == ["C2"]
    assert answer.to_dict()["unmet_rows"] == ["C2"]
