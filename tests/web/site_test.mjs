// SPDX-License-Identifier: GPL-3.0-or-later
// The site as a user meets it, in a headless browser driven by puppeteer-core:
// each case opens the page afresh, in the case's language, and works the
// window by keyboard, mouse or touch, as a person would; what is drawn is
// checked on the screen itself.
// Usage: node site_test.mjs URL chromium|firefox BROWSER_EXECUTABLE WORK_FOLDER NPM_FOLDER
// WORK_FOLDER holds release-a, release-b (served through the link "current") and the one-file page.
import { execFileSync } from "node:child_process";
import { rmSync, symlinkSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";

const [url, browserName, executablePath, work, modules] = process.argv.slice(2);
const puppeteer = createRequire(`${modules}/`)("puppeteer-core");
const chromium = browserName === "chromium";
const nameOf = {
  trials: "Indica el número de veces que haremos la simulación",
  count: "Cerezas, nº de veces",
  percent: "Cerezas, %",
  average: "Premio medio",
};

// Every text box of the window by its accessible name: its value, and where it is.
async function textBoxes(page, where = false) {
  return page.evaluate((where) => Object.fromEntries([...document.querySelectorAll("#frmzarandola input")]
    .map((element) => {
      const { x, y, width, height } = element.getBoundingClientRect();
      return [element.getAttribute("aria-label"), where ? [x + width / 2, y + height / 2] : element.value];
    })), where);
}

// Types the count into its box, as a person does: a click into the box, all of it chosen, the count.
async function typeCount(page, count) {
  const [x, y] = (await textBoxes(page, true))[nameOf.trials];
  await page.mouse.click(x, y, { clickCount: 3 });
  await page.keyboard.type(count);
}

async function until(what, condition, seconds = 20) {
  for (const end = Date.now() + seconds * 1000; Date.now() < end; await new Promise((r) => setTimeout(r, 100)))
    if (await condition()) return;
  throw new Error(`waited ${seconds} s for ${what}`);
}

async function withKey(page, modifier, key) {
  await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  await page.keyboard.up(modifier);
}

async function simulate(page, count) {
  await typeCount(page, count);
  await page.keyboard.press("Enter");
  await until("the figures", async () => (await textBoxes(page))[nameOf.average] !== "");
  return textBoxes(page);
}

// A run of 20000 trials in the given format: the counts add up to the trials,
// the percentages to 100, and every figure is written with the separators.
function checkFigures(boxes, decimal, thousands) {
  const number = (text) => Number(text.replaceAll(thousands, "").replace(decimal, "."));
  const fruits = ["Limones", "Manzanas", "Cerezas", "Sin premio"];
  const counts = fruits.map((fruit) => number(boxes[`${fruit}, nº de veces`]));
  const percents = fruits.map((fruit) => number(boxes[`${fruit}, %`]));
  check(counts.reduce((a, b) => a + b) === 20000, `counts ${counts} add up to 20000`);
  check(Math.abs(percents.reduce((a, b) => a + b) - 100) < 0.05, `percentages ${percents} add up to 100`);
  check(new RegExp(`^\\d{1,2}\\${thousands}\\d{3}$`).test(boxes[nameOf.count]), `count ${boxes[nameOf.count]}`);
  check(new RegExp(`^\\d+\\${decimal}\\d{2}$`).test(boxes[nameOf.average]), `average ${boxes[nameOf.average]}`);
}

function check(condition, what) {
  if (!condition) throw new Error(`not so: ${what}`);
}

// What is wrong with the window as drawn, after a run: for every control of
// the program's table, its box where the table puts it, its text inside its
// box and the control topmost at its centre; and each figure on the screen in
// its colours.
async function drawingFaults(page) {
  await simulate(page, "20000");
  return page.evaluate(async (shot) => {
    const program = await loadZarandola({ locateFile: () => document.querySelector("[data-wasm]").dataset.wasm });
    const image = new Image();  // the screenshot, decoded by the browser itself
    image.src = `data:image/png;base64,${shot}`;
    await image.decode();
    const screen = new OffscreenCanvas(image.width, image.height).getContext("2d");
    screen.drawImage(image, 0, 0);
    const origin = document.getElementById("frmzarandola").getBoundingClientRect();
    const faults = [];
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
      if (element.tagName !== "INPUT" || !element.value.trim() || !control.ink) continue;
      const { data } = screen.getImageData(box.left + 2, box.top + 2, box.width - 4, box.height - 4);
      let inkDots = 0, paperDots = 0;
      for (let at = 0; at < data.length; at += 4) {
        const near = (colour) => colour.every((value, i) => Math.abs(value - data[at + i]) <= 8);
        inkDots += near(control.ink);
        paperDots += near(control.paper);
      }
      if (inkDots < 4 || paperDots < data.length / 8) faults.push(`${control.name}'s figure not seen in its colours`);
    }
    return faults;
  }, await page.screenshot({ encoding: "base64" }));
}

// Faults planted in the page, one at a time: each must be found.
const planted = {
  "a button moved by 2 px": () => { document.getElementById("Simular").style.left = "26px"; },
  "a caption too long for its box": () => { document.getElementById("Label5").textContent += " ¿Y cuánto más?"; },
  "an element laid over a box": () => document.getElementById("limon").parentElement
    .insertAdjacentHTML("beforeend", '<div style="position:absolute;inset:0"></div>'),
  "a colour lost": () => { document.getElementById("limonp").style.color = "black"; },
  "the window under a grey layer": () => document.body
    .insertAdjacentHTML("beforeend", '<div style="position:fixed;inset:0;background:#d3d3d3;pointer-events:none"></div>'),
};

