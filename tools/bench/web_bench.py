#!/usr/bin/python3
"""The game's page in headless Chromium beside a page with one line of text built the same
way: what each sends over the network, gzipped and with brotli, and how soon each draws its
first frame; and how soon the page's live region says where a step went; a table in Markdown.
web_bench.py SITE LABEL_SITE [RUNS]"""

import gzip
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "support"))
import browser  # noqa: E402

# Notes when the page first draws with WebGL, in milliseconds from the start of navigation.
FIRST_DRAW = """
for (const context of [WebGLRenderingContext, WebGL2RenderingContext])
    for (const name of ["drawArrays", "drawElements"]) {
        const draw = context.prototype[name];
        context.prototype[name] = function (...args) {
            window.firstDraw ??= performance.now();
            return draw.apply(this, args);
        };
    }
"""


# Notes how long after each key release the live region says something new.
HEARD_AFTER = """
window.heardAfter = [];
let released;
addEventListener("keyup", () => { released = performance.now(); }, true);
new MutationObserver(() => {
    if (released !== undefined)
        heardAfter.push(performance.now() - released);
    released = undefined;
}).observe(document.getElementById("said"), {childList: true});
"""


def transfer(site):
    """What the program costs to fetch, in MB: gzipped and with brotli."""
    files = [open(os.path.join(site, name), "rb").read()
             for name in ("trundlex.wasm", "trundlex.js")]
    return (sum(len(gzip.compress(data, 9)) for data in files) / 1e6,
            sum(len(subprocess.run(["brotli", "-c", "-q", "11"], input=data, check=True,
                                   capture_output=True).stdout) for data in files) / 1e6)


def first_frame(address):
    page = browser.Browser("about:blank")
    # A fresh Chromium goes on with work of its own for a second or so after it starts, which
    # put half the runs a second later, whichever the page.
    time.sleep(2)
    page.call("Page.addScriptToEvaluateOnNewDocument", source=FIRST_DRAW)
    page.call("Page.navigate", url=address)
    while not page.evaluate("window.firstDraw"):
        time.sleep(0.02)
    drawn = page.evaluate("window.firstDraw")
    page.close()
    return drawn


def heard_after_releases(address, releases):
    """In milliseconds, for each of the releases of Left and Right in turn on level 1."""
    page = browser.Browser(address)
    while not page.evaluate("window.quillorySays && !document.getElementById('screen').hidden"):
        time.sleep(0.1)
    time.sleep(3)  # the splash's hand-over to the menu
    page.key("1", "Digit1", 49, modifiers=1)
    time.sleep(1)
    page.evaluate(HEARD_AFTER)
    for release in range(releases):
        page.key(*(("ArrowLeft", "ArrowLeft", 37), ("ArrowRight", "ArrowRight", 39))[release % 2])
        time.sleep(0.2)
    heard = page.evaluate("heardAfter")
    page.close()
    return heard


def main():
    site, label_site = sys.argv[1:3]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    game, label = browser.serve(site), browser.serve(label_site)
    frames = {game: [], label: []}
    for _ in range(runs):  # in turn, so that both meet the machine alike
        for address in frames:
            frames[address].append(first_frame(address))
    game_frame, label_frame = (statistics.median(frames[a]) for a in (game, label))
    (game_gzip, game_brotli), (label_gzip, label_brotli) = transfer(site), transfer(label_site)

    def row(figure, ours, theirs, against, target, met=None):
        met = "-" if met is None else "yes" if met else "no"
        print(f"| {figure} | {ours} | {theirs} | {against} | {target} | {met} |")

    heard = statistics.median(heard_after_releases(game, 20))
    print("| Figure | trundlex | page with one label | against it | target | met |")
    print("|---|---:|---:|---:|---|---|")
    row(f"navigation to the first frame (median of {runs})", f"{game_frame:.0f} ms",
        f"{label_frame:.0f} ms", f"{game_frame / label_frame:.2f}x",
        "at most 1.10x the page with one label", game_frame <= 1.10 * label_frame)
    row("program fetched, gzip (.wasm and .js)", f"{game_gzip:.2f} MB", f"{label_gzip:.2f} MB",
        f"+{game_gzip - label_gzip:.2f} MB", "at most +0.7 MB, and under 4 MB in all",
        game_gzip - label_gzip <= 0.7 and game_gzip < 4)
    row("key release to the live region's sentence (median of 20)", f"{heard:.1f} ms", "-", "-",
        "under 50 ms", heard < 50)
    row("program fetched, brotli", f"{game_brotli:.2f} MB", f"{label_brotli:.2f} MB",
        f"+{game_brotli - label_brotli:.2f} MB", "-")


main()
