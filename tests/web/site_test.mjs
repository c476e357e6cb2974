// SPDX-License-Identifier: GPL-3.0-or-later
// The site as a user meets it, in a headless browser driven by puppeteer-core:
// each case opens the page afresh, in the case's language, and works the
// window by keyboard, mouse or touch, finding its boxes by their names; what
// is drawn is checked on the screen itself.
// Usage: node site_test.mjs URL chromium|firefox BROWSER_EXECUTABLE WORK_FOLDER NPM_FOLDER
// WORK_FOLDER holds the site's two releases for the returning student
// (release-a, release-b, served through the link "current") and the one-file page.
import { execFileSync } from "node:child_process";
import { rmSync, symlinkSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { inflateSync } from "node:zlib";

const [url, browserName, executablePath, work, modules] = process.argv.slice(2);
const puppeteer = createRequire(`${modules}/`)("puppeteer-core");
const chromium = browserName === "chromium";
const names = { trials: "Indica el número de veces que haremos la simulación", average: "Premio medio",
  count: "Cerezas, nº de veces", percent: "Cerezas, %" };

function check(condition, what) {
  if (!condition) throw new Error(`not so: ${what}`);
}

async function until(what, condition, seconds = 20) {
  for (const end = Date.now() + seconds * 1000; Date.now() < end; await new Promise((r) => setTimeout(r, 100)))
    if (await condition()) return;
  throw new Error(`waited ${seconds} s for ${what}`);
}

// The window's text boxes by their accessible names: their texts, or their centres.
function boxes(page, centres = false) {
  return page.evaluate((centres) => Object.fromEntries([...document.querySelectorAll("#frmzarandola input")]
    .map((box) => {
      const { x, y, width, height } = box.getBoundingClientRect();
      return [box.getAttribute("aria-label"), centres ? [x + width / 2, y + height / 2] : box.value];
    })), centres);
}

async function withKey(page, modifier, key) {
  await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  await page.keyboard.up(modifier);
}

async function simulate(page, count) {
  const [x, y] = (await boxes(page, true))[names.trials];
  await page.mouse.click(x, y, { clickCount: 3 });
  await page.keyboard.type(count);
  await page.keyboard.press("Enter");
  await until("the figures", async () => !/^ ?$/.test((await boxes(page))[names.average]));
  return boxes(page);
}

// A run of 20000 trials in the given format: the counts add up to the trials,
// the percentages to 100, and every figure is written with the separators.
function checkFigures(shown, decimal, group) {
  const number = (text) => Number(text.replaceAll(group, "").replace(decimal, "."));
  const fruits = ["Limones", "Manzanas", "Cerezas", "Sin premio"];
  const counts = fruits.map((fruit) => number(shown[`${fruit}, nº de veces`]));
  const percents = fruits.map((fruit) => number(shown[`${fruit}, %`]));
  check(counts.reduce((a, b) => a + b) === 20000, `counts ${counts} add up to 20000`);
  check(Math.abs(percents.reduce((a, b) => a + b) - 100) < 0.05, `percentages ${percents} add up to 100`);
  check(new RegExp(`^\\d{1,2}\\${group}\\d{3}$`).test(shown[names.count]), `count ${shown[names.count]}`);
  check(new RegExp(`^\\d+\\${decimal}\\d{2}$`).test(shown[names.average]), `average ${shown[names.average]}`);
}

// A screenshot's pixels, from Chromium's and Firefox's PNGs: 8 bits a
// channel, RGB or RGBA, not interlaced.
function pixels(png) {
  const width = png.readUInt32BE(16), height = png.readUInt32BE(20), channels = png[25] === 6 ? 4 : 3;
  const chunks = [];
  for (let at = 8; at < png.length; at += png.readUInt32BE(at) + 12)
    if (png.toString("latin1", at + 4, at + 8) === "IDAT") chunks.push(png.subarray(at + 8, at + 8 + png.readUInt32BE(at)));
  const packed = inflateSync(Buffer.concat(chunks)), row = width * channels, out = Buffer.alloc(row * height);
  for (let y = 0; y < height; y++) {
    const filter = packed[y * (row + 1)];
    for (let x = 0; x < row; x++) {
      const left = x >= channels ? out[y * row + x - channels] : 0, up = y ? out[(y - 1) * row + x] : 0;
      const corner = y && x >= channels ? out[(y - 1) * row + x - channels] : 0;
      const p = left + up - corner, [pa, pb, pc] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - corner)];
      const predicted = [0, left, up, (left + up) >> 1, pa <= pb && pa <= pc ? left : pb <= pc ? up : corner][filter];
      out[y * row + x] = (packed[y * (row + 1) + 1 + x] + predicted) & 255;
    }
  }
  return { width, at: (x, y) => [...out.subarray((y * width + x) * channels, (y * width + x) * channels + 3)] };
}

