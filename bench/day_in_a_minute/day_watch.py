#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Watches one program whose clock runs fast (libfaketime) and says what grew.

  day_watch.py --pid PID --window ID --log FILE --start "YYYY-MM-DD HH:MM:SS" --zone ZONE
               --rate R --hours H [--every MIN] [--settle MIN] [--samples FILE]

The program's fake clock starts at --start (local time in --zone) when the
process starts and runs --rate times faster than the real one, so the
simulated time of a sample is worked out from the process's own start time
(/proc). A sample is taken every --every simulated minutes until --hours
simulated hours have passed:
  RSS        VmRSS of /proc/PID/status (kB);
  fds        entries of /proc/PID/fd;
  threads    Threads of /proc/PID/status;
  CPU        utime + stime of /proc/PID/stat (all threads, ended ones too);
  X          the program's resources as the X server counts them
             (`xrestop -b -m 1`, the client that made --window);
  log        lines the program has written to --log.
The first sample at or after --settle simulated minutes is the baseline: by
then every zone and scenery has been shown once, so one-off loads are behind.
Then it prints the figures with a verdict each; it passes or fails nothing.
"""

import argparse
import datetime
import json
import os
import subprocess
import sys
import time
import zoneinfo

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
X_COUNTS = ("windows", "GCs", "fonts", "pixmaps", "pictures", "glyphsets", "colormaps",
            "passive grabs", "cursors", "unknowns")
# Memory may move this much either way before it counts as growth.
RSS_TOLERANCE = 0.01
# CPU per simulated hour varies with the scenery and the machine's load.
CPU_TOLERANCE = 0.25


def read_text(path):
    with open(path) as f:
        return f.read()


def status_fields(pid):
    fields = {}
    for line in read_text("/proc/%d/status" % pid).splitlines():
        name, _, rest = line.partition(":")
        fields[name] = rest.split()
    return fields


def real_seconds_alive(pid):
    """Seconds since the process started, from the kernel's own clocks."""
    stat = read_text("/proc/%d/stat" % pid).rsplit(")", 1)[1].split()
    started_ticks = int(stat[19])  # field 22 counts from 1 and starts after "pid (comm)"
    uptime = float(read_text("/proc/uptime").split()[0])
    return uptime - started_ticks / CLOCK_TICKS


def cpu_seconds(pid):
    stat = read_text("/proc/%d/stat" % pid).rsplit(")", 1)[1].split()
    return (int(stat[11]) + int(stat[12])) / CLOCK_TICKS


def is_running(pid):
    try:
        state = read_text("/proc/%d/stat" % pid).rsplit(")", 1)[1].split()[0]
    except (FileNotFoundError, ProcessLookupError):
        return False
    return state not in ("Z", "X")


def parse_xrestop(text):
    """Every client xrestop lists: its header line and its figures by name."""
    clients = []
    for line in text.splitlines():
        if not line.startswith(("\t", " ")):
            clients.append({"header": line})
        elif clients:
            name, _, value = line.strip().partition(":")
            value = value.strip().lstrip("~")
            try:
                clients[-1][name.strip()] = int(value, 0)
            except ValueError:
                pass  # "?" where the server does not know
    return clients


def client_of_window(clients, window):
    """The client that made `window`: X ids carry their client's resource base.

    xrestop's PID column is no help here, as it reads the PID from the
    client's first window, which for Qt is a property-less selection owner."""
    for client in clients:
        if "res_base" in client and "res_mask" in client \
                and window & ~client["res_mask"] == client["res_base"]:
            return {name: client.get(name, 0) for name in X_COUNTS + ("pixmap bytes", "total bytes")}
    return None


def x_resources(window):
    try:
        done = subprocess.run(["xrestop", "-b", "-m", "1"], capture_output=True, text=True, timeout=20)
    except (OSError, subprocess.TimeoutExpired):
        return None
    return client_of_window(parse_xrestop(done.stdout), window)


def count_lines(path):
    try:
        with open(path, "rb") as f:
            return sum(1 for _ in f)
    except FileNotFoundError:
        return 0


def take_sample(pid, window, log, rate):
    status = status_fields(pid)
    sample = {
        "simulated_s": real_seconds_alive(pid) * rate,
        "rss_kb": int(status["VmRSS"][0]),
        "threads": int(status["Threads"][0]),
        "fds": len(os.listdir("/proc/%d/fd" % pid)),
        "cpu_s": cpu_seconds(pid),
        "log_lines": count_lines(log),
    }
    sample["x"] = x_resources(window)
    return sample


