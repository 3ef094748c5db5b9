#!/usr/bin/env bash
# Packs the Windows build with cpack, unpacks the zip into an empty folder and a
# fresh Wine prefix, and runs zonewright-cli.exe from there: it starts, writes a
# project into a folder with a Cyrillic name and reads it back.
# Usage: zip_test.sh WINDOWS_BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work="$build/zip-test"
rm -rf "$work"
mkdir -p "$work/unpacked" "$work/Документы"
(cd "$build" && cpack -G ZIP -B "$work/package" >/dev/null)
zip=$(ls "$work"/package/*.zip)
(cd "$work/unpacked" && cmake -E tar xf "$zip")
folder=$(ls -d "$work"/unpacked/*/)
for f in zonewright-cli.exe header.txt "Readme&help.txt" README.md; do
  [ -f "$folder/$f" ] || { echo "missing from the zip: $f"; exit 1; }
done
prefix="$work/wineprefix"
bash "$here/wine.sh" "$prefix" create
trap 'bash "$here/wine.sh" "$prefix" stop' EXIT
run() { DISPLAY= bash "$here/wine.sh" "$prefix" run "$folder/zonewright-cli.exe" "$@"; }
run --help >/dev/null
run new "Z:$work/Документы/новый.tpz"
[ -s "$work/Документы/новый.tpz" ] || { echo "the project was not written"; exit 1; }
dumped=$(run dump "Z:$work/Документы/новый.tpz")
[[ "$dumped" == *'"zones"'* ]] || { echo "dump failed: $dumped"; exit 1; }
echo "zip ok: $(basename "$zip")"
