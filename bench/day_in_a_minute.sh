#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A day in a minute: the real clock on a virtual display with its time running
# fast under libfaketime, from Saturday noon in London through midnight and the
# spring clock change, rotating every 5 s so every zone and every scenery comes
# by again and again. Samples its memory, open files, threads, X resources, CPU
# and log along the way and says, figure by figure, whether anything grows.
# It prints figures; it is not a test and passes or fails nothing.
#
#   bench/day_in_a_minute.sh [BUILD-DIR] [--hours N] [--rate R] [--every MIN]
#                            [--settle MIN] [--keep] [--no-install]
#
#   BUILD-DIR     build folder holding horalux (default: build/ of this checkout)
#   --hours N     simulated hours from 2026-03-28 12:00 (default 24; 14 reach
#                 past midnight and the change to summer time at 01:00 GMT)
#   --rate R      how much faster than real time the clock's time runs (default 100)
#   --every MIN   simulated minutes between samples, dividing an hour (default 15)
#   --settle MIN  simulated minutes before the baseline sample (default 20)
#   --keep        keep the scratch folder (log, samples) and say where it is
#   --no-install  do not install missing Debian packages
#
# A day at 100x takes about 15 minutes. Every process it starts is ended by its
# pid and the scratch folder removed, also on Ctrl-C. The real user's
# settings, lock and home are never touched.
set -u

ROOT=$(cd "$(dirname "$0")/.." && pwd)
export PYTHONDONTWRITEBYTECODE=1

START="2026-03-28 12:00:00"
ZONE=Europe/London
hours=24
rate=100
every=15
settle=20
keep=0
install=1
build_dir="$ROOT/build"

usage() { sed -n '2,/^set -u/p' "$0" | sed -e '/^set -u/d' -e 's/^# \{0,1\}//'; }
while [ $# -gt 0 ]; do
    case "$1" in
        --hours) hours=${2:?}; shift ;;
        --rate) rate=${2:?}; shift ;;
        --every) every=${2:?}; shift ;;
        --settle) settle=${2:?}; shift ;;
        --keep) keep=1 ;;
        --no-install) install=0 ;;
        -h | --help) usage; exit 0 ;;
        -*) echo "day_in_a_minute: unknown option $1 (see --help)" >&2; exit 2 ;;
        *) build_dir=$1 ;;
    esac
    shift
done
for number in "$hours" "$rate" "$every" "$settle"; do
    case "$number" in
        '' | *[!0-9]*) echo "day_in_a_minute: '$number' is not a whole number" >&2; exit 2 ;;
    esac
done
if [ "$hours" -lt 1 ] || [ "$rate" -lt 1 ] || [ "$every" -lt 1 ] || [ $((60 % every)) -ne 0 ]; then
    echo "day_in_a_minute: --hours and --rate must be at least 1, --every must divide 60" >&2
    exit 2
fi

say() { echo "day_in_a_minute: $*" >&2; }
# shellcheck source=bench/lib/processes.sh
. "$ROOT/bench/lib/processes.sh"

# --- what it needs from Debian (bench-only: not in scripts/install-deps.sh) ----

is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

install_missing() {
    local missing="" pkg sudo=""
    for pkg in xvfb libfaketime xrestop python3; do
        is_installed "$pkg" || missing="$missing $pkg"
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then sudo="sudo"; else
            say "missing:$missing, and neither root nor sudo to install them"
            return 0
        fi
    fi
    say "installing:$missing"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null 2>&1
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing \
        >/dev/null 2>&1 || say "could not install$missing"
}
[ "$install" -eq 1 ] && install_missing

for tool in Xvfb xrestop python3; do
    command -v "$tool" >/dev/null || { say "$tool is missing: nothing measured"; exit 1; }
done
faketime_lib=""
for candidate in /usr/lib/*/faketime/libfaketimeMT.so.1 /usr/lib/faketime/libfaketimeMT.so.1; do
    [ -f "$candidate" ] && { faketime_lib=$candidate; break; }
done
[ -n "$faketime_lib" ] || { say "libfaketimeMT.so.1 not found (Debian package libfaketime): nothing measured"; exit 1; }
horalux="$build_dir/horalux"
[ -x "$horalux" ] || { say "no $horalux (build it first): nothing measured"; exit 1; }

# --- scratch, and ending everything we start ----------------------------------

scratch=$(mktemp -d "${TMPDIR:-/tmp}/horalux-day.XXXXXX") || { say "no scratch folder"; exit 1; }
xvfb_pid=""
launcher_pid=""
watcher_pid=""

cleaned=0
# shellcheck disable=SC2317 # reached through the traps
cleanup() {
    [ "$cleaned" -eq 1 ] && return
    cleaned=1
    [ -n "$watcher_pid" ] && stop_pid "$watcher_pid"
    # x_launch.py writes the clock's pid before anything else and stays its parent.
    [ -s "$scratch/clock.pid" ] && stop_pid "$(cat "$scratch/clock.pid")"
    [ -n "$launcher_pid" ] && stop_pid "$launcher_pid"
    [ -n "$xvfb_pid" ] && stop_pid "$xvfb_pid"
    if [ "$keep" -eq 1 ]; then say "kept $scratch"; else rm -rf "$scratch"; fi
}
trap_cleanup

# --- the display --------------------------------------------------------------

start_xvfb "$scratch" "$scratch/xvfb.log"

# --- the clock ----------------------------------------------------------------

home="$scratch/home"
mkdir -p "$home/config/Horalux" "$home/cache" "$home/data" "$home/runtime"
chmod 700 "$home/runtime"
# scan=5: a zone change every 5 s; sync=False: the time tool, which would set
# the machine's clock, is never started; ontop=False: no stacking dance.
printf '[data]\nscan=5\n24hr=True\nsync=False\nontop=False\n' >"$home/config/Horalux/Horalux.ini"

say "display $DISPLAY; $hours simulated hours at ${rate}x, about $((hours * 3600 / rate)) s"
# Only the clock runs on fake time: the launcher, the display and the sampler keep the real one.
env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_DATA_HOME="$home/data" \
    XDG_RUNTIME_DIR="$home/runtime" python3 "$ROOT/bench/process_figures/x_launch.py" \
    --pidfile "$scratch/clock.pid" --out "$scratch/launch.json" --key day --label "Horalux" \
    --log "$scratch/clock.log" -- \
    env TZ="$ZONE" LD_PRELOAD="$faketime_lib" FAKETIME="@$START x$rate" "$horalux" &
launcher_pid=$!
while [ ! -s "$scratch/launch.json" ] && is_alive "$launcher_pid"; do
    sleep 0.02
done
launched=$(python3 -c '
import json, sys
d = json.load(sys.stdin)
if d.get("error") or not d.get("window"):
    print("the clock did not show its window: %s" % d.get("error"))
    sys.exit(1)
print(d["pid"], d["window"])' <"$scratch/launch.json" 2>&1) || {
    say "${launched:-the launch failed}"
    [ -s "$scratch/clock.log" ] && tail -n 20 "$scratch/clock.log" >&2
    exit 1
}

read -r clock_pid clock_window <<<"$launched"
python3 "$ROOT/bench/day_in_a_minute/day_watch.py" --pid "$clock_pid" --window "$clock_window" --log "$scratch/clock.log" \
    --start "$START" --zone "$ZONE" --rate "$rate" --hours "$hours" --every "$every" --settle "$settle" \
    --samples "$scratch/samples.jsonl" &
watcher_pid=$!
# Waited for in the background, so Ctrl-C is handled at once.
status=0
wait "$watcher_pid" || status=$?
watcher_pid=""
exit "$status"
