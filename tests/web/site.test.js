// SPDX-License-Identifier: MIT
// site.test.js - plays the built site in Debian's headless chromium, as a player
// would, for both editions: the page loads without an error, the intro shows,
// Escape reaches the menu, Start reaches the barn, a walk and a take, the page
// closed without a save and the browser restarted (Continue brings the scene
// back), F5, a reload, F7 brings the scene back, clicks still land right on a
// page of another shape and pixel ratio, and full screen comes and goes with the
// button, F9 and Alt+Enter. Run by ./test (node --test) after tools/setup web.
// HOLLOWMERE_SITE names the site (build-web/site), HOLLOWMERE_WEB_PORT the port.
"use strict";
const { test, before, after } = require("node:test");
const assert = require("node:assert");
const fs = require("fs");
const os = require("os");
const path = require("path");
const puppeteer = require("puppeteer-core");
const { startServer } = require("../../web/serve.js");

const SITE = process.env.HOLLOWMERE_SITE || path.join(__dirname, "../../build-web/site");
const PORT = Number(process.env.HOLLOWMERE_WEB_PORT || 8750);
const CHROMIUM = process.env.HOLLOWMERE_CHROMIUM || "/usr/bin/chromium";

// Pictures of the game the pixels are compared with (as the page unpacked them).
const MENU = "/gfx/szene/start/bg.png";
const BEHIND_BARN = "/gfx/szene/scheune_hinten/bg.png";
const FRONT_OF_BARN = "/gfx/szene/scheune_vorne/bg.png";
const FIELD = "/gfx/szene/scheune_fern/bg.png";
// Sprites clicked, with their places on the screen (the scene tables).
const START_EXIT = { file: "/gfx/szene/start/exit2.png", x: 224, y: 156 };
const BARN_EXIT = { file: "/gfx/szene/scheune_hinten/exit1.bmp", x: 555, y: 242 };
const FIELD_EXIT = { file: "/gfx/szene/scheune_vorne/exit3.bmp", x: 0, y: 576 };
const BACK_EXIT = { file: "/gfx/szene/scheune_fern/exit1.bmp", x: 260, y: 244 };
const HAT = { file: "/gfx/szene/scheune_fern/vogelscheuche_hut.png", x: 406, y: 271 };
const CONTINUE = { file: "/gfx/saves/continue.png", x: 208, y: 384 };

let server;
let baseUrl;
before(async () => {
  assert.ok(fs.existsSync(path.join(SITE, "en/index.html")), `no site in ${SITE}: run tools/setup web`);
  await new Promise((resolve) => {
    server = startServer(SITE, PORT, (port) => {
      baseUrl = `http://127.0.0.1:${port}`;
      resolve();
    });
  });
});
after(() => server && server.close());

// A browser with a profile of its own (kept across its restarts within one test).
async function launch(profile) {
  return puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           `--user-data-dir=${profile}`],
  });
}

// An open edition page, with every error the page reports collected.
async function openPage(browser, url, width, height) {
  const page = await browser.newPage();
  page.errors = [];
  page.on("pageerror", (e) => page.errors.push(String(e)));
  page.on("console", (m) => { if (m.type() === "error") page.errors.push(m.text()); });
  page.on("requestfailed", (r) => page.errors.push(`${r.url()}: ${r.failure().errorText}`));
  await page.setViewport({ width, height });
  await page.goto(url, { waitUntil: "load" });
  await waitForFirstPicture(page);
  return page;
}

async function waitForFirstPicture(page) {
  await page.waitForFunction(
    () => window.hollowmereError || (window.Module && Module.calledRun && Module._hollowmereFirstPictureMs() > 0),
    { timeout: 30000, polling: 50 });
  const error = await page.evaluate(() => window.hollowmereError);
  assert.strictEqual(error, undefined, "the page shows an error");
}

