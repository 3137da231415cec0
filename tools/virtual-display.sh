# Sourced by the scripts that need a display of their own: starts Xvfb, exports DISPLAY, and
# leaves the server's process id in $xvfb for the caller's cleanup. -noreset: a server that resets
# when its last client leaves refuses, now and then, the next program that connects meanwhile.
start_virtual_display() { # folder that receives the display number
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$1/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 50); do [[ -s $1/display ]] && break || sleep 0.1; done
    export DISPLAY=:$(cat "$1/display")
}
