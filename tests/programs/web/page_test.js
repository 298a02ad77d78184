// Tavro's page in Debian's Chromium: every window by its menus and its
// shortcuts, a calculation in every mode, the fields' limits, Paste, every
// Exit and the end line, the focus, the element ids, what a screen reader is
// told, the colour schemes, a phone's width and a reload with no network.
//
//   node page_test.js SITE
"use strict";

const assert = require("node:assert/strict");
const { after, before, describe, it } = require("node:test");
const fs = require("node:fs");
const path = require("node:path");
const { serve, launch, openPage, contrastOf, decodePng, repository } = require("./harness.js");

const site = process.argv[2];
let server;
let browser;
const pages = [];

before(async () => {
  server = await serve(site);
  browser = await launch();
});

after(async () => {
  await browser?.close();
  await server?.stop();
});

// A page of its own, closed when its test ends.
async function newPage(t, options) {
  const page = await openPage(browser, server.address, options);
  pages.push(page);
  t.after(() => page.context().close());
  return page;
}

// A test that, when it fails, shows what its pages printed and the server's
// log.
function test(name, body) {
  it(name, async (t) => {
    pages.length = 0;
    server.log.length = 0;
    try {
      await body(t);
    } catch (error) {
      const printed = pages.map((page, i) => `--- page ${i + 1} printed:\n${page.output.join("\n")}`);
      process.stderr.write(`${printed.join("\n")}\n--- the server's log:\n${server.log.join("")}\n`);
      throw error;
    }
  });
}

const value = (page, id) => page.inputValue(`#${id}`);
const visible = (page, id) => page.isVisible(`#${id}`);
const openWindows = (page) => page.$$eval(".window", (boxes) => boxes.map((box) => box.id).sort());

// Every entry of every window's drop-down that switches to another window.
const switches = {
  Form1: { menu: "main", entries: { f4: "Form6", f2: "Form3", f1: "Form2", f3: "Form4" } },
  Form2: { menu: "main", entries: { f4: "Form6", f2: "Form3", at: "Form1", f3: "Form4" } },
  Form3: { menu: "main", entries: { f4: "Form6", f2: "Form2", w: "Form1", f3: "Form4" } },
  Form4: { menu: "eg", entries: { f4: "Form6", f2: "Form1", f1: "Form3", f3: "Form2" } },
  Form6: { menu: "fg", entries: { df: "Form2", t4: "Form4", fgt: "Form3", er: "Form1" } },
};

// A route from Form1 that takes every one of them once (each window is
// switched to as often as it is left, so there is one).
function everySwitch() {
  const left = Object.fromEntries(Object.entries(switches).map(([w, { entries }]) => [w, Object.keys(entries)]));
  const route = [];
  const walk = (window) => {
    while (left[window].length > 0) {
      const entry = left[window].shift();
      walk(switches[window].entries[entry]);
      route.unshift([window, entry]);
    }
  };
  walk("Form1");
  return route;
}

