"""The game's site in Debian's headless Chromium, served from a local port as any static host
serves it, and driven over the DevTools protocol as a player drives a page."""

import base64
import functools
import http.server
import io
import json
import os
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket
from PIL import Image


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *_):
        pass


def serve(folder):
    """Serves the folder on a free port of this machine; returns its address."""
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_port}/"


class Browser:
    """Chromium showing the address, with the flags given; what happens on the page is kept
    in events."""

    def __init__(self, address, flags=()):
        self.profile = tempfile.TemporaryDirectory(ignore_cleanup_errors=True)
        self.process = subprocess.Popen(
            ["chromium", "--headless=new", "--no-sandbox", "--use-angle=swiftshader",
             "--enable-unsafe-swiftshader", "--no-first-run", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--disable-quic",
             "--window-size=1024,768", "--remote-debugging-port=0",
             f"--user-data-dir={self.profile.name}", *flags, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile.name, "DevToolsActivePort")
        while not os.path.exists(port_file) or "\n" not in open(port_file).read():
            time.sleep(0.05)
        with urllib.request.urlopen(f"http://127.0.0.1:{open(port_file).readline().strip()}"
                                    "/json") as targets:
            page = next(t for t in json.load(targets) if t["type"] == "page")
        self.socket = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=60)
        self.calls = 0
        self.events = []
        for domain in ("Page", "Runtime", "Network"):
            self.call(f"{domain}.enable")
        self.call("Page.navigate", url=address)

    def close(self):
        self.socket.close()
        self.process.kill()
        self.process.wait()
        self.profile.cleanup()

    def call(self, method, **params):
        """The answer to a command of the protocol."""
        self.calls += 1
        self.socket.send(json.dumps({"id": self.calls, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.calls:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message["result"]
            self.events.append(message)

    def evaluate(self, expression):
        """The value of a script expression on the page, a promise's once it is kept."""
        return self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                         awaitPromise=True)["result"].get("value")

    def key(self, key, code, key_code, modifiers=0, repeats=0):
        """A key pressed, held through the repeats and released."""
        keys = dict(key=key, code=code, windowsVirtualKeyCode=key_code, modifiers=modifiers)
        for repeat in range(repeats + 1):
            self.call("Input.dispatchKeyEvent", type="rawKeyDown", autoRepeat=repeat > 0, **keys)
        self.call("Input.dispatchKeyEvent", type="keyUp", **keys)

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def swipe(self, x, y, way):
        """A finger down on the point, moved along the way and lifted."""
        touch = lambda kind, *points: self.call(
            "Input.dispatchTouchEvent", type=kind, touchPoints=[dict(x=x, y=y) for x, y in points])
        touch("touchStart", (x, y))
        touch("touchMove", (x + way[0], y + way[1]))
        touch("touchEnd")

    def rect(self, element):
        """Where the element stands on the page: left, top, width, height."""
        return self.evaluate(f"(({{x, y, width, height}}) => [x, y, width, height])"
                             f"(document.getElementById('{element}').getBoundingClientRect())")

    def screenshot(self, element):
        """What the element shows, in the screen's pixels: cut from the whole page, which the
        browser does not move by a fraction of a pixel as it does a part of it."""
        x, y, width, height = self.rect(element)
        ratio = self.evaluate("devicePixelRatio")
        shot = self.call("Page.captureScreenshot", format="png")["data"]
        page = Image.open(io.BytesIO(base64.b64decode(shot))).convert("RGB")
        return page.crop(tuple(round(edge * ratio) for edge in (x, y, x + width, y + height)))
