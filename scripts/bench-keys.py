#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Key response of sistema-decimale against a minimal Qt window, under one private Xvfb, measured
from outside.

Run by bench-keys.sh, which starts the Xvfb (tests/e2e/lib.sh) and passes it on in DISPLAY, with
the environment the programs are started in.

A key goes down through the XTEST extension, sent over the same X11 connection that reads the
pixels (the Screen client of bench-startup.py, through python-xlib), and the time runs from just
before that request is sent to the first look that finds changed pixels. Which pixels a press
changes is learnt first, from whole-screen pictures taken before and after untimed presses of the
same sequence: a timed look then reads only two rows of that area, one near its top and one near
its bottom, with two GetImage requests sent together. That costs the single-threaded X server a
few microseconds, and a whole look, python-xlib's own work included, about 0.07 ms, so looking
every third of a millisecond or so does not hold up the programs' own requests (looking without
a pause gives the same figures). The key goes up once the rows show their final pixels; the next
press waits a pause and until its rows show what they showed when it was learnt, and after every
round of the sequence the whole screen must be back where it started.

Measured, each over PRESSES presses:
  - the start window's menu: the space bar moves the highlight to the next item;
  - the exercise window's keypad ("I MULTIPLI"), repeating Enter, space, space, Enter, space from
    the first key: Enter on an answer key shows it as the answer and moves the focus to "verifica",
    the space bar moves the focus to the next enabled key. The digit keys are left out: they only
    change the answer kept behind the keypad, not a pixel.
  - the yardstick (tools/key-window): the space bar switches the text of a label.
The programs run in turn, a fresh process for every block of presses, alternating which goes first,
so that a slow spell of the machine falls on both alike.

