#!/usr/bin/env bash
# Starts zonewright.exe under Wine with Qt's "windows" platform plugin on a
# virtual X server, with a project whose path has a space and Cyrillic letters
# on its command line, and checks that the main window's caption names the
# loaded template: the wide command line reached the loader intact. It starts
# the editor twice: as it comes (Russian), and with "--language en", whose
# caption must be the English one of the translation files (the translations
# beside the program were found and loaded).
# Usage: editor_caption_test.sh ZONEWRIGHT_EXE WINE_PREFIX ZONEWRIGHT_CLI
# (the command-line tool of the build machine makes the project). The prefix
# is made fresh here: a Wine session started without a display, as the other
# tests' is, can't show windows.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ "${1:-}" = "--inner" ]; then
    # On the virtual display: $2 program, $3 prefix, $4 project, $5 expected
    # caption, $6 report, $7 the caption's start, $8... options of the editor.
    exe=$2 prefix=$3 project=$4 expected=$5 report=$6 start=$7
    shift 7
    bash "$here/wine.sh" "$prefix" run "$exe" "$@" "Z:$project" >/dev/null 2>>"$report.stderr" &
    pid=$!
    caption=""
    # The new template's caption comes first, the loaded project's after it:
    # wait for the expected one.
    for _ in $(seq 1 300); do
        for w in $(timeout 5 xdotool search --onlyvisible --name "^$start" 2>/dev/null); do
            caption=$(timeout 5 xdotool getwindowname "$w" 2>/dev/null)
        done
        [ "$caption" = "$expected" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    printf '%s\n' "$caption" >"$report"
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ "$caption" = "$expected" ]
    exit $?
fi

exe=${1:?usage: editor_caption_test.sh ZONEWRIGHT_EXE WINE_PREFIX ZONEWRIGHT_CLI}
prefix=${2:?}
cli=${3:?}
for tool in Xvfb xdotool timeout; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
done
work=$(mktemp -d)
bash "$here/wine.sh" "$prefix" create || { echo "FAIL: cannot make the Wine prefix"; exit 1; }
trap 'bash "$here/wine.sh" "$prefix" stop; rm -rf "$work"' EXIT
mkdir -p "$work/Документы"
project="$work/Документы/мой шаблон.tpz"
printf '{"name": "Тест заголовка 1", "zones": [{"gridX": 1, "gridY": 1}]}' >"$work/t.json"
"$cli" build "$work/t.json" "$project" >/dev/null || { echo "FAIL: cannot build the project"; exit 1; }

# The program's title, and its English in the translation files.
title="Редактор шаблонов"
english=$(sed -n "/<source>$title<\/source>/{n;s/.*<translation>\(.*\)<\/translation>.*/\1/p}" \
    "$here"/../translations/*_en.ts | head -n 1)
[ -n "$english" ] || { echo "FAIL: no English for \"$title\" in translations/"; exit 1; }
status=0
while IFS='|' read -r start options; do
    expected="$start - Тест заголовка 1"
    # shellcheck disable=SC2086 # the options are words
    if ! timeout -k 5 120 bash "$here/../tests/support/with_virtual_display.sh" 1024x768 \
        bash "$0" --inner "$exe" "$prefix" "$project" "$expected" "$work/seen" "$start" $options \
        </dev/null; then
        cat "$work/seen.stderr" 2>/dev/null
        echo "FAIL: expected the caption \"$expected\", saw \"$(cat "$work/seen" 2>/dev/null)\""
        status=1
        continue
    fi
    echo "ok: $expected"
done <<EOF
$title|
$english|--language en
EOF
exit $status
