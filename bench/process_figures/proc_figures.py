#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures running programs from /proc and prints them side by side.

  measure --seconds S --out FILE KEY=PID...
      reads every thread of each program at the start and the end of S seconds
      and writes the figures as JSON;
  report --launches DIR --figures FILE [--repaints FILE] [--xserver KEY]
      prints the table, the ratios of the clock to the references, and where
      each program's wake-ups and CPU go, thread by thread.

Figures per program:
  PSS         Pss of /proc/PID/smaps_rollup at the end of the window (MB);
  USS         its Private_Clean + Private_Dirty: unlike PSS, not lowered by
              other programs that map the same libraries (the Qt ones here);
  CPU         the first field of /proc/PID/task/*/schedstat (ns on a CPU),
              summed over the threads, end minus start, scaled to ms a minute;
  wake-ups    voluntary + nonvoluntary context switches of
              /proc/PID/task/*/status, summed over the threads, end minus
              start, per second: every time a thread left a CPU, which for an
              idle GUI program is every time it slept and was woken.
A thread born during the window counts from zero; one that ended during it is
left out (its last figures cannot be read).
"""

import argparse
import glob
import json
import os
import statistics
import sys
import time


def read_text(path):
    with open(path) as f:
        return f.read()


def read_task(task_dir):
    run_ns = int(read_text(os.path.join(task_dir, "schedstat")).split()[0])
    switches = 0
    for line in read_text(os.path.join(task_dir, "status")).splitlines():
        if line.startswith(("voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:")):
            switches += int(line.split()[1])
    return {"comm": read_text(os.path.join(task_dir, "comm")).strip(), "run_ns": run_ns, "switches": switches}


def memory_kb(pid):
    """Pss and private (USS) kB of the whole process."""
    fields = {}
    for line in read_text("/proc/%d/smaps_rollup" % pid).splitlines():
        name, _, rest = line.partition(":")
        if name in ("Pss", "Private_Clean", "Private_Dirty"):
            fields[name] = int(rest.split()[0])
    return fields.get("Pss"), fields.get("Private_Clean", 0) + fields.get("Private_Dirty", 0)


def snapshot(pid):
    """Every thread of `pid` at one moment; None once the process is gone."""
    taken = time.monotonic()
    tasks = {}
    try:
        for task_dir in glob.glob("/proc/%d/task/*" % pid):
            try:
                tasks[os.path.basename(task_dir)] = read_task(task_dir)
            except (FileNotFoundError, ProcessLookupError):
                pass  # a thread that ended while we looked
        state = read_text("/proc/%d/stat" % pid).rsplit(")", 1)[1].split()[0]
        if state in ("Z", "X"):
            return None
        pss, uss = memory_kb(pid)
        return {"time": taken, "tasks": tasks, "pss_kb": pss, "uss_kb": uss}
    except (FileNotFoundError, ProcessLookupError):
        return None


def figures(start, end):
    seconds = end["time"] - start["time"]
    threads = []
    for tid, last in end["tasks"].items():
        first = start["tasks"].get(tid, {"run_ns": 0, "switches": 0})
        threads.append({
            "name": last["comm"],
            "cpu_ms_per_min": (last["run_ns"] - first["run_ns"]) / 1e6 / seconds * 60.0,
            "wakeups_per_s": (last["switches"] - first["switches"]) / seconds,
        })
    return {
        "seconds": seconds,
        "pss_mb": end["pss_kb"] / 1024.0 if end["pss_kb"] is not None else None,
        "pss_growth_mb": (end["pss_kb"] - start["pss_kb"]) / 1024.0 if end["pss_kb"] and start["pss_kb"] else None,
        "uss_mb": end["uss_kb"] / 1024.0,
        "cpu_ms_per_min": sum(t["cpu_ms_per_min"] for t in threads),
        "wakeups_per_s": sum(t["wakeups_per_s"] for t in threads),
        "threads": sorted(threads, key=lambda t: -t["wakeups_per_s"]),
        "threads_ended": len(set(start["tasks"]) - set(end["tasks"])),
    }


def measure(args):
    pids = {}
    for pair in args.programs:
        key, _, pid = pair.partition("=")
        pids[key] = int(pid)
    starts = {key: snapshot(pid) for key, pid in pids.items()}
    time.sleep(args.seconds)
    result = {}
    for key, pid in pids.items():
        end = snapshot(pid)
        if starts[key] is None or end is None:
            result[key] = {"error": "the process ended during the window"}
        else:
            result[key] = figures(starts[key], end)
    with open(args.out, "w") as out:
        json.dump(result, out, indent=1)
    return 0


# --- the report ---------------------------------------------------------------

CLOCK_KEYS = ("frozen", "rotating")
REFERENCE_KEYS = ("bare", "raster", "xclock", "gworldclock")


def load_launches(folder):
    """The launches of each program, in the order they were made (file names sort so)."""
    launches = {}
    order = []
    for path in sorted(glob.glob(os.path.join(folder, "*.json"))):
        with open(path) as f:
            for line in f:
                if not line.strip():
                    continue
                launch = json.loads(line)
                if launch["key"] not in launches:
                    order.append(launch["key"])
                launches.setdefault(launch["key"], []).append(launch)
    return order, launches


def median_of(launches, field):
    values = [launch[field] for launch in launches if launch.get(field) is not None]
    return (statistics.median(values), len(values)) if values else (None, 0)


def cell(value, digits=1, width=9):
    if value is None:
        return "-".rjust(width)
    return ("%.*f" % (digits, value)).rjust(width)


def ratio_cell(numerator, denominator, width=9):
    if numerator is None or not denominator:
        return "-".rjust(width)
    return ("%.2fx" % (numerator / denominator)).rjust(width)


def report(args):
    order, launches = load_launches(args.launches)
    with open(args.figures) as f:
        measured = json.load(f)
    repaints = {}
    if args.repaints and os.path.exists(args.repaints):
        with open(args.repaints) as f:
            repaints = json.load(f)

    rows = {}
    for key in order:
        runs = launches[key]
        fig = measured.get(key, {})
        mapped, runs_mapped = median_of(runs, "mapped_ms")
        typed, _ = median_of(runs, "typed_ms")
        rows[key] = {
            "label": runs[-1]["label"] or key,
            "pss": fig.get("pss_mb"),
            "uss": fig.get("uss_mb"),
            "cpu": fig.get("cpu_ms_per_min"),
            "wake": fig.get("wakeups_per_s"),
            "mapped": mapped,
            "runs": runs_mapped,
            "typed": typed,
            "repaints": repaints.get(key, {}).get("repaints_per_s"),
            "threads": len(fig.get("threads", [])) or None,
            "error": fig.get("error") or runs[-1].get("error"),
        }

    columns = [("pss", "PSS MB", 1), ("cpu", "CPU ms/min", 1), ("wake", "wake-ups/s", 2),
               ("mapped", "start-up ms", 0), ("uss", "USS MB", 1), ("typed", "typed ms", 0),
               ("repaints", "X paints/s", 2), ("threads", "threads", 0)]
    ratio_columns = columns[:5]
    name_width = max([len(r["label"]) for r in rows.values()] + [12]) + 2
    seconds = [fig["seconds"] for fig in measured.values() if "seconds" in fig]
    window = statistics.mean(seconds) if seconds else 0.0

    print()
    print("Whole-program figures over %.0f s, side by side on one Xvfb display" % window)
    print()
    print("program".ljust(name_width) + "".join(title.rjust(12) for _, title, _ in columns))
    for key in order:
        row = rows[key]
        line = row["label"].ljust(name_width)
        line += "".join(cell(row[field], digits, 12) for field, _, digits in columns)
        if row["error"]:
            line += "   (" + row["error"] + ")"
        print(line)

    clocks = [k for k in CLOCK_KEYS if k in rows]
    references = [k for k in REFERENCE_KEYS if k in rows]
    if clocks and references:
        print()
        print("Ratios, clock / reference".ljust(name_width + 8)
              + "".join(title.rjust(12) for _, title, _ in ratio_columns))
        for clock in clocks:
            for reference in references:
                line = ("%s / %s" % (clock, reference)).ljust(name_width + 8)
                line += "".join(ratio_cell(rows[clock][field], rows[reference][field], 12)
                                for field, _, _ in ratio_columns)
                print(line)

    if "rotating" in rows and "rotating-de" in rows:
        english, german = rows["rotating"], rows["rotating-de"]
        print()
        print("A translation's cost, German / English clock (same run):")
        for field, title, digits in (("uss", "USS MB", 1), ("pss", "PSS MB", 1), ("mapped", "start-up ms", 0),
                                     ("cpu", "CPU ms/min", 1)):
            difference = (german[field] - english[field]
                          if german[field] is not None and english[field] is not None else None)
            print("  %-12s %s %s  difference %s" % (title, cell(english[field], digits), cell(german[field], digits),
                                                  cell(difference, digits)))

    if args.xserver and args.xserver in measured and "cpu_ms_per_min" in measured[args.xserver]:
        xs = measured[args.xserver]
        print()
        print("X server (Xvfb, shared by all of them): %.1f ms CPU/min, %.2f wake-ups/s"
              % (xs["cpu_ms_per_min"], xs["wakeups_per_s"]))

    print()
    print("Notes:")
    print("  PSS, USS: smaps_rollup at the end of the window; PSS shares the Qt libraries among the")
    print("    three Qt programs running here, USS counts only what is the program's own.")
    print("  CPU: schedstat run time of all threads over the window.")
    print("  wake-ups/s: voluntary + nonvoluntary context switches, summed over")
    print("    /proc/PID/task/*/status, over the window, per second.")
    runs = max((r["runs"] for r in rows.values()), default=0)
    print("  start-up ms: launch to the window being mapped (X MapNotify), median of %d launch(es)." % runs)
    print("  typed ms: launch to the first zone name fully typed: the last repaint confined to the")
    print("    zone label (X DamageNotify) before the time label first repaints. Clock only.")
    print("  X paints/s: batches of X damage on the program's window during the window.")
    frozen = repaints.get("frozen", {})
    if frozen.get("in_rect"):
        print("  WARNING: the frozen clock repainted its zone label %d times: the freeze did not take."
              % frozen["in_rect"])
    elif "in_rect" in frozen:
        print("  The frozen clock's zone label did not repaint in the window: the freeze held.")

    for key in order:
        pacing = repaints.get(key, {}).get("pacing")
        if not pacing:
            continue
        label = rows[key]["label"]
        if not pacing.get("frames"):
            print("  Roll pacing of %s: no roll in the window." % label)
            continue
        print("  Roll pacing of %s (X damage times): %d frames in %d roll(s); interval median %s ms, p95 %s ms,"
              % (label, pacing["frames"], pacing["rolls"], pacing.get("median_ms", "-"), pacing.get("p95_ms", "-")))
        print("    largest %s ms; %d whole pass(es) up or down, %d row(s) no frame showed%s."
              % (pacing.get("max_ms", "-"), pacing["passes"], pacing["rows_lost"],
                 "" if not pacing["rolls_cut"] else "; %d roll(s) cut by the window's ends" % pacing["rolls_cut"]))

    growth = ["%s %+.2f" % (rows[key]["label"], measured[key]["pss_growth_mb"]) for key in order
              if measured.get(key, {}).get("pss_growth_mb") is not None]
    if growth:
        print("  PSS change over the window (MB): " + "; ".join(growth) + ".")

    print()
    print("Threads (wake-ups/s, CPU ms/min):")
    for key in order:
        fig = measured.get(key, {})
        if "threads" not in fig:
            continue
        parts = ["%s %.2f, %.1f" % (t["name"], t["wakeups_per_s"], t["cpu_ms_per_min"])
                 for t in fig["threads"][:6]]
        more = len(fig["threads"]) - 6
        print("  %s: %s%s" % (rows[key]["label"], "; ".join(parts), "; +%d more" % more if more > 0 else ""))
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    m = commands.add_parser("measure")
    m.add_argument("--seconds", type=float, required=True)
    m.add_argument("--out", required=True)
    m.add_argument("programs", nargs="+", help="KEY=PID")
    r = commands.add_parser("report")
    r.add_argument("--launches", required=True, help="folder of x_launch.py outputs, one file per program")
    r.add_argument("--figures", required=True)
    r.add_argument("--repaints")
    r.add_argument("--xserver", help="key of the X server among the measured programs")
    args = parser.parse_args()
    return measure(args) if args.command == "measure" else report(args)


if __name__ == "__main__":
    sys.exit(main())
