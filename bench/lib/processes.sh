# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Shared by the bench scripts that start programs on a display of their own:
# ending what they started, and the virtual display. Sourced, not run; the
# script defines say() first.

is_alive() { # pid: a zombie counts as ended
    local state
    state=$(sed -e 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 1
    [ -n "$state" ] && [ "$state" != Z ] && [ "$state" != X ]
}

# shellcheck disable=SC2317 # reached through the traps
stop_pid() { # pid: TERM, then KILL after 2 s
    local pid=$1
    is_alive "$pid" || return 0
    kill -TERM "$pid" 2>/dev/null
    for _ in $(seq 40); do
        is_alive "$pid" || return 0
        sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null
}

# Ends the script through `cleanup` (the script's own) on exit and on the
# usual signals, with the shell's exit status for each signal.
# shellcheck disable=SC2317 # reached through the traps
on_signal() {
    say "interrupted"
    cleanup
    exit "$1"
}
trap_cleanup() {
    trap cleanup EXIT
    trap 'on_signal 130' INT
    trap 'on_signal 143' TERM
    trap 'on_signal 129' HUP
}

# Starts Xvfb on a free display, its pid in xvfb_pid (for the cleanup to end
# last), and points DISPLAY and Qt at it. Exits the script when it fails.
# A session of its own, so Ctrl-C at the terminal does not take the display
# away before the programs on it are ended.
start_xvfb() { # folder for its display number, log file
    local folder=$1 log=$2
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" >"$log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$folder/display" ] && break
        is_alive "$xvfb_pid" || break
        sleep 0.1
    done
    [ -s "$folder/display" ] || { say "Xvfb did not start: $(tail -n 3 "$log")"; exit 1; }
    DISPLAY=":$(head -n 1 "$folder/display")"
    export DISPLAY
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
}
