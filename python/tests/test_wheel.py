"""The package as pip builds it, offline: a wheel built with the system's
pybind11, installed into a fresh virtual environment that sees no system
packages, imported and used; and `pip install ./python` into an environment
that sees them, with this suite run against what it installed. Slow (the
library is compiled twice), so only when ZEP_TEST_WHEEL=1 (CI's
.ci/steps/60-python.sh)."""
import os
import subprocess
import sys

import pytest

from conftest import ROOT

pytestmark = pytest.mark.skipif(os.environ.get("ZEP_TEST_WHEEL") != "1",
                                reason="set ZEP_TEST_WHEEL=1 to build and install the wheel")

USE = ("import zep; a = zep.solve(zep.read_model('MAX P) 2X + 3Y  C1) X + Y <= 4  "
       "C2) X + 3Y <= 6'), ranging=True); print(zep.__file__, a.objective, round(a.rhs_ranges[0].upper, 9))")


def run(*command, **kw):
    print("$", " ".join(str(c) for c in command))
    return subprocess.run([str(c) for c in command], check=True, capture_output=True, text=True,
                          **kw).stdout


def test_wheel_installs_into_a_plain_venv(tmp_path):
    run(sys.executable, "-m", "pip", "wheel", "--no-build-isolation", "--no-index", "--no-deps",
        "-w", tmp_path / "wheels", ROOT / "python")
    wheels = list((tmp_path / "wheels").glob("zep-*.whl"))
    assert len(wheels) == 1
    run(sys.executable, "-m", "venv", tmp_path / "plain")
    python = tmp_path / "plain" / "bin" / "python"
    run(python, "-m", "pip", "install", "--no-index", wheels[0])
    out = run(python, "-c", USE, cwd=tmp_path).split()
    assert out[0].startswith(str(tmp_path / "plain")) and out[1:] == ["9.0", "6.0"]


def test_pip_install_and_the_suite_against_it(tmp_path):
    run(sys.executable, "-m", "venv", "--system-site-packages", tmp_path / "env")
    python = tmp_path / "env" / "bin" / "python"
    run(python, "-m", "pip", "install", "--no-index", ROOT / "python")
    out = run(python, "-c", USE, cwd=tmp_path).split()
    assert out[0].startswith(str(tmp_path / "env"))
    env = {k: v for k, v in os.environ.items() if k not in ("PYTHONPATH", "ZEP_TEST_WHEEL")}
    run(python, "-m", "pytest", "-q", "-p", "no:cacheprovider", ROOT / "python" / "tests",
        cwd=tmp_path, env=env)
