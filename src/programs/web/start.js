// Starts the program (tavro.js) and hands it the user's clicks, typing and
// keys; everything else happens in the program.
"use strict";

createTavro().then((tavro) => {
  const windowOf = (element) => element?.closest?.(".window")?.id ?? "";

  // The clipboard's text, or the empty text where it is refused, empty or
  // not text.
  const clipboardText = () =>
    navigator.clipboard?.readText ? navigator.clipboard.readText().catch(() => "") : Promise.resolve("");

  document.addEventListener("click", (event) => {
    const target = event.target.closest("[data-action]");
    if (!target) {
      tavro.act("", windowOf(event.target), "");
      return;
    }
    const { action, window, control } = target.dataset;
    if (action === "type") return;
    // A button that reads the clipboard runs once its text is here.
    if (tavro.act(action, window ?? "", control ?? "")) {
      clipboardText().then((text) => tavro.paste(window, control, String(text)));
    }
  });
  document.addEventListener("mousedown", (event) => {
    const window = windowOf(event.target);
    if (window) tavro.act("activate", window, "");
  });
  document.addEventListener("input", (event) => {
    const field = event.target;
    if (field.dataset?.action === "type") tavro.type(field.dataset.window, field.dataset.control, field.value);
  });
  document.addEventListener(
    "keydown",
    (event) => {
      if (event.isComposing || event.metaKey) return;
      const taken = tavro.key(windowOf(event.target), event.code, event.key, event.ctrlKey, event.altKey, event.shiftKey);
      if (taken) event.preventDefault();
    },
    true,
  );
  window.addEventListener("resize", () => tavro.resize());
  // In full screen, where the browser offers keyboard lock, the page also has
  // the keys a tab leaves to the browser (Ctrl+T, Ctrl+N, Ctrl+W); the button
  // in the corner enters and leaves it.
  const fullscreen = document.getElementById("fullscreen");
  if (fullscreen && document.fullscreenEnabled && navigator.keyboard?.lock) {
    fullscreen.hidden = false;
    fullscreen.addEventListener("click", () => {
      const change = document.fullscreenElement
        ? document.exitFullscreen()
        : document.documentElement.requestFullscreen();
      change.catch(() => {});
    });
    document.addEventListener("fullscreenchange", () => {
      fullscreen.textContent = document.fullscreenElement ? "Leave full screen" : "Full screen";
      if (document.fullscreenElement) navigator.keyboard.lock(["KeyT", "KeyN", "KeyW"]).catch(() => {});
    });
  }

  tavro.start(navigator.languages?.[0] ?? navigator.language ?? "en");
});

if ("serviceWorker" in navigator) navigator.serviceWorker.register("service-worker.js").catch(() => {});
