#!/usr/bin/python3
"""The game in the browser as a player meets it, in headless Chromium: checked by its pixels
against the desktop game's own screens and by what its live regions say.
browser_test.py SITE DESKTOP_SCREENS"""

import os
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
import browser  # noqa: E402

SITE, DESKTOP_SCREENS = sys.argv[1:3]
# Each way of the winning route: its key, key code and a swipe along it.
WAYS = {"L": ("ArrowLeft", 37, (-60, 0)), "U": ("ArrowUp", 38, (0, -60)),
        "D": ("ArrowDown", 40, (0, 60))}
WIN = "L L L L L L D D D D L L L L L U L U U U L".split()
ALT = 1
# Where the screens differ by design from one showing to the next: the splash's snails and
# the countdown's cell.
UNSTEADY = {"splash": [(8, 192, 372, 222), (104, 272, 476, 302), (184, 352, 380, 382)],
            "level": [(416, 0, 449, 33)], "step": [(416, 0, 449, 33)]}
failures = []


def desktop(language, factor=1):
    """The desktop game's screens at the factor, by name."""
    folder = tempfile.mkdtemp()
    subprocess.run([DESKTOP_SCREENS, folder, language], check=True, capture_output=True,
                   env=dict(os.environ, QT_SCALE_FACTOR=str(factor)))
    return {name[:-4]: Image.open(os.path.join(folder, name)).convert("RGB")
            for name in os.listdir(folder)}


def holds(page, expression, seconds=5, every=0.1):
    """Whether the script expression comes to hold on the page within the time."""
    end = time.time() + seconds
    while not page.evaluate(expression):
        if time.time() > end:
            return False
        time.sleep(every)
    return True


def differences(page, screens, name, factor):
    """How many pixels of the window in the middle of the canvas differ from the desktop's at
    the same factor by more than anti-aliasing does, for each of the design's pixels, and where
    its maze differs at all."""
    screen = screens[name]
    shot = page.screenshot("screen")
    # The window stands in the middle of the canvas to the design's pixel.
    left, top = ((whole - part) // factor // 2 * factor
                 for whole, part in zip(shot.size, screen.size))
    shown = shot.crop((left, top, left + screen.width, top + screen.height))
    difference = ImageChops.difference(shown, screen).convert("L")
    for area in UNSTEADY.get(name, []):
        difference.paste(0, tuple(edge * factor for edge in area))
    return (sum(difference.histogram()[128:]) / factor ** 2,
            difference.crop((0, 0, screen.width, 288 * factor)).getbbox())


def until(page, screens, name, seconds=15, factor=1):
    """Waits for the screen to show as the desktop draws it: its maze, if any, to the pixel."""
    end = time.time() + seconds
    strong = maze = "no canvas"
    while time.time() < end:
        if page.evaluate("document.getElementById('screen')?.hidden === false"):
            strong, maze = differences(page, screens, name, factor)
            if strong < 40 and (name not in ("level", "step") or maze is None):
                return
        time.sleep(0.1)
    failures.append(f"{name}: {strong} pixels unlike the desktop's, the maze's at {maze}")


def hear(page, words, region="said", seconds=0.15):
    """That the page's live region comes to say the words, a pattern, within the time."""
    said = f"document.getElementById('{region}').textContent"
    if not holds(page, f"/{words}/.test({said})", seconds, every=0.005):
        failures.append(f"not heard within {seconds} s: {words}, but {page.evaluate(said)}")


def key(page, way, repeats=0):
    page.key(WAYS[way][0], WAYS[way][0], WAYS[way][1], repeats=repeats)


def route(address, screens):
    page = browser.Browser(address)
    until(page, screens, "splash")
    until(page, screens, "menu")
    page.key("1", "Digit1", 49, modifiers=ALT)
    until(page, screens, "level")
    hear(page, r"^Maze - Level 1.*Level 1, \d+ seconds\. Open: left\.$", seconds=1)
    page.evaluate("document.getElementById('said').replaceChildren()")
    key(page, "L", repeats=3)
    hear(page, r"^Left\. Open: left, right\.")
    until(page, screens, "step")
    for way in WIN[1:]:
        key(page, way)
    until(page, screens, "won")
    hear(page, "YOU WON", "news", seconds=1)
    page.key("m", "KeyM", 77, modifiers=ALT)
    until(page, screens, "menu")
    page.key("3", "Digit3", 51, modifiers=ALT)
    for second in range(5, 0, -1):
        hear(page, f"^{second}\\.", seconds=10)
    until(page, screens, "lost", seconds=5)
    hear(page, "YOU LOST", "news", seconds=1)
    page.key("e", "KeyE", 69, modifiers=ALT)
    if not holds(page, "document.getElementById('ended-text').textContent == "
                       "'The game has ended.'"):
        failures.append("Exit left no page that says the game has ended")
    x, y, width, height = page.rect("again")
    page.click(x + width / 2, y + height / 2)
    time.sleep(1)
    until(page, screens, "menu", seconds=30)
    x, y, width, height = page.rect("screen")
    page.click(x + 176, y + 212)  # Level 1
    until(page, screens, "level")
    for number, way in enumerate(WIN, 1):  # each said at once, the last by the win screen
        page.evaluate("document.getElementById('said').replaceChildren()")
        page.swipe(x + width / 2, y + height / 2, WAYS[way][2])
        if number < len(WIN):
            hear(page, f"^{WAYS[way][0][5:]}\\.")
    hear(page, "YOU WON", "news", seconds=1)
    until(page, screens, "won")
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
    # The browser's languages where the address asks for none the game has; at the browser's
    # pixel ratio, or at the largest whole factor below it.
    for flags, query, language, factor in (
            (["--accept-lang=de-DE,de", "--force-device-scale-factor=2"], "?lang=zz", "de", 2),
            (["--force-device-scale-factor=1.5"], "?lang=ja", "ja", 1)):
        page = browser.Browser(address + query, flags)
        until(page, desktop(language, factor), "menu", seconds=30, factor=factor)
        page.close()
    page = browser.Browser(address, ["--disable-webgl"])
    if not holds(page, "document.getElementById('problem')?.textContent.includes('WebGL')"):
        failures.append("without WebGL, the page does not say so")
    page.close()
    print("\n".join(failures) or "Played in the browser as on the desktop")
    sys.exit(1 if failures else 0)


main()