const cases = [
  ["es-ES: a run gives its figures in Spanish format", "es-ES", async (page) => {
    checkFigures(await simulate(page, "20000"), ",", ".");
  }, { firefox: true }],
  ["en-US: the same in English format", "en-US", async (page) => {
    checkFigures(await simulate(page, "20000"), ".", ",");
  }, { firefox: true }],
  ["a browser with no separators of its own gets the Spanish ones", "en-US", async (page) => {
    checkFigures(await simulate(page, "20000"), ",", ".");
  }, { firefox: true, before: () => { delete Intl.NumberFormat.prototype.formatToParts; } }],
  ["a bad count gets its message; Enter closes it, the focus returns, the window stays", "es-ES", async (page) => {
    const before = await simulate(page, "20000");
    const message = () => page.$eval("#mensaje", (dialog) => dialog.open && dialog.textContent);
    await page.keyboard.type("doce");  // after the count: "20000doce"
    await page.keyboard.press("Enter");
    await until("the message", async () => /no es un número[\s\S]*con cifras/.test(await message()));
    await page.keyboard.press("Enter");
    await until("the message closed", async () => !(await message()));
    check(await page.evaluate(() => document.activeElement.getAttribute("aria-label")) === nameOf.trials, "focus back");
    const after = await textBoxes(page);
    for (const name of Object.keys(before)) if (name !== nameOf.trials) check(after[name] === before[name], `${name} unchanged`);
  }, { firefox: true }],
  ["Borrar clears the figures and the announcement", "es-ES", async (page) => {
    await simulate(page, "20000");
    await withKey(page, "Alt", "KeyB");
    await until("empty boxes", async () => Object.values(await textBoxes(page)).every((v) => v === ""));
    check((await page.$eval("#anuncio", (e) => e.textContent)) === "", "the announcement gone");
    await withKey(page, "Control", "KeyE");
    await until("the picture's words for no run", () => page.$eval("#evolucion", (d) => d.open && !d.querySelector("svg")));
  }, { firefox: true }],
  ["the accessibility tree names every box, describes it, and hears the answer once", "es-ES", async (page) => {
    const client = await page.createCDPSession();
    const tree = async () => (await client.send("Accessibility.getFullAXTree")).nodes;
    await simulate(page, "20000");
    const nodes = await tree();
    const named = (role) => nodes.filter((n) => n.role?.value === role).map((n) => n.name?.value ?? "");
    for (const button of ["Simular", "Borrar", "Imprimir", "Terminar"])
      check(named("button").includes(button), `a button named ${button} among ${named("button")}`);
    const boxes = nodes.filter((n) => n.role?.value === "textbox" && n.name?.value);
    check(boxes.length === 15, `fifteen named text boxes: ${boxes.map((n) => n.name.value)}`);
    const lemons = boxes.find((n) => n.name.value === "Limones, nº de veces");
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
  ["a phone and a tablet, by touch: the window fits the width, and a count typed runs", "es-ES", async (page) => {
    const tap = async (selector) => {
      const { x, y, width, height } = await page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
      await page.touchscreen.tap(x + width / 2, y + height / 2);
    };
    for (const [width, height, deviceScaleFactor] of [[390, 844, 3], [800, 1280, 2]]) {
      await page.setViewport({ width, height, deviceScaleFactor, isMobile: true, hasTouch: true });
      await page.reload();
      await page.waitForSelector("html[data-ready]");
      const right = await page.$eval("#frmzarandola", (window_) => window_.getBoundingClientRect().right);
      check(right <= width + 0.5, `the window within a screen ${width} px wide: its right at ${right}`);
      await tap(`[aria-label="${nameOf.trials}"]`);
      await page.evaluate(() => { document.activeElement.value = ""; });
      await page.keyboard.sendCharacter("20000");  // as an on-screen keyboard types: Input.insertText
      await tap('[data-command="simulate"]');
      await until("the figures", async () => (await textBoxes(page))[nameOf.average] !== "");
      checkFigures(await textBoxes(page), ",", ".");
    }
  }],
  ["Imprimir prints one page with the figures, in Comic Neue", "es-ES", async (page) => {
    const boxes = await simulate(page, "20000");
    await page.evaluate(() => { window.print = () => { document.body.dataset.printed = ""; }; });
    await withKey(page, "Alt", "KeyI");
    await page.waitForSelector("body[data-printed]");
    const pdf = `${work}/informe.pdf`;
    writeFileSync(pdf, await page.pdf({ format: "A4" }));
    check(/^Pages:\s+1$/m.test(execFileSync("pdfinfo", [pdf]).toString()), "one page");
    const text = execFileSync("pdftotext", ["-layout", pdf, "-"]).toString();
    for (const figure of ["20.000", boxes[nameOf.average], boxes[nameOf.percent]])
      check(text.includes(figure), `the page holds ${figure}`);
    check(/ComicNeue/.test(execFileSync("pdffonts", [pdf]).toString()), "printed in Comic Neue");
  }],
  ["Terminar ends the program, and the page says that the tab may be closed", "es-ES", async (page) => {
    await page.keyboard.press("Escape");
    await until("the page's word", () => page.$eval("#final", (end) => !end.hidden && end.textContent));
    check(await page.$eval("#pantalla", (screen) => screen.hidden), "the window gone");
  }, { firefox: true }],
  ["a reload with the network cut is served by the service worker; the site installs", "es-ES", async (page) => {
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
    if (only?.before) await page.evaluateOnNewDocument(only.before);
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
