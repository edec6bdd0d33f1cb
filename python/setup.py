# Builds zep._core from the library's sources in the repository around this
# folder, with Debian's python3-pybind11, offline:
#   pip install ./python
#   pip wheel --no-build-isolation --no-index ./python
import re
from pathlib import Path

from pybind11.setup_helpers import ParallelCompile, Pybind11Extension, build_ext
from setuptools import setup

here = Path(__file__).resolve().parent
root = here.parent
version = re.search(r"project\(zep VERSION ([0-9.]+)", (root / "CMakeLists.txt").read_text())[1]
sources = sorted(str(p) for p in (root / "src").glob("*/*.cpp"))
sources += sorted(str(p) for p in (here / "src").glob("*.cpp"))

# The same arithmetic as the programs: no fused multiply-add, no fast-math.
ParallelCompile("ZEP_BUILD_JOBS", default=2).install()
core = Pybind11Extension(
    "zep._core",
    sources,
    include_dirs=[str(root / "include"), str(root / "src")],
    define_macros=[("ZEP_VERSION", f'"{version}"')],
    extra_compile_args=["-ffp-contract=off", "-fno-fast-math"],
    libraries=["gmpxx", "gmp"],
    cxx_std=20,
)

setup(version=version, ext_modules=[core], cmdclass={"build_ext": build_ext})
