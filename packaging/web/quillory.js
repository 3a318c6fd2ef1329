"use strict";
// Starts the game on the page's canvas: says what is wrong where the browser cannot run it,
// shows how much of the game has come while it loads, and what happens when it ends.
(() => {
  const canvas = document.getElementById("screen");
  const notices = document.querySelectorAll(".notice");

  // One notice at a time, or none, with the game on view.
  const show = (notice) => {
    for (const other of notices)
      other.hidden = other !== notice;
    canvas.hidden = notice !== null;
  };

  const problem = (text) => {
    const notice = document.getElementById("problem");
    notice.textContent = text;
    show(notice);
  };

  // The canvas in the middle of the page, or at the top left of a smaller one, on whole pixels
  // of the screen, so that no picture pixel falls between two.
  const centre = () => {
    const { width, height } = canvas.getBoundingClientRect();
    const at = (room, size) =>
      `${Math.max(0, Math.floor((room - size) / 2 * devicePixelRatio)) / devicePixelRatio}px`;
    canvas.style.left = at(innerWidth, width);
    canvas.style.top = at(innerHeight, height);
  };
  new ResizeObserver(centre).observe(canvas);
  addEventListener("resize", centre);

  // What the game says, for a screen reader: news at once, the rest in turn. Each line a
  // paragraph, new each time, so that the same words are said again.
  window.quillorySays = (text, news) => {
    const lines = text.split("\n").map((line) => {
      const paragraph = document.createElement("p");
      paragraph.textContent = line;
      return paragraph;
    });
    document.getElementById(news ? "news" : "said").replaceChildren(...lines);
  };

  // The game says the words, in the player's language, as it ends.
  window.quilloryEnded = (ended, again) => {
    document.getElementById("ended-text").textContent = ended;
    const button = document.getElementById("again");
    button.textContent = again;
    button.onclick = () => location.reload();
    show(document.getElementById("ended"));
    button.focus();
  };

  // The file's bytes, with the progress bar following them.
  const download = async (file) => {
    const response = await fetch(file);
    if (!response.ok)
      throw new Error(`${file}: ${response.status} ${response.statusText}`);
    const progress = document.getElementById("progress");
    const loaded = document.getElementById("loaded");
    const megabytes = (bytes) => (bytes / 1e6).toFixed(1);
    const chunks = [];
    let received = 0;
    for (const reader = response.body.getReader();;) {
      const { done, value } = await reader.read();
      if (done)
        break;
      chunks.push(value);
      received += value.length;
      progress.value = received;
      loaded.textContent = `${megabytes(received)} of ${megabytes(progress.max)} MB`;
    }
    return new Blob(chunks).arrayBuffer();
  };

  // Japanese and Chinese need a font of their own, which the others are spared.
  const languages = [new URLSearchParams(location.search).get("lang"), ...navigator.languages];
  const needsFont = languages.some((language) => /^(ja|zh)\b/i.test(language || ""));

  const start = async () => {
    if (typeof WebAssembly !== "object")
      return problem("Quillory needs WebAssembly, which this browser does not have or has " +
                     "turned off. A recent Chrome, Edge, Firefox or Safari runs it.");
    if (!document.createElement("canvas").getContext("webgl"))
      return problem("Quillory draws with WebGL, which this browser does not have or has " +
                     "turned off. Turn on WebGL or graphics acceleration in the browser's " +
                     "settings, or try another browser.");
    show(document.getElementById("loading"));
    const [wasm, font] = await Promise.all([
      download("trundlex.wasm"),
      needsFont ? fetch("cjk.ttf").then((response) => response.arrayBuffer()) : undefined,
    ]);
    await new Promise((loaded, failed) => {
      const script = document.createElement("script");
      script.src = "trundlex.js";
      script.onload = loaded;
      script.onerror = () => failed(new Error("trundlex.js did not load"));
      document.body.appendChild(script);
    });
    show(null);
    await createQtAppInstance({
      qtContainerElements: [canvas],
      trundlexFont: font,
      instantiateWasm: (imports, instantiated) => {
        WebAssembly.instantiate(wasm, imports)
            .then(({ instance, module }) => instantiated(instance, module))
            .catch((error) => problem(`Quillory could not start: ${error.message}`));
        return {};
      },
      onAbort: (what) => problem(`Quillory stopped: ${what}`),
    });
    canvas.focus();
  };

  start().catch((error) => problem(`Quillory could not load: ${error.message}`));
})();
