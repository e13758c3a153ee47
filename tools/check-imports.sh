#!/usr/bin/env bash
# Fails when an executable imports at load time a DLL that is not one of
# Windows' known DLLs (on every supported version). Windows looks for any
# other DLL in the program's own folder first, so a file of that name beside
# velmaro.exe would run inside it; such DLLs are loaded from the system
# folder at run time instead (src/platform).
#   check-imports.sh EXE...
set -u
KNOWN=" advapi32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll
        rpcrt4.dll shell32.dll shlwapi.dll user32.dll ws2_32.dll "
status=0
for exe in "$@"; do
  imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}')
  [ -n "$imports" ] || { echo "check-imports: no import table read from $exe" >&2; status=1; continue; }
  clean=1
  for dll in $imports; do
    case "$KNOWN" in
      *" $dll "*) ;;
      *) echo "check-imports: $exe imports $dll at load time, which is not a known DLL" >&2; clean=0; status=1 ;;
    esac
  done
  [ "$clean" = 1 ] && echo "check-imports: $(basename "$exe") imports only known DLLs: $(echo $imports)"
done
exit "$status"
