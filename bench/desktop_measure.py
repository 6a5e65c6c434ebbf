# SPDX-License-Identifier: MIT
"""Measures the stopwatch beside two baselines on the desktop; run by bench/desktop.

All programs run on one Xvfb server, warmed by one uncounted launch of each,
as a desktop's server is warm. They take turns, one at a time, launch after
launch, so that slow phases of a busy machine fall on all of them alike, and
the report gives the spread beside each median. Everything is read from
outside the program: the X server for its window and /proc for its memory and
CPU time.
"""

import argparse
import ctypes
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

MIB = 1024 * 1024

# ---------------------------------------------------------------------------
# Finding a visible window by name, the query `xdotool search --onlyvisible
# --name` makes, from one long-lived connection: a new xdotool process per poll
# costs 10 to 70 ms here, far coarser than the start-up times being measured.

_x11 = ctypes.CDLL("libX11.so.6")
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x11.XDefaultRootWindow.restype = ctypes.c_ulong
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XInternAtom.restype = ctypes.c_ulong
_x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x11.XFree.argtypes = [ctypes.c_void_p]
_x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                            ctypes.POINTER(ctypes.c_ulong),
                            ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                            ctypes.POINTER(ctypes.c_uint)]
_x11.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
    ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_void_p)]


class _WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int),
                ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


_x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                      ctypes.POINTER(_WindowAttributes)]

# A window that goes away between two requests must not end the measurement:
# Xlib's default error handler would exit.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
_x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]
_x11.XSetErrorHandler(ctypes.cast(_ERROR_HANDLER, ctypes.c_void_p))

IS_VIEWABLE = 2


class XDisplay:
    def __init__(self, name):
        self.d = _x11.XOpenDisplay(name.encode())
        if not self.d:
            raise RuntimeError(f"cannot open display {name}")
        self.root = _x11.XDefaultRootWindow(self.d)
        self.net_wm_name = _x11.XInternAtom(self.d, b"_NET_WM_NAME", 0)
        self.wm_name = _x11.XInternAtom(self.d, b"WM_NAME", 0)

    def close(self):
        _x11.XCloseDisplay(self.d)

    def _property(self, window, atom):
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = _x11.XGetWindowProperty(self.d, window, atom, 0, 1024, 0, 0, ctypes.byref(kind),
                                         ctypes.byref(fmt), ctypes.byref(count),
                                         ctypes.byref(after), ctypes.byref(data))
        if status != 0 or not data.value:
            return None
        value = ctypes.string_at(data.value, count.value) if fmt.value == 8 else None
        _x11.XFree(data)
        return value.decode("utf-8", "replace") if value is not None else None

    def name(self, window):
        """_NET_WM_NAME, else WM_NAME, as xdotool reads a window's name."""
        name = self._property(window, self.net_wm_name)
        return name if name is not None else self._property(window, self.wm_name)

    def _children(self, window):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not _x11.XQueryTree(self.d, window, ctypes.byref(root), ctypes.byref(parent),
                               ctypes.byref(children), ctypes.byref(count)):
            return []
        found = [children[i] for i in range(count.value)]
        if children:
            _x11.XFree(children)
        return found

    def _viewable(self, window):
        attributes = _WindowAttributes()
        return (_x11.XGetWindowAttributes(self.d, window, ctypes.byref(attributes)) != 0
                and attributes.map_state == IS_VIEWABLE)

    def find_visible(self, pattern):
        """A viewable window whose name matches, searched through the whole tree."""
        stack = [self.root]
        while stack:
            window = stack.pop()
            for child in self._children(window):
                name = self.name(child)
                if name is not None and pattern.search(name) and self._viewable(child):
                    return child
                stack.append(child)
        return None


# ---------------------------------------------------------------------------
# /proc


def rss_bytes(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) * 1024
    raise RuntimeError(f"no VmRSS for {pid}")


def cpu_and_runs(pid):
    """CPU time (ns) and number of times scheduled, summed over all threads.

    schedstat's third field counts the times a thread got the CPU: a thread
    that sleeps until a timer or an event wakes it adds one each time.
    """
    cpu = runs = 0
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/schedstat") as stat:
                fields = stat.read().split()
        except FileNotFoundError:
            continue  # the thread ended while we looked
        cpu += int(fields[0])
        runs += int(fields[2])
    return cpu, runs


def usage_over(pids, seconds):
    """CPU time (ns) and wake-ups of each process over the coming seconds."""
    before = {pid: cpu_and_runs(pid) for pid in pids}
    time.sleep(seconds)
    after = {pid: cpu_and_runs(pid) for pid in pids}
    return {pid: (after[pid][0] - before[pid][0], after[pid][1] - before[pid][1]) for pid in pids}


