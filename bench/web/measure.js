#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// measure.js - the browser edition's figures in Debian's headless chromium on
// this machine: bytes the page transfers, time to the first picture, main-thread
// time of idle frames and of the frames that enter a scene, each beside a floor
// from the same run (handing one whole 800x600 picture to the canvas), and what
// hiding the page costs in play (its autosave and the copy of unstored files).
// Usage: node bench/web/measure.js [en|de]   (after tools/setup web; port 8760
// or HOLLOWMERE_WEB_PORT)
"use strict";
const fs = require("fs");
const os = require("os");
const path = require("path");
const puppeteer = require(path.join(__dirname, "../../tests/web/node_modules/puppeteer-core"));
const { startServer } = require("../../web/serve.js");

const SITE = process.env.HOLLOWMERE_SITE || path.join(__dirname, "../../build-web/site");
const EDITION = process.argv[2] || "en";
const PORT = Number(process.env.HOLLOWMERE_WEB_PORT || 8760);
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

function stats(list) {
  const s = [...list].sort((a, b) => a - b);
  const at = (q) => s[Math.min(s.length - 1, Math.floor(q * s.length))];
  return { n: s.length, median: at(0.5), p99: at(0.99), max: s[s.length - 1] };
}
const ms = (x) => x.toFixed(2) + " ms";

async function frameTimes(page, from) {
  return page.evaluate((first) => {
    const out = [];
    for (let i = first; i < Module._hollowmereFrames(); i++) out.push(Module._hollowmereFrameMs(i));
    return out;
  }, from);
}

(async () => {
  const server = await new Promise((resolve) => {
    const s = startServer(SITE, PORT, () => resolve(s));
  });
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "hollowmere-measure-"));
  const browser = await puppeteer.launch({
    executablePath: "/usr/bin/chromium", headless: true,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           `--user-data-dir=${profile}`],
  });
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    const cdp = await page.createCDPSession();
    await cdp.send("Network.enable");
    let transferred = 0;
    cdp.on("Network.loadingFinished", (e) => { transferred += e.encodedDataLength; });
    await page.goto(`http://127.0.0.1:${PORT}/${EDITION}/index.html`, { waitUntil: "load" });
    await page.waitForFunction(() => window.Module && Module.calledRun &&
                               Module._hollowmereFirstPictureMs() > 0, { timeout: 60000, polling: 20 });
    const firstPicture = await page.evaluate(() => Module._hollowmereFirstPictureMs());
    await sleep(1000);
    console.log(`machine: ${os.cpus()[0].model}, ${os.cpus().length} cores, load ${os.loadavg()[0].toFixed(1)}`);
    console.log(`page transfer: ${(transferred / 1e6).toFixed(1)} MB (gzip where the file has a .gz)`);
    console.log(`first picture: ${ms(firstPicture)} after the page was opened`);

    // the floor: one whole picture handed to the canvas, as a frame that changed everything does
    const floor = await page.evaluate(() => {
      const ctx = document.createElement("canvas").getContext("2d");
      const img = new ImageData(800, 600);
      const t = [];
      for (let i = 0; i < 200; i++) {
        const s = performance.now();
        ctx.putImageData(img, 0, 0);
        ctx.getImageData(0, 0, 1, 1);  // the picture really arrived
        t.push(performance.now() - s);
      }
      return t;
    });

    // the intro and its skips, then the menu standing still after its fade-in
    for (let i = 0; i < 4; i++) { await page.keyboard.press("Escape"); await sleep(1200); }
    await sleep(6000);
    let mark = await page.evaluate(() => Module._hollowmereFrames());
    await sleep(4000);
    const idle = stats(await frameTimes(page, mark));
    const f = stats(floor);
    console.log(`floor (whole picture to the canvas): median ${ms(f.median)}, p99 ${ms(f.p99)}`);
    console.log(`idle frames (menu, ${idle.n}): median ${ms(idle.median)}, p99 ${ms(idle.p99)}, max ${ms(idle.max)}`);

    // scene entries: the start, then round the barn, each the slowest frame around its change
    const box = await page.$eval("#canvas", (c) => { const b = c.getBoundingClientRect(); return [b.left, b.top, b.width / 800]; });
    const at = (x, y) => [box[0] + x * box[2], box[1] + y * box[2]];
    const clicks = [["start", 300, 200, 12000], ["round the barn", 600, 300, 15000], ["to the field", 40, 590, 15000]];
    for (const [name, x, y, wait] of clicks) {
      mark = await page.evaluate(() => Module._hollowmereFrames());
      const [px, py] = at(x, y);
      await page.mouse.move(px, py);
      await sleep(200);
      await page.mouse.down();
      await sleep(50);
      await page.mouse.up();
      await sleep(wait);
      const s = stats(await frameTimes(page, mark));
      console.log(`${name}: slowest frame ${ms(s.max)}, p99 ${ms(s.p99)}, median ${ms(s.median)} (${s.n} frames)`);
    }

    // hiding the page in play: the frame that autosaves, the copy, the store begun (nothing stored
    // in IndexedDB yet, as on a page that closes at once), and the copy alone beside it
    const hide = await page.evaluate(() => {
      Module.FS.syncfs = (populate, done) => done(null);
      const t = [];
      for (let i = 0; i < 20; i++) {
        Module.hollowmereLeft = false;
        Module.hollowmereStored = {};
        const s = performance.now();
        Module.hollowmereLeaving();
        t.push(performance.now() - s);
      }
      const copy = [];
      for (let i = 0; i < 20; i++) {
        Module.hollowmereStored = {};
        const s = performance.now();
        hollowmereMirrorUnstored();
        copy.push(performance.now() - s);
      }
      return { t, copy, bytes: (localStorage.getItem("hollowmere-unstored-files") || "").length };
    });
    const h = stats(hide.t), c = stats(hide.copy);
    console.log(`hiding the page in play: median ${ms(h.median)}, max ${ms(h.max)}; of it the copy of ` +
                `${(hide.bytes / 1024).toFixed(0)} KB into localStorage: median ${ms(c.median)}, max ${ms(c.max)}`);
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
})();
