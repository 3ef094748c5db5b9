# Helpers of the scripts that drive the real editor on a virtual X server;
# sourced, not run.

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
