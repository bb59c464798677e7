#!/usr/bin/env python3
"""Writes bench/run's figures as Markdown: a table of medians and ratios to cat,
the targets, and the machine.

    report.py --quick 0|1 MACHINE.tsv ROWS.tsv

MACHINE.tsv holds "name<TAB>value" lines. ROWS.tsv holds one line per measurement:
kind (whole or copy), label (for a copy: its size), cage bytes, the peak RSS in
KiB of the program and of cat, and the
hyperfine JSON files (space-separated: for a copy, the overwriting run of
endohedral and cat, the run of unix2dos -n, and the run into new files).
"""
import argparse
import datetime
import json
import sys

TOOLS = ("endohedral", "cat", "unix2dos -n")
MIB = 1024 * 1024
# Linux sums a process's page counts only roughly (per CPU), so peaks this close
# are the same memory.
SAME_PEAK_KIB = 256


def medians(path):
    with open(path) as data:
        return {result["command"]: result["median"] for result in json.load(data)["results"]}


def seconds(value):
    if value is None:
        return "–"
    return f"{value:.3g} s" if value >= 1 else f"{value * 1000:.3g} ms"


def ratio(value, reference):
    return "–" if value is None else f"{value / reference:.2f}"


def size(count):
    if count >= MIB:
        return f"{count / MIB:.4g} MiB"
    return f"{count / 1024:.3g} KiB"


def read_rows(path):
    rows = []
    with open(path) as lines:
        for line in lines:
            kind, label, cage_bytes, peak, cat_peak, files = line.rstrip("\n").split("\t")
            files = files.split()
            row = {"kind": kind, "label": label, "bytes": int(cage_bytes), "peak": int(peak),
                   "cat peak": int(cat_peak), "times": {}}
            row["times"].update(medians(files[0]))
            if kind == "copy":
                row["times"].update(medians(files[1]))
                row["fresh"] = medians(files[2])
            rows.append(row)
    return rows


def table_line(cells):
    return "| " + " | ".join(cells) + " |"


def figures_table(rows):
    lines = [table_line(["", "cage", *TOOLS, "endohedral ÷ cat",
                         "unix2dos -n ÷ cat", "endohedral peak RSS", "cat peak RSS"]),
             table_line(["---", "---:"] + ["---:"] * 7)]
    for row in rows:
        times = row["times"]
        cat = times["cat"]
        name = row["label"] if row["kind"] == "whole" else f"copy of {row['label']}"
        lines.append(table_line([
            name, size(row["bytes"]), *(seconds(times.get(tool)) for tool in TOOLS),
            ratio(times["endohedral"], cat), ratio(times.get("unix2dos -n"), cat),
            f"{row['peak']} KiB", f"{row['cat peak']} KiB"]))
        if "fresh" in row:
            fresh = row["fresh"]
            lines.append(table_line([
                name + ", into a new file", size(row["bytes"]),
                seconds(fresh["endohedral"]), seconds(fresh["cat"]), "–",
                ratio(fresh["endohedral"], fresh["cat"]), "–", "", ""]))
    return lines


def targets_table(rows):
    whole = next(row for row in rows if row["kind"] == "whole")
    copies = [row for row in rows if row["kind"] == "copy"]
    smallest, largest = copies[0], copies[-1]
    whole_ratio = whole["times"]["endohedral"] / whole["times"]["cat"]
    copy_ratio = largest["times"]["endohedral"] / largest["times"]["cat"]
    against_unix2dos = largest["times"]["endohedral"] / largest["times"]["unix2dos -n"]
    peaks = (smallest["peak"], largest["peak"])
    checks = [
        ("C1280 whole run within 1.2 × cat", f"{whole_ratio:.2f} × cat", whole_ratio <= 1.2),
        (f"copy of {largest['label']} within 1.5 × cat", f"{copy_ratio:.2f} × cat", copy_ratio <= 1.5),
        (f"copy of {largest['label']} faster than unix2dos -n", f"{against_unix2dos:.2f} × unix2dos -n",
         against_unix2dos < 1),
        (f"peak memory the same for {smallest['label']} and {largest['label']}, "
         "at most 2 MiB", f"{peaks[0]} KiB and {peaks[1]} KiB",
         abs(peaks[0] - peaks[1]) <= SAME_PEAK_KIB and max(peaks) <= 2048),
    ]
    lines = [table_line(["target", "measured", ""]), table_line(["---", "---:", "---"])]
    lines += [table_line([name, value, "met" if met else "**missed**"])
              for name, value, met in checks]
    return lines


def machine_table(path):
    lines = [table_line(["machine", ""]), table_line(["---", "---"])]
    with open(path) as entries:
        lines += [table_line(line.rstrip("\n").split("\t", 1)) for line in entries]
    return lines


def report(quick, machine_path, rows_path):
    rows = read_rows(rows_path)
    today = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    mode = "the quick mode (1 MiB only, few runs)" if quick else "a full run"
    lines = [
        "# endohedral against cat and unix2dos",
        "",
        f"Written by `bench/run` from {mode}, {today}.",
        "",
        "Times are hyperfine medians of the whole command, process start included;",
        "ratios are to `cat`. The commands, run in a temporary folder holding",
        "`Input/C1280.inp`:",
        "",
        "- endohedral: `endohedral < answers > /dev/null` (answers: `12`, `Xe`), writing `C1280.xyz`",
        "- cat: `cat Input/C1280.inp > C1280.xyz` (for the copies: `> cat.xyz`)",
        "- unix2dos -n: `unix2dos -q -n Input/C1280.inp unix2dos.xyz`",
        "",
        "Each command writes over its output of the run before, as a user running it",
        "again does. The rows \"into a new file\" remove the outputs before each run",
        "(hyperfine `--prepare`), so that no command pays for truncating the last",
        "output and having it written back to the disk: they show the work of the",
        "copy alone. Peak RSS is the median of `/usr/bin/time -v`'s maximum resident",
        "set size over 11 runs: Linux sums a process's page counts per CPU only",
        "roughly, so single runs scatter by some hundred KiB, and peaks within",
        f"{SAME_PEAK_KIB} KiB count as the same. Each copy was checked to equal",
        "unix2dos's output.",
        "",
        *figures_table(rows),
        "",
    ]
    if not quick:
        lines += [*targets_table(rows), ""]
    lines += [*machine_table(machine_path), ""]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description="Writes bench/run's figures as Markdown.")
    parser.add_argument("--quick", type=int, choices=(0, 1), default=0)
    parser.add_argument("machine")
    parser.add_argument("rows")
    args = parser.parse_args()
    try:
        sys.stdout.write(report(args.quick == 1, args.machine, args.rows))
    except (OSError, ValueError, KeyError, StopIteration, IndexError) as error:
        sys.exit(f"report.py: cannot read the figures: {error!r}")


if __name__ == "__main__":
    main()