Usage: bench-keys.py [--presses N] [--block N] [--interval S] [--gap S] PROGRAM BASELINE
"""

import argparse
import importlib.util
import math
import os
import random
import signal
import statistics
import subprocess
import sys
import time
from pathlib import Path

from Xlib import X, error

# The X11 client of the start-up benchmark, shared rather than copied (and no byte code left
# behind in scripts/).
sys.dont_write_bytecode = True
_startup_spec = importlib.util.spec_from_file_location(
    "bench_startup", Path(__file__).with_name("bench-startup.py"))
bench_startup = importlib.util.module_from_spec(_startup_spec)
_startup_spec.loader.exec_module(bench_startup)

# Keysyms of the keys pressed.
SPACE, RETURN, DIGIT_1 = 0x0020, 0xFF0D, 0x0031
KEY_NAMES = {SPACE: "space", RETURN: "Enter", DIGIT_1: "1"}

# Targets of the program, per measurement: a median of at most this many milliseconds and at most
# this many times the yardstick's median.
TARGET_MS = 2.0
TARGET_RATIO = 1.5


class Display(bench_startup.Screen):
    """The Screen client, plus a keyboard: key presses and releases through XTEST FakeInput."""

    def __init__(self):
        super().__init__()
        if not self.display.has_extension("XTEST"):
            raise RuntimeError("the X server lacks the XTEST extension")

    def keycode(self, keysym):
        code = self.display.keysym_to_keycode(keysym)
        if not code:
            raise RuntimeError(f"no key of the X server's keyboard gives keysym {keysym:#x}")
        return code

    def key(self, keycode, down):
        # KeyPress or KeyRelease, now; no reply, so the request is sent at once.
        self.display.xtest_fake_input(X.KeyPress if down else X.KeyRelease, keycode)
        self.display.flush()

    def picture(self):
        return self.look([(0, 0, self.width, self.height)])[0]


class Step:
    """One press of a sequence: its key, the rows it changes and what they show before and after."""

    def __init__(self, name, keysym, patches, before, after):
        self.name, self.keysym = name, keysym
        self.patches, self.before, self.after = patches, before, after


def changed_rows(before, after, width):
    """{y: (first x, last x, changed pixels)} for every row where the two pictures differ."""
    stride = width * 4
    rows = {}
    for y in range(len(before) // stride):
        a = before[y * stride:(y + 1) * stride]
        b = after[y * stride:(y + 1) * stride]
        if a != b:
            xs = [x for x, (p, q) in enumerate(zip(memoryview(a).cast("I"),
                                                   memoryview(b).cast("I"))) if p != q]
            rows[y] = (xs[0], xs[-1], len(xs))
    return rows


def watched_patches(rows):
    """Two rows to look at: the busiest of the top third of the changed rows, and of the bottom
    third, each from its first to its last changed pixel."""
    ys = sorted(rows)
    third = max(1, len(ys) // 3)
    chosen = []
    for part in (ys[:third], ys[-third:]):
        y = max(part, key=lambda r: rows[r][2])
        if y not in chosen:
            chosen.append(y)
    return [(rows[y][0], y, rows[y][1] - rows[y][0] + 1, 1) for y in chosen]


class Run:
    """One program under the display: started, driven, measured, stopped."""

    def __init__(self, program, display, args):
        self.program, self.display, self.args = program, display, args
        self.name = os.path.basename(program)
        deadline = time.monotonic() + 5
        while not display.blank():
            if time.monotonic() > deadline:
                raise RuntimeError("the screen did not go back to black after the previous run")
            time.sleep(0.01)
        self.process = subprocess.Popen([program], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        try:
            deadline = time.monotonic() + 20
            while display.blank():
                self._alive()
                if time.monotonic() > deadline:
                    raise RuntimeError(f"{self.name} painted nothing within 20 s")
                time.sleep(0.005)
        except BaseException:
            self.stop()
            raise

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def _alive(self):
        if self.process.poll() is not None:
            raise RuntimeError(f"{self.name} ended with {self.process.returncode}")

    def still(self, at_least=0.0, what="the screen is still"):
        """Waits at least AT_LEAST seconds and until three pictures 0.1 s apart are the same;
        returns the last."""
        start = time.monotonic()
        time.sleep(at_least)
        last, same = self.display.picture(), 0
        while same < 2:
            time.sleep(0.1)
            self._alive()
            if time.monotonic() - start > at_least + 10:
                raise RuntimeError(f"{self.name}: waited in vain until {what}")
            picture = self.display.picture()
            same = same + 1 if picture == last else 0
            last = picture
        return last

    def tap(self, keysym):
        """An untimed press: down, a human-like pause, up, then the screen still again."""
        code = self.display.keycode(keysym)
        self.display.key(code, True)
        time.sleep(0.05)
        self.display.key(code, False)
        return self.still(what=f"the screen is still after {KEY_NAMES[keysym]}")

    def learn(self, sequence):
        """Presses SEQUENCE of (name, keysym) twice untimed: the first round brings the program
        into the state the sequence comes back to, the second learns what each press changes and
        checks that it does come back. Returns the Steps and the picture they start from."""
        for _, keysym in sequence:
            self.tap(keysym)
        start = before = self.still()
        steps = []
        for name, keysym in sequence:
            after = self.tap(keysym)
            rows = changed_rows(before, after, self.display.width)
            if not rows:
                raise RuntimeError(f"{self.name}: {KEY_NAMES[keysym]} ({name}) changed no pixel")
            patches = watched_patches(rows)
            steps.append(Step(name, keysym, patches, self._rows(before, patches),
                              self._rows(after, patches)))
            before = after
        if before != start:
            raise RuntimeError(f"{self.name}: the presses {[n for n, _ in sequence]} do not bring "
                               "the screen back to where they started")
        return steps, start

    def _rows(self, picture, patches):
        stride = self.display.width * 4
        return [picture[y * stride + x * 4:y * stride + (x + w) * 4] for x, y, w, _ in patches]

    def timed(self, step, tally):
        """One timed press: seconds to the first changed pixels and to the final ones. TALLY
        counts the looks and the seconds they took."""
        display, args = self.display, self.args
        code = display.keycode(step.keysym)
        deadline = time.monotonic() + 5
        while display.look(step.patches) != step.before:
            self._alive()
            if time.monotonic() > deadline:
                raise RuntimeError(f"{self.name}: the screen is not as expected before "
                                   f"{KEY_NAMES[step.keysym]} ({step.name})")
            time.sleep(0.01)
        first = None
        start = time.perf_counter()
        display.key(code, True)
        while True:
            rows = display.look(step.patches)
            elapsed = time.perf_counter() - start
            tally[0] += 1
            if first is None and rows != step.before:
                first = elapsed
            if rows == step.after:
                break
            if elapsed > 2:
                display.key(code, False)
                raise RuntimeError(f"{self.name}: {KEY_NAMES[step.keysym]} ({step.name}) did not "
                                   "change the screen as learnt within 2 s")
            if args.interval > 0:
                time.sleep(args.interval)
        tally[1] += elapsed
        display.key(code, False)
        # A pause a little different every time, so no periodic work of the program lines up.
        time.sleep(random.uniform(args.gap, 2 * args.gap))
        return first, elapsed

    def measure(self, learnt, quota, results, tally):
        """Repeats the learnt steps until every one of their names has QUOTA more timings; after
        each round the whole screen must be back where the round started."""
        steps, start = learnt
        counts = {step.name: 0 for step in steps}
        while min(counts.values()) < quota:
            for step in steps:
                first, last = self.timed(step, tally)
                if counts[step.name] < quota:
                    counts[step.name] += 1
                    results[step.name].append((first, last))
            deadline = time.monotonic() + 2
            while self.display.picture() != start:
                self._alive()
                if time.monotonic() > deadline:
                    raise RuntimeError(f"{self.name}: after a round of {steps[0].name} the screen "
                                       "is not where the round started")
                time.sleep(0.02)


# The measurements, in the order of the table; the program's and the yardstick's.
MENU = "start window: space"
KEYPAD_SPACE = "keypad: space"
KEYPAD_ENTER = "keypad: Enter on an answer key"
YARDSTICK = "label: space"


def program_block(program, display, args, quota, results, tally):
    run = Run(program, display, args)
    try:
        # The curtain takes about two seconds to open.
        run.still(at_least=2.5, what="the curtain has opened")
        run.measure(run.learn([(MENU, SPACE)] * 3), quota, results, tally)
        # "I MULTIPLI": the focus goes back to it with "1", Enter opens the exercise window.
        run.tap(DIGIT_1)
        run.tap(RETURN)
        run.still(at_least=0.5, what="the exercise window is shown")
        # From the focus on key 0: Enter chooses "10" and moves the focus to "verifica", space
        # takes it on to key 0 (8 and 9 are disabled), space to key 1, Enter chooses "100", space
        # back to key 0. "verifica" never gets an Enter, so no answer is judged.
        run.measure(run.learn([(KEYPAD_ENTER, RETURN), (KEYPAD_SPACE, SPACE),
                               (KEYPAD_SPACE, SPACE), (KEYPAD_ENTER, RETURN),
                               (KEYPAD_SPACE, SPACE)]), quota, results, tally)
        return run
    finally:
        run.stop()


def baseline_block(program, display, args, quota, results, tally):
    run = Run(program, display, args)
    try:
        run.still(at_least=0.3)
        run.measure(run.learn([(YARDSTICK, SPACE)] * 2), quota, results, tally)
        return run
    finally:
        run.stop()


def p90(values):
    return statistics.quantiles(values, n=10, method="inclusive")[-1]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--presses", type=int, default=40, help="timed presses per measurement")
    parser.add_argument("--block", type=int, default=10,
                        help="presses per measurement before the other program takes its turn")
    parser.add_argument("--interval", type=float, default=0.00002,
                        help="seconds between two looks at the screen while a press is timed")
    parser.add_argument("--gap", type=float, default=0.05,
                        help="seconds at least between a key going up and the next going down")
    parser.add_argument("program")
    parser.add_argument("baseline")
    args = parser.parse_args()
    if args.presses < 2 or args.block < 1:
        parser.error("at least 2 presses and blocks of at least 1")
    programs = [os.path.abspath(args.program), os.path.abspath(args.baseline)]
    names = [os.path.basename(p) for p in programs]
    results = {name: [] for name in (MENU, KEYPAD_SPACE, KEYPAD_ENTER, YARDSTICK)}
    tally = [0, 0.0]  # looks while presses were timed, and the seconds they took

    display = Display()
    blocks = math.ceil(args.presses / args.block)
    for i in range(blocks):
        quota = min(args.block, args.presses - i * args.block)
        order = [0, 1] if i % 2 == 0 else [1, 0]
        for which in order:
            block = program_block if which == 0 else baseline_block
            before = {name: len(values) for name, values in results.items()}
            run = block(programs[which], display, args, quota, results, tally)
            for name, values in results.items():
                new = [first for first, _ in values[before[name]:]]
                if new:
                    print(f"block {i + 1:2}  {run.name:18} {name:32} median "
                          f"{statistics.median(new) * 1000:6.2f} ms over {len(new)}", flush=True)

    ms = {name: sorted(first * 1000 for first, _ in values) for name, values in results.items()}
    settled = {name: statistics.median(last * 1000 for _, last in values)
               for name, values in results.items()}
    base = statistics.median(ms[YARDSTICK])
    print()
    print(f"key down to the first changed pixels, ms, {args.presses} presses each; a look at the "
          f"screen every {tally[1] / tally[0] * 1000:.2f} ms")
    print("(settled: median until the watched rows show all their new pixels)")
    print(f"  {'':50} {'min':>6} {'median':>7} {'p90':>6} {'settled':>8}   vs yardstick")
    for name in (MENU, KEYPAD_SPACE, KEYPAD_ENTER, YARDSTICK):
        values = ms[name]
        owner = names[1] if name == YARDSTICK else names[0]
        median = statistics.median(values)
        ratio = "" if name == YARDSTICK else f"{median / base:9.2f}x"
        print(f"  {owner + ': ' + name:50} {values[0]:6.2f} {median:7.2f} {p90(values):6.2f} "
              f"{settled[name]:8.2f}   {ratio}")
    print()
    print(f"target for {names[0]}: a median of at most {TARGET_MS:g} ms and at most "
          f"{TARGET_RATIO:g}x the yardstick's ({base:.2f} ms)")
    for name in (MENU, KEYPAD_SPACE, KEYPAD_ENTER):
        median = statistics.median(ms[name])
        met = median <= TARGET_MS and median <= TARGET_RATIO * base
        print(f"  {name:32} {'met' if met else 'not met'}: {median:.2f} ms, {median / base:.2f}x")

if __name__ == "__main__":
    try:
        main()
    except (RuntimeError, error.DisplayError, error.XError) as failure:
        sys.exit(f"bench-keys: {failure}")
