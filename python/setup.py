# Builds zep._core from the library's sources in the repository around this
# folder, with Debian's python3-pybind11, offline:
#   pip install ./python
#   pip wheel --no-build-isolation --no-index ./python
# There is no pyproject.toml on purpose: with one, pip would build in an
# isolated environment and fetch setuptools and pybind11 from an index;
# without it, it builds with those the environment has.
import re
from pathlib import Path

from pybind11.setup_helpers import ParallelCompile, Pybind11Extension, build_ext
from setuptools import setup

here = Path(__file__).resolve().parent
root = here.parent
version = re.search(r"project\(zep VERSION ([0-9.]+)", (root / "CMakeLists.txt").read_text())[1]
sources = sorted(str(p) for p in (root / "src").glob("*/*.cpp"))
sources += sorted(str(p) for p in (here / "src").glob("*.cpp"))

# Built as the CMake release build builds the library: the same arithmetic
# (no fused multiply-add, no fast-math), optimised, without debug data; as
# position-independent code whose calls among its own functions still bind
# directly.
ParallelCompile("ZEP_BUILD_JOBS", default=2).install()
core = Pybind11Extension(
    "zep._core",
    sources,
    include_dirs=[str(root / "include"), str(root / "src")],
    define_macros=[("ZEP_VERSION", f'"{version}"'), ("NDEBUG", None)],
    extra_compile_args=["-O3", "-g0", "-ffp-contract=off", "-fno-fast-math",
                        "-fno-semantic-interposition"],
    libraries=["gmpxx", "gmp"],
    cxx_std=20,
)

setup(
    name="zep",
    version=version,
    description="Small linear programs solved by a checked simplex, with zep's fixed-width reports",
    python_requires=">=3.9",
    packages=["zep"],
    package_data={"zep": ["py.typed", "*.pyi"]},
    ext_modules=[core],
    cmdclass={"build_ext": build_ext},
    zip_safe=False,
)