describe("the page", () => {
  test("opens the Standart window, in which 2 + 3 gives 5, announced as the desktop says it", async (t) => {
    const page = await newPage(t);
    assert.deepEqual(await openWindows(page), ["Form1"]);
    assert.equal(await page.evaluate(() => document.activeElement.id), "Form1-Text1");
    await page.fill("#Form1-Text1", "2");
    await page.fill("#Form1-Text2", "3");
    await page.click("#Form1-Command1");
    assert.equal(await value(page, "Form1-Text3"), "5");
    assert.equal(await page.textContent("#announcer"), "ОТГОВОР 5");
  });

  test("calculates in every mode", async (t) => {
    const page = await newPage(t);
    const run = async (window, fields, button) => {
      for (const [field, text] of Object.entries(fields)) await page.fill(`#${window}-${field}`, text);
      await page.click(`#${window}-${button}`);
    };
    await page.keyboard.press("Control+F");
    await run("Form2", { Text1: "10" }, "Command1");
    assert.equal(await value(page, "Form2-Text2"), "25.4");
    await page.keyboard.press("Control+T");
    await run("Form3", { Text1: "5", Text2: "3" }, "Command3");
    assert.equal(await value(page, "Form3-Text3"), "7.5");
    await page.keyboard.press("Control+P");
    await run("Form4", { Text1: "2", Text2: "3", Text4: "24" }, "Command6");
    assert.equal(await value(page, "Form4-Text3"), "4");
    await page.click("#Form4-eg");
    await page.click("#Form4-f4");
    await run("Form6", { Text1: "2", Text2: "+", Text3: "3", Text4: "*", Text5: "4" }, "Command1");
    assert.equal(await value(page, "Form6-Text6"), "20");
    await page.keyboard.press("Control+S");
    await run("Form1", { Text1: "1", Text2: "2" }, "Command4");
    assert.equal(await value(page, "Form1-Text3"), "0.5");
  });

  test("writes numbers with the comma of a Bulgarian browser", async (t) => {
    const page = await newPage(t, { locale: "bg-BG" });
    await page.fill("#Form1-Text1", "1");
    await page.fill("#Form1-Text2", "2");
    await page.click("#Form1-Command4");
    assert.equal(await value(page, "Form1-Text3"), "0,5");
  });

  test("opens every window by its menus, with the desktop's captions and shortcut texts", async (t) => {
    const page = await newPage(t);
    const route = everySwitch();
    assert.equal(route.length, 20);
    for (const [from, entry] of route) {
      const { menu, entries } = switches[from];
      const to = entries[entry];
      assert.ok(await visible(page, from), `${from} is open`);
      await page.fill(`#${from}-Text1`, "7");
      await page.click(`#${from}-${menu}`);
      await page.click(`#${from}-${entry}`);
      assert.deepEqual(await openWindows(page), [to], `${from} ${entry}`);
      assert.equal(await value(page, `${to}-Text1`), "", "fields start empty");
    }
    await page.click("#Form1-main");
    const entries = await page.$$eval("#Form1-main-menu .menu-entry", (items) =>
      items.map((item) => [item.querySelector(".caption").innerHTML, item.querySelector(".shortcut").textContent]),
    );
    assert.deepEqual(entries, [
      ["<u>B</u>rackets", "Ctrl+B"],
      ["<u>T</u>riangle", "Ctrl+T"],
      ["<u>F</u>unctional", "Ctrl+F"],
      ["<u>P</u>aralelepiped", "Ctrl+P"],
      ["<u>E</u>xit", "Ctrl+E"],
    ]);
  });

  test("takes every window's shortcuts and access keys, and leaves the others alone", async (t) => {
    const page = await newPage(t);
    const route = [
      ["Control+B", ["Form6"]],
      ["Control+F", ["Form6"]], // Form6's Functional has no shortcut
      ["Control+T", ["Form3"]],
      ["Control+P", ["Form4"]],
      ["Control+B", ["Form4"]], // nor has Form4's Brackets
      ["Control+F", ["Form2"]],
      ["Control+S", ["Form1"]],
      ["Control+S", ["Form1"]], // no entry of Form1 carries Ctrl+S
    ];
    for (const [key, windows] of route) {
      await page.keyboard.press(key);
      assert.deepEqual(await openWindows(page), windows, key);
    }
    const focused = () => page.evaluate(() => document.activeElement.id);
    await page.focus("#Form1-Text2");
    await page.keyboard.press("Alt+O");
    assert.equal(await focused(), "Form1-f4");
    await page.keyboard.press("Escape");
    assert.equal(await visible(page, "Form1-main-menu"), false);
    assert.equal(await focused(), "Form1-Text2", "Escape gives the focus back to the field");
    await page.keyboard.press("Alt+O");
    await page.keyboard.press("p");
    assert.deepEqual(await openWindows(page), ["Form4"]);
    await page.keyboard.press("Alt+H");
    assert.deepEqual(await openWindows(page), ["Form4", "Form5"]);
    await page.keyboard.press("Control+T");
    assert.deepEqual(await openWindows(page), ["Form4", "Form5"], "Help is in front and has no shortcuts");
    await page.click("#Form4-Text1");
    await page.keyboard.press("Control+T");
    assert.deepEqual(await openWindows(page), ["Form3", "Form5"], "Help stays open");
  });

  test("moves the focus in tab order, and holds the fields to their limits, typed or pasted", async (t) => {
    const page = await newPage(t);
    const order = [];
    for (let i = 0; i < 17; i++) {
      order.push(await page.evaluate(() => document.activeElement.id.replace("Form1-", "")));
      await page.keyboard.press("Tab");
    }
    assert.deepEqual(order, ["Text1", "Text2", "Text3", "Command1", "Command2", "Command3", "Command4", "Command8",
      "Command7", "Command5", "Command9", "Command6", "Command11", "Command13", "Command10", "Command12", "Command14"]);
    assert.equal(await page.evaluate(() => document.activeElement.id), "Form1-Text1", "Tab wraps");
    await page.click("#Form1-Text1");
    await page.keyboard.type("123456789012345678901");
    assert.equal(await value(page, "Form1-Text1"), "12345678901234567890");
    await page.keyboard.press("Control+B");
    await page.click("#Form6-Text2");
    await page.keyboard.type("+-");
    assert.equal(await value(page, "Form6-Text2"), "+");
    await page.click("#Form6-Text8");
    await page.keyboard.insertText("*/");
    assert.equal(await value(page, "Form6-Text8"), "*");
  });

  test("pastes the clipboard's text, and no text where the clipboard is refused", async (t) => {
    const granted = await newPage(t, { permissions: ["clipboard-read", "clipboard-write"] });
    await granted.keyboard.press("Control+F");
    await granted.evaluate(() => navigator.clipboard.writeText("12.5"));
    await granted.click("#Form2-Command15");
    await granted.waitForFunction(() => document.querySelector("#Form2-Text1").value === "12.5");
    const refused = await newPage(t);
    await refused.keyboard.press("Control+F");
    await refused.fill("#Form2-Text1", "3");
    await refused.click("#Form2-Command15");
    await refused.waitForFunction(() => document.querySelector("#Form2-Text1").value === "");
  });

  test("ends by every Exit, says so in one line, and starts again", async (t) => {
    const page = await newPage(t);
    const exits = [
      ["Form1", null, "Command9"],
      ["Form2", "Control+F", "exit"],
      ["Form3", "Control+T", "Command4"],
      ["Form4", "Control+P", "Command4"],
      ["Form6", "Control+B", "Command5"],
      ["Form1", null, "Control+E"],
      ["Form3", "Control+T", "menu:main:ex"],
      ["Form4", "Control+P", "menu:eg:ed"],
      ["Form6", "Control+B", "menu:fg:wer"],
    ];
    for (const [window, open, exit] of exits) {
      if (open) await page.keyboard.press(open);
      assert.ok(await visible(page, window), window);
      if (exit.startsWith("Control")) await page.keyboard.press(exit);
      else if (exit.startsWith("menu:")) {
        const [, menu, entry] = exit.split(":");
        await page.click(`#${window}-${menu}`);
        await page.click(`#${window}-${entry}`);
      } else await page.click(`#${window}-${exit}`);
      assert.deepEqual(await openWindows(page), [], `${window} ${exit}`);
      assert.equal((await page.textContent("#end-line")).trim(), "Tavro has ended. Start again");
      assert.equal(await page.evaluate(() => document.activeElement.id), "start-again");
      await page.keyboard.press("Enter");
      assert.deepEqual(await openWindows(page), ["Form1"]);
    }
  });

  test("closes a window by its close button, and ends when the last one closes", async (t) => {
    const page = await newPage(t);
    await page.keyboard.press("Control+T");
    await page.click("#Form3-help2");
    await page.click("#Form3-help2");
    assert.deepEqual(await openWindows(page), ["Form3", "Form5"], "one Help window");
    assert.equal(await page.isVisible("#Form5-minimise"), false, "Help cannot be minimised");
    await page.click("#Form3-close");
    assert.deepEqual(await openWindows(page), ["Form5"]);
    await page.click("#Form5-close");
    assert.ok(await page.isVisible("#end"));
  });

  test("opens the Brackets window with the focus on EXIT, which Enter presses", async (t) => {
    const page = await newPage(t);
    await page.keyboard.press("Control+B");
    assert.equal(await page.evaluate(() => document.activeElement.id), "Form6-Command5");
    await page.keyboard.press("Tab");
    assert.equal(await page.evaluate(() => document.activeElement.id), "Form6-Command4");
    await page.keyboard.press("Shift+Tab");
    await page.keyboard.press("Enter");
    assert.ok(await page.isVisible("#end"));
  });

  test("names every control by its window and name, and tells a screen reader what the desktop does", async (t) => {
    const page = await newPage(t);
    await page.keyboard.press("Control+B");
    for (const id of ["Form6-Label1-90", "Form6-Label1-0", "Form6-Text14", "Form6-Command5", "Form6-fg"]) {
      assert.ok(await page.$(`#${id}`), id);
    }
    await page.keyboard.press("Control+S");
    const cdp = await page.context().newCDPSession(page);
    const { nodes } = await cdp.send("Accessibility.getFullAXTree");
    const seen = nodes.filter((node) => !node.ignored).map((node) => [node.role?.value, node.name?.value]);
    const has = (role, name) => assert.ok(seen.some(([r, n]) => r === role && n === name), `${role} "${name}"`);
    has("dialog", "Standart");
    has("textbox", "ПЪРВО ЧИСЛО");
    has("textbox", "ОТГОВОР");
    has("button", "СЪБИРАНЕ");
    has("button", "Send top");
    has("menuitem", "Options");
    assert.ok(seen.some(([role]) => role === "status"), "a live region");
  });

  test("keeps nothing of the user's", async (t) => {
    const page = await newPage(t);
    await page.fill("#Form1-Text1", "4");
    await page.click("#Form1-Command10");
    const kept = await page.evaluate(() => [document.cookie, localStorage.length, sessionStorage.length]);
    assert.deepEqual(kept, ["", 0, 0]);
  });

  for (const [name, options] of [
    ["dark", { colorScheme: "dark" }],
    ["forced colours", { forcedColors: "active" }],
    ["light", { colorScheme: "light" }],
  ]) {
    test(`reads at a contrast of at least 4.5 under the ${name} scheme`, async (t) => {
      const page = await newPage(t, options);
      // A caption's own text box (what is drawn right behind the letters), or a
      // field's inside.
      const check = async (selector, what) => {
        const clip = await page.$eval(selector, (element) => {
          const walker = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
          while (walker.nextNode()) {
            if (walker.currentNode.textContent.trim() === "") continue;
            const range = document.createRange();
            range.selectNodeContents(walker.currentNode);
            const { x, y, width, height } = range.getBoundingClientRect();
            return { x, y, width, height };
          }
          const { x, y, width, height } = element.getBoundingClientRect();
          return { x: x + 3, y: y + 3, width: width - 6, height: height - 6 };
        });
        const contrast = contrastOf(await page.screenshot({ clip }));
        assert.ok(contrast >= 4.5, `${what}: ${contrast.toFixed(2)}`);
      };
      await page.fill("#Form1-Text1", "88");
      await check("#Form1-Text1", "a number typed");
      await check("#Form1 .title", "the title");
      await page.keyboard.press("Alt+O");
      await check("#Form1-main", "the open menu's title");
      await check("#Form1-f4", "its chosen entry");
      await check("#Form1-f2", "another entry");
      await page.keyboard.press("Escape");
      await check("#Form1-Command5", "Send top");
      await check("#Form1-Command8", "SQR");
      await page.keyboard.press("Control+F");
      await check("#Form2-Command2", "см->инч");
      await check("#Form2-Command15", "Paste");
      await check("#Form2-Label1", "=>");
    });
  }

  // Drawn in the page from their SVG sources, the operator pictures give the
  // pixels of the picture files the desktop shows, at 1x and at 2x.
  for (const scale of [1, 2]) {
    test(`draws the operator pictures as their picture files at ${scale}x`, async (t) => {
      const page = await newPage(t, { deviceScaleFactor: scale });
      const files = await page.context().newPage();
      const pixels = async (locator) => decodePng(await locator.screenshot()).pixels;
      for (const [button, picture] of [["Command1", "plus"], ["Command2", "minus"], ["Command3", "multiply"], ["Command4", "divide"]]) {
        const drawn = page.locator(`#Form1-${button} .picture`);
        const face = await page.$eval(`#Form1-${button}`, (element) => getComputedStyle(element).backgroundColor);
        const file = fs.readFileSync(path.join(repository, "src/ui/assets", `${picture}${scale === 2 ? "@2x" : ""}.png`));
        // At the same place, to the fraction of a pixel.
        const { x, y } = await drawn.boundingBox();
        await files.setContent(
          `<body style="margin:0;background:${face}"><img width="32" height="32" style="position:absolute;left:${x}px;top:${y}px;image-rendering:pixelated" src="data:image/png;base64,${file.toString("base64")}"></body>`,
        );
        assert.ok((await pixels(drawn)).equals(await pixels(files.locator("img"))), picture);
      }
    });
  }

  test("scales a window down to a phone's width", async (t) => {
    const page = await newPage(t, { viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true });
    await page.keyboard.press("Control+B");
    const box = await page.locator("#Form6").boundingBox();
    assert.ok(box.x >= 0 && box.x + box.width <= 360.5, JSON.stringify(box));
    await page.tap("#Form6-Text1");
    await page.keyboard.type("5");
    assert.equal(await value(page, "Form6-Text1"), "5");
  });

  test("opens and calculates again with no network", async (t) => {
    const page = await newPage(t);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await page.waitForSelector("#Form1");
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await page.context().setOffline(true);
    await page.reload();
    await page.waitForSelector("#Form1");
    await page.fill("#Form1-Text1", "9");
    await page.click("#Form1-Command8");
    assert.equal(await value(page, "Form1-Text3"), "3");
  });
});
