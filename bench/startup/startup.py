"""Times the first visible window of Curvista against a bare Qt dialog, in
pairs (program, dialog, program, dialog, ...), and prints each one's median
and the median of the pairs' ratios. Run by scripts/bench-startup.sh.

    startup.py linux   TIMER PAIRS PROGRAM BARE_DIALOG
    startup.py windows TIMER PAIRS PROGRAM.exe BARE_DIALOG.exe

The X screen is DISPLAY. Under Wine (WINEPREFIX) a fresh wineserver is
started, with Wine's own services and desktop, before every run, so that
neither program pays for Wine's start. What is timed is the program from its
launch until its first window is mapped, and until that window has a picture
(what the user sees; the figure the ratio is judged by).
"""

import os
import statistics
import subprocess
import sys


def fresh_wine():
    """A new wineserver with Wine's services and desktop running, held open by
    an idle command interpreter: Wine closes its desktop (explorer.exe) soon
    after the last program ends, and whichever program then came first would
    pay for starting it again, which Windows never does."""
    subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL, check=False)
    subprocess.run(["wineserver", "-w"], check=True)
    subprocess.run(["wineserver", "-p"], check=True)
    holder = subprocess.Popen(["wine", "cmd"], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    # Returns once Wine has started its services and the desktop.
    subprocess.run(["wine", "cmd", "/c", "exit"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return holder


def time_once(kind, timer, program):
    holder = None
    if kind == "windows":
        holder = fresh_wine()
        command = [timer, "wine", program]
    else:
        command = [timer, program]
    out = subprocess.run(command, capture_output=True, text=True, check=False)
    if holder:
        holder.stdin.close()
        holder.wait()
    if out.returncode != 0:
        raise SystemExit(f"{program}: {out.stderr.strip()}")
    mapped, painted = (float(value) for value in out.stdout.split())
    return mapped, painted


def main(kind, timer, pairs, program, bare):
    pairs = int(pairs)
    # One unmeasured run of each first: both then find their files cached.
    time_once(kind, timer, program)
    time_once(kind, timer, bare)
    runs = []
    for index in range(pairs):
        a = time_once(kind, timer, program)
        b = time_once(kind, timer, bare)
        runs.append((a, b))
        print(f"pair {index + 1}: program {a[1]:7.1f} ms, dialog {b[1]:7.1f} ms (mapped {a[0]:.1f}, {b[0]:.1f})",
              flush=True)
    if kind == "windows":
        subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL, check=False)
    for label, which in (("first picture", 1), ("window mapped", 0)):
        program_median = statistics.median(a[which] for a, _ in runs)
        bare_median = statistics.median(b[which] for _, b in runs)
        ratio = statistics.median(a[which] / b[which] for a, b in runs)
        print(f"{kind} {label}: program median {program_median:.0f} ms, bare dialog median {bare_median:.0f} ms, "
              f"median of pair ratios {ratio:.3f}")


if __name__ == "__main__":
    if len(sys.argv) != 6 or sys.argv[1] not in ("linux", "windows"):
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
