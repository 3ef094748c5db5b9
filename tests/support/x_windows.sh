# Helpers of the scripts that drive the real editor on a virtual X server;
# sourced, not run.

# Toolbar geometry of the main window (client pixels): 24-pixel buttons from
# the left edge, 8-pixel separators, buttons 2 pixels below the top; the create
# zone button follows six buttons, a separator, two buttons and a separator.
BUTTON=24
SEPARATOR=8
SAVE_X=$((3 * BUTTON + BUTTON / 2))
CREATE_ZONE_X=$((8 * BUTTON + 2 * SEPARATOR + BUTTON / 2))
BUTTON_Y=$((2 + BUTTON / 2))
TOOLBAR_HEIGHT=28
# Node (3, 3) of the canvas at the start zoom: half a cell is 30 pixels.
NODE_X=$((30 * (2 * 3 + 1)))
NODE_Y=$((TOOLBAR_HEIGHT + 30 * (2 * 3 + 1)))

# The outer part of a script: $1 the editor, the rest tools it needs besides
# Xvfb and timeout. Sets exe, display (the runner of a virtual display) and
# work, a scratch folder removed at exit that holds the editor's data and
# settings and the file type it registers at every start.
outer_setup() {
    display="$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/with_virtual_display.sh"
    exe=$(readlink -f "$1")
    [ -x "$exe" ] || { echo "not an executable: $1"; exit 1; }
    shift
    for tool in Xvfb timeout "$@"; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
    mkdir -m 700 "$work/run"
}

# Waits up to 5 s until window $1 keeps its place and size for 0.3 s: a click
# before it has settled would miss its target.
settled() {
    local before="" now
    for _ in $(seq 1 25); do
        now=$(timeout 5 xdotool getwindowgeometry --shell "$1" 2>/dev/null)
        [ -n "$now" ] && [ "$now" = "$before" ] && return 0
        before=$now
        sleep 0.3
    done
    return 1
}
