#!/usr/bin/env bash
# Builds velmaro.exe and starts it under Wine from the run/ folder beside the
# sources. The first time, run/ gets a small sample donations.txt; after that
# the operator's donations.txt and settings.ini there are never replaced.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages

configure_build "$ROOT/build" mingw-w64-x86_64.cmake
ninja -C "$ROOT/build" -j2 velmaro

RUN="$ROOT/run"
mkdir -p "$RUN"
cp "$ROOT/build/velmaro.exe" "$RUN/velmaro.exe"
if [ ! -e "$RUN/donations.txt" ] && [ ! -e "$RUN/donations.txt.bak" ]; then
  cp "$ROOT/tools/sample-donations.txt" "$RUN/donations.txt"
fi

# On the user's display when there is one, otherwise on a virtual one.
exec "$ROOT/tools/wine-run" --state "$ROOT/build/wine-run" --as-self "$RUN/velmaro.exe"