# ---------------------------------------------------------------------------
# The programs, on one X server


class Xvfb:
    def __init__(self):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.stop()
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"
        self.x = XDisplay(self.display)

    def stop(self):
        if getattr(self, "x", None):
            self.x.close()
        self.process.terminate()
        self.process.wait()


class Program:
    def __init__(self, label, command, window_name, state=None):
        self.label = label
        self.command = command
        self.window_name = re.compile(window_name)
        # None for the stopwatch, which is measured stopped and running; for a
        # baseline, what it does all the time ("ticking" or "idle").
        self.state = state


def child_environment(display, runtime):
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": os.environ.get("HOME", "/"),
           "DISPLAY": display, "XDG_RUNTIME_DIR": runtime}
    for name in ("LANG", "LC_ALL"):
        if name in os.environ:
            env[name] = os.environ[name]
    return env


def wait_window(server, program, started, poll_seconds, limit_seconds=20):
    while True:
        window = server.x.find_visible(program.window_name)
        now = time.monotonic()
        if window is not None:
            return window, now - started
        if now - started > limit_seconds:
            raise RuntimeError(f"{program.label}: no window after {limit_seconds} s")
        time.sleep(poll_seconds)


def caption_seconds(server, window):
    name = server.x.name(window) or ""
    match = re.search(r"(\d\d):(\d\d):(\d\d)$", name)
    if not match:
        return None
    h, m, s = (int(v) for v in match.groups())
    return h * 3600 + m * 60 + s


