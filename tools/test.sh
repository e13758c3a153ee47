#!/usr/bin/env bash
# Builds everything with GCC and with clang (both warning-free), then runs
# every test under Wine.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages

configure_build "$ROOT/build" mingw-w64-x86_64.cmake -DVELMARO_WERROR=ON
ninja -C "$ROOT/build" -j2

# The second compiler keeps the code standard C++ that other Windows compilers accept.
configure_build "$ROOT/build-clang" clang-mingw-w64-x86_64.cmake -DVELMARO_WERROR=ON
ninja -C "$ROOT/build-clang" -j2

cd "$ROOT/build"
ctest --output-on-failure
