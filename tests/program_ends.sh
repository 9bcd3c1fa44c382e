# The end of a test that has asked the program it started to close, for the
# scripts that source this file.
#
#   expect_program_ends PID HOW
#
# Waits up to ten seconds for PID, a child of this shell, to end; HOW says in
# the failure what should have ended it ("on the close request"). Once it has
# ended, takes back the caller's EXIT trap that would end it, and reaps it.
# Fails through the caller's own fail when the program runs on or ends with a
# status other than 0.
expect_program_ends() {
    local pid=$1 how=$2 status=0 _
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end $how"
    trap - EXIT
    wait "$pid" || status=$?
    [ "$status" = 0 ] || fail "the program ended with status $status"
}
