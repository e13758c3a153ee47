#!/usr/bin/env bash
# Starts the real velmaro.exe under Wine from a fresh run folder, waits for
# the control panel window, takes a screenshot of the display and checks that
# the panel is drawn: its header band, list area, right pane and status strip in their
# colours, and text in the status strip. Then the global hotkeys start
# playback (the caption must appear and move) and switch the direction, which
# saves settings.ini beside the program.
#   panel-screenshot.sh WINE_RUN STATE_DIR VELMARO_EXE OUT_DIR
set -u
WINE_RUN="$1"; STATE="$2"; EXE="$3"; OUT="$4"
mkdir -p "$OUT"
source "$(dirname "${BASH_SOURCE[0]}")/real-program.sh"

# The exe is statically linked: only system DLLs may be imported.
imports=$(x86_64-w64-mingw32-objdump -p "$EXE" | awk '/DLL Name/ {print tolower($3)}')
for dll in $imports; do
  case "$dll" in
    libstdc++*|libgcc*|libwinpthread*) fail "velmaro.exe imports $dll" ;;
  esac
done

join_wine_session

RUN_DIR=$(new_run_folder screenshot)
printf '\xef\xbb\xbf# name,amount\n\xe5\xbc\xa0\xe4\xb8\x89,100\xe5\x85\x83\nZhang Wei,1,000\xe5\x85\x83\n' > "$RUN_DIR/donations.txt"
# Settings the program must read at start-up and keep through its save at exit.
{ printf '\xff\xfe'; printf '[style]\r\nfontSize=44\r\n[custom]\r\nkeep=1\r\n' | iconv -f UTF-8 -t UTF-16LE; } \
  > "$RUN_DIR/settings.ini"
chmod -R a+rwX "$RUN_DIR"

start_program "$RUN_DIR"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
read -r SCREEN_WIDTH SCREEN_BOTTOM < <(xdotool getdisplaygeometry)

pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6; }
# The colours of a line of pixels, one per line: line IMAGE X Y WIDTH HEIGHT.
line() { convert "$1" -crop "$4x$5+$2+$3" +repage txt:- | awk 'NR > 1 {print substr($3, 2, 6)}'; }

# Finds the client area in IMAGE: Wine draws the frame itself (there is no
# window manager), so the client starts below the title bar where the white
# header band begins; the status strip ends it.
find_client() {
  local image="$1" mid=$((X + WIDTH / 2)) i=0 run=0 colour
  CY=""
  while read -r colour; do
    if [ "$colour" = FFFFFF ]; then run=$((run + 1)); else run=0; fi
    if [ "$run" -ge 20 ]; then CY=$((Y + i - 19)); break; fi
    i=$((i + 1))
  done < <(line "$image" "$mid" "$Y" 1 100)
  [ -n "$CY" ] || fail "no header band in $image"
  CX=""
  i=0
  while read -r colour; do
    if [ "$colour" = F6F8F9 ]; then CX=$((X + i)); break; fi
    i=$((i + 1))
  done < <(line "$image" "$X" "$((CY + 200))" 20 1)
  [ -n "$CX" ] || fail "no list area in $image"
  CW=$((WIDTH - 2 * (CX - X)))
  CH=""
  i=0
  while read -r colour; do
    [ "$colour" = ECF1F3 ] && CH=$((Y + HEIGHT - 40 + i + 1 - CY))
    i=$((i + 1))
  done < <(line "$image" "$mid" "$((Y + HEIGHT - 40))" 1 40)
  [ -n "$CH" ] || fail "no status strip in $image"
}

expect_colour() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$1: pixel at $2,$3 is #$got, expected #$4 ($5)"
}

