#!/usr/bin/env bash
# CPU time of the real program while the caption plays, under Wine: the
# program's own process and the X server that shows it, for 10 s each of a
# 1,000-entry list paused, playing horizontally (1920 × 128) and playing
# vertically (the full work area), from /proc. One line per figure:
# "name value unit", CPU in percent of one core.
#   tools/cpu-bench.sh [VELMARO_EXE] [SECONDS]
set -u
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/.." && pwd)
EXE=$(realpath "${1:-$ROOT/build/velmaro.exe}")
SECONDS_EACH="${2:-10}"
WINE_RUN="$HERE/wine-run"
STATE="$ROOT/build/cpu-bench-wine"
source "$ROOT/tests/app/real-program.sh"

join_wine_session
RUN_DIR=$(new_run_folder cpu)
{
  printf '\xef\xbb\xbf# name,amount\n'
  for i in $(seq 1 1000); do printf '捐赠人%d,%d元\n' "$i" "$((100 + i))"; done
} > "$RUN_DIR/donations.txt"
chmod -R a+rwX "$RUN_DIR"

start_program "$RUN_DIR" '^Velmaro v'
PID=$(program_process "$RUN_DIR")
[ -n "$PID" ] || fail "no velmaro.exe process"
XPID="${XVFB_PID:-}"
[ -n "$XPID" ] || XPID=$(pgrep -f "Xvfb.*${DISPLAY}" | head -n 1)
[ -n "$XPID" ] || XPID=$(pgrep -x Xorg | head -n 1)

ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
HZ=$(getconf CLK_TCK)
measure() {
  local label="$1" p0 x0 t0 p1 x1 t1
  sleep 1  # let the change settle
  p0=$(ticks "$PID"); x0=$(ticks "$XPID"); t0=$(date +%s.%N)
  sleep "$SECONDS_EACH"
  p1=$(ticks "$PID"); x1=$(ticks "$XPID"); t1=$(date +%s.%N)
  awk -v a="$p0" -v b="$p1" -v c="$x0" -v d="$x1" -v s="$t0" -v e="$t1" -v hz="$HZ" -v l="$label" 'BEGIN {
    printf "cpu_%s_program %.1f %%\n", l, 100 * (b - a) / hz / (e - s)
    printf "cpu_%s_x_server %.1f %%\n", l, 100 * (d - c) / hz / (e - s)
  }'
}

xdotool windowfocus --sync "$WINDOW" 2>/dev/null
measure paused
xdotool key ctrl+alt+p
measure playing_horizontal_1920x128
xdotool key ctrl+alt+v
measure playing_vertical_full_screen
xdotool key ctrl+alt+p

kill "$PROGRAM_PID" 2>/dev/null
wait "$PROGRAM_PID" 2>/dev/null
"$WINE_RUN" --state "$STATE" --cleanup > /dev/null 2>&1
exit 0