class Launch:
    """One program started on the server, and ended, with its window gone, on exit."""

    def __init__(self, server, program, runtime, poll_seconds):
        self.server, self.program = server, program
        self.env = child_environment(server.display, runtime)
        self.started = time.monotonic()
        self.process = subprocess.Popen(program.command, env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.window, self.to_window = wait_window(server, program, self.started, poll_seconds)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        # The next launch must find its own window, not this one on its way out.
        deadline = time.monotonic() + 5
        while self.server.x.find_visible(self.program.window_name) is not None:
            if time.monotonic() > deadline:
                raise RuntimeError(f"{self.program.label}: the window stayed after exit")
            time.sleep(0.01)


def time_to_window(server, program, runtime, options):
    with Launch(server, program, runtime, options.poll_ms / 1000) as launch:
        return launch.to_window * 1000


def usage(server, program, runtime, options):
    """Memory 3 s after the start, then CPU time and wake-ups (stopped, then running)."""
    with Launch(server, program, runtime, options.poll_ms / 1000) as launch:
        process, env = launch.process, launch.env
        time.sleep(max(0.0, launch.started + 3.0 - time.monotonic()))
        result = {"rss_mib": rss_bytes(process.pid) / MIB}
        pids = [process.pid, server.process.pid]
        used = usage_over(pids, options.seconds)
        result["stopped_cpu_ms"] = used[process.pid][0] / 1e6
        result["stopped_wakeups"] = used[process.pid][1]
        result["stopped_server_cpu_ms"] = used[server.process.pid][0] / 1e6
        if program.state is None:
            subprocess.run(["xdotool", "windowfocus", "--sync", str(launch.window)], env=env,
                           check=True, timeout=10)
            subprocess.run(["xdotool", "key", "Return"], env=env, check=True, timeout=10)
            # Let the start itself (button relabelled, first tick) pass before counting.
            time.sleep(2)
            shown_before = caption_seconds(server, launch.window)
            used = usage_over(pids, options.seconds)
            shown_after = caption_seconds(server, launch.window)
            if shown_before is None or shown_after is None or \
                    shown_after - shown_before < options.seconds - 2:
                raise RuntimeError(f"{program.label}: the stopwatch did not run "
                                   f"(caption {shown_before} then {shown_after})")
        result["running_cpu_ms"] = used[process.pid][0] / 1e6
        result["running_wakeups"] = used[process.pid][1]
        result["running_server_cpu_ms"] = used[server.process.pid][0] / 1e6
        if process.poll() is not None:
            raise RuntimeError(f"{program.label} ended by itself (status {process.returncode})")
        return result


# ---------------------------------------------------------------------------
# Report

USAGE_ROWS = [
    # key, label, number format
    ("rss_mib", "resident memory 3 s after start (MiB)", "{:.1f}"),
    ("running_cpu_ms", "CPU time over {s} s, running (ms)", "{:.1f}"),
    ("stopped_cpu_ms", "CPU time over {s} s, stopped (ms)", "{:.1f}"),
    ("running_wakeups", "wake-ups over {s} s, running", "{:.0f}"),
    ("stopped_wakeups", "wake-ups over {s} s, stopped", "{:.0f}"),
    ("running_server_cpu_ms", "X server CPU time over {s} s, running (ms)", "{:.1f}"),
]


def spread(values, fmt):
    """The median, and the smallest and largest value."""
    return (f"{fmt.format(statistics.median(values))} "
            f"({fmt.format(min(values))} to {fmt.format(max(values))})")


def report(programs, times, ratios, results, options):
    zelvan, xclock = programs[0].label, programs[1].label
    print(f"\nTime from launch to visible window, ms: median (least to most) of "
          f"{options.launches} launches each, taking turns on one warm X server, "
          f"polled every {options.poll_ms:g} ms.\n")
    print("| " + " | ".join(p.label for p in programs) + f" | {zelvan} / {xclock} |")
    print("|" + "---|" * (len(programs) + 1))
    print("| " + " | ".join(spread(times[p.label], "{:.1f}") for p in programs) +
          f" | {spread(ratios, '{:.2f}x')} |")
    if options.runs == 0:
        return
    s = f"{options.seconds:g}"
    print(f"\nMemory and CPU: median (least to most) of {options.runs} run(s) each, "
          f"{s} s windows.\n")
    print("|  | " + " | ".join(p.label for p in programs) + " |")
    print("|" + "---|" * (len(programs) + 1))
    for key, label, fmt in USAGE_ROWS:
        cells = [label.format(s=s)]
        for p in programs:
            text = spread([r[key] for r in results[p.label]], fmt)
            # A baseline has no stopped state: it shows what it always does.
            if p.state and key.startswith(("running", "stopped")):
                text += f" ({p.state})"
            cells.append(text)
        print("| " + " | ".join(cells) + " |")


def rotated(programs, turn):
    """The programs in an order that puts each in each place in turn."""
    return programs[turn % len(programs):] + programs[:turn % len(programs)]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--zelvan", required=True)
    parser.add_argument("--minimal", required=True)
    parser.add_argument("--launches", type=int, default=10)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--poll-ms", type=float, default=2)
    parser.add_argument("--raw", help="file for every launch's and run's figures (tab-separated)")
    options = parser.parse_args()

    for tool in ("Xvfb", "xdotool", "xclock"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing")

    programs = [
        Program("zelvan", [options.zelvan], r"^Zelvan - "),
        Program("xclock", ["xclock", "-analog", "-update", "1"], r"^xclock$", "ticking"),
        Program("minimal Qt", [options.minimal], r"^Minimal Qt window$", "idle"),
        # The least a Qt stopwatch does each second: a timer that sets the caption.
        Program("Qt caption clock", [options.minimal, "--caption-clock"],
                r"^Minimal Qt window", "ticking"),
    ]
    times = {p.label: [] for p in programs}
    results = {p.label: [] for p in programs}
    raw = []
    with tempfile.TemporaryDirectory(prefix="zelvan-desktop-") as runtime:
        os.chmod(runtime, 0o700)
        # A desktop's X server has long been running: one server serves every
        # launch, and one uncounted launch of each program warms it, the page
        # cache and the font cache for all of them.
        server = Xvfb()
        try:
            for p in programs:
                time_to_window(server, p, runtime, options)
            for turn in range(options.launches):
                for p in rotated(programs, turn):
                    ms = time_to_window(server, p, runtime, options)
                    times[p.label].append(ms)
                    raw.append((p.label, "launch", turn + 1, "window_ms", ms))
                print(f"launch {turn + 1}/{options.launches}: " +
                      ", ".join(f"{p.label} {times[p.label][-1]:.1f} ms" for p in programs),
                      flush=True)
            for run in range(options.runs):
                for p in rotated(programs, run):
                    r = usage(server, p, runtime, options)
                    results[p.label].append(r)
                    raw += [(p.label, "run", run + 1, k, v) for k, v in r.items()]
                    print(f"run {run + 1}/{options.runs} {p.label:16s} " +
                          " ".join(f"{k}={v:.2f}" for k, v in r.items()), flush=True)
        finally:
            server.stop()

    # Launches taking turns are paired: each turn's ratio compares launches
    # made moments apart, under the same load.
    ratios = [z / x for z, x in zip(times[programs[0].label], times[programs[1].label])]
    if options.raw:
        with open(options.raw, "w") as out:
            out.write("program\tkind\tnumber\tfigure\tvalue\n")
            for row in raw:
                out.write("\t".join(str(v) if not isinstance(v, float) else f"{v:.3f}"
                                    for v in row) + "\n")
    report(programs, times, ratios, results, options)


if __name__ == "__main__":
    main()
