#!/usr/bin/env python3
"""The layers of src/, checked: plain logic (src/core), the commands
(src/commands) and the platform helpers (src/platform) never reach up into
the windows (src/ui) or the program's assembly (src/app).

- src/core may include only src/core and the platform's file and handle
  helpers, never names the application state, and calls no window, message
  box or dialog function;
- src/commands may include only src/core, those platform helpers, src/commands
  and the application record, and calls no window function either: it tells
  the windows what changed through its Views interface;
- the application record (app/AppState.h) includes only src/core and the
  platform helpers: the objects that own windows are only declared there;
- src/platform includes only src/platform.

Prints the include map between top-level folders (which folder includes
which, and how often), then every violation; exits 1 when there is one.
"""
import collections
import pathlib
import re
import sys

SRC = pathlib.Path(__file__).resolve().parent.parent / "src"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
WINDOW_CALLS = re.compile(
    r"\b(CreateWindow\w*|DestroyWindow|MessageBox\w*|GetDlgItem|SendMessage\w*|PostMessage\w*|SetWindowText\w*|"
    r"InvalidateRect|DialogBox\w*|TaskDialog\w*|GetOpenFileName\w*|GetSaveFileName\w*|ChooseColor\w*|"
    r"ChooseFont\w*|SetFocus|ShowWindow)\s*\(")
CORE_MAY_INCLUDE = ("core/", "platform/FileIo.h", "platform/WinHandles.h")
COMMANDS_MAY_INCLUDE = CORE_MAY_INCLUDE + ("commands/", "app/AppState.h")


def folder(path):
    """src/core/list/X.cpp -> core/list; src/ui/panel/X.cpp -> ui/panel; src/app/X.cpp -> app."""
    parts = path.relative_to(SRC).parts
    return "/".join(parts[:2]) if parts[0] in ("core", "ui") and len(parts) > 2 else parts[0]


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    return re.sub(r"//[^\n]*", "", text)


def main():
    edges = collections.Counter()
    problems = []
    for path in sorted(SRC.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(SRC).as_posix()
        text = path.read_text(encoding="utf-8")
        code = strip_comments(text)
        for included in INCLUDE.findall(text):
            target = SRC / included
            if target.exists():
                edges[(folder(path), folder(target))] += 1
            if relative.startswith("core/") and not included.startswith(CORE_MAY_INCLUDE):
                problems.append(f"{relative}: plain logic includes {included}")
            if relative.startswith("commands/") and not included.startswith(COMMANDS_MAY_INCLUDE):
                problems.append(f"{relative}: a command includes {included}")
            if relative == "app/AppState.h" and not included.startswith(CORE_MAY_INCLUDE):
                problems.append(f"{relative}: the application record includes {included}")
            if relative.startswith("platform/") and not included.startswith("platform/"):
                problems.append(f"{relative}: a platform helper includes {included}")
        if relative.startswith("core/"):
            if re.search(r"\b(g_app|AppState)\b", code):
                problems.append(f"{relative}: plain logic names the application state")
            for call in sorted(set(WINDOW_CALLS.findall(code))):
                problems.append(f"{relative}: plain logic calls {call}")
        if relative.startswith("commands/"):
            for call in sorted(set(WINDOW_CALLS.findall(code))):
                problems.append(f"{relative}: a command calls {call}")

    print("include map (folder -> folder: includes):")
    for (source, target), count in sorted(edges.items()):
        if source != target:
            print(f"  {source} -> {target}: {count}")
    for problem in problems:
        print("layer check: " + problem, file=sys.stderr)
    if problems:
        return 1
    print("layer check: src/core, src/commands and src/platform reach no folder above them")
    return 0


if __name__ == "__main__":
    sys.exit(main())
