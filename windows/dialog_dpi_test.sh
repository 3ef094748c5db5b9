#!/usr/bin/env bash
# The dialogs and the main window of the editor open whole inside a small
# screen (1366 x 768) at 125 % and 150 % (120 and 144 DPI): the window tests
# that check it run under Wine with Qt's "windows" plugin, the system's own
# windows and fonts, on a virtual display, once per DPI.
# Usage: dialog_dpi_test.sh GUI_TESTS_EXE WINE_PREFIX
# (ZW_WINE_DLL_DIRS names the folders of Qt's DLLs, as for windows.gui_tests.)
# The prefix is made fresh here: a Wine session started without a display, as
# the other tests' is, can't show windows.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exe=${1:?usage: dialog_dpi_test.sh GUI_TESTS_EXE WINE_PREFIX}
prefix=${2:?}
filter="DialogSize.EveryDialogOpensInsideItsScreen:MainWindowTest.OpensInsideItsScreen"
for tool in Xvfb xdotool timeout; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
done
bash "$here/wine.sh" "$prefix" create || { echo "FAIL: cannot make the Wine prefix"; exit 1; }
trap 'bash "$here/wine.sh" "$prefix" stop' EXIT
failed=0
for dpi in 120 144; do
    # The system's DPI is read when a session starts: set it between sessions.
    bash "$here/wine.sh" "$prefix" stop
    DISPLAY= bash "$here/wine.sh" "$prefix" run reg add 'HKCU\Control Panel\Desktop' \
        /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    bash "$here/wine.sh" "$prefix" stop
    # gtest's own limit is none: the tests wait for their windows up to a limit.
    if ! timeout -k 5 300 bash "$here/../tests/support/with_virtual_display.sh" 1366x768 \
        bash "$here/wine.sh" "$prefix" run "$exe" -platform windows --gtest_brief=1 \
        "--gtest_filter=$filter"; then
        echo "FAIL: at $dpi DPI a window does not fit the screen"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "ok: every window fits 1366x768 at 120 and 144 DPI"
exit "$failed"
