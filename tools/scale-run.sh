#!/usr/bin/env bash
# The real program with a long generated list, under Wine: how long until the
# panel shows, how long from Ctrl+Alt+P until the caption's text is on the
# screen, how long an entry typed meanwhile takes to reach donations.txt, and
# the program's peak memory. One line per figure: "name value unit".
# A third argument puts a name of that many characters first in the list.
#   tools/scale-run.sh [VELMARO_EXE] [ENTRIES] [FIRST_NAME_LENGTH]
set -u
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/.." && pwd)
EXE=$(realpath "${1:-$ROOT/build/velmaro.exe}")
COUNT="${2:-1000000}"
FIRST_NAME="${3:-0}"
WINE_RUN="$HERE/wine-run"
STATE="$ROOT/build/scale-run-wine"
source "$ROOT/tests/app/real-program.sh"

join_wine_session
RUN_DIR=$(new_run_folder scale)
{
  printf '\xef\xbb\xbf# name,amount\n'
  [ "$FIRST_NAME" -gt 0 ] && python3 -c "import sys; sys.stdout.write('名' * $FIRST_NAME + ',100元\\n')"
  awk -v n="$COUNT" 'BEGIN { for (i = 1; i <= n; i++) printf "捐赠人%d,%d元\n", i, 100 + i % 9000 }'
} > "$RUN_DIR/donations.txt"
# The caption along the bottom of the screen; it enters from the right, where
# the panel leaves the screen black.
printf '[scroll]\r\nx=0\r\ny=900\r\nwidth=1920\r\nheight=128\r\n' > "$RUN_DIR/settings.ini"
chmod -R a+rwX "$RUN_DIR"

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
# Whether any pixel of the caption's area is lit (Xvfb's background is black).
caption_lit() {
  import -window root -crop 370x128+1548+900 +repage png:- 2>/dev/null |
    convert png:- -format '%[fx:maxima>0.2]' info: 2>/dev/null
}

started=$(now)
start_program "$RUN_DIR" '^Velmaro v'
echo "panel_shown_${COUNT} $(since "$started") s (2 s of settling included)"
PID=$(program_process "$RUN_DIR")

xdotool windowfocus --sync "$WINDOW" 2>/dev/null
[ "$(caption_lit)" = "1" ] && fail "the caption's area is lit before playback starts"
toggled=$(now)
xdotool key ctrl+alt+p
typed=""
shown=""
while [ -z "$shown" ] && awk -v t="$(since "$toggled")" 'BEGIN { exit !(t < 120) }'; do
  [ "$(caption_lit)" = "1" ] && shown=$(since "$toggled")
  # Two seconds in, an entry is typed into the panel's name and amount boxes.
  if [ -z "$typed" ] && awk -v t="$(since "$toggled")" 'BEGIN { exit !(t >= 2) }'; then
    xdotool windowfocus --sync "$WINDOW" 2>/dev/null
    xdotool key alt+n; xdotool type --delay 20 "ScaleRunDonor"; xdotool key Tab; xdotool type --delay 20 "88"; xdotool key Return
    typed=$(now)
  fi
done
echo "caption_visible_after_toggle_${COUNT} ${shown:-never} s"
if [ -z "$typed" ]; then
  while awk -v t="$(since "$toggled")" 'BEGIN { exit !(t < 2) }'; do sleep 0.05; done
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null
  xdotool key alt+n; xdotool type --delay 20 "ScaleRunDonor"; xdotool key Tab; xdotool type --delay 20 "88"; xdotool key Return
  typed=$(now)
fi
if [ -n "$typed" ]; then
  saved=""
  while [ -z "$saved" ] && awk -v t="$(since "$typed")" 'BEGIN { exit !(t < 120) }'; do
    grep -q "ScaleRunDonor" "$RUN_DIR/donations.txt" 2>/dev/null && saved=$(since "$typed")
    sleep 0.1
  done
  echo "typed_entry_saved_after_${COUNT} ${saved:-never} s"
fi
[ -n "$PID" ] && echo "peak_memory_${COUNT} $(awk '/VmHWM/ { printf "%.0f", $2 / 1024 }' "/proc/$PID/status") MiB"

kill "$PROGRAM_PID" 2>/dev/null
wait "$PROGRAM_PID" 2>/dev/null
"$WINE_RUN" --state "$STATE" --cleanup > /dev/null 2>&1
