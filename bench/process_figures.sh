#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-program figures of the clock beside reference programs, measured in
# one run on a virtual display: memory (PSS), CPU, wake-ups and start-up time
# of the clock frozen and rotating (and rotating in German, to see what a
# translation costs), a bare Qt Widgets window, the floor (a
# bare QRasterWindow painting one rectangle a second), xclock and gworldclock, and the pacing of the rotating clock's roll as the X server sees
# it. It prints figures; it is not a test and passes or fails nothing.
#
#   bench/process_figures.sh [--seconds N] [--settle N] [--quick] [--startup-runs N]
#                            [--build DIR] [--horalux PATH] [--bare PATH]
#                            [--strace N] [--no-install]
#
#   --seconds N       length of the measuring window (default 60)
#   --settle N        seconds every program runs before the window (default 25:
#                     past the rotating clock's first zone change, which loads
#                     the network-status plugins once)
#   --quick           a 15 s window after 5 s, one launch each: for trying it out
#   --startup-runs N  launches per program; start-up is their median (default 3)
#   --build DIR       build folder holding horalux, bench/bare_qt_window and
#                     bench/bare_raster_window (default: build/ of this
#                     checkout); missing targets are built
#   --horalux PATH, --bare PATH, --raster PATH   the Qt programs, if elsewhere
#   --strace N        afterwards, `strace -c -f` each clock for N s: what wakes it
#   --no-install      do not install missing Debian packages
#
# Every process it starts is ended by its pid and the scratch folder removed,
# also on Ctrl-C. The real user's settings, lock and home are never touched.
set -u

ROOT=$(cd "$(dirname "$0")/.." && pwd)
HELPERS="$ROOT/bench/process_figures"
# The helpers import each other: no __pycache__ left in the source tree.
export PYTHONDONTWRITEBYTECODE=1

seconds=60
settle=25
startup_runs=3
strace_seconds=0
install=1
build_dir="$ROOT/build"
horalux=""
bare=""
raster=""

usage() { sed -n '2,/^set -u/p' "$0" | sed -e '/^set -u/d' -e 's/^# \{0,1\}//'; }
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds=${2:?}; shift ;;
        --settle) settle=${2:?}; shift ;;
        --quick) seconds=15; settle=5; startup_runs=1 ;;
        --startup-runs) startup_runs=${2:?}; shift ;;
        --build) build_dir=${2:?}; shift ;;
        --horalux) horalux=${2:?}; shift ;;
        --bare) bare=${2:?}; shift ;;
        --raster) raster=${2:?}; shift ;;
        --strace) strace_seconds=${2:?}; shift ;;
        --no-install) install=0 ;;
        -h | --help) usage; exit 0 ;;
        *) echo "process_figures: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
    shift
done
for number in "$seconds" "$settle" "$startup_runs" "$strace_seconds"; do
    case "$number" in
        '' | *[!0-9]*) echo "process_figures: '$number' is not a whole number of seconds or runs" >&2; exit 2 ;;
    esac
done
if [ "$seconds" -lt 1 ] || [ "$startup_runs" -lt 1 ]; then
    echo "process_figures: --seconds and --startup-runs must be at least 1" >&2
    exit 2
fi

say() { echo "process_figures: $*" >&2; }
# shellcheck source=bench/lib/processes.sh
. "$ROOT/bench/lib/processes.sh"

# --- what it needs from Debian ------------------------------------------------

is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

