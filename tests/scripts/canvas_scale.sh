#!/bin/bash
# Runs the window tests of the screen's scale on a screen scaled to 200 %: the
# canvas must draw its picture at twice the pixels, the main window and the
# pattern dialog's preview must fit the smaller logical screen.
# Usage: canvas_scale.sh PATH_TO_zonewright (gui_tests lies beside it)
set -u
exe=$(readlink -f "${1:?usage: canvas_scale.sh PATH_TO_zonewright}")
tests="$(dirname "$exe")/gui_tests"
[ -x "$tests" ] || { echo "not found: $tests"; exit 1; }
out=$(QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$tests" --gtest_filter='CanvasScaleWindow.*:PatternScaleWindow.*' 2>&1)
status=$?
printf '%s\n' "$out"
# A filter that matches nothing passes in gtest; here it is a failure.
[ $status -eq 0 ] && grep -q '^\[  PASSED  \] [1-9][0-9]* tests' <<<"$out"
