#!/bin/bash
# Starts the real editor under a virtual X server with a project, adds a zone,
# waits for the recovery file, kills the editor with SIGKILL, starts it again,
# answers the recovery question with Да (the default button, so Return), checks
# the caption, saves through the save dialog and compares the saved project
# with the recovery copy taken before the kill. The recovery files must be
# gone afterwards: the claimed one by the rename, its successor by the save.
# Every wait is bounded; the script never hangs.
# Usage: xvfb_recovery.sh PATH_TO_zonewright
set -u
# The toolbar's geometry, settled WINDOW and outer_setup EDITOR TOOL...
. "$(dirname "$(readlink -f "$0")")/../support/x_windows.sh"
NAME="Восстановление 1"
CAPTION="Редактор шаблонов - $NAME"

if [ "${1:-}" = "--inner" ]; then
    # Runs inside the virtual display: $2 executable, $3 project, $4 work folder.
    exe=$2 project=$3 work=$4
    report="$work/report"
    folder="$XDG_DATA_HOME/zonewright"
    say() { printf '%s\n' "$*" >>"$report"; }
    pids=()
    trap 'for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; wait "$p" 2>/dev/null; done' EXIT

    # Waits up to $1 tenths of a second for a visible window of process $2 whose
    # name matches the shell pattern $3 (and not $4); prints its id.
    window_of() {
        local tries=$1 pid=$2 want=$3 unwanted=${4:-} w name
        for _ in $(seq 1 "$tries"); do
            for w in $(timeout 5 xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
                name=$(timeout 5 xdotool getwindowname "$w" 2>/dev/null)
                # shellcheck disable=SC2053
                if [[ $name == $want ]] && { [ -z "$unwanted" ] || [[ $name != $unwanted ]]; }; then
                    printf '%s\n' "$w"
                    return 0
                fi
            done
            kill -0 "$pid" 2>/dev/null || return 1
            sleep 0.1
        done
        return 1
    }
    gone() { # waits for window $1 to disappear
        for _ in $(seq 1 50); do
            timeout 5 xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
            timeout 5 xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" || return 0
            sleep 0.1
        done
        return 1
    }
    click_at() { # window, x, y in its client pixels
        eval "$(timeout 5 xdotool getwindowgeometry --shell "$1")"
        timeout 5 xdotool mousemove $((X + $2 - 10)) $((Y + $3 - 10))
        sleep 0.2
        timeout 5 xdotool mousemove $((X + $2)) $((Y + $3))
        sleep 0.2
        timeout 5 xdotool click 1
    }
    wait_file() { # path, tenths of a second
        for _ in $(seq 1 "$2"); do
            [ -f "$1" ] && return 0
            sleep 0.1
        done
        return 1
    }

    # 1. Edit, wait for the autosave, kill.
    "$exe" "$project" >/dev/null 2>>"$work/stderr" &
    first=$!
    pids+=("$first")
    main=$(window_of 150 "$first" "$CAPTION") || { say "the project did not open"; exit 1; }
    settled "$main" || { say "the main window did not settle"; exit 1; }
    click_at "$main" "$CREATE_ZONE_X" "$BUTTON_Y"
    sleep 0.3
    click_at "$main" "$NODE_X" "$NODE_Y"
    dialog=$(window_of 100 "$first" "Настройка локации*") || { say "the zone dialog did not open"; exit 1; }
    timeout 5 xdotool windowfocus "$dialog" 2>/dev/null
    sleep 0.2
    timeout 5 xdotool key Return
    gone "$dialog" || { say "the zone dialog did not close on Return"; exit 1; }
    # The first change is written at once; allow one whole interval.
    wait_file "$folder/recovery-$first.tpz" 400 || { say "no recovery file after the edit"; exit 1; }
    sleep 0.5
    cp "$folder/recovery-$first.tpz" "$work/before-kill.tpz"
    kill -9 "$first"
    wait "$first" 2>/dev/null
    [ -f "$folder/recovery-$first.tpz" ] || { say "the recovery file went with the editor"; exit 1; }
    say "recovery file written and left by the killed editor"

    # 2. Start again, answer Да.
    "$exe" >/dev/null 2>>"$work/stderr" &
    second=$!
    pids+=("$second")
    # Any named window but the main one (a window may be nameless at first).
    question=$(window_of 150 "$second" "?*" "Редактор шаблонов - *") || {
        say "no recovery question at start-up"
        exit 1
    }
    timeout 5 xdotool windowfocus "$question" 2>/dev/null
    sleep 0.2
    timeout 5 xdotool key Return
    gone "$question" || { say "the recovery question did not close on Return"; exit 1; }
    main=$(window_of 100 "$second" "${CAPTION}[*]") || { say "the recovered template's caption is missing"; exit 1; }
    [ -f "$folder/recovery-$first.tpz" ] && { say "the old recovery file is still there"; exit 1; }
    cmp -s "$folder/recovery-$second.tpz" "$work/before-kill.tpz" ||
        { say "the recovered template is not this editor's recovery file"; exit 1; }
    say "recovered with the caption \"$CAPTION*\" (modified)"

    # 3. Save asks for a place; the saved project equals the copy from before the kill.
    settled "$main" || { say "the main window did not settle"; exit 1; }
    click_at "$main" "$SAVE_X" "$BUTTON_Y"
    save=$(window_of 100 "$second" "?*" "Редактор шаблонов - *") || { say "save asked for no place"; exit 1; }
    timeout 5 xdotool windowfocus "$save" 2>/dev/null
    sleep 0.3
    timeout 5 xdotool type --delay 20 "$work/saved"
    timeout 5 xdotool key Return
    wait_file "$work/saved.tpz" 100 || { say "the save wrote no file"; exit 1; }
    sleep 0.5
    cmp -s "$work/saved.tpz" "$work/before-kill.tpz" || { say "the saved template differs"; exit 1; }
    cmp -s "$work/saved.tpz" "$project" && { say "the edit was lost"; exit 1; }
    for _ in $(seq 1 20); do
        [ -f "$folder/recovery-$second.tpz" ] || break
        sleep 0.1
    done
    [ -f "$folder/recovery-$second.tpz" ] && { say "the save left the recovery file"; exit 1; }
    say "saved, equal to the recovery copy, recovery file removed"
    exit 0
fi

# Recovery files, settings and the file association stay inside the test.
outer_setup "${1:?usage: xvfb_recovery.sh PATH_TO_zonewright}" xdotool cmp
cli="$(dirname "$exe")/zonewright-cli"
[ -x "$cli" ] || { echo "missing $cli"; exit 1; }

printf '{"name": "%s", "zones": [{"gridX": 1, "gridY": 1}]}' "$NAME" >"$work/t.json"
"$cli" build "$work/t.json" "$work/project.tpz" >/dev/null 2>&1 || { echo "FAIL: cannot build the project"; exit 1; }

timeout -k 5 150 bash "$display" 1024x768 bash "$0" --inner "$exe" "$work/project.tpz" "$work"
status=$?
cat "$work/report" 2>/dev/null
if [ "$status" -ne 0 ]; then
    cat "$work/stderr" 2>/dev/null
    echo "FAIL: recovery after SIGKILL (status $status)"
    exit 1
fi
echo "ok: unsaved work survives SIGKILL and is recovered"
exit 0
