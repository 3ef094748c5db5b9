#!/bin/bash
# Runs a command on a virtual X server of its own and stops the server, waiting
# until it is gone, before returning the command's status.
# Usage: with_virtual_display.sh WIDTHxHEIGHT COMMAND [ARGUMENT...]
#
# The server picks a free display number itself (-displayfd) and the script
# only goes on once the server has reported it, so the command never starts
# against a display that doesn't answer yet. Waiting for the server to end
# keeps the next test from getting the same number while this server still
# holds its sockets. Without -noreset the server resets each time its last
# client goes (a killed editor, every xdotool call), and refuses connections
# for that moment: an editor started then aborted now and then.
# Access needs the cookie in a private authority file.
set -u

size=${1:?usage: with_virtual_display.sh WIDTHxHEIGHT COMMAND [ARGUMENT...]}
shift
for tool in Xvfb xauth mcookie; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

dir=$(mktemp -d)
server=""
command=""
stop_server() {
    [ -n "$command" ] && kill "$command" 2>/dev/null
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        for _ in $(seq 1 50); do
            kill -0 "$server" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$server" 2>/dev/null
        wait "$server" 2>/dev/null
        server=""
    fi
    rm -rf "$dir"
}
trap stop_server EXIT
trap 'exit 143' TERM INT

# The server reads every cookie of the file at start; the client looks one up
# by display number, so the entry under the real number is added afterwards.
cookie=$(mcookie)
export XAUTHORITY="$dir/authority"
: >"$XAUTHORITY"
xauth add :0 . "$cookie" 2>/dev/null

Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset -auth "$XAUTHORITY" \
    3>"$dir/display" 2>"$dir/server.log" &
server=$!
number=""
for _ in $(seq 1 300); do
    number=$(sed -n 1p "$dir/display" 2>/dev/null)
    [ -n "$number" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$number" ]; then
    echo "the virtual X server did not start:" >&2
    cat "$dir/server.log" >&2
    exit 1
fi
xauth add ":$number" . "$cookie" 2>/dev/null
export DISPLAY=":$number"

# In the background so that a TERM from a timeout runs the trap at once.
"$@" &
command=$!
wait "$command"
status=$?
exit "$status"