def watch(args):
    """Samples until the simulated span is over or the program ends; returns (samples, ended)."""
    samples = []
    every = args.every * 60.0
    total = args.hours * 3600.0
    step = 1
    while step * every <= total + 1e-6:
        target = step * every
        try:
            wait = (target - real_seconds_alive(args.pid) * args.rate) / args.rate
        except (FileNotFoundError, ProcessLookupError):
            return samples, True
        if wait > 0:
            time.sleep(wait)
        if not is_running(args.pid):
            return samples, True
        try:
            sample = take_sample(args.pid, args.window, args.log, args.rate)
        except (FileNotFoundError, ProcessLookupError):
            return samples, True
        samples.append(sample)
        if args.samples:
            with open(args.samples, "a") as out:
                out.write(json.dumps(sample) + "\n")
        print("day_in_a_minute: %s  RSS %.1f MB, %d fds, CPU %.1f s, %d log lines"
              % (args.clock.text(sample["simulated_s"]), sample["rss_kb"] / 1024.0, sample["fds"],
                 sample["cpu_s"], sample["log_lines"]), file=sys.stderr, flush=True)
        step += 1
    return samples, False


class SimulatedClock:
    """The fake clock's local time, from the simulated seconds since its start."""

    def __init__(self, start_text, zone_name):
        self.zone = zoneinfo.ZoneInfo(zone_name)
        # Arithmetic in UTC: an aware time in a zone adds wall-clock hours across a clock change.
        local = datetime.datetime.fromisoformat(start_text).replace(tzinfo=self.zone)
        self.start = local.astimezone(datetime.timezone.utc)

    def local(self, simulated_s):
        return (self.start + datetime.timedelta(seconds=simulated_s)).astimezone(self.zone)

    def text(self, simulated_s):
        return self.local(simulated_s).strftime("%a %H:%M %Z")

    def landmarks(self, hours, step_min=15):
        """Midnights and clock changes within `hours`, as (text, simulated seconds), to `step_min`."""
        found, previous = [], self.local(0)
        for minute in range(step_min, int(hours * 60) + step_min, step_min):
            now = self.local(minute * 60.0)
            if now.date() != previous.date():
                found.append(("midnight", minute * 60.0))
            if now.utcoffset() != previous.utcoffset():
                found.append(("%s to %s" % (previous.strftime("%Z"), now.strftime("%Z")), minute * 60.0))
            previous = now
        return found


# --- the report ---------------------------------------------------------------

def change_text(first, last, percent=False):
    if percent:
        return "%+.2f %%" % ((last - first) * 100.0 / first) if first else "-"
    return "%+d" % (last - first)


def verdict_line(label, first, last, change, grows, unit=""):
    return "  %-26s %14s %14s %12s   %s" % (label, "%s%s" % (first, unit), "%s%s" % (last, unit),
                                           change, "GROWS" if grows else "flat")


