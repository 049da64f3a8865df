"""Peak resident memory of a command, for the benchmarks beside this file."""
import os
import statistics
import subprocess


def peak_memory(command, work, input_path=None, rounds=1):
    """The median over `rounds` runs of command's peak resident memory, in KiB, with
    input_path (or nothing) on its standard input and its output thrown away. GNU time
    measures it: a child of this Python process would inherit Python's own high-water mark.
    work is a folder for GNU time's report."""
    report = os.path.join(work, "peak")
    peaks = []
    for _ in range(rounds):
        with open(input_path or os.devnull, "rb") as stdin:
            subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report] + command,
                           stdin=stdin, stdout=subprocess.DEVNULL, check=True)
        with open(report) as peak:
            peaks.append(int(peak.read().split()[-1]))
    return statistics.median(peaks)
