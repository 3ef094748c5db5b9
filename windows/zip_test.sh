#!/usr/bin/env bash
# Packs the Windows build with cpack, unpacks the zip into an empty folder and a
# fresh Wine prefix, and runs zonewright-cli.exe from there: it starts, writes a
# project into a folder with a Cyrillic name and reads it back. The zip must stay
# under 15 MB. With "editor", zonewright.exe and what it needs must be in the zip
# too, and the editor, started from there on a virtual display, must show its
# main window with that project loaded: no DLL or plugin comes from anywhere but
# the zip.
# Usage: zip_test.sh WINDOWS_BUILD_DIR [editor]
set -euo pipefail
build=$1
editor=${2:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work="$build/zip-test"
rm -rf "$work"
mkdir -p "$work/unpacked" "$work/Документы"
(cd "$build" && cpack -G ZIP -B "$work/package" >/dev/null)
zip=$(ls "$work"/package/*.zip)
# What a user downloads: stripped programs and DLLs keep it small.
size=$(stat -c %s "$zip")
[ "$size" -le $((15 * 1024 * 1024)) ] || { echo "the zip is $size bytes, more than 15 MB"; exit 1; }
(cd "$work/unpacked" && cmake -E tar xf "$zip")
folder=$(ls -d "$work"/unpacked/*/)
expected=(zonewright-cli.exe header.txt "Readme&help.txt" "Readme&help.en.txt" README.md
  translations/zonewright_core_en.qm translations/zonewright_windows_en.qm)
if [ "$editor" = editor ]; then
  expected+=(zonewright.exe qt.conf Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll
    libgcc_s_seh-1.dll libwinpthread-1.dll plugins/platforms/qwindows.dll
    plugins/styles/qwindowsvistastyle.dll)
fi
for f in "${expected[@]}"; do
  [ -f "$folder/$f" ] || { echo "missing from the zip: $f"; exit 1; }
done
prefix="$work/wineprefix"
bash "$here/wine.sh" "$prefix" create
trap 'bash "$here/wine.sh" "$prefix" stop' EXIT
run() { DISPLAY= bash "$here/wine.sh" "$prefix" run "$folder/zonewright-cli.exe" "$@"; }
run --help >/dev/null
name="Тест архива"
printf '{"name": "%s", "zones": [{"gridX": 1, "gridY": 1}]}' "$name" >"$work/t.json"
run build "Z:$work/t.json" "Z:$work/Документы/новый.tpz"
[ -s "$work/Документы/новый.tpz" ] || { echo "the project was not written"; exit 1; }
dumped=$(run dump "Z:$work/Документы/новый.tpz")
[[ "$dumped" == *'"zones"'* ]] || { echo "dump failed: $dumped"; exit 1; }
if [ "$editor" = editor ]; then
  # No WINEPATH: the editor finds everything in its own folder.
  # A new Wine session, on the display: the one of the runs above has none.
  bash "$here/wine.sh" "$prefix" stop
  # The new template's caption comes before the project's: wait for the
  # project's, and print the last caption seen.
  expected="Редактор шаблонов - $name"
  seen=$(timeout -k 5 240 bash "$here/../tests/support/with_virtual_display.sh" 1024x768 bash -c '
    WINEPATH= bash "$1" "$2" run "$3/zonewright.exe" "Z:$4" >/dev/null 2>&1 &
    pid=$!
    caption=""
    for _ in $(seq 1 600); do
      w=$(timeout 5 xdotool search --onlyvisible --name "^Редактор шаблонов" 2>/dev/null | head -n 1)
      [ -n "$w" ] && caption=$(timeout 5 xdotool getwindowname "$w" 2>/dev/null)
      [ "$caption" = "$5" ] && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.2
    done
    printf "%s\n" "$caption"
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    exit 0' _ "$here/wine.sh" "$prefix" "$folder" "$work/Документы/новый.tpz" "$expected" || true)
  [ "$seen" = "$expected" ] || { echo "the editor from the zip did not show the project: \"$seen\""; exit 1; }
  echo "editor from the zip: $seen"
fi
echo "zip ok: $(basename "$zip")"
