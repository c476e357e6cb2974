// SPDX-License-Identifier: GPL-3.0-or-later
// How heavy and how quick the site is, as a student meets it cold: what the
// page downloads as the host compresses it, and on a throttled line, when the
// window is on screen and when it takes a count; then how long 35,000,000
// trials take. Figures for the record (bench/README.md), not a test.
// Usage: node web_page.mjs URL CHROMIUM NPM_FOLDER
import { createRequire } from "node:module";

const [url, executablePath, modules] = process.argv.slice(2);
const puppeteer = createRequire(`${modules}/`)("puppeteer-core");
const browser = await puppeteer.launch({ executablePath, headless: true, args: ["--no-sandbox", "--accept-lang=es-ES"] });

// A cold visit on a line of so many Mbit/s with 40 ms round trips.
async function coldVisit(megabits) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const client = await page.createCDPSession();
  await client.send("Network.enable");
  await client.send("Network.setCacheDisabled", { cacheDisabled: true });
  const bytes = megabits * 1e6 / 8;
  await client.send("Network.emulateNetworkConditions",
    { offline: false, latency: 40, downloadThroughput: bytes, uploadThroughput: bytes });
  let received = 0;
  client.on("Network.loadingFinished", (event) => { received += event.encodedDataLength; });
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((_, observer) => {
      if (!document.documentElement.hasAttribute("data-ready")) return;
      globalThis.readyAt = performance.now();
      observer.disconnect();
    }).observe(document, { attributes: true, subtree: true, attributeFilter: ["data-ready"] });
  });
  await page.goto(url);
  await page.waitForSelector("html[data-ready]");
  await new Promise((resolve) => setTimeout(resolve, 1500));  // what else the page fetches: the worker's copy, the icons
  const times = await page.evaluate(() => ({
    painted: performance.getEntriesByName("first-contentful-paint")[0].startTime, ready: globalThis.readyAt }));
  await context.close();
  return { megabits, ...times, received };
}

async function longRun() {
  const page = await browser.newPage();
  await page.goto(url);
  await page.waitForSelector("html[data-ready]");
  const times = [];
  for (let run = 0; run < 3; run++) {
    await page.$eval("#numexp", (box) => { box.value = "35000000"; box.focus(); });
    const started = Date.now();
    await page.keyboard.press("Enter");
    await page.waitForFunction(() => document.getElementById("premed").value.trim() !== "", { polling: 5 });
    times.push(Date.now() - started);
    await page.$eval("#premed", (box) => { box.value = ""; });
  }
  return Math.min(...times);
}

for (const megabits of [10, 1]) {
  const visit = await coldVisit(megabits);
  console.log(`${megabits} Mbit/s, 40 ms: window on screen at ${Math.round(visit.painted)} ms, ` +
    `ready for a count at ${Math.round(visit.ready)} ms; ${(visit.received / 1024).toFixed(1)} KiB received`);
}
console.log(`35,000,000 trials: ${await longRun()} ms (the best of three)`);
await browser.close();
