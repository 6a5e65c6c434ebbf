# SPDX-License-Identifier: MIT
"""Measures the stopwatch beside two baselines on the desktop; run by bench/desktop.

Each program runs alone on its own Xvfb server, with the programs taking turns
run after run, so that slow phases of a busy machine fall on all of them alike.
Everything is read from outside the program: the X server for its window and
/proc for its memory and CPU time.
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
# One program's run


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


def measure(program, options, runtime, warm_up=False):
    """One launch: time to window, and unless warming up, memory and CPU."""
    server = Xvfb()
    process = None
    try:
        env = child_environment(server.display, runtime)
        started = time.monotonic()
        process = subprocess.Popen(program.command, env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        window, to_window = wait_window(server, program, started, options.poll_ms / 1000)
        result = {"window_ms": to_window * 1000}
        if warm_up:
            return result
        time.sleep(max(0.0, started + 3.0 - time.monotonic()))
        result["rss_mib"] = rss_bytes(process.pid) / MIB
        pids = [process.pid, server.process.pid]
        if program.state is None:
            usage = usage_over(pids, options.seconds)
            result["stopped_cpu_ms"] = usage[process.pid][0] / 1e6
            result["stopped_wakeups"] = usage[process.pid][1]
            result["stopped_server_cpu_ms"] = usage[server.process.pid][0] / 1e6
            subprocess.run(["xdotool", "windowfocus", "--sync", str(window)], env=env,
                           check=True, timeout=10)
            subprocess.run(["xdotool", "key", "Return"], env=env, check=True, timeout=10)
            # Let the start itself (button relabelled, first tick) pass before counting.
            time.sleep(2)
            shown_before = caption_seconds(server, window)
            usage = usage_over(pids, options.seconds)
            shown_after = caption_seconds(server, window)
            if shown_before is None or shown_after is None or \
                    shown_after - shown_before < options.seconds - 2:
                raise RuntimeError(f"{program.label}: the stopwatch did not run "
                                   f"(caption {shown_before} then {shown_after})")
        else:
            usage = usage_over(pids, options.seconds)
            result["stopped_cpu_ms"] = usage[process.pid][0] / 1e6
            result["stopped_wakeups"] = usage[process.pid][1]
            result["stopped_server_cpu_ms"] = usage[server.process.pid][0] / 1e6
        result["running_cpu_ms"] = usage[process.pid][0] / 1e6
        result["running_wakeups"] = usage[process.pid][1]
        result["running_server_cpu_ms"] = usage[server.process.pid][0] / 1e6
        if process.poll() is not None:
            raise RuntimeError(f"{program.label} ended by itself (status {process.returncode})")
        return result
    finally:
        if process is not None and process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        server.stop()


# ---------------------------------------------------------------------------
# Report

ROWS = [
    # key, label, number format
    ("window_ms", "time from launch to visible window (ms)", "{:.1f}"),
    ("rss_mib", "resident memory 3 s after start (MiB)", "{:.1f}"),
    ("running_cpu_ms", "CPU time over {s} s, running (ms)", "{:.1f}"),
    ("stopped_cpu_ms", "CPU time over {s} s, stopped (ms)", "{:.2f}"),
    ("running_wakeups", "wake-ups over {s} s, running", "{:.0f}"),
    ("stopped_wakeups", "wake-ups over {s} s, stopped", "{:.0f}"),
    ("running_server_cpu_ms", "X server CPU time over {s} s, running (ms)", "{:.1f}"),
]


def target_check(key, zelvan, xclock):
    if key == "window_ms":
        return "<= 1.0x xclock", zelvan <= xclock
    if key == "rss_mib":
        return "<= 32 MiB", zelvan <= 32
    if key == "running_cpu_ms":
        return "<= 1.0x xclock", zelvan <= xclock
    if key == "stopped_wakeups":
        return "0", zelvan == 0
    return "", None


def report(programs, results, options):
    s = f"{options.seconds:g}"
    medians = {p.label: {} for p in programs}
    for p in programs:
        for key, _, _ in ROWS:
            values = [r[key] for r in results[p.label] if key in r]
            medians[p.label][key] = statistics.median(values) if values else None

    zelvan, xclock, minimal = programs[0].label, programs[1].label, programs[2].label
    header = [""] + [p.label for p in programs] + [f"{zelvan} / {xclock}",
                                                    f"{zelvan} / {minimal}", "target", "met"]
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    for key, label, fmt in ROWS:
        cells = [label.format(s=s)]
        for p in programs:
            text = fmt.format(medians[p.label][key])
            # A baseline has no stopped state: it shows what it always does.
            if p.state and key.startswith(("running", "stopped")):
                text += f" ({p.state})"
            cells.append(text)
        z, x, q = (medians[n][key] for n in (zelvan, xclock, minimal))
        cells.append(f"{z / x:.2f}x" if x else "n/a")
        cells.append(f"{z / q:.2f}x" if q else "n/a")
        target, met = target_check(key, z, x)
        cells += [target, "" if met is None else ("yes" if met else "NO")]
        lines.append("| " + " | ".join(cells) + " |")
    print(f"\nMedians of {options.runs} run(s) each; {s} s windows; "
          f"window polled every {options.poll_ms:g} ms.\n")
    print("\n".join(lines))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--zelvan", required=True)
    parser.add_argument("--minimal", required=True)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--poll-ms", type=float, default=2)
    parser.add_argument("--raw", help="file for every run's figures (tab-separated)")
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
    results = {p.label: [] for p in programs}
    with tempfile.TemporaryDirectory(prefix="zelvan-desktop-") as runtime:
        os.chmod(runtime, 0o700)
        # One launch each first, uncounted, so no program pays alone for a cold
        # page cache or font cache.
        for p in programs:
            measure(p, options, runtime, warm_up=True)
        for run in range(options.runs):
            # Rotate the order, so that each program takes each place in turn.
            order = programs[run % len(programs):] + programs[:run % len(programs)]
            for p in order:
                load = os.getloadavg()[0]
                r = measure(p, options, runtime)
                r["load"] = load
                results[p.label].append(r)
                print(f"run {run + 1}/{options.runs} {p.label:16s} " +
                      " ".join(f"{k}={v:.2f}" for k, v in r.items()), flush=True)

    if options.raw:
        keys = ["load"] + [k for k, _, _ in ROWS] + ["stopped_server_cpu_ms"]
        with open(options.raw, "w") as raw:
            raw.write("program\trun\t" + "\t".join(keys) + "\n")
            for p in programs:
                for i, r in enumerate(results[p.label]):
                    raw.write(f"{p.label}\t{i + 1}\t" +
                              "\t".join(f"{r.get(k, float('nan')):.3f}" for k in keys) + "\n")
    report(programs, results, options)


if __name__ == "__main__":
    main()
