#!/usr/bin/env bash
# Builds and runs the benchmark: one line per figure, "name value unit".
# Arguments name the groups to run (list caption composition pacing scale
# table); with none, every group runs.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages

configure_build "$ROOT/build" mingw-w64-x86_64.cmake
ninja -C "$ROOT/build" -j2 velmaro_bench
"$ROOT/tools/wine-run" --state "$ROOT/build/wine" "$ROOT/build/velmaro_bench.exe" "$@"