# The frame's zones, at client-relative points (logical size = pixels at 96 dpi).
check_panel() {
  local image="$1"
  find_client "$image"
  local L=$((CW - 368))
  expect_colour "$image" $((CX + 10)) $((CY + 10)) FFFFFF "header band"
  expect_colour "$image" $((CX + 10)) $((CY + 200)) F6F8F9 "list area"
  expect_colour "$image" $((CX + L)) $((CY + 200)) DDE3E7 "right pane divider"
  expect_colour "$image" $((CX + L + 6)) $((CY + 130)) FFFFFF "right pane"
  expect_colour "$image" $((CX + CW / 2)) $((CY + CH - 3)) ECF1F3 "status strip"
  # The status strip carries text ("已暂停 · 字幕已隐藏" and "2 条名单").
  local colours
  colours=$(convert "$image" -crop "${CW}x26+$CX+$((CY + CH - 30))" -unique-colors -format '%w' info:)
  [ "${colours:-0}" -gt 3 ] || fail "$image: the status strip holds no text"
  echo "$image: client ${CW}x${CH} at $CX,$CY"
}

import -window root "$OUT/panel.png" || fail "screenshot failed"
# The minimum size is shot by the panel tests, which can resize the window
# (Wine ignores a resize from outside for the windows it manages itself).
[ "$WIDTH" = 1160 ] && [ "$HEIGHT" = 850 ] || fail "the panel is ${WIDTH}x${HEIGHT}, expected 1160x850"
check_panel "$OUT/panel.png"

# Ctrl+Alt+P, the pause / continue hotkey, starts playback: the caption
# scrolls in along the bottom of the screen, on a transparent background.
xdotool windowfocus --sync "$WINDOW" key ctrl+alt+p
sleep 2
import -window root "$OUT/playing-1.png" || fail "screenshot failed"
sleep 0.5
import -window root "$OUT/playing-2.png" || fail "screenshot failed"
# The right end of the bottom strip: the caption enters there, clear of the panel.
strip="300x100+$((SCREEN_WIDTH - 300))+$((SCREEN_BOTTOM - 110))"
lit() { convert "$1" -crop "$strip" -threshold 10% -format '%[fx:int(mean*w*h)]' info:; }
[ "$(lit "$OUT/playing-1.png")" -gt 200 ] || fail "no caption text on the screen after Ctrl+Alt+P"
a=$(convert "$OUT/playing-1.png" -crop "$strip" +repage rgb:- | md5sum)
b=$(convert "$OUT/playing-2.png" -crop "$strip" +repage rgb:- | md5sum)
[ "$a" != "$b" ] || fail "the caption did not move between two screenshots"

# Ctrl+Alt+V switches to vertical scrolling, which saves the settings.
xdotool key ctrl+alt+v
for _ in $(seq 1 50); do [ -e "$RUN_DIR/settings.ini" ] && grep -q . <(iconv -f UTF-16LE -t UTF-8 "$RUN_DIR/settings.ini" | grep 'direction=1') && break; sleep 0.2; done
kill "$PROGRAM_PID" 2>/dev/null
wait "$PROGRAM_PID" 2>/dev/null
[ "$(head -c 2 "$RUN_DIR/settings.ini" | xxd -p)" = "fffe" ] || fail "settings.ini was not written as UTF-16LE"
settings=$(iconv -f UTF-16LE -t UTF-8 "$RUN_DIR/settings.ini" | tr -d '\r')
grep -q '^\[dockVertical\]$' <<<"$settings" || fail "settings.ini lacks its sections"
grep -q '^fontSize=44$' <<<"$settings" || fail "the font size read at start-up was not kept"
grep -q '^direction=1$' <<<"$settings" || fail "the direction switched by Ctrl+Alt+V was not saved"
grep -q '^keep=1$' <<<"$settings" || fail "a key the program does not own was lost"
[ ! -e "$RUN_DIR/settings.ini.pending" ] || fail "a pending settings file was left behind"
# The program must not have rewritten the operator's unchanged list.
cmp -s "$RUN_DIR/donations.txt" <(printf '\xef\xbb\xbf# name,amount\n\xe5\xbc\xa0\xe4\xb8\x89,100\xe5\x85\x83\nZhang Wei,1,000\xe5\x85\x83\n') \
  || fail "donations.txt changed"
rm -rf "$RUN_DIR"
echo "panel window drawn; screenshot in $OUT/panel.png"