// Runs in the page: the share of the canvas's pixels within a small distance of
// the picture file, optionally in a part only.
function installPageHelpers(page) {
  return page.evaluate(() => {
    window.canvasPixels = () =>
      document.getElementById("canvas").getContext("2d").getImageData(0, 0, 800, 600).data;
    window.picturePixels = async (file) => {
      const bitmap = await createImageBitmap(new Blob([Module.FS.readFile(file)]));
      const c = new OffscreenCanvas(800, 600);
      const ctx = c.getContext("2d");
      ctx.drawImage(bitmap, 0, 0);
      return { data: ctx.getImageData(0, 0, 800, 600).data, w: bitmap.width, h: bitmap.height };
    };
    window.likeness = async (what, area) => {
      const want = (await window.picturePixels(what)).data;
      const have = window.canvasPixels();
      const a = area || { x: 0, y: 0, w: 800, h: 600 };
      let same = 0;
      for (let y = a.y; y < a.y + a.h; y++)
        for (let x = a.x; x < a.x + a.w; x++) {
          const i = (y * 800 + x) * 4;
          if (Math.abs(have[i] - want[i]) + Math.abs(have[i + 1] - want[i + 1]) +
              Math.abs(have[i + 2] - want[i + 2]) < 24) same++;
        }
      return same / (a.w * a.h);
    };
    // The share of the sprite's visible pixels that the canvas shows at its place.
    window.spriteShown = async (sprite) => {
      const p = await window.picturePixels(sprite.file);
      const have = window.canvasPixels();
      let shown = 0, all = 0;
      for (let y = 0; y < Math.min(p.h, 600 - sprite.y); y++)
        for (let x = 0; x < Math.min(p.w, 800 - sprite.x); x++) {
          const i = (y * 800 + x) * 4, j = ((sprite.y + y) * 800 + sprite.x + x) * 4;
          if (p.data[i] + p.data[i + 1] + p.data[i + 2] < 24) continue;
          all++;
          if (Math.abs(have[j] - p.data[i]) + Math.abs(have[j + 1] - p.data[i + 1]) +
              Math.abs(have[j + 2] - p.data[i + 2]) < 24) shown++;
        }
      return all ? shown / all : 0;
    };
    // A point of the sprite that is not its transparent black, nearest its middle.
    window.spritePoint = async (sprite) => {
      const p = await window.picturePixels(sprite.file);
      const w = Math.min(p.w, 800), h = Math.min(p.h, 600);
      let best = null;
      for (let y = 0; y < h; y += 2)
        for (let x = 0; x < w; x += 2) {
          const i = (y * 800 + x) * 4;
          if (p.data[i] + p.data[i + 1] + p.data[i + 2] < 24) continue;
          const d = (x - w / 2) ** 2 + (y - h / 2) ** 2;
          if (!best || d < best.d) best = { x, y, d };
        }
      return best && { x: sprite.x + best.x, y: Math.min(599, sprite.y + best.y) };
    };
  });
}

// The page point of a game pixel, wherever and however large the canvas is shown.
async function pagePoint(page, x, y) {
  const r = await page.evaluate(() => {
    const b = document.getElementById("canvas").getBoundingClientRect();
    return { left: b.left, top: b.top, width: b.width, height: b.height };
  });
  return { x: r.left + ((x + 0.5) * r.width) / 800, y: r.top + ((y + 0.5) * r.height) / 600 };
}

// The canvas is as large as fits the page at 4:3, in its middle, with sharp pixels.
async function assertCanvasBox(page, width, height) {
  const c = await page.$eval("#canvas", (e) => {
    const b = e.getBoundingClientRect();
    return { left: b.left, top: b.top, width: b.width, height: b.height, pixels: getComputedStyle(e).imageRendering };
  });
  const w = Math.min(width, (height * 4) / 3);
  const want = { left: (width - w) / 2, top: (height - (w * 3) / 4) / 2, width: w, height: (w * 3) / 4 };
  for (const k of Object.keys(want))
    assert.ok(Math.abs(c[k] - want[k]) < 1, `canvas ${JSON.stringify(c)} on a ${width}x${height} page`);
  assert.match(c.pixels, /^(pixelated|crisp-edges)$/, "sharp pixels");
}

