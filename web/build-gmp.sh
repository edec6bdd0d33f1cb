#!/bin/bash
# GMP for WebAssembly, from Debian's source package, built once and kept in
# the build directory: the exact re-solve needs it, and no WebAssembly GMP
# is packaged. Portable C only (--disable-assembly); about 8 minutes.
#   web/build-gmp.sh BUILD_DIR     installs into BUILD_DIR/gmp
set -euo pipefail
build=$(realpath -m "${1:?usage: $0 BUILD_DIR}")
prefix=$build/gmp
if [ -f "$prefix/lib/libgmp.a" ] && [ -f "$prefix/include/gmpxx.h" ]; then
    exit 0
fi
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
src=$build/gmp-src
rm -rf "$src" "$prefix"
mkdir -p "$src"
cd "$src"
# Needs a deb-src entry (.ci/install-deps adds one).
apt-get source --only-source gmp >/dev/null
cd gmp-*/
# The package leaves the manual out, but its configure script still lists
# the manual's Makefile; only the library and its C++ header are built.
sed -i 's| doc/Makefile||' configure
sed -i 's|^SUBDIRS = .*|SUBDIRS = mpn mpz mpq mpf printf scanf rand cxx|' Makefile.in
emconfigure ./configure --host=none --disable-assembly --enable-cxx --disable-shared \
    --enable-static --prefix="$prefix" CFLAGS=-O2 CXXFLAGS=-O2 \
    gmp_cv_c_double_format="IEEE little endian" >configure.log
emmake make -j"$(nproc)" >make.log
emmake make install >install.log
rm -rf "$src"