def hourly_cpu(samples, every_min):
    """CPU seconds of each whole simulated hour: {hour index: seconds}."""
    per_hour = int(round(60 / every_min))
    at = {int(round(s["simulated_s"] / (every_min * 60.0))): s["cpu_s"] for s in samples}
    at[0] = 0.0  # the process's start
    hours = {}
    for step, cpu in at.items():
        if step % per_hour == 0 and step - per_hour in at:
            hours[step // per_hour - 1] = cpu - at[step - per_hour]
    return hours


def report(args, samples, ended):
    print()
    print("A day in a minute: Horalux under libfaketime at %gx, TZ=%s, scan 5" % (args.rate, args.zone))
    if not samples:
        print("  no sample was taken: the clock ended at once (see its log)")
        return 1
    base = next((s for s in samples if s["simulated_s"] >= args.settle * 60.0), samples[-1])
    last = samples[-1]
    span_h = last["simulated_s"] / 3600.0
    print("  simulated %s to %s (%.1f h, %.0f s real); baseline at %s"
          % (args.clock.text(0), args.clock.text(last["simulated_s"]), span_h,
             last["simulated_s"] / args.rate, args.clock.text(base["simulated_s"])))
    crossed = [text for text, when in args.clock.landmarks(args.hours) if base["simulated_s"] < when <= last["simulated_s"]]
    print("  crossed after the baseline: %s" % (", ".join(crossed) if crossed else "neither midnight nor a clock change"))
    if ended:
        print("  WARNING: the clock ended after %.1f simulated hours (see its log below)" % span_h)
    print()
    print("  %-26s %14s %14s %12s   %s" % ("figure", "baseline", "end", "change", "verdict"))
    rss_change = (last["rss_kb"] - base["rss_kb"]) / base["rss_kb"]
    print(verdict_line("resident memory (RSS)", "%.2f" % (base["rss_kb"] / 1024.0),
                       "%.2f" % (last["rss_kb"] / 1024.0), change_text(base["rss_kb"], last["rss_kb"], True),
                       rss_change > RSS_TOLERANCE, " MB"))
    peak = max(s["rss_kb"] for s in samples if s["simulated_s"] >= base["simulated_s"])
    print("  %-26s %14s   (first sample, %s: %.2f MB)" % ("  (largest after baseline)", "%.2f MB" % (peak / 1024.0),
                                                         args.clock.text(samples[0]["simulated_s"]),
                                                         samples[0]["rss_kb"] / 1024.0))
    print(verdict_line("open file descriptors", base["fds"], last["fds"], change_text(base["fds"], last["fds"]),
                       last["fds"] > base["fds"]))
    print(verdict_line("threads", base["threads"], last["threads"], change_text(base["threads"], last["threads"]),
                       last["threads"] > base["threads"]))
    if base["x"] is None or last["x"] is None:
        print("  %-26s %14s" % ("X resources", "- (xrestop could not see the clock)"))
    else:
        first_count = sum(base["x"].get(k, 0) for k in X_COUNTS)
        last_count = sum(last["x"].get(k, 0) for k in X_COUNTS)
        print(verdict_line("X resources (count)", first_count, last_count, change_text(first_count, last_count),
                           last_count > first_count))
        for name in X_COUNTS:
            a, b = base["x"].get(name, 0), last["x"].get(name, 0)
            if a or b:
                print("  %-26s %14d %14d %12s" % ("  " + name, a, b, change_text(a, b)))
        a, b = base["x"].get("pixmap bytes", 0), last["x"].get("pixmap bytes", 0)
        print(verdict_line("X pixmap bytes", a, b, change_text(a, b), b > a * (1 + RSS_TOLERANCE)))
    hours = hourly_cpu(samples, args.every)
    measured = [h for h in sorted(hours) if h * 3600.0 >= base["simulated_s"]]
    if len(measured) >= 2:
        first_ms, last_ms = hours[measured[0]] * 1000.0, hours[measured[-1]] * 1000.0
        print(verdict_line("CPU per simulated hour", "%.0f" % first_ms, "%.0f" % last_ms,
                           change_text(first_ms, last_ms, True), last_ms > first_ms * (1 + CPU_TOLERANCE), " ms"))
    else:
        print("  %-26s %14s" % ("CPU per simulated hour", "- (fewer than two whole hours after the baseline)"))
    print(verdict_line("log lines", base["log_lines"], last["log_lines"], "", last["log_lines"] > 0))
    print()
    print("  CPU per simulated hour (local time in %s at the hour's start; * before the baseline):" % args.zone)
    for hour in sorted(hours):
        mark = " " if hour in measured else "*"
        print("    %s%s  %7.0f ms" % (mark, args.clock.text(hour * 3600.0), hours[hour] * 1000.0))
    if hours:
        real_s = (max(hours) - min(hours) + 1) * 3600.0 / args.rate
        print("  (%.0f ms of CPU a real second at %gx)" % (sum(hours.values()) * 1000.0 / real_s, args.rate))
    if last["log_lines"]:
        print()
        print("  The clock's log (first lines):")
        with open(args.log, errors="replace") as f:
            for number, line in enumerate(f):
                if number == 20:
                    print("    ...")
                    break
                print("    " + line.rstrip())
    print()
    print("Notes: RSS from /proc/PID/status; fds are /proc/PID/fd; X resources from `xrestop -b -m 1`;")
    print("  CPU is utime + stime; flat means memory and X pixmap bytes within %.0f %%, counts not above the"
          % (RSS_TOLERANCE * 100))
    print("  baseline, the last hour's CPU within %.0f %% of the first, and no log line." % (CPU_TOLERANCE * 100))
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--window", type=lambda t: int(t, 0), required=True, help="the program's top-level window")
    parser.add_argument("--log", required=True, help="the file the program's output goes to")
    parser.add_argument("--start", required=True, help="the fake clock's start, local time in --zone")
    parser.add_argument("--zone", required=True)
    parser.add_argument("--rate", type=float, required=True)
    parser.add_argument("--hours", type=float, required=True, help="simulated hours to watch")
    parser.add_argument("--every", type=float, default=15.0, help="simulated minutes between samples")
    parser.add_argument("--settle", type=float, default=20.0, help="simulated minutes before the baseline")
    parser.add_argument("--samples", help="also append every sample to this file, as JSON lines")
    args = parser.parse_args()
    if args.rate <= 0 or args.hours <= 0 or args.every <= 0:
        parser.error("--rate, --hours and --every must be above 0")
    if 60.0 % args.every:
        parser.error("--every must divide an hour")

    args.clock = SimulatedClock(args.start, args.zone)

    samples, ended = watch(args)
    return report(args, samples, ended) or (1 if ended else 0)


if __name__ == "__main__":
    sys.exit(main())