// What is wrong with the window as drawn, after a run: for every control of
// the program's table, its box where the table puts it, its text inside its
// box and the control topmost at its centre; and each figure on the screen in
// its colours.
async function drawingFaults(page) {
  await simulate(page, "20000");
  const found = await page.evaluate(async () => {
    const program = await loadZarandola({ locateFile: () => document.querySelector("[data-wasm]").dataset.wasm });
    const origin = document.getElementById("frmzarandola").getBoundingClientRect();
    const faults = [], figures = [];
    for (const control of program.controls()) {
      const element = document.getElementById(control.name), box = element.getBoundingClientRect();
      const place = [box.left - origin.left, box.top - origin.top, box.width, box.height];
      if (["left", "top", "width", "height"].some((side, i) => Math.abs(place[i] - control[side]) > 1))
        faults.push(`${control.name} at ${place.join(",")}`);
      const text = document.createRange();
      text.selectNodeContents(element);
      const inked = text.getBoundingClientRect();
      if (element.scrollWidth > element.clientWidth + 1 || element.scrollHeight > element.clientHeight + 1 ||
          inked.width && (inked.left < box.left || inked.right > box.right || inked.bottom > box.bottom + 1))
        faults.push(`${control.name}'s text clipped`);
      const topmost = document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2);
      if (!element.contains(topmost)) faults.push(`${topmost?.id || topmost?.tagName} over ${control.name}`);
      if (element.tagName === "INPUT" && element.value.trim() && control.ink)
        figures.push({ name: control.name, box: [box.left, box.top, box.width, box.height], ink: control.ink,
          paper: control.paper });
    }
    return { faults, figures };
  });
  const shot = pixels(Buffer.from(await page.screenshot({ encoding: "base64" }), "base64"));
  const near = (a, b) => a.every((v, i) => Math.abs(v - b[i]) <= 8);
  for (const { name, box: [left, top, width, height], ink, paper } of found.figures) {
    let inked = 0, papered = 0;
    for (let y = Math.ceil(top) + 2; y < top + height - 2; y++)
      for (let x = Math.ceil(left) + 2; x < left + width - 2; x++) {
        const colour = shot.at(x, y);
        inked += near(colour, ink);
        papered += near(colour, paper);
      }
    if (inked < 4 || papered < (width - 4) * (height - 4) / 2) found.faults.push(`${name}'s figure not seen in its colours`);
  }
  return found.faults;
}

// Faults planted in the page, one at a time: each must be found.
const planted = {
  "a button moved by 2 px": () => { document.getElementById("Simular").style.left = "26px"; },
  "a caption too long for its box": () => { document.getElementById("Label5").textContent += " ¿Y cuánto más?"; },
  "an element laid over a box": () => {
    const cover = Object.assign(document.createElement("div"), { id: "encima" });
    cover.style.cssText = "position:absolute;left:0;top:0;width:100%;height:100%";
    document.getElementById("limon").parentElement.append(cover);
  },
  "a colour lost": () => { document.getElementById("limonp").style.color = "black"; },
  "the window under a grey layer": () => {
    const layer = document.createElement("div");
    layer.style.cssText = "position:fixed;inset:0;background:#d3d3d3;pointer-events:none";
    document.body.append(layer);
  },
};

