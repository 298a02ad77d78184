// What the browser tests share: the site's own server on a free port, one
// headless Debian Chromium, pages that show what the program printed and
// what the server answered when a test fails, and the contrast of a
// screenshot's pixels.
"use strict";

const { spawn } = require("node:child_process");
const path = require("node:path");
const zlib = require("node:zlib");
const { chromium } = require("playwright-core");

const repository = path.resolve(__dirname, "../../..");

// Chromium as root needs --no-sandbox; without the background-networking
// flags it tries Google's hosts, which this machine's network refuses.
const chromiumFlags = [
  "--no-sandbox",
  "--disable-gpu",
  "--disable-quic",
  "--no-first-run",
  "--disable-background-networking",
  "--disable-component-update",
  "--disable-sync",
];

// Starts tools/serve-site.js on the site; resolves to { address, log, stop }.
function serve(site) {
  return new Promise((resolve, reject) => {
    const server = spawn(process.execPath, [path.join(repository, "tools/serve-site.js"), site, "0"], {
      stdio: ["ignore", "pipe", "pipe"],
    });
    const log = [];
    server.stderr.on("data", (data) => log.push(String(data)));
    server.on("error", reject);
    server.on("exit", (code) => reject(new Error(`the server ended with ${code}: ${log.join("")}`)));
    server.stdout.once("data", (data) => {
      const stop = () =>
        new Promise((done) => {
          if (server.exitCode !== null) return done();
          const timer = setTimeout(() => server.kill("SIGKILL"), 5000);
          server.once("exit", () => {
            clearTimeout(timer);
            done();
          });
          server.kill("SIGTERM");
        });
      resolve({ address: String(data).trim(), log, stop });
    });
  });
}

async function launch() {
  return chromium.launch({ executablePath: "/usr/bin/chromium", args: chromiumFlags });
}

// A page of its own context, with what it printed kept for a failure's report.
async function openPage(browser, address, options = {}) {
  const context = await browser.newContext({ viewport: { width: 800, height: 600 }, ...options });
  const page = await context.newPage();
  page.output = [];
  page.on("console", (message) => page.output.push(`console.${message.type()}: ${message.text()}`));
  page.on("pageerror", (error) => page.output.push(`page error: ${error.message}`));
  page.on("requestfailed", (request) => page.output.push(`request failed: ${request.url()}`));
  await page.goto(address);
  await page.waitForSelector("#Form1", { state: "visible" });
  return page;
}

// The RGBA pixels of a PNG that Chromium wrote (8 bits, RGBA or RGB, not
// interlaced).
function decodePng(buffer) {
  let at = 8;
  let width = 0;
  let height = 0;
  let channels = 4;
  const data = [];
  while (at < buffer.length) {
    const length = buffer.readUInt32BE(at);
    const type = buffer.toString("ascii", at + 4, at + 8);
    const body = buffer.subarray(at + 8, at + 8 + length);
    if (type === "IHDR") {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      channels = body[9] === 6 ? 4 : 3;
    } else if (type === "IDAT") {
      data.push(body);
    }
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const pixels = Buffer.alloc(width * height * 4);
  let previous = Buffer.alloc(stride);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    const line = Buffer.from(raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
    for (let x = 0; x < stride; x++) {
      const left = x >= channels ? line[x - channels] : 0;
      const up = previous[x];
      const upLeft = x >= channels ? previous[x - channels] : 0;
      let add = 0;
      if (filter === 1) add = left;
      else if (filter === 2) add = up;
      else if (filter === 3) add = (left + up) >> 1;
      else if (filter === 4) {
        const p = left + up - upLeft;
        const pa = Math.abs(p - left);
        const pb = Math.abs(p - up);
        const pc = Math.abs(p - upLeft);
        add = pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
      }
      line[x] = (line[x] + add) & 255;
    }
    for (let x = 0; x < width; x++) {
      for (let c = 0; c < 3; c++) pixels[(y * width + x) * 4 + c] = line[x * channels + c];
      pixels[(y * width + x) * 4 + 3] = channels === 4 ? line[x * channels + 3] : 255;
    }
    previous = line;
  }
  return { width, height, pixels };
}

function luminance(r, g, b) {
  const linear = (c) => {
    const s = c / 255;
    return s <= 0.04045 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
  };
  return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

// The WCAG contrast between the most common colour of a screenshot (the
// background) and the pixel that differs most from it (the ink).
function contrastOf(png) {
  const { width, height, pixels } = decodePng(png);
  const counts = new Map();
  for (let i = 0; i < width * height * 4; i += 4) {
    const key = (pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2];
    counts.set(key, (counts.get(key) ?? 0) + 1);
  }
  const background = [...counts.entries()].sort((a, b) => b[1] - a[1])[0][0];
  const lb = luminance(background >> 16, (background >> 8) & 255, background & 255);
  let best = 1;
  for (const key of counts.keys()) {
    const l = luminance(key >> 16, (key >> 8) & 255, key & 255);
    best = Math.max(best, (Math.max(l, lb) + 0.05) / (Math.min(l, lb) + 0.05));
  }
  return best;
}

module.exports = { serve, launch, openPage, contrastOf, decodePng, chromiumFlags, repository };
