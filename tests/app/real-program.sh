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
