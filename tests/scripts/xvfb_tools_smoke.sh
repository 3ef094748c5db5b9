#!/bin/bash
# Starts the real editor under a virtual X server and uses it with a real X
# pointer: clicks the create-zone tool button, then a node of the canvas, and
# expects the zone dialog "Настройка локации" to open. Escape cancels the
# dialog, which must then go away; the editor is ended at the end.
# Every wait is bounded; the script never hangs.
# Usage: xvfb_tools_smoke.sh PATH_TO_zonewright
# With ZW_SMOKE_SHOTS set to a folder, screenshots of each stage land there.
set -u
# The toolbar's geometry, settled WINDOW and outer_setup EDITOR TOOL...
. "$(dirname "$(readlink -f "$0")")/../support/x_windows.sh"

if [ "${1:-}" = "--inner" ]; then
    # Runs inside the virtual display: $2 executable, $3 report file.
    exe=$2 report=$3
    shots=${ZW_SMOKE_SHOTS:-}
    say() { printf '%s\n' "$*" >>"$report"; }
    shot() { [ -n "$shots" ] && command -v import >/dev/null && timeout 10 import -window root "$shots/$1.png" 2>/dev/null; }
    # Waits up to $1 tenths of a second for a visible window named $2; prints its id.
    find_window() {
        local tries=$1 name=$2 w
        for _ in $(seq 1 "$tries"); do
            w=$(timeout 5 xdotool search --onlyvisible --name "^$name" 2>/dev/null | head -n 1)
            if [ -n "$w" ]; then
                printf '%s\n' "$w"
                return 0
            fi
            sleep 0.1
        done
        return 1
    }

    "$exe" >/dev/null 2>>"${report}.stderr" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null; sleep 0.5; kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT

    main=$(find_window 150 "Редактор шаблонов") || { say "the main window did not appear"; exit 1; }
    settled "$main" || { say "the main window did not settle"; exit 1; }
    eval "$(timeout 5 xdotool getwindowgeometry --shell "$main")"
    say "main window $main at $X,$Y size ${WIDTH}x$HEIGHT"
    shot 1-started

    # A real pointer moves before it presses.
    timeout 5 xdotool mousemove $((X + CREATE_ZONE_X)) $((Y + BUTTON_Y))
    sleep 0.3
    timeout 5 xdotool click 1
    sleep 0.3
    timeout 5 xdotool mousemove $((X + NODE_X - 20)) $((Y + NODE_Y - 20))
    sleep 0.2
    timeout 5 xdotool mousemove $((X + NODE_X)) $((Y + NODE_Y))
    sleep 0.2
    shot 2-tool-down
    timeout 5 xdotool click 1

    dialog=$(find_window 100 "Настройка локации") || {
        shot 3-no-dialog
        say "the zone dialog did not open"
        exit 1
    }
    say "zone dialog $dialog opened"
    shot 3-dialog

    # Escape cancels the dialog.
    timeout 5 xdotool windowfocus "$dialog" 2>/dev/null
    sleep 0.2
    timeout 5 xdotool key Escape
    for _ in $(seq 1 50); do
        timeout 5 xdotool search --onlyvisible --name "^Настройка локации" >/dev/null 2>&1 || break
        sleep 0.1
    done
    if timeout 5 xdotool search --onlyvisible --name "^Настройка локации" >/dev/null 2>&1; then
        shot 4-dialog-stays
        say "the zone dialog did not close on Escape"
        exit 1
    fi
    kill -0 "$pid" 2>/dev/null || { say "the editor ended unexpectedly"; exit 1; }
    say "zone dialog closed"
    shot 4-closed
    exit 0
fi

outer_setup "${1:?usage: xvfb_tools_smoke.sh PATH_TO_zonewright}" xdotool

timeout -k 5 90 bash "$display" 1024x768 bash "$0" --inner "$exe" "$work/report"
status=$?
cat "$work/report" 2>/dev/null
if [ "$status" -ne 0 ]; then
    cat "$work/report.stderr" 2>/dev/null
    echo "FAIL: create-zone tool smoke test (status $status)"
    exit 1
fi
echo "ok: the create-zone tool opens the zone dialog"
exit 0