install_missing() {
    local wanted="xvfb xdotool x11-apps x11-utils gworldclock" missing="" pkg
    [ "$strace_seconds" -gt 0 ] && wanted="$wanted strace"
    for pkg in $wanted; do
        is_installed "$pkg" || missing="$missing $pkg"
    done
    [ -z "$missing" ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then sudo="sudo"; else
            say "missing:$missing, and neither root nor sudo to install them; going on without"
            return 0
        fi
    fi
    say "installing:$missing"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null 2>&1
    # One at a time, so a package the mirror lacks (gworldclock) spares the others.
    for pkg in $missing; do
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$pkg" \
            >/dev/null 2>&1 || say "could not install $pkg"
    done
}
[ "$install" -eq 1 ] && install_missing

for tool in Xvfb xdotool python3; do
    command -v "$tool" >/dev/null || { say "$tool is missing: nothing measured"; exit 1; }
done

# --- scratch, and ending everything we start ----------------------------------

scratch=$(mktemp -d "${TMPDIR:-/tmp}/horalux-figures.XXXXXX") || { say "no scratch folder"; exit 1; }
declare -A helpers=() # pids of our own background commands still running
xvfb_pid=""

cleaned=0
# shellcheck disable=SC2317 # reached through the traps
cleanup() {
    [ "$cleaned" -eq 1 ] && return
    cleaned=1
    local pid pidfile
    for pid in "${!helpers[@]}"; do
        stop_pid "$pid"
    done
    # Programs are started by x_launch.py, which writes their pid before anything else.
    for pidfile in "$scratch"/pids/*; do
        [ -f "$pidfile" ] && stop_pid "$(cat "$pidfile")"
    done
    [ -n "$xvfb_pid" ] && stop_pid "$xvfb_pid"
    rm -rf "$scratch"
}
trap_cleanup

start_helper() { # command...: in the background; its pid in helper_pid
    "$@" &
    helper_pid=$!
    helpers[$helper_pid]=1
}
wait_helper() {
    local status=0
    wait "$1" || status=$?
    unset "helpers[$1]"
    return "$status"
}
# In the background and waited for, so Ctrl-C is handled at once, not after it.
run_and_wait() {
    start_helper "$@"
    wait_helper "$helper_pid"
}
pause_for() { run_and_wait sleep "$1"; }

mkdir -p "$scratch/pids" "$scratch/launches" "$scratch/logs"

# --- the two Qt programs ------------------------------------------------------

find_or_build() { # target, path
    local target=$1 path=$2
    [ -x "$path" ] && { echo "$path"; return; }
    if [ -f "$build_dir/CMakeCache.txt" ]; then
        say "building $target in $build_dir"
        cmake --build "$build_dir" --target "$target" -j 2 >"$scratch/logs/build-$target" 2>&1 \
            || tail -n 5 "$scratch/logs/build-$target" >&2
    fi
    [ -x "$path" ] && echo "$path"
}
horalux=$(find_or_build horalux "${horalux:-$build_dir/horalux}")
bare=$(find_or_build bare_qt_window "${bare:-$build_dir/bench/bare_qt_window}")
[ -n "$horalux" ] || { say "no horalux in $build_dir (build it, or pass --horalux): nothing measured"; exit 1; }
[ -n "$bare" ] || say "no bare_qt_window in $build_dir/bench (is bench/process_figures.cmake included?): skipped"
raster=$(find_or_build bare_raster_window "${raster:-$build_dir/bench/bare_raster_window}")
[ -n "$raster" ] || say "no bare_raster_window in $build_dir/bench: the floor is skipped"

# --- the display --------------------------------------------------------------

start_xvfb "$scratch" "$scratch/logs/xvfb"

# --- the programs ---------------------------------------------------------------

# A home of its own for each program: settings, lock, caches and zone lists
# stay in the scratch folder.
program_env() { # key: fills program_environment
    local home="$scratch/$1"
    mkdir -p "$home/config" "$home/cache" "$home/data" "$home/runtime"
    chmod 700 "$home/runtime"
    program_environment=(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache"
                         XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" "${language_environment[@]}")
}
# Every program speaks English but the one launched with a language set here.
language_environment=(LANG=C.UTF-8 LANGUAGE=)

# The clock's zone and time labels, in pixels inside its window (twips / 15).
ZONE_LABEL_RECT=34,8,140,17
TIME_LABEL_RECT=7,24,166,35

table_position() {
    case "$1" in frozen) echo 1 ;; rotating) echo 2 ;; rotating-de) echo 2a ;; bare) echo 3 ;; raster) echo 4 ;; xclock) echo 5 ;; *) echo 6 ;; esac
}

launched_pid=""
launched_window=""
# launch KEY LABEL MOVE|- TYPED|- -- command...: starts it --startup-runs
# times, keeping the last one running; its pid and window are left in
# launched_pid and launched_window. x_launch.py stays the program's parent.
launch() {
    local key=$1 label=$2 move=$3 typed=$4
    shift 5
    local run out pidfile launcher options=()
    program_env "$key"
    [ "$move" != - ] && options+=(--move "$move")
    [ "$typed" != - ] && options+=(--typed-rect "$typed")
    for ((run = 1; run <= startup_runs; run++)); do
        pidfile="$scratch/pids/$key.$run"
        out="$scratch/launches/$(table_position "$key")-$key.$run.json"
        start_helper env "${program_environment[@]}" python3 "$HELPERS/x_launch.py" --pidfile "$pidfile" \
            --out "$out" --key "$key" --label "$label" --log "$scratch/logs/$key" "${options[@]}" -- "$@"
        launcher=$helper_pid
        # Its line comes once the window is mapped (and the name typed), or it gives up.
        while [ ! -s "$out" ] && is_alive "$launcher"; do
            sleep 0.02
        done
        if [ ! -s "$out" ]; then
            say "$label: could not be launched"
            wait_helper "$launcher"
            return 1
        fi
        read -r launched_pid launched_window < <(python3 -c '
import json, sys
d = json.load(sys.stdin)
print(d["pid"] or "-", d["window"] or "-")
if d.get("error"):
    print("process_figures: %s: %s" % (d["label"], d["error"]), file=sys.stderr)' <"$out")
        if [ "$launched_window" = - ]; then
            wait_helper "$launcher" # it has ended the program
            return 1
        fi
        if [ "$run" -lt "$startup_runs" ]; then
            stop_pid "$launched_pid"
            wait_helper "$launcher"
            rm -f "$pidfile"
        fi
    done
    return 0
}

write_clock_settings() { # key, FormY in twips
    local folder="$scratch/$1/config/Horalux"
    mkdir -p "$folder"
    # sync=False: the time tool is not started; ontop=False: no stay-on-top flag dance.
    printf '[data]\nscan=20\n24hr=True\nsync=False\nontop=False\nFormX=200\nFormY=%s\n' "$2" >"$folder/Horalux.ini"
}

visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l; }

wait_for_visible_windows() { # pid, count, tries of 50 ms
    local i
    for ((i = 0; i < $3; i++)); do
        [ "$(visible_windows "$1")" -eq "$2" ] && return 0
        sleep 0.05
    done
    return 1
}

# Right-click the clock, then keyboard through the menu: Down lands on
# "&Settings", "Show Time Zone", then "Freeze current time zone". Keys do not
# depend on the menu's pixel layout or font, which a click position would.
freeze_clock() { # pid, x, y
    local pid=$1
    xdotool mousemove "$2" "$3" click 3
    if ! wait_for_visible_windows "$pid" 2 100; then
        say "the clock's menu did not open: the frozen clock may still rotate"
        return 1
    fi
    xdotool key Down Down Down Return
    wait_for_visible_windows "$pid" 1 100 || say "the clock's menu did not close"
    # Out of the way, so no tooltip opens over the clock during the window.
    xdotool mousemove 1020 760
}

measured=()   # KEY=PID for proc_figures.py
watched=()    # KEY=WINDOW[@RECT] for x_repaints.py

say "display $DISPLAY; launching each program $startup_runs time(s)"

# Laid out apart, so no program's repaint exposes another's window.
if [ -n "$bare" ] && launch bare "bare Qt window" 250,13 - -- "$bare"; then
    measured+=("bare=$launched_pid"); watched+=("bare=$launched_window")
fi
if [ -n "$raster" ] && launch raster "bare Qt raster window (floor)" 250,300 - -- "$raster"; then
    measured+=("raster=$launched_pid"); watched+=("raster=$launched_window")
fi
if command -v xclock >/dev/null && launch xclock "xclock -digital" 250,150 - -- xclock -digital -update 1; then
    measured+=("xclock=$launched_pid"); watched+=("xclock=$launched_window")
elif ! command -v xclock >/dev/null; then
    say "xclock is not installed (x11-apps): skipped"
fi
if command -v gworldclock >/dev/null; then
    zones="$scratch/gworldclock/.tzlist"
    mkdir -p "$scratch/gworldclock"
    printf '%s\n' 'Europe/London "London"' 'America/New_York "New York"' 'Asia/Tokyo "Tokyo"' \
        'Australia/Sydney "Sydney"' 'Europe/Berlin "Berlin"' >"$zones"
    if launch gworldclock "gworldclock, 5 zones" 600,13 - -- gworldclock -f "$zones"; then
        measured+=("gworldclock=$launched_pid"); watched+=("gworldclock=$launched_window")
    fi
else
    say "gworldclock is not installed (Debian package gworldclock): skipped"
fi
# The clock places itself from its settings: rotating at 13,113, frozen at 13,13.
write_clock_settings rotating 1695
if launch rotating "Horalux rotating" - "$ZONE_LABEL_RECT" -- "$horalux"; then
    measured+=("rotating=$launched_pid"); watched+=("rotating=$launched_window@$ZONE_LABEL_RECT")
fi
# The same clock in German, its translation and Qt's loaded: 13,213.
write_clock_settings rotating-de 3195
language_environment=(LANG=de_DE.UTF-8 LANGUAGE=de)
if launch rotating-de "Horalux rotating, German" - "$ZONE_LABEL_RECT" -- "$horalux"; then
    measured+=("rotating-de=$launched_pid"); watched+=("rotating-de=$launched_window@$ZONE_LABEL_RECT")
fi
language_environment=(LANG=C.UTF-8 LANGUAGE=)
write_clock_settings frozen 200
if launch frozen "Horalux frozen" - "$ZONE_LABEL_RECT" -- "$horalux"; then
    frozen_pid=$launched_pid
    measured+=("frozen=$frozen_pid"); watched+=("frozen=$launched_window@$ZONE_LABEL_RECT")
    pause_for 1 # past the first roll
    freeze_clock "$frozen_pid" 90 40
fi
[ ${#measured[@]} -gt 0 ] || { say "no program could be started: nothing measured"; exit 1; }

say "settling for $settle s, then measuring for $seconds s"
pause_for "$settle"
start_helper python3 "$HELPERS/x_repaints.py" --seconds "$seconds" --out "$scratch/repaints.json" \
    --roll "rotating=$TIME_LABEL_RECT" "${watched[@]}"
repaints_pid=$helper_pid
run_and_wait python3 "$HELPERS/proc_figures.py" measure --seconds "$seconds" --out "$scratch/figures.json" \
    "${measured[@]}" "xserver=$xvfb_pid"
wait_helper "$repaints_pid"

python3 "$HELPERS/proc_figures.py" report --launches "$scratch/launches" --figures "$scratch/figures.json" \
    --repaints "$scratch/repaints.json" --xserver xserver

# --- optional: what wakes the clock ------------------------------------------

if [ "$strace_seconds" -gt 0 ]; then
    if command -v strace >/dev/null; then
        tracers=()
        for pair in "${measured[@]}"; do
            key=${pair%%=*}
            case "$key" in frozen | rotating | rotating-de) ;; *) continue ;; esac
            start_helper timeout -s INT "$strace_seconds" strace -q -c -f -p "${pair#*=}" -o "$scratch/strace.$key"
            tracers+=("$helper_pid")
        done
        say "tracing the clock's system calls for $strace_seconds s"
        for pid in "${tracers[@]}"; do wait_helper "$pid"; done
        for key in frozen rotating rotating-de; do
            [ -s "$scratch/strace.$key" ] || continue
            echo
            echo "System calls of Horalux $key over $strace_seconds s (strace -c -f), busiest first:"
            head -n 14 "$scratch/strace.$key"
        done
    else
        say "strace is not installed: no system call summary"
    fi
fi
exit 0
