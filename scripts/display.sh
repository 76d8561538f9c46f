# Starts Xvfb on a display number nobody uses and exports DISPLAY (sourced by run.sh and test.sh).
# Sets xvfb_pid. Usage: start_xvfb first_number
start_xvfb() {
    local n
    for n in $(seq "$1" $(($1 + 60))); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
            xvfb_pid=$!
            export DISPLAY=":$n"
            for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
            echo "Xvfb did not start on :$n" >&2
            return 1
        fi
    done
    echo "no free X display number" >&2
    return 1
}
