#!/usr/bin/env bash
# zonewright-cli.exe writes Russian text readably on a Windows console and as
# UTF-8 bytes into a pipe. Run on a pseudo-terminal, Wine gives the program a
# console that shows on that terminal (in the terminal's UTF-8), so text written
# as bytes in the console's code page would arrive garbled.
# Usage: console_test.sh WINE_PREFIX ZONEWRIGHT_CLI_EXE
set -euo pipefail
prefix=$1
cli=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8
# The command line of the program, quoted for script(1)'s shell.
on_terminal() {
  local line
  line=$(printf '%q ' bash "$here/wine.sh" "$prefix" run "$cli" "$@")
  timeout -k 5 120 script -q -c "$line" /dev/null </dev/null || true
}
expect() { # WHAT TEXT EXPECTED
  if [[ "$2" != *"$3"* ]]; then
    echo "$1: expected \"$3\" in:"
    printf '%s\n' "$2" | od -c | head -n 20
    exit 1
  fi
}

timeout -k 5 120 bash "$here/wine.sh" "$prefix" run "$cli" new "Z:$work/шаблон.tpz" >/dev/null
ok="логическая ошибка" # the new template has no start zone yet
expect "standard output on a console" "$(on_terminal check "Z:$work/шаблон.tpz")" "$ok"
expect "standard error on a console" "$(on_terminal dump "Z:$work/нет.tpz")" "нет.tpz"
expect "standard output into a pipe" "$(timeout -k 5 120 bash "$here/wine.sh" "$prefix" run "$cli" check "Z:$work/шаблон.tpz" | cat || true)" "$ok"
echo "console ok"
