#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
"""Runs bench_notifications with its benchmarks interleaved and prints the
ratios of each pair's medians (CPU and wall time), and whether the pass into
the store is within its goal of the pass into the test double.

    bench/notifications/ratios.py [build/bench/notifications/bench_notifications] [repetitions]
"""
import json
import subprocess
import sys

GOAL = 1.5
PAIRS = [
    ("BM_SchedulingPassIntoTheStore", "BM_SchedulingPass", GOAL),
    ("BM_ChangedPassIntoTheStore", "BM_SchedulingPass", None),
    ("BM_RescheduleIntoTheStore/real_time", "BM_Reschedule/real_time", None),
    ("BM_AddEachIntoTheStore", "BM_SchedulingPass", None),
    ("BM_SchedulingPass", "BM_ThirtyConverters", None),
]


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else "build/bench/notifications/bench_notifications"
    repetitions = sys.argv[2] if len(sys.argv) > 2 else "9"
    out = subprocess.run(
        [program, "--benchmark_format=json", f"--benchmark_repetitions={repetitions}",
         "--benchmark_enable_random_interleaving=true", "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    medians = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            medians[b["run_name"]] = (b["cpu_time"], b["real_time"])
    status = 0
    print(f"{'ratio':<64} {'cpu':>6} {'wall':>6}")
    for measured, baseline, goal in PAIRS:
        if measured not in medians or baseline not in medians:
            continue
        cpu = medians[measured][0] / medians[baseline][0]
        wall = medians[measured][1] / medians[baseline][1]
        # The reschedule hands its pass to a worker, so only its wall time counts.
        verdict = ""
        if goal is not None:
            verdict = "  ok" if cpu <= goal else f"  OVER {goal}"
            status |= cpu > goal
        print(f"{measured + ' / ' + baseline:<64} {cpu:6.2f} {wall:6.2f}{verdict}")
    return status


if __name__ == "__main__":
    sys.exit(main())
