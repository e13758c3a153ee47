#!/usr/bin/env bash
# The operator's fast entry in the real velmaro.exe under Wine, typed on the
# X display as an operator types it: Alt+N, a name, Alt+M, an amount, Enter,
# twice. Every character must arrive (the release of Alt after an Alt key
# must not leave the window in keyboard-menu mode), and both entries must be
# in donations.txt.
#   alt-release.sh WINE_RUN STATE_DIR VELMARO_EXE
set -u
WINE_RUN="$1"; STATE="$2"; EXE="$3"
source "$(dirname "${BASH_SOURCE[0]}")/real-program.sh"

join_wine_session

RUN_DIR=$(new_run_folder alt-release)
printf '\xef\xbb\xbf# name,amount\n' > "$RUN_DIR/donations.txt"
chmod -R a+rwX "$RUN_DIR"

start_program "$RUN_DIR"
xdotool windowactivate --sync "$WINDOW" 2>/dev/null || xdotool windowfocus --sync "$WINDOW" 2>/dev/null
sleep 0.5

entry() {
  xdotool key --delay 80 alt+n; sleep 0.3
  xdotool type --delay 80 "$1"; sleep 0.3
  xdotool key --delay 80 alt+m; sleep 0.3
  xdotool type --delay 80 "$2"; sleep 0.3
  xdotool key --delay 80 Return; sleep 1
}
entry ab 50
entry cd 70

expected=$(printf '\xef\xbb\xbf# name,amount\nab,50\xe5\x85\x83\ncd,70\xe5\x85\x83\n')
actual=$(cat "$RUN_DIR/donations.txt")
kill "$PROGRAM_PID" 2>/dev/null
wait "$PROGRAM_PID" 2>/dev/null
[ "$actual" = "$expected" ] || fail "typed after Alt keys, donations.txt holds: $(printf '%s' "$actual" | tail -n +2 | tr '\n' '|')"
rm -rf "$RUN_DIR"
echo "Alt+N, name, Alt+M, amount, Enter: every key arrived, twice"
