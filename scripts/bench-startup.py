#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time and memory of two programs under one private Xvfb, measured from outside.

Run by bench-startup.sh, which starts the Xvfb (tests/e2e/lib.sh) and passes it on in DISPLAY,
with the environment the programs are started in.
Time: from just before the process is started to the first look at the screen that finds pixels
other than the black root (Xvfb -br). Both windows fill the screen and paint all of it at once, so
a look reads only five small patches (the centre and the middle of each quarter) with five X11
GetImage requests sent together (python-xlib, Debian's python3-xlib): they cost the
single-threaded X server next to nothing, so the programs' own requests are not held up, and one
look takes about a tenth of a millisecond, python-xlib's own work included, which resolves a
start-up of tens of milliseconds.
Memory: VmRSS from /proc/<pid>/status, a fixed settle time after the first pixels.
The runs alternate between the programs (and which one goes first) so that a slow spell of the
machine falls on both alike.

Usage: bench-startup.py [--runs N] [--settle S] PROGRAM BASELINE
"""

import argparse
import os
import signal
import statistics
import subprocess
import sys
import time

from Xlib import X, display as xdisplay, error
from Xlib.protocol import request


class Screen:
    """The root window of the X display that DISPLAY names, read through python-xlib."""

    def __init__(self):
        self.display = xdisplay.Display()
        screen = self.display.screen()
        self.root = screen.root.id
        self.width, self.height = screen.width_in_pixels, screen.height_in_pixels

    def look(self, patches):
        """The pixels of several (x, y, width, height) patches: GetImage requests, ZPixmap, all
        planes, sent together and then answered."""
        requests = [request.GetImage(display=self.display.display, defer=True, format=X.ZPixmap,
                                     drawable=self.root, x=x, y=y, width=width, height=height,
                                     plane_mask=0xFFFFFFFF) for x, y, width, height in patches]
        for sent in requests:
            sent.reply()
        return [sent.data for sent in requests]

    def blank(self):
        # The root is black, so a blank patch is nothing but zero bytes.
        size = 8
        return not any(patch.strip(b"\0") for patch in self.look(
            [(int(self.width * fx), int(self.height * fy), size, size)
             for fx, fy in ((0.5, 0.5), (0.25, 0.25), (0.75, 0.25), (0.25, 0.75), (0.75, 0.75))]))


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError(f"no VmRSS for process {pid}")


def one_run(program, screen, settle):
    deadline = time.monotonic() + 5
    while not screen.blank():
        if time.monotonic() > deadline:
            raise RuntimeError("the screen did not go back to black after the previous run")
        time.sleep(0.01)
    start = time.monotonic()
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while screen.blank():
            if process.poll() is not None:
                raise RuntimeError(f"{program} ended with {process.returncode} before painting")
            if time.monotonic() - start > 20:
                raise RuntimeError(f"{program} painted nothing within 20 s")
            time.sleep(0.001)
        first_pixels = time.monotonic() - start
        time.sleep(settle)
        return first_pixels, rss_kib(process.pid)
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--settle", type=float, default=2.0,
                        help="seconds between the first pixels and the memory reading")
    parser.add_argument("program")
    parser.add_argument("baseline")
    args = parser.parse_args()
    programs = [os.path.abspath(args.program), os.path.abspath(args.baseline)]
    names = [os.path.basename(p) for p in programs]

    screen = Screen()
    # One unrecorded run each fills the font and disk caches.
    for program in programs:
        one_run(program, screen, 0.2)
    times = {p: [] for p in programs}
    memory = {p: [] for p in programs}
    for i in range(args.runs):
        order = programs if i % 2 == 0 else programs[::-1]
        for program in order:
            seconds, kib = one_run(program, screen, args.settle)
            times[program].append(seconds)
            memory[program].append(kib)
            print(f"run {i + 1:2}  {os.path.basename(program):18} first pixels "
                  f"{seconds * 1000:7.1f} ms   VmRSS {kib / 1024:6.1f} MiB", flush=True)

    t = [statistics.median(times[p]) for p in programs]
    m = [statistics.median(memory[p]) for p in programs]
    print()
    print(f"median of {args.runs} runs     first pixels      VmRSS")
    for name, seconds, kib in zip(names, t, m):
        print(f"  {name:20} {seconds * 1000:9.1f} ms  {kib / 1024:8.1f} MiB")
    print(f"  ratio {names[0]} / {names[1]}: time {t[0] / t[1]:.2f}x, memory {m[0] / m[1]:.2f}x")


if __name__ == "__main__":
    try:
        main()
    except (RuntimeError, error.DisplayError, error.XError) as failure:
        sys.exit(f"bench-startup: {failure}")
