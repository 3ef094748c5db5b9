#!/usr/bin/env bash
# Runs the Windows build's programs under Wine in a throwaway prefix.
#   wine.sh PREFIX create          make a fresh prefix (the tests' set-up)
#   wine.sh PREFIX stop            end the prefix's Wine server (the tests' clean-up)
#   wine.sh PREFIX run PROGRAM...  run a Windows program in the prefix
# No display is needed: DISPLAY is cleared unless the caller runs under Xvfb.
# A prefix's Wine session keeps the display its first program had: a program
# that shows windows needs a session started with DISPLAY set (stop first).
# ZW_WINE_DLL_DIRS, colon-separated, names folders of DLLs the program needs.
set -euo pipefail
prefix=$1
action=$2
shift 2
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# Without these the first start of a prefix waits for installers it cannot fetch.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
case "$action" in
  create)
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    DISPLAY= wineboot -i >/dev/null 2>&1
    wineserver -w
    ;;
  stop)
    if [ -d "$prefix" ]; then
      wineserver -k 2>/dev/null || true
      wineserver -w 2>/dev/null || true
    fi
    ;;
  run)
    if [ -n "${ZW_WINE_DLL_DIRS:-}" ]; then
      export WINEPATH="${ZW_WINE_DLL_DIRS//:/;}"
    fi
    exec wine "$@"
    ;;
  *)
    echo "usage: $0 PREFIX create|stop|run PROGRAM..." >&2
    exit 2
    ;;
esac
