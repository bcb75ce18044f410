#!/usr/bin/python3
# A screen reader's view of the program, from outside it, over AT-SPI: the windows are frames with
# their names, the frames behind the keypad are not showing, and the focus events a screen reader
# speaks carry the question when it appears and the verdict once the answer is judged.
#   screen_reader.py   (the program runs; keys are typed with xdotool)
import subprocess
import sys
import time

import pyatspi

FAILURES = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        FAILURES.append(what)


def program(timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "sistema-decimale":
                return app
        time.sleep(0.2)
    sys.exit("FAIL the program never showed itself to AT-SPI")


def wait_for(what, found, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        value = found()
        if value:
            return value
        time.sleep(0.1)
    check(False, what)
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def showing_window(app, name):
    for window in app:
        if window is not None and window.name == name and window.getState().contains(pyatspi.STATE_SHOWING):
            return window
    return None


def focused(app):
    for window in app:
        if window is None or not window.getState().contains(pyatspi.STATE_ACTIVE):
            continue
        for node in walk(window):
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return node
    return None


def key(*names):
    subprocess.run(["xdotool", "key", *names], check=True)


app = program()
start = wait_for("the start window is shown", lambda: showing_window(app, "Il sistema decimale"))
check(start is not None and start.getRoleName() == "frame", "the start window is a frame named \"Il sistema decimale\"")

key("Return")
exercise = wait_for("the exercise window is shown",
                    lambda: next((w for w in app if w is not None and w.name.startswith("48 DOMANDE")), None))
ten = wait_for("\"10\" has the focus", lambda: (f := focused(app)) is not None and f.name == "10" and f)
question = next(n for n in walk(exercise) if n.getRoleName() == "text")
text = question.queryText().getText(0, -1)
check(ten and ten.description == text and text.endswith("?"),
      "the focused key \"10\" says the question: " + (ten.description if ten else ""))
hidden = [n.name for n in walk(exercise) if n.getRoleName() == "push button"
          and n.name in ("REINIZIA", "Visualizza", "Ricomincia", "Esci")
          and n.getState().contains(pyatspi.STATE_SHOWING)]
check(not hidden, "the frames behind the keypad are not showing: " + ", ".join(hidden))

key("Return")
wait_for("\"verifica\" has the focus", lambda: (f := focused(app)) is not None and f.name == "verifica")
key("Return")
avanti = wait_for("\"avanti\" has the focus", lambda: (f := focused(app)) is not None and f.name == "avanti" and f)
said = avanti.description if avanti else ""
check(said == "Esatto" or said.startswith("Errato. La risposta giusta è "),
      "the focused \"avanti\" says the verdict: " + said)
sys.exit(1 if FAILURES else 0)
