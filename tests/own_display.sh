# An X display of a test's own, for the scripts that source this file.
#
#   start_own_display WORK [XVFB OPTIONS...]
#
# Starts Xvfb with the given options; the server picks a free display number
# itself and tells it in WORK/display, so that tests and other people's servers
# on the same machine never collide. Its output goes to WORK/xvfb.log. Sets
# xvfb to the server's pid as soon as it runs, so that the caller's own trap
# can end it, and display to its name (":N") once the server has told it.
# When it has not within ten seconds, writes that and the server's log to
# standard error and returns 1.
start_own_display() {
    local work=$1 _
    shift
    display=
    Xvfb -displayfd 3 "$@" 3>"$work/display" </dev/null >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    if [ ! -s "$work/display" ]; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        return 1
    fi
    display=:$(tr -d '\n' <"$work/display")
}