const cases = [
  ["es-ES: a run gives its figures in Spanish format", "es-ES", async (page) => {
    checkFigures(await simulate(page, "20000"), ",", ".");
  }, { firefox: true }],
  ["en-US: the same in English format", "en-US", async (page) => {
    checkFigures(await simulate(page, "20000"), ".", ",");
  }, { firefox: true }],
  ["a bad count gets its message; Enter closes it, the focus returns, the window stays", "es-ES", async (page) => {
    const shown = await simulate(page, "20000");
    const message = () => page.$eval("#mensaje", (dialog) => dialog.open && dialog.textContent);
    await page.keyboard.type("doce");  // after the count: "20000doce"
    await page.keyboard.press("Enter");
    await until("the message", async () => /no es un número[\s\S]*con cifras/.test(await message()));
    await page.keyboard.press("Enter");
    await until("the message closed", async () => !(await message()));
    check(await page.evaluate(() => document.activeElement.getAttribute("aria-label")) === names.trials, "focus back");
    const now = await boxes(page);
    for (const name of Object.keys(shown)) if (name !== names.trials) check(now[name] === shown[name], `${name} kept`);
  }, { firefox: true }],
  ["Borrar clears every box and the announcement", "es-ES", async (page) => {
    await simulate(page, "20000");
    await withKey(page, "Alt", "KeyB");
    await until("empty boxes", async () => Object.values(await boxes(page)).every((text) => text === ""));
    check((await page.$eval("#anuncio", (live) => live.textContent)) === "", "the announcement gone");
  }, { firefox: true }],
  ["the accessibility tree names every box, describes it, and hears the answer once", "es-ES", async (page) => {
    const client = await page.createCDPSession();
    await simulate(page, "20000");
    const { nodes } = await client.send("Accessibility.getFullAXTree");
    const named = (role) => nodes.filter((n) => n.role?.value === role).map((n) => n.name?.value ?? "");
    for (const button of ["Simular", "Borrar", "Imprimir", "Terminar"])
      check(named("button").includes(button), `a button named ${button} among ${named("button")}`);
    const textBoxes = nodes.filter((n) => n.role?.value === "textbox" && n.name?.value);
    check(textBoxes.length === 15, `fifteen named text boxes: ${textBoxes.map((n) => n.name.value)}`);
    const lemons = textBoxes.find((n) => n.name.value === "Limones, nº de veces");
    check(/^\d+$/.test(lemons?.value?.value ?? ""), `the lemons' box has its figure: ${lemons?.value?.value}`);
    check(/^Resultado de la última simulación/.test(lemons?.description?.value), "the lemons' box described");
    const live = nodes.filter((n) => n.properties?.some((p) => p.name === "live" && p.value.value === "polite"));
    const byId = new Map(nodes.map((n) => [n.nodeId, n]));
    const heard = live.flatMap((n) => n.childIds.map((id) => byId.get(id)?.name?.value)).join("|");
    check((heard.match(/20\.000 tiradas: premio medio \d+,\d\d pta; precio justo 61,11 pta/g) ?? []).length === 1,
      `the answer heard once: ${heard}`);
  }],
  ["Ctrl+E opens the picture of the average, drawn, and said in words", "es-ES", async (page) => {
    await simulate(page, "20000");
    await withKey(page, "Control", "KeyE");
    await until("the picture", () => page.$eval("#evolucion", (dialog) => dialog.open));
    const picture = await page.$eval("#evolucion-dibujo", (figure) => ({ name: figure.getAttribute("aria-label"),
      description: figure.getAttribute("aria-description"), lines: figure.querySelectorAll("polyline").length,
      inside: figure.querySelector("svg").getBoundingClientRect().right <= figure.getBoundingClientRect().right }));
    check(picture.name === "Gráfico de la evolución del premio medio" && picture.lines === 1, "the path drawn");
    check(picture.inside, "the picture whole within its dialog");
    check(/^Tras 10 tiradas, [\d,]+ pta; .*tras 20\.000, [\d,]+ pta; precio justo 61,11 pta\.$/
      .test(picture.description), `described: ${picture.description}`);
    await page.keyboard.press("Escape");
    await until("the picture closed", async () => !(await page.$eval("#evolucion", (dialog) => dialog.open)));
  }, { firefox: true }],
  ["the window is drawn as the table says, and each planted fault is found", "es-ES", async (page) => {
    const faults = await drawingFaults(page);
    check(faults.length === 0, `drawn right: ${faults}`);
    for (const [fault, plant] of Object.entries(planted)) {
      await page.reload();
      await page.waitForSelector("html[data-ready]");
      await page.evaluate(plant);
      check((await drawingFaults(page)).length > 0, `${fault} found`);
    }
  }, { firefox: true }],
  ["a phone, by touch: the window fits its width, and a count typed runs", "es-ES", async (page) => {
    await touchRun(page, { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  }],
  ["a tablet, by touch", "es-ES", async (page) => {
    await touchRun(page, { width: 800, height: 1280, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
  }],
  ["Imprimir prints one page with the figures, in Comic Neue", "es-ES", async (page) => {
    const shown = await simulate(page, "20000");
    await page.evaluate(() => { window.print = () => { document.body.dataset.printed = ""; }; });
    await withKey(page, "Alt", "KeyI");
    await page.waitForSelector("body[data-printed]");
    const pdf = `${work}/informe.pdf`;
    writeFileSync(pdf, await page.pdf({ format: "A4" }));
    check(/^Pages:\s+1$/m.test(execFileSync("pdfinfo", [pdf]).toString()), "one page");
    const text = execFileSync("pdftotext", ["-layout", pdf, "-"]).toString();
    for (const figure of ["20.000", shown[names.average], shown[names.percent]])
      check(text.includes(figure), `the page holds ${figure}`);
    check(/ComicNeue/.test(execFileSync("pdffonts", [pdf]).toString()), "printed in Comic Neue");
  }],
  ["Terminar (Esc) ends the program, and the page says the tab may be closed", "es-ES", async (page) => {
    await page.keyboard.press("Escape");
    await until("the page's word", () => page.$eval("#final", (end) => !end.hidden && end.textContent));
    check(await page.$eval("#pantalla", (screen) => screen.hidden), "the window gone");
  }, { firefox: true }],
  ["offline, a reload is served by the service worker; the site installs", "es-ES", async (page) => {
    await page.evaluate(() => navigator.serviceWorker.ready);
    const { installabilityErrors } = await (await page.createCDPSession()).send("Page.getInstallabilityErrors");
    check(installabilityErrors.length === 0, `installable: ${JSON.stringify(installabilityErrors)}`);
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForSelector("html[data-ready]");
    checkFigures(await simulate(page, "20000"), ",", ".");
  }],
  ["a returning student gets a new release by the second reload, from a caching host", "es-ES", async (page) => {
    const release = () => page.evaluate(() => document.documentElement.dataset.version);
    const first = await release();
    await page.evaluate(() => navigator.serviceWorker.ready);
    rmSync(`${work}/current`);
    symlinkSync(`${work}/release-b`, `${work}/current`);
    await page.reload();
    await until("the new release kept", () => page.evaluate(async () => (await caches.keys()).length === 1 &&
      !(await caches.keys())[0].endsWith(document.documentElement.dataset.version)));
    await page.reload();
    await page.waitForSelector("html[data-ready]");
    check((await release()) !== first, `a new release: ${first} then ${await release()}`);
    checkFigures(await simulate(page, "20000"), ",", ".");
  }, { url: "release" }],
  ["the one-file page works from a file:// address", "es-ES", async (page) => {
    checkFigures(await simulate(page, "20000"), ",", ".");
  }, { firefox: true, url: "file" }],
];

async function touchRun(page, viewport) {
  await page.setViewport(viewport);
  await page.reload();
  await page.waitForSelector("html[data-ready]");
  const right = await page.$eval("#frmzarandola", (window_) => window_.getBoundingClientRect().right);
  check(right <= viewport.width + 0.5, `the window within the screen: its right at ${right}`);
  const tap = async (selector) => {
    const { x, y, width, height } = await page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
    await page.touchscreen.tap(x + width / 2, y + height / 2);
  };
  await tap(`[aria-label="${names.trials}"]`);
  await page.evaluate(() => { document.activeElement.value = ""; });
  await page.keyboard.sendCharacter("20000");  // as an on-screen keyboard types: Input.insertText
  await tap('[data-command="simulate"]');
  await until("the figures", async () => (await boxes(page))[names.average] !== " ");
  checkFigures(await boxes(page), ",", ".");
}

let failed = 0;
for (const [name, language, run, only] of cases) {
  if (!chromium && !only?.firefox) continue;
  const started = Date.now();
  const browser = await puppeteer.launch({
    browser: chromium ? "chrome" : "firefox", executablePath, headless: true,
    args: chromium ? ["--no-sandbox", `--accept-lang=${language}`] : [],
    extraPrefsFirefox: { "intl.accept_languages": language, "intl.locale.requested": language },
  });
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 800 });
    const address = { file: `file://${work}/zarandola.html`, release: new URL("../current/", url).href }[only?.url];
    await page.goto(address ?? url);
    await page.waitForSelector("html[data-ready]");
    await run(page);
    console.log(`ok   ${name} (${Date.now() - started} ms)`);
  } catch (error) {
    failed++;
    console.log(`FAIL ${name}: ${error.message}`);
  } finally {
    await browser.close();
  }
}
console.log(`${browserName}: ${cases.filter((c) => chromium || c[3]?.firefox).length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