async function waitForFullscreen(page, on, how) {
  await page.waitForFunction((want) => !!document.fullscreenElement === want, { timeout: 5000 }, on)
    .catch(() => assert.fail(`${how} did not ${on ? "enter" : "leave"} full screen`));
}

async function clickGame(page, x, y, button = "left") {
  const p = await pagePoint(page, x, y);
  await page.mouse.move(p.x, p.y);
  await sleep(100);  // the cursor turns into what it points at
  await page.mouse.down({ button });
  await sleep(50);   // held over a frame
  await page.mouse.up({ button });
}

async function clickSprite(page, sprite, button) {
  const at = await page.evaluate((s) => window.spritePoint(s), sprite);
  assert.ok(at, `no visible pixel in ${sprite.file}`);
  await clickGame(page, at.x, at.y, button);
}

async function press(page, key) {
  await page.keyboard.press(key);
  await sleep(100);
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// Waits until the canvas looks like the picture (share of pixels alike), or fails naming it.
async function waitForLikeness(page, what, share, seconds, area) {
  const end = Date.now() + seconds * 1000;
  let best = 0;
  while (Date.now() < end) {
    best = Math.max(best, await page.evaluate((w, a) => window.likeness(w, a), what, area || null));
    if (best >= share) return best;
    await sleep(200);
  }
  await failWithScreenshot(page, `the screen never looked like ${what} (best ${best.toFixed(2)} of ${share})`);
}

async function failWithScreenshot(page, message) {
  const shot = path.join(os.tmpdir(), `hollowmere-web-${Date.now()}.png`);
  await page.screenshot({ path: shot });
  assert.fail(`${message}; see ${shot}`);
}

// Walks through an exit to the scene of the picture. A click while the hero
// speaks only cuts the line short, so the exit is clicked again until he goes.
async function walkThrough(page, exit, picture) {
  for (let i = 0; i < 5; i++) {
    await clickSprite(page, exit);
    const end = Date.now() + 8000;
    while (Date.now() < end) {
      if ((await page.evaluate((w) => window.likeness(w), picture)) >= 0.6) return;
      await sleep(250);
    }
  }
  await waitForLikeness(page, picture, 0.6, 1);
}

// Escape until the menu shows: one Escape skips one intro scene.
async function skipToMenu(page) {
  for (let i = 0; i < 8; i++) {
    if ((await page.evaluate((w) => window.likeness(w), MENU)) > 0.5) break;
    await press(page, "Escape");
    await sleep(1200);  // the crash changes scene on the next tick of the game's clock
  }
  return waitForLikeness(page, MENU, 0.8, 10);
}

async function savedFile(page, edition) {
  return page.evaluate((ed) => {
    const file = `/user/data/hollowmere/${ed}/save`;
    try { return Module.FS.stat(file).size; } catch (e) { return 0; }
  }, edition);
}

for (const edition of ["en", "de"]) {
  test(`${edition}: intro, menu, barn, a walk and a take, close, continue, save, reload, restore, page shapes, zoom, full screen`,
    { timeout: 300000 }, async () => {
      const profile = fs.mkdtempSync(path.join(os.tmpdir(), "hollowmere-chromium-"));
      let browser = await launch(profile);
      try {
        const url = `${baseUrl}/${edition}/index.html`;
        let page = await openPage(browser, url, 1024, 768);
        await installPageHelpers(page);
        assert.strictEqual(await page.$eval("html", (h) => h.lang), edition);
        assert.ok(await page.$eval("#loading", (e) => e.hidden), "the loading bar is gone");

        // the intro: something is drawn, the frames go on
        await page.waitForFunction(() => {
          const d = window.canvasPixels();
          let lit = 0;
          for (let i = 0; i < d.length; i += 4 * 97) if (d[i] + d[i + 1] + d[i + 2] > 30) lit++;
          return lit > 20;
        }, { timeout: 15000, polling: 200 });
        const framesBefore = await page.evaluate(() => Module._hollowmereFrames());
        await sleep(500);
        assert.ok((await page.evaluate(() => Module._hollowmereFrames())) > framesBefore + 10, "the loop runs");

        await skipToMenu(page);
        await sleep(5000);  // the menu fades in
        await clickSprite(page, START_EXIT);
        await waitForLikeness(page, BEHIND_BARN, 0.6, 20);

        // a walk: round the barn, then down to the field
        await walkThrough(page, BARN_EXIT, FRONT_OF_BARN);
        await walkThrough(page, FIELD_EXIT, FIELD);
        await sleep(1000);

        // a take: the verb turns to take with a right click, then the scarecrow's hat
        const hatShown = () => page.evaluate((h) => window.spriteShown(h), HAT);
        assert.ok((await hatShown()) > 0.7, "the scarecrow wears its hat");
        await clickGame(page, 400, 100, "right");
        await sleep(300);
        let taken = false;
        for (let i = 0; i < 4 && !taken; i++) {  // a click during a line only cuts it short
          await clickSprite(page, HAT);
          const end = Date.now() + 10000;
          while (Date.now() < end && !taken) {
            taken = (await hatShown()) < 0.3;
            await sleep(300);
          }
        }
        if (!taken) await failWithScreenshot(page, "the hat is still on the scarecrow");
        for (let i = 0; i < 6; i++) {  // cut the hero's lines short
          await clickGame(page, 600, 120);
          await sleep(600);
        }
        await page.mouse.move(1, 1);
        await sleep(1500);

        // closing the page keeps the game, even when IndexedDB gets no time to store it (as Chromium
        // may do to a closing page): after a browser restart the menu offers Continue, which brings it back
        await page.evaluate(() => { Module.FS.syncfs = () => {}; });
        const closed = new Promise((resolve) => page.once("close", resolve));
        await page.close({ runBeforeUnload: true });  // returns before the page has closed
        await closed;
        await browser.close();
        browser = await launch(profile);
        page = await openPage(browser, url, 1024, 768);
        await installPageHelpers(page);
        await skipToMenu(page);
        await sleep(5000);  // the menu fades in
        assert.ok((await page.evaluate((c) => window.spriteShown(c), CONTINUE)) > 0.7, "the menu offers Continue");
        await clickSprite(page, CONTINUE);
        await waitForLikeness(page, FIELD, 0.6, 20);
        await sleep(1500);
        assert.ok((await hatShown()) < 0.3, "the continued field has no hat on the scarecrow");

        // F5, stored in the page's IndexedDB; after a reload F7 in the menu brings the field back
        await press(page, "F5");
        await page.waitForFunction((ed) => {
          try { Module.FS.stat(`/user/data/hollowmere/${ed}/save`); } catch (e) { return false; }
          return !Module.hollowmereSyncing;
        }, { timeout: 10000 }, edition).catch(() => failWithScreenshot(page, "F5 wrote no save"));
        assert.ok((await savedFile(page, edition)) > 0, "F5 wrote the save");
        await page.reload({ waitUntil: "load" });
        await waitForFirstPicture(page);
        await installPageHelpers(page);
        assert.ok((await savedFile(page, edition)) > 0, "the save outlived the reload");
        await skipToMenu(page);
        await press(page, "F7");
        await waitForLikeness(page, FIELD, 0.6, 20);
        await sleep(1500);
        assert.ok((await hatShown()) < 0.3, "the restored field has no hat on the scarecrow");

        // another page shape, zoomed in (each edition at its own pixel ratio): tall and narrow, the
        // canvas letterboxed; clicks still land
        await page.setViewport({ width: 500, height: 900, deviceScaleFactor: edition === "en" ? 1.5 : 2 });
        await sleep(500);
        await assertCanvasBox(page, 500, 900);
        await walkThrough(page, BACK_EXIT, FRONT_OF_BARN);

        // full screen from the button, F9 and Alt+Enter; on a wide screen the picture stays 4:3 with
        // sharp pixels, and clicks land
        await page.setViewport({ width: 1024, height: 768 });
        await page.click("#fullscreen");
        await waitForFullscreen(page, true, "the button");
        await page.setViewport({ width: 1280, height: 600 });
        await sleep(500);
        await assertCanvasBox(page, 1280, 600);
        await walkThrough(page, FIELD_EXIT, FIELD);
        await press(page, "F9");
        await waitForFullscreen(page, false, "F9");
        await page.keyboard.down("Alt");
        await press(page, "Enter");
        await page.keyboard.up("Alt");
        await waitForFullscreen(page, true, "Alt+Enter");
        await press(page, "F9");
        await waitForFullscreen(page, false, "F9");

        assert.deepStrictEqual(page.errors, [], "the page reported errors");
      } finally {
        await browser.close();
        fs.rmSync(profile, { recursive: true, force: true });
      }
    });
}

test("the page names what went wrong, refuses damaged copies of unstored files, and has no context menu", { timeout: 60000 }, async () => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "hollowmere-chromium-"));
  const browser = await launch(profile);
  try {
    // the pictures do not come
    let page = await browser.newPage();
    await page.setRequestInterception(true);
    page.on("request", (r) => (r.url().endsWith("/gfx.data") ? r.respond({ status: 404, body: "" }) : r.continue()));
    await page.goto(`${baseUrl}/en/index.html`);
    await page.waitForFunction(() => window.hollowmereError, { timeout: 20000 });
    const shown = await page.$eval("#message", (m) => (m.hidden ? "" : m.textContent));
    assert.match(shown, /could not be loaded.*gfx\.data.*404/);
    await page.close();

    // a browser without WebAssembly
    page = await browser.newPage();
    await page.evaluateOnNewDocument(() => { delete window.WebAssembly; });
    await page.goto(`${baseUrl}/de/index.html`);
    assert.match(await page.$eval("#message", (m) => (m.hidden ? "" : m.textContent)), /fehlt WebAssembly/);
    await page.close();

    // copies of unstored files are hostile input: only whole ones that begin as the game's own are put back
    page = await browser.newPage();
    await page.evaluateOnNewDocument(() => {
      if (location.pathname !== "/en/index.html" || sessionStorage.getItem("planted")) return;
      sessionStorage.setItem("planted", "1");
      const copy = (text, time = Date.now()) => {
        let h = 0x811c9dc5;
        for (let i = 0; i < text.length; i++) h = Math.imul(h ^ text.charCodeAt(i), 0x01000193) >>> 0;
        return { time, sum: h, data: btoa(text) };
      };
      const dir = "/user/data/hollowmere/en/";
      const damaged = copy("hollowmere save\nformat=2\nend\n");
      damaged.data = btoa("hollowmere save\nformat=3\nend\n");
      localStorage.setItem("hollowmere-unstored-files", JSON.stringify({
        [dir + "save"]: damaged,                                      // changed on the way
        [dir + "slot1"]: copy("#!/bin/sh\n"),                          // no save at all
        [dir + "auto"]: copy("hollowmere save\nend\n", "soon"),        // no time
        ["/user/data/hollowmere/../../evil"]: copy("hollowmere save\nend\n"), // out of the folder
        [dir + "slot2.png"]: copy("hollowmere save\nend\n"),          // no picture
        [dir + "slot4"]: copy("hollowmere save\nformat=2\n"),          // cut short
        [dir + "slot3"]: copy("hollowmere save\nformat=2\nbroken\nend\n"),  // whole: the game's reader judges it
      }));
    });
    await page.goto(`${baseUrl}/en/index.html`);
    await waitForFirstPicture(page);
    const files = await page.evaluate(() => ["en/save", "en/slot1", "en/auto", "en/slot2.png", "en/slot3", "en/slot4", "../../evil"]
      .filter((f) => {
        try { Module.FS.stat("/user/data/hollowmere/" + f); return true; } catch (e) { return false; }
      }));
    assert.deepStrictEqual(files, ["en/slot3"]);
    await page.waitForFunction(() => !Module.hollowmereSyncing && !localStorage.getItem("hollowmere-unstored-files"),
      { timeout: 10000 });  // dropped once stored

    // the context menu is not opened over the game
    const prevented = await page.$eval("#canvas", (c) => {
      const e = new MouseEvent("contextmenu", { bubbles: true, cancelable: true });
      c.dispatchEvent(e);
      return e.defaultPrevented;
    });
    assert.ok(prevented);
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
});
