#!/usr/bin/env bash
# Screenshots of the real program under Wine, for looking at the panel and
# the caption as an operator sees them: a list of mixed scripts, an entry
# typed with the Alt keys, a selection with the focus elsewhere, the dark
# preview background, the playing caption and the panel at its minimum size.
#   tools/panel-shots.sh VELMARO_EXE OUT_DIR [DPI]
# DPI (default 96) is set in a Wine prefix of its own under OUT_DIR/wine.
set -u
EXE=$(realpath "$1"); OUT=$(realpath -m "$2"); DPI="${3:-96}"
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_RUN="$HERE/wine-run"
STATE="$OUT/wine"
mkdir -p "$OUT"
source "$HERE/../tests/app/real-program.sh"

join_wine_session
if [ "$DPI" != 96 ]; then
  "$WINE_RUN" --state "$STATE" reg.exe add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f \
    > /dev/null 2>&1 || fail "cannot set $DPI dpi"
fi

RUN_DIR=$(new_run_folder shots)
{
  printf '\xef\xbb\xbf# name,amount\n'
  names=("张三" "Maria García" "O'Brien & Sons" "上海某某科技有限公司（捐赠部）" "王五" "李四 Li Si")
  amounts=("100元" "200元" "1500元" "3000元" "750€" "88元")
  for i in $(seq 0 59); do printf '%s,%s\n' "${names[$((i % 6))]}" "${amounts[$((i % 6))]}"; done
} > "$RUN_DIR/donations.txt"
chmod -R a+rwX "$RUN_DIR"

start_program "$RUN_DIR" '^Velmaro v'
xdotool windowactivate --sync "$WINDOW" 2>/dev/null || xdotool windowfocus --sync "$WINDOW" 2>/dev/null
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
shot() { sleep 0.7; import -window root "$OUT/$1.png" || fail "screenshot $1 failed"; echo "$OUT/$1.png"; }
# Client-relative logical points, scaled to the display's dpi (the title bar is about 23 px at 96 dpi).
click() {
  xdotool mousemove --sync $((X + $1 * DPI / 96)) $((Y + ($2 + 23) * DPI / 96)) click 1
  sleep 0.3
}

shot panel
xdotool key --delay 80 alt+n; xdotool type --delay 60 "新来的 New"; xdotool key --delay 80 alt+m
xdotool type --delay 60 "66"; xdotool key --delay 80 Return
shot appended
click 300 300                       # a row of the table
xdotool key --delay 80 alt+n        # the focus goes to the name box
shot selection-unfocused
click $((WIDTH * 96 / DPI - 368 + 242 + 21)) 157  # the dark preview background
shot preview-dark
for _ in 1 2 3 4 5 6 7 8; do click 918 438; done  # the font size spin's up arrow: 35 → 43
shot preview-size-spin
xdotool key ctrl+alt+p
sleep 9
shot caption
xdotool key ctrl+alt+p
# The panel at its minimum size, reached with the system menu's Size and the arrow keys.
# The first arrow picks the edge to move, the others move it: the right edge
# leftwards, then the bottom edge upwards, each as far as the panel allows.
size_edge() {
  xdotool key --delay 150 alt+space s "$1"
  for _ in $(seq 1 "$3"); do xdotool key --delay 30 "$2"; done
  xdotool key --delay 150 Return
  sleep 0.5
}
size_edge Right Left 120
size_edge Down Up 60
shot minimum

kill "$PROGRAM_PID" 2>/dev/null
wait "$PROGRAM_PID" 2>/dev/null
"$WINE_RUN" --state "$STATE" --cleanup > /dev/null 2>&1
exit 0
