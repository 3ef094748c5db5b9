#!/usr/bin/env bash
# Ctrl+S, Enter saves the open project where it came from, with the system's
# own save dialog: zonewright.exe, started under Wine with Qt's "windows"
# plugin on a virtual display from a program folder of its own, opens
# C:\Шаблоны\Мои проекты\Кольцо.tpz from its command line; Ctrl+S and Enter in
# the dialog must update that file (not write one into the program's folder),
# and so must a second Ctrl+S, Enter after that save.
# Usage: save_dialog_test.sh ZONEWRIGHT_EXE WINE_PREFIX ZONEWRIGHT_CLI
# (the command-line tool of the build machine makes the project). The prefix
# is made fresh here: a Wine session started without a display can't show
# windows.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ "${1:-}" = "--inner" ]; then
    # On the virtual display: $2 program, $3 prefix, $4 program folder, $5 project
    # (Unix path), $6 its Windows path, $7 expected caption, $8 report.
    exe=$2 prefix=$3 folder=$4 project=$5 winProject=$6 expected=$7 report=$8
    say() { printf '%s\n' "$*" >>"$report"; }
    (cd "$folder" && exec bash "$here/wine.sh" "$prefix" run "$exe" "$winProject") \
        >/dev/null 2>>"$report.stderr" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT
    main=""
    for _ in $(seq 1 300); do
        main=$(timeout 5 xdotool search --onlyvisible --name "^$expected\$" 2>/dev/null | head -n 1)
        [ -n "$main" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    [ -n "$main" ] || { say "the main window with the project did not appear"; exit 1; }
    for round in "after opening it" "a second time, after saving it"; do
        touch -d '2001-01-01' "$project"
        before=$(timeout 5 xdotool search --onlyvisible --classname 'zonewright.exe' 2>/dev/null | sort)
        timeout 5 xdotool windowfocus "$main" 2>/dev/null
        sleep 0.3
        timeout 5 xdotool key ctrl+s
        # The save dialog: a new large window of the program.
        dialog=""
        for _ in $(seq 1 150); do
            for w in $(timeout 5 xdotool search --onlyvisible --classname 'zonewright.exe' 2>/dev/null); do
                grep -qx "$w" <<<"$before" && continue
                eval "$(timeout 5 xdotool getwindowgeometry --shell "$w" 2>/dev/null)"
                [ "${WIDTH:-0}" -gt 300 ] && dialog=$w
            done
            [ -n "$dialog" ] && break
            sleep 0.2
        done
        [ -n "$dialog" ] || { say "$round: no save dialog after Ctrl+S"; exit 1; }
        sleep 1 # the dialog fills its name field once shown
        timeout 5 xdotool windowfocus "$dialog" 2>/dev/null
        timeout 5 xdotool key Return
        saved=""
        for _ in $(seq 1 150); do
            [ "$(stat -c %Y "$project")" -gt 1000000000 ] && { saved=yes; break; }
            sleep 0.2
        done
        [ -n "$saved" ] || { say "$round: Ctrl+S, Enter did not update $winProject"; exit 1; }
        if ls "$folder"/*.tpz >/dev/null 2>&1; then
            say "$round: a project was written into the program's folder"
            exit 1
        fi
        # The dialog has gone before the next round.
        for _ in $(seq 1 50); do
            timeout 5 xdotool getwindowname "$dialog" >/dev/null 2>&1 || break
            timeout 5 xdotool search --onlyvisible --classname 'zonewright.exe' 2>/dev/null |
                grep -qx "$dialog" || break
            sleep 0.2
        done
        say "$round: saved where it came from"
    done
    exit 0
fi

exe=$(readlink -f "${1:?usage: save_dialog_test.sh ZONEWRIGHT_EXE WINE_PREFIX ZONEWRIGHT_CLI}")
prefix=${2:?}
cli=${3:?}
for tool in Xvfb xdotool timeout; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
done
bash "$here/wine.sh" "$prefix" create || { echo "FAIL: cannot make the Wine prefix"; exit 1; }
work=$(mktemp -d)
trap 'bash "$here/wine.sh" "$prefix" stop; rm -rf "$work"' EXIT
root="$prefix/drive_c/Шаблоны"
mkdir -p "$root/Мои проекты" "$root/Zonewright"
project="$root/Мои проекты/Кольцо.tpz"
printf '{"name": "Кольцо на двоих", "zones": [{"gridX": 1, "gridY": 1}]}' >"$work/t.json"
"$cli" build "$work/t.json" "$project" >/dev/null || { echo "FAIL: cannot build the project"; exit 1; }

if ! timeout -k 5 240 bash "$here/../tests/support/with_virtual_display.sh" 1366x768 \
    bash "$0" --inner "$exe" "$prefix" "$root/Zonewright" "$project" \
    'C:\Шаблоны\Мои проекты\Кольцо.tpz' "Редактор шаблонов - Кольцо на двоих" "$work/report"; then
    cat "$work/report" "$work/report.stderr" 2>/dev/null
    echo "FAIL: Ctrl+S, Enter did not save the project where it came from"
    exit 1
fi
cat "$work/report"
echo "ok: Ctrl+S, Enter saves the project where it came from"
