#!/usr/bin/env node
// Takes the screenshots of the page in docs/web/: the Standart window (2 + 3
// = 5) and the Parallelepiped window with its menu open, under the light and
// dark schemes and forced colours, at a phone's 360 CSS pixels, and at 200 %
// (two device pixels to a CSS pixel). Needs the site (tools/web --build-only)
// and the tests' playwright-core (npm ci in tests/programs/web).
//
//   NODE_PATH=tests/programs/web/node_modules node tools/web-screenshots.js [SITE] [FOLDER]
"use strict";

const path = require("node:path");
const { serve, launch } = require("../tests/programs/web/harness.js");

const site = process.argv[2] ?? "build/web/site";
const folder = process.argv[3] ?? "docs/web";
const shots = [
  ["light", { colorScheme: "light" }],
  ["dark", { colorScheme: "dark" }],
  ["forced-colours", { forcedColors: "active" }],
  ["360px", { viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true }],
  ["zoom-200", { deviceScaleFactor: 2 }],
];

(async () => {
  const server = await serve(site);
  const browser = await launch();
  for (const [name, options] of shots) {
    const context = await browser.newContext({ viewport: { width: 480, height: 300 }, ...options });
    const page = await context.newPage();
    await page.goto(server.address);
    await page.waitForSelector("#Form1");
    await page.fill("#Form1-Text1", "2");
    await page.fill("#Form1-Text2", "3");
    await page.click("#Form1-Command1");
    await page.screenshot({ path: path.join(folder, `form1-${name}.png`) });
    await page.keyboard.press("Control+P");
    await page.click("#Form4-eg");
    await page.screenshot({ path: path.join(folder, `form4-${name}.png`) });
    await context.close();
  }
  await browser.close();
  await server.stop();
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
