#!/usr/bin/env bash
# Runs the real velmaro.exe from a fresh folder that also holds DLLs of ours
# named like system DLLs (each leaves a marker file when it is loaded), with
# Wine told to prefer native DLLs of exactly those names, as Windows would
# find them beside the program. No marker may appear, and the program must
# work: the panel appears and Ctrl+Alt+P plays the caption.
#   planted-dlls.sh WINE_RUN STATE_DIR VELMARO_EXE PLANTED_DLL_DIR
set -u
WINE_RUN="$1"; STATE="$2"; EXE="$3"; PLANTED="$4"
NAMES=(winmm uxtheme gdiplus d3d11 dxgi d2d1 dwrite dcomp version)
source "$(dirname "${BASH_SOURCE[0]}")/real-program.sh"

join_wine_session

RUN_DIR=$(new_run_folder planted)
for name in "${NAMES[@]}"; do
  cp "$PLANTED/$name.dll" "$RUN_DIR/$name.dll" || fail "no planted $name.dll was built"
done
printf '\xef\xbb\xbf# name,amount\nPlanted Test,100\xe5\x85\x83\n' > "$RUN_DIR/donations.txt"
chmod -R a+rwX "$RUN_DIR"

# Wine's own user32 imports version.dll at load time (Windows' user32 imports
# only known DLLs), so preferring a native version.dll would load ours before
# the program's first instruction, whatever the program does. It stays
# planted, with Wine's usual order; the program itself never loads it.
PREFERRED=(winmm uxtheme gdiplus d3d11 dxgi d2d1 dwrite dcomp)
overrides=$(IFS=,; echo "${PREFERRED[*]}")

# An instance that an earlier test ended may still hold the global hotkeys.
no_velmaro_window() {
  for _ in $(seq 1 100); do
    xdotool search --name '^Velmaro v2\.1\.3$' >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  return 1
}
no_velmaro_window || fail "an earlier Velmaro window did not go away"
WINEDLLOVERRIDES="$overrides=n,b" "$WINE_RUN" --state "$STATE" "$RUN_DIR/velmaro.exe" &
PROGRAM_PID=$!

WINDOW=$(timeout 60 xdotool search --sync --name '^Velmaro v2\.1\.3$' | head -n 1)
lit=0
if [ -n "$WINDOW" ]; then
  sleep 1
  read -r SCREEN_WIDTH SCREEN_BOTTOM < <(xdotool getdisplaygeometry)
  xdotool windowfocus --sync "$WINDOW" key ctrl+alt+p
  sleep 2
  import -window root "$RUN_DIR/playing.png" || fail "screenshot failed"
  strip="300x100+$((SCREEN_WIDTH - 300))+$((SCREEN_BOTTOM - 110))"
  lit=$(convert "$RUN_DIR/playing.png" -crop "$strip" -threshold 10% -format '%[fx:int(mean*w*h)]' info:)
fi
kill "$PROGRAM_PID" 2>/dev/null
wait "$PROGRAM_PID" 2>/dev/null
no_velmaro_window

loaded=""
for name in "${NAMES[@]}"; do
  [ -e "$RUN_DIR/$name.dll.loaded" ] && loaded="$loaded $name.dll"
done
[ -z "$loaded" ] || fail "planted DLLs ran inside velmaro.exe:$loaded"
[ -n "$WINDOW" ] || fail "the panel did not appear"
[ "${lit:-0}" -gt 200 ] || fail "no caption on the screen after Ctrl+Alt+P"
rm -rf "$RUN_DIR"
echo "no planted DLL was loaded (${NAMES[*]}); the caption played"
