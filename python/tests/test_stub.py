"""The type stub names what the module has: every exported name, and every
attribute and method of each class."""
import ast

import zep

from conftest import ROOT

STUB = ast.parse((ROOT / "python" / "zep" / "__init__.pyi").read_text())


def stub_members(cls):
    for node in cls.body:
        if isinstance(node, ast.AnnAssign):
            yield node.target.id
        elif isinstance(node, ast.FunctionDef) and not node.name.startswith("_"):
            yield node.name


def test_every_exported_name_is_in_the_stub():
    stubbed = {n.name for n in STUB.body if isinstance(n, (ast.ClassDef, ast.FunctionDef))}
    assert set(zep.__all__) <= stubbed


def test_every_stubbed_member_exists():
    sample = {"Error": zep.Error("m", 1)}
    for cls in (n for n in STUB.body if isinstance(n, ast.ClassDef)):
        target = sample.get(cls.name, getattr(zep, cls.name))
        for member in stub_members(cls):
            assert hasattr(target, member), f"{cls.name}.{member}"
