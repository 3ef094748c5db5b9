#!/bin/bash
# Starts the real editor under a virtual X server with a project file on its
# command line and checks the main window's caption names the loaded template
# and its window class is "zonewright"; then starts it without a file and
# expects the new template's caption.
# Usage: xvfb_caption.sh PATH_TO_zonewright
set -u

if [ "${1:-}" = "--inner" ]; then
    # Runs inside the virtual display: $2 executable, $3 expected caption,
    # $4 file to open (may be empty), $5 where to write what was seen.
    exe=$2 expected=$3 file=$4 report=$5
    "$exe" ${file:+"$file"} >/dev/null 2>>"$report.stderr" &
    pid=$!
    caption=""
    class=""
    # The window shows the new template's caption before the project named on
    # the command line is loaded: wait for the expected caption, not the first.
    for _ in $(seq 1 250); do
        for win in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            name=$(xprop -id "$win" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
            [ -n "$name" ] || name=$(xdotool getwindowname "$win" 2>/dev/null)
            case "$name" in
            "Редактор шаблонов"*)
                caption=$name
                # The window class is ASCII, the one the desktop entry names.
                class=$(xprop -id "$win" WM_CLASS 2>/dev/null | sed -n 's/^WM_CLASS(STRING) = //p')
                ;;
            esac
        done
        [ "$caption" = "$expected" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    printf '%s (class %s)\n' "$caption" "$class" >"$report"
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ "$caption" = "$expected" ] && [ "$class" = '"zonewright", "zonewright"' ]
    exit $?
fi

. "$(dirname "$(readlink -f "$0")")/../support/x_windows.sh"
outer_setup "${1:?usage: xvfb_caption.sh PATH_TO_zonewright}" xdotool xprop
cli="$(dirname "$exe")/zonewright-cli"

fail=0
run() { # expected caption, file
    if ! timeout -k 5 90 bash "$display" 1024x768 \
        bash "$0" --inner "$exe" "$1" "$2" "$work/seen"; then
        echo "FAIL: expected caption \"$1\" of class zonewright, saw \"$(cat "$work/seen" 2>/dev/null)\""
        cat "$work/seen.stderr" 2>/dev/null
        fail=1
    else
        echo "ok: $1"
        rm -f "$work/seen.stderr"
    fi
}

# A project whose name and path need care: spaces and Cyrillic letters.
project="$work/мой шаблон.tpz"
if [ -x "$cli" ]; then
    printf '{"name": "Тест заголовка 1", "zones": [{"gridX": 1, "gridY": 1}]}' >"$work/t.json"
    if "$cli" build "$work/t.json" "$project" >/dev/null 2>&1; then
        run "Редактор шаблонов - Тест заголовка 1" "$project"
    else
        echo "FAIL: zonewright-cli could not build the test project"
        fail=1
    fi
else
    echo "note: $cli not found; checking the start without a file only"
fi
run "Редактор шаблонов - Unnamed template" ""

# The association names the executable that was started, and the windows'
# class, so the desktop shows the entry's name for them.
if ! grep -qF "Exec=\"$exe\" %f" "$XDG_DATA_HOME/applications/zonewright.desktop" 2>/dev/null; then
    echo "FAIL: the desktop entry does not run $exe"
    fail=1
fi
if ! grep -qx "StartupWMClass=zonewright" "$XDG_DATA_HOME/applications/zonewright.desktop" 2>/dev/null; then
    echo "FAIL: the desktop entry names no window class zonewright"
    fail=1
fi
exit $fail
