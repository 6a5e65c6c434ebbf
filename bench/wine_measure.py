# SPDX-License-Identifier: MIT
"""Measures zelvan.exe beside Wine's own notepad.exe on one warm Wine; run by bench/wine.

Both run on one Xvfb server and one Wine server kept up between launches
(`wineserver -p`), as a Windows desktop is warm, after one uncounted launch
of each. They take turns, launch after launch, and the report gives the
spread beside each median. The window is found as bench/desktop finds it,
from the X server; memory is the Wine process's VmRSS, the same for both.
"""

import argparse
import os
import re
import signal
import subprocess
import time

from desktop_measure import MIB, XDisplay, rss_bytes, spread


class Launch:
    """One program started under Wine, and killed, with its window gone, on exit."""

    def __init__(self, x, options, command, pattern):
        self.x, self.pattern = x, pattern
        self.started = time.monotonic()
        # Into nothing: Wine's helpers keep an inherited pipe open.
        self.process = subprocess.Popen([options.wine, *command], stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        while (window := x.find_visible(pattern)) is None:
            if time.monotonic() - self.started > 30:
                raise RuntimeError(f"{command[0]}: no window after 30 s")
            time.sleep(options.poll_ms / 1000)
        self.to_window = time.monotonic() - self.started
        self.window = window

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.process.send_signal(signal.SIGKILL)
        self.process.wait()
        deadline = time.monotonic() + 10
        while self.x.find_visible(self.pattern) is not None:
            if time.monotonic() > deadline:
                raise RuntimeError("the window stayed after the program ended")
            time.sleep(0.01)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--wine", required=True)
    parser.add_argument("--zelvan", required=True)
    parser.add_argument("--launches", type=int, default=10)
    parser.add_argument("--poll-ms", type=float, default=2)
    options = parser.parse_args()

    programs = [("zelvan.exe", [options.zelvan], re.compile(r"^Zelvan - \d\d:\d\d:\d\d$")),
                # By its path: a bare name is run through start.exe, a process
                # of its own, which would be timed and measured instead.
                ("notepad.exe", ["C:\\windows\\system32\\notepad.exe"], re.compile(r" - Notepad$"))]
    x = XDisplay(os.environ["DISPLAY"])
    for _, command, pattern in programs:
        with Launch(x, options, command, pattern):
            pass
    times = {label: [] for label, _, _ in programs}
    ratios = []
    for turn in range(options.launches):
        pair = {}
        # Alternating which goes first, so neither always follows the other.
        for label, command, pattern in programs[turn % 2:] + programs[:turn % 2]:
            with Launch(x, options, command, pattern) as launch:
                pair[label] = launch.to_window * 1000
            times[label].append(pair[label])
        ratios.append(pair["zelvan.exe"] / pair["notepad.exe"])
        print(f"launch {turn + 1}: " + ", ".join(f"{k} {v:.1f} ms" for k, v in pair.items()))
    memory = {}
    for label, command, pattern in programs:
        with Launch(x, options, command, pattern) as launch:
            time.sleep(max(0.0, launch.started + 3.0 - time.monotonic()))
            memory[label] = rss_bytes(launch.process.pid) / MIB
    x.close()

    print(f"\nTime from launch to visible window, ms: median (least to most) of "
          f"{options.launches} launches each, taking turns on one warm Wine server, "
          f"polled every {options.poll_ms:g} ms; resident memory 3 s after the start.\n")
    print("| | zelvan.exe | notepad.exe | zelvan / notepad, paired launches |")
    print("|---|---|---|---|")
    print(f"| time to window (ms) | {spread(times['zelvan.exe'], '{:.1f}')} | "
          f"{spread(times['notepad.exe'], '{:.1f}')} | {spread(ratios, '{:.2f}x')} |")
    print(f"| resident memory (MiB) | {memory['zelvan.exe']:.1f} | {memory['notepad.exe']:.1f} | "
          f"{memory['zelvan.exe'] / memory['notepad.exe']:.2f}x |")


if __name__ == "__main__":
    main()
