// bench/web/run.sh's measurements; see there.
"use strict";

const { serve, launch } = require("../../tests/programs/web/harness.js");

const [site, floor, runsText] = process.argv.slice(2);
const runs = Number(runsText);

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// Milliseconds from navigation until the first field, focused, has taken a
// key: a fresh context each time, so nothing is cached.
async function startUp(browser, address) {
  const context = await browser.newContext({ serviceWorkers: "block" });
  const page = await context.newPage();
  const started = performance.now();
  await page.goto(address, { waitUntil: "commit" });
  await page.waitForFunction(() => document.activeElement?.id === "Form1-Text1", null, { polling: "raf" });
  await page.keyboard.press("5");
  await page.waitForFunction(() => document.activeElement.value === "5", null, { polling: "raf" });
  const elapsed = performance.now() - started;
  await context.close();
  return elapsed;
}

// The page's JavaScript heap and its WebAssembly memory, in bytes.
async function memoryOf(page, cdp) {
  await cdp.send("HeapProfiler.collectGarbage");
  const { usedSize } = await cdp.send("Runtime.getHeapUsage");
  const wasm = await page.evaluate(() => globalThis.benchMemory?.buffer.byteLength ?? 0);
  return usedSize + wasm;
}

(async () => {
  const [program, base] = [await serve(site), await serve(floor)];
  const browser = await launch();
  const times = { program: [], floor: [] };
  for (let i = 0; i < runs; i++) {
    times.program.push(await startUp(browser, program.address));
    times.floor.push(await startUp(browser, base.address));
  }
  const p = median(times.program);
  const f = median(times.floor);
  if (runs > 0) console.log(`start-up, median of ${runs}: page ${p.toFixed(1)} ms, floor ${f.toFixed(1)} ms, ${(p / f).toFixed(2)}x`);

  // The module's memory, caught as it is instantiated (for this measurement only).
  const context = await browser.newContext({ serviceWorkers: "block" });
  await context.addInitScript(() => {
    const instantiate = WebAssembly.instantiate;
    WebAssembly.instantiate = async (...args) => {
      const result = await instantiate(...args);
      const instance = result.instance ?? result;
      globalThis.benchMemory = Object.values(instance.exports).find((e) => e instanceof WebAssembly.Memory);
      return result;
    };
    WebAssembly.instantiateStreaming = undefined;
  });
  const page = await context.newPage();
  page.on("pageerror", (error) => console.error(`page error: ${error.message}`));
  page.on("crash", () => console.error("the page crashed"));
  await page.goto(program.address);
  await page.waitForSelector("#Form1");
  const cdp = await context.newCDPSession(page);
  const keys = ["Control+B", "Control+P", "Control+T", "Control+F", "Control+S"];
  await page.keyboard.press(keys[0]);
  const first = await memoryOf(page, cdp);
  for (let i = 1; i < 500; i++) await page.keyboard.press(keys[i % keys.length]);
  const last = await memoryOf(page, cdp);
  console.log(`memory after 1 switch ${(first / 1024).toFixed(0)} KiB, after 500 ${(last / 1024).toFixed(0)} KiB, ` +
    `grown ${((last - first) / 1024).toFixed(0)} KiB`);
  await browser.close();
  await program.stop();
  await base.stop();
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
