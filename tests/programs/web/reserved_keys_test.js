// The keys a browser keeps for itself, with real key events: a headed
// Chromium on an X server of its own, the keys typed by xdotool as a user's
// keyboard would. In a tab the page has Ctrl+B, F, P, S, E and the menus'
// access keys, and the browser does not act on them too; Ctrl+T stays the
// browser's (a new tab). In full screen, entered by the page's button, the
// page has Ctrl+T as well.
//
//   node reserved_keys_test.js SITE
"use strict";

const assert = require("node:assert/strict");
const { execFileSync, spawn } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { after, before, it } = require("node:test");
const { chromium } = require("playwright-core");
const { serve, chromiumFlags } = require("./harness.js");

const site = process.argv[2];
const work = fs.mkdtempSync(path.join(os.tmpdir(), "tavro-keys-"));
let server;
let xvfb;
let browser;
let display;

// An X server of its own: Xvfb writes its display number to a pipe when it
// takes connections.
function startXvfb() {
  return new Promise((resolve, reject) => {
    const log = fs.openSync(path.join(work, "xvfb.log"), "w");
    const child = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"], {
      stdio: ["ignore", log, log, "pipe"],
    });
    const timer = setTimeout(() => reject(new Error("Xvfb did not start in 20 s")), 20000);
    child.on("error", reject);
    child.stdio[3].once("data", (data) => {
      clearTimeout(timer);
      resolve({ child, display: `:${String(data).trim()}` });
    });
  });
}

const xdotool = (...args) => execFileSync("xdotool", args, { env: { ...process.env, DISPLAY: display } });

before(async () => {
  server = await serve(site);
  ({ child: xvfb, display } = await startXvfb());
  browser = await chromium.launch({
    executablePath: "/usr/bin/chromium",
    headless: false,
    args: [...chromiumFlags, "--window-position=0,0", "--window-size=1000,740"],
    env: { ...process.env, DISPLAY: display },
  });
});

after(async () => {
  await browser?.close();
  await server?.stop();
  if (xvfb) {
    xvfb.kill("SIGTERM");
    await new Promise((done) => (xvfb.exitCode !== null ? done() : xvfb.once("exit", done)));
  }
  fs.rmSync(work, { recursive: true, force: true });
});

const openWindows = (page) => page.$$eval(".window", (boxes) => boxes.map((box) => box.id).sort());

// Types a key with xdotool into the browser's window, and waits until the
// page has handled it (a round trip through the page after the key).
async function press(page, key) {
  xdotool("key", "--clearmodifiers", key);
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0))));
}

// Waits up to five seconds for a condition, then gives its last value.
async function waitFor(read, wanted) {
  let value;
  for (let tries = 0; tries < 50; tries++) {
    value = await read();
    if (JSON.stringify(value) === JSON.stringify(wanted)) break;
    await new Promise((done) => setTimeout(done, 100));
  }
  return value;
}

it("leaves Ctrl+T to the browser in a tab, and has it in full screen", async () => {
  const context = await browser.newContext({ viewport: null });
  const page = await context.newPage();
  const output = [];
  page.on("console", (message) => output.push(`console.${message.type()}: ${message.text()}`));
  try {
    await page.goto(server.address);
    await page.waitForSelector("#Form1", { state: "visible" });
    await page.bringToFront();
    // The browser's window has the keyboard once the page has the focus.
    await page.click("#Form1-Text1");
    await waitFor(() => page.evaluate(() => document.hasFocus()), true);
    // Every Ctrl key that reaches the page, and whether the page kept the
    // browser from acting on it too.
    await page.evaluate(() => {
      window.ctrlKeys = [];
      window.addEventListener("keydown", (event) => {
        if (!event.ctrlKey || !event.code.startsWith("Key")) return;
        window.ctrlKeys.push(`${event.code}${event.defaultPrevented ? " taken" : ""}`);
      });
    });
    const ctrlKeys = () => page.evaluate(() => window.ctrlKeys);

    const route = [
      ["ctrl+b", ["Form6"]],
      ["ctrl+p", ["Form4"]],
      ["ctrl+f", ["Form2"]],
      ["ctrl+s", ["Form1"]],
    ];
    for (const [key, windows] of route) {
      await press(page, key);
      assert.deepEqual(await waitFor(() => openWindows(page), windows), windows, key);
    }
    const taken = ["KeyB taken", "KeyP taken", "KeyF taken", "KeyS taken"];
    assert.deepEqual(await ctrlKeys(), taken, "the browser does not act on them as well");
    const menuShown = () => page.isVisible("#Form1-main-menu");
    await press(page, "alt+o");
    assert.equal(await waitFor(menuShown, true), true, "alt+o opens the Options menu");
    await press(page, "Escape");
    assert.equal(await waitFor(menuShown, false), false, "Escape closes it");

    await press(page, "ctrl+t");
    assert.equal(await waitFor(() => context.pages().length, 2), 2, "in a tab, Ctrl+T opens the browser's new tab");
    assert.deepEqual(await openWindows(page), ["Form1"], "and never reaches the page");
    assert.deepEqual(await ctrlKeys(), taken);
    await context.pages()[1].close();
    await page.bringToFront();

    await page.click("#fullscreen");
    assert.equal(await waitFor(() => page.evaluate(() => document.fullscreenElement !== null), true), true);
    await page.click("#Form1-Text1");
    await press(page, "ctrl+t");
    assert.deepEqual(await waitFor(() => openWindows(page), ["Form3"]), ["Form3"], "in full screen Ctrl+T is the page's");
    assert.deepEqual(await ctrlKeys(), [...taken, "KeyT taken"]);
    assert.equal(context.pages().length, 1, "and the browser opened no tab");
  } catch (error) {
    process.stderr.write(`--- the page printed:\n${output.join("\n")}\n--- Xvfb's log:\n`);
    process.stderr.write(fs.readFileSync(path.join(work, "xvfb.log"), "utf8"));
    throw error;
  } finally {
    await context.close();
  }
});
