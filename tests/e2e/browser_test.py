#!/usr/bin/python3
"""The game in the browser, as a player meets it in headless Chromium, checked by its pixels
against the desktop game's own screens: browser_test.py SITE DESKTOP_SCREENS"""

import os
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
import browser  # noqa: E402

SITE, DESKTOP_SCREENS = sys.argv[1:3]
ARROWS = {"L": ("ArrowLeft", 37), "U": ("ArrowUp", 38), "D": ("ArrowDown", 40)}
WIN = "L L L L L L D D D D L L L L L U L U U U L".split()
ALT = 1
# Where the screens differ by design from one showing to the next: the splash's snails and
# the countdown's cell.
UNSTEADY = {"splash": [(8, 192, 372, 222), (104, 272, 476, 302), (184, 352, 380, 382)],
            "level": [(416, 0, 449, 33)], "step": [(416, 0, 449, 33)]}
failures = []


def desktop(language):
    """The desktop game's screens, by name."""
    folder = tempfile.mkdtemp()
    subprocess.run([DESKTOP_SCREENS, folder, language], check=True, capture_output=True)
    return {name[:-4]: Image.open(os.path.join(folder, name)).convert("RGB")
            for name in os.listdir(folder)}


def holds(page, expression, seconds=5):
    """Whether the script expression comes to hold on the page within the time."""
    end = time.time() + seconds
    while not page.evaluate(expression):
        if time.time() > end:
            return False
        time.sleep(0.1)
    return True


def differences(page, screens, name):
    """How many pixels of the window in the middle of the canvas differ from the desktop's by
    more than anti-aliasing does, and where its maze differs at all."""
    screen = screens[name]
    shot = page.screenshot("screen")
    left, top = (shot.width - screen.width) // 2, (shot.height - screen.height) // 2
    shown = shot.crop((left, top, left + screen.width, top + screen.height))
    difference = ImageChops.difference(shown, screen).convert("L")
    for area in UNSTEADY.get(name, []):
        difference.paste(0, area)
    return sum(difference.histogram()[128:]), difference.crop((0, 0, screen.width, 288)).getbbox()


def until(page, screens, name, seconds=15):
    """Waits for the screen to show as the desktop draws it: its maze, if any, to the pixel."""
    end = time.time() + seconds
    strong = maze = "no canvas"
    while time.time() < end:
        if page.evaluate("document.getElementById('screen')?.hidden === false"):
            strong, maze = differences(page, screens, name)
            if strong < 40 and (name not in ("level", "step") or maze is None):
                return
        time.sleep(0.1)
    failures.append(f"{name}: {strong} pixels unlike the desktop's, the maze's at {maze}")


def play(page, keys):
    for key in keys:
        page.key(ARROWS[key][0], ARROWS[key][0], ARROWS[key][1])


def click(page, x, y):
    """A click on the point of the canvas."""
    left, top, _, _ = page.rect("screen")
    page.click(left + x, top + y)


def route(address, screens):
    page = browser.Browser(address)
    until(page, screens, "splash")
    until(page, screens, "menu")
    page.key("1", "Digit1", 49, modifiers=ALT)
    until(page, screens, "level")
    page.key("ArrowLeft", "ArrowLeft", 37, repeats=3)
    until(page, screens, "step")
    play(page, WIN[1:])
    until(page, screens, "won")
    page.key("m", "KeyM", 77, modifiers=ALT)
    until(page, screens, "menu")
    page.key("3", "Digit3", 51, modifiers=ALT)
    time.sleep(9)
    until(page, screens, "lost", seconds=5)
    page.key("e", "KeyE", 69, modifiers=ALT)
    if not holds(page, "document.getElementById('ended-text').textContent == "
                       "'The game has ended.'"):
        failures.append("Exit left no page that says the game has ended")
    x, y, width, height = page.rect("again")
    page.click(x + width / 2, y + height / 2)
    time.sleep(1)
    until(page, screens, "menu", seconds=30)
    click(page, 176, 212)  # Level 1
    until(page, screens, "level")
    errors = [e for e in page.events if e["method"] == "Runtime.exceptionThrown"]
    elsewhere = [e["params"]["request"]["url"] for e in page.events
                 if e["method"] == "Network.requestWillBeSent"
                 and not e["params"]["request"]["url"].startswith(address)]
    stored = page.evaluate("(async () => document.cookie.length + localStorage.length"
                           " + sessionStorage.length + (await indexedDB.databases()).length)()")
    page.close()
    for what, found in (("script errors", errors), ("requests elsewhere", elsewhere),
                        ("things stored", stored)):
        if found:
            failures.append(f"{what}: {found}")


def main():
    address = browser.serve(SITE)
    route(address, desktop(""))
    for flags, query, language in ((["--accept-lang=de-DE,de"], "", "de"),
                                   ([], "?lang=ja", "ja")):
        page = browser.Browser(address + query, flags)
        until(page, desktop(language), "menu", seconds=30)
        page.close()
    page = browser.Browser(address, ["--disable-webgl"])
    if not holds(page, "document.getElementById('problem')?.textContent.includes('WebGL')"):
        failures.append("without WebGL, the page does not say so")
    page.close()
    print("\n".join(failures) or "Played in the browser as on the desktop")
    sys.exit(1 if failures else 0)


main()
