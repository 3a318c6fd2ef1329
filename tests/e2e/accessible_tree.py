#!/usr/bin/python3
"""The game as a screen reader finds it through AT-SPI: every window, button and text with
the role and name a screen reader expects, and nothing sent while the splash shuffles its
snails. Run with the accessibility bus of with-screen-reader.sh, on an X desktop:
accessible_tree.py PROGRAM"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

NOTICE = "\u00a9 2026 The Trundlex developers"
MAZE = {"push button": ["Exit", "Menu"],
        "label": sorted(["Up = Up Arrow", "Down = Down Arrow", "Left = Left Arrow",
                         "Right = Right Arrow", NOTICE, "(count)"])}
# Each screen in turn, the keys that lead on from it, and its window's role, name and
# what it holds, by role: names sorted.
SCREENS = [
    (["alt+i"], "filler", "Maze", {"push button": sorted(
        ["Level 1", "Level 2", "Level 3", "Instructions", "About", "Exit"]), "label": [NOTICE]}),
    (["alt+m"], "dialog", "Maze - Instrutions", {"push button": ["Exit", "Menu"], "label": sorted([
        "Instructions", NOTICE, "REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!",
        'This game is based upon the adventure of "Tiblo The Stuck Snail" and you must help '
        "him out with the use of the arrow keys. ",
        "Each level is the same maze but the higher the level is the less time you have to "
        "resucue Tiblo."])}),
    (["alt+1"], "filler", "Maze", {"push button": sorted(
        ["Level 1", "Level 2", "Level 3", "Instructions", "About", "Exit"]), "label": [NOTICE]}),
    ("Left Left Left Left Left Left Down Down Down Down Left Left Left Left Left Up Left Up "
     "Up Up Left".split(), "filler", "Maze - Level 1", MAZE),
    ([], "alert", "Congratulations", {"push button": ["Exit", "Menu"],
                                      "label": sorted(["YOU WON", NOTICE])}),
]


def pump(seconds):
    """Lets AT-SPI's events come in for the time."""
    end = time.time() + seconds
    while time.time() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def held(node, found):
    """What the node holds below it, by role, the countdown's digits as "(count)"; the lines
    a window says are no controls."""
    for child in node:
        if child is not None and not (child.getRoleName() == "filler"
                                      and node.getRoleName() in ("filler", "dialog", "alert")
                                      and node.parent.getRoleName() == "application"):
            found.setdefault(child.getRoleName(), []).append(
                "(count)" if child.name.isdigit() else child.name)
            held(child, found)
    return found


def check(role, name, holds, failures):
    """That the active window is the one described."""
    window = active_window()
    found = {role: sorted(names) for role, names in held(window, {}).items()
             if role in holds} if window else None
    if not window or (window.getRoleName(), window.name) != (role, name) or found != holds:
        failures.append(f"expected {role} {name!r} holding {holds}, found "
                        + (f"{window.getRoleName()} {window.name!r} holding {found}"
                           if window else "no window"))


def active_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "trundlex":
            for window in app:
                if window is not None and window.getState().contains(pyatspi.STATE_ACTIVE):
                    return window
    return None


def main():
    events = []
    pyatspi.Registry.registerEventListener(
        lambda event: events.append(event.type)
        if event.host_application and event.host_application.name == "trundlex" else None,
        "object:")
    game = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    pump(0.6)
    failures = []
    check("dialog", "Maze", {"label": [NOTICE]}, failures)
    events.clear()
    pump(1.2)
    if events:
        failures.append(f"the splash sent {len(events)} events while it shuffled")
    pump(1.5)
    for keys, role, name, holds in SCREENS:
        check(role, name, holds, failures)
        for key in keys:
            subprocess.run(["xdotool", "key", key], check=True)
            pump(0.15)
        pump(1)
    game.kill()
    print("\n".join(failures) or "Every window as a screen reader expects it")
    sys.exit(1 if failures else 0)


main()
