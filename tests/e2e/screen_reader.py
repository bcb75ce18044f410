#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A screen reader's view of the program, from outside it, over AT-SPI: the seven windows are
# frames or dialogs with their names and every control named, the frames behind the keypad are not
# showing, and the focus events a screen reader speaks carry the question when it appears and the
# verdict once the answer is judged.
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
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)


def press(window, name):
    """Presses the control of that name as a screen reader does, by its action."""
    control = next((n for n in walk(window) if n.name == name), None) if window else None
    check(control is not None, f"\"{name}\" is found")
    if control is not None:
        control.queryAction().doAction(0)


def window_checked(app, title, role, what):
    """The window a pupil sees, as a screen reader finds it: a frame or dialog with its name, every
    control showing in it named."""
    window = wait_for(what + " is shown", lambda: showing_window(app, title))
    if window is None:
        return None
    check(window.getRoleName() == role, f"{what} is a {role} named \"{title}\"")
    unnamed = [n.getRoleName() for n in walk(window) if n.getState().contains(pyatspi.STATE_SHOWING)
               and n.getState().contains(pyatspi.STATE_FOCUSABLE) and not n.name.strip()]
    check(not unnamed, f"every control on {what} is named: " + ", ".join(unnamed))
    wait_for(what + " has the keyboard", lambda: window.getState().contains(pyatspi.STATE_ACTIVE))
    return window


app = program()
start = wait_for("the start window is shown", lambda: showing_window(app, "Il sistema decimale"))
check(start is not None and start.getRoleName() == "frame", "the start window is a frame named \"Il sistema decimale\"")

key("alt", "Return")
press(window_checked(app, "Autore", "frame", "the about window"), "C h i u d i")
wait_for("\"C h i u d i\" closes the about window", lambda: showing_window(app, "Autore") is None)
key("Return")
exercise = wait_for("the exercise window is shown",
                    lambda: next((w for w in app if w is not None and w.name.startswith("48 DOMANDE")), None))
check(exercise is not None and exercise.getRoleName() == "frame", "the exercise window is a frame")
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

# The other windows: print, printer, name and certificate.
key("Return")
for question in range(2, 11):
    wait_for(f"question {question}: \"10\" has the focus",
             lambda: (f := focused(app)) is not None and f.name == "10")
    key("Return", "Return", *(["Return"] if question < 10 else []))
wait_for("\"Visualizza\" has the focus", lambda: (f := focused(app)) is not None and f.name == "Visualizza")
key("Return")
window_checked(app, "FINESTRA DI STAMPA ", "frame", "the print window")
key("alt", "Return")
printer = window_checked(app, "Scelta della stampante", "dialog", "the printer window")
listed = [n for n in walk(printer) if n.getRoleName() == "combo box"] if printer else []
check(len(listed) == 1 and listed[0].name == "Stampanti",
      "the printer list is named \"Stampanti\": " + ", ".join(n.name for n in listed))
key("Escape")
wait_for("the printer window closes", lambda: showing_window(app, "Scelta della stampante") is None)
key("2", "Return")
window_checked(app, "Scrivi il tuo nome", "frame", "the name window")
key("Return", "d", "a")
press(showing_window(app, "Scrivi il tuo nome"), "AVANTI")
wait_for("\"AVANTI\", pressed as a screen reader does, closes the name window",
         lambda: showing_window(app, "Scrivi il tuo nome") is None)
key("4", "4", "Return")
window_checked(app, "Attestato", "frame", "the certificate window")
sys.exit(1 if FAILURES else 0)
