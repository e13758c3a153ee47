# Sourced by the scripts that run the real velmaro.exe under Wine; they set
# WINE_RUN, STATE and EXE first.

# Says why the test failed and ends it, with the program it started.
fail() { echo "FAILED: $*" >&2; [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null; exit 1; }

# Joins the persistent Wine session and its display.
join_wine_session() {
  "$WINE_RUN" --state "$STATE" --setup || fail "no Wine session"
  # shellcheck disable=SC1090
  . "$STATE/session"
  export DISPLAY
}

# new_run_folder NAME: a fresh folder under STATE holding a copy of the exe.
new_run_folder() {
  local folder
  folder=$(mktemp -d "$STATE/$1.XXXXXX") || fail "no run folder"
  cp "$EXE" "$folder/velmaro.exe" || fail "cannot copy $EXE"
  printf '%s\n' "$folder"
}

# start_program RUN_DIR [TITLE_PATTERN]: starts RUN_DIR/velmaro.exe (its PID in
# PROGRAM_PID) and waits for the panel window (WINDOW), titled with this
# version unless a pattern says otherwise.
start_program() {
  local title="${2:-^Velmaro v2\.1\.3$}"
  "$WINE_RUN" --state "$STATE" "$1/velmaro.exe" &
  PROGRAM_PID=$!
  WINDOW=$(timeout 60 xdotool search --sync --name "$title" | head -n 1)
  [ -n "$WINDOW" ] || fail "no panel window titled like '$title' appeared"
  sleep 2
}

# program_process RUN_DIR: the PID of the Wine process running RUN_DIR/velmaro.exe
# (its first argument is the program; the wrapper's is bash), or nothing.
program_process() {
  local p
  for p in $(pgrep -f "$1/velmaro.exe"); do
    case "$(tr '\0' '\n' < "/proc/$p/cmdline" 2>/dev/null | head -n 1)" in *velmaro.exe) echo "$p"; return ;; esac
  done
}
