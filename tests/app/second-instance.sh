#!/usr/bin/env bash
# Two real processes: a second start of velmaro.exe in the same folder
# brings the first one's (hidden) panel back and ends, so that the two never
# write the same donations.txt; a start in another folder runs beside it.
#   second-instance.sh WINE_RUN STATE_DIR VELMARO_EXE
set -u
WINE_RUN="$1"; STATE="$2"; EXE="$3"
source "$(dirname "${BASH_SOURCE[0]}")/real-program.sh"
# Two programs of its own to end on a failure.
fail() { echo "FAILED: $*" >&2; kill ${FIRST_PID:-} ${OTHER_PID:-} 2>/dev/null; exit 1; }
TITLE='^Velmaro v2\.1\.3$'

join_wine_session

windows() { xdotool search ${1:-} --name "$TITLE" 2>/dev/null | wc -l; }
wait_for() {  # wait_for COUNT [--onlyvisible]
  for _ in $(seq 1 100); do [ "$(windows "${2:-}")" = "$1" ] && return 0; sleep 0.2; done
  return 1
}
wait_for 0 || fail "an earlier Velmaro window did not go away"

FOLDER=$(mktemp -d "$STATE/instance.XXXXXX")
OTHER=$(mktemp -d "$STATE/instance.XXXXXX")
for dir in "$FOLDER" "$OTHER"; do
  cp "$EXE" "$dir/velmaro.exe"
  printf '\xef\xbb\xbf# name,amount\nFirst,1\xe5\x85\x83\n' > "$dir/donations.txt"
done
chmod -R a+rwX "$FOLDER" "$OTHER"

"$WINE_RUN" --state "$STATE" "$FOLDER/velmaro.exe" &
FIRST_PID=$!
wait_for 1 --onlyvisible || fail "the first instance's panel did not appear"
WINDOW=$(xdotool search --name "$TITLE" | head -n 1)

# Ctrl+Alt+D hides the panel; the program runs on in the background.
xdotool windowfocus --sync "$WINDOW" key ctrl+alt+d
wait_for 0 --onlyvisible || fail "Ctrl+Alt+D did not hide the panel"

# The second start in the same folder ends by itself and shows the first panel.
start=$(date +%s)
timeout 30 "$WINE_RUN" --state "$STATE" "$FOLDER/velmaro.exe" || fail "the second instance did not end by itself"
echo "second instance ended after $(( $(date +%s) - start )) s"
wait_for 1 --onlyvisible || fail "the first instance's panel was not brought back"
[ "$(windows)" = 1 ] || fail "two panels for one folder"
kill -0 "$FIRST_PID" 2>/dev/null || fail "the first instance ended"

# Another folder is another program: it runs beside the first.
"$WINE_RUN" --state "$STATE" "$OTHER/velmaro.exe" &
OTHER_PID=$!
wait_for 2 || fail "a program in another folder did not start beside the first"

kill "$FIRST_PID" "$OTHER_PID" 2>/dev/null
wait "$FIRST_PID" "$OTHER_PID" 2>/dev/null
wait_for 0
cmp -s "$FOLDER/donations.txt" <(printf '\xef\xbb\xbf# name,amount\nFirst,1\xe5\x85\x83\n') || fail "donations.txt changed"
rm -rf "$FOLDER" "$OTHER"
echo "one program per folder; another folder runs beside it"
