// SPDX-License-Identifier: GPL-3.0-or-later
// Wires the window's page to the program: each button's command, the keys of
// the desktop, the messages, the picture of the average, the printed page.
// The program computes and words everything shown; this only carries it.
"use strict";
(() => {
  const screen = document.getElementById("pantalla");
  const window_ = document.getElementById("frmzarandola");
  const boxes = [...window_.querySelectorAll("input")];
  const countBox = window_.querySelector("input[autofocus]");
  const buttons = [...window_.querySelectorAll("button")];
  const button = (command) => buttons.find((candidate) => candidate.dataset.command === command);
  const announcement = document.getElementById("anuncio");
  const message = document.getElementById("mensaje");
  const picture = document.getElementById("evolucion");
  const report = document.getElementById("informe");
  const wasm = document.currentScript.dataset.wasm;

  const program = loadZarandola({ locateFile: () => wasm });

  // The decimal and group separators of the browser's languages, or the
  // program's own Spanish ones where the browser has none.
  function separators(module) {
    try {
      const parts = new Intl.NumberFormat(navigator.languages).formatToParts(1234567.5);
      const part = (type) => parts.find((candidate) => candidate.type === type)?.value;
      if (part("decimal") && part("group")) return [part("decimal").codePointAt(0), part("group").codePointAt(0)];
    } catch {
      // a browser without Intl
    }
    return module.spanishSeparators();
  }

  function say(sentence) {
    announcement.textContent = sentence;
  }

  // The focus goes back where it was when the message closes.
  function showMessage(text, advice) {
    const focused = document.activeElement;
    document.getElementById("mensaje-texto").textContent = text;
    document.getElementById("mensaje-consejo").textContent = advice;
    message.addEventListener("close", () => focused?.focus(), { once: true });
    message.showModal();
  }

  async function simulate() {
    const module = await program;
    const answer = module.simulate(countBox.value, ...separators(module));
    if (answer.message) {
      say("");
      showMessage(answer.message, answer.advice);
      return;
    }
    for (const [name, text] of Object.entries(answer.fields)) document.getElementById(name).value = text;
    say(answer.sentence);
  }

  async function clear() {
    say("");
    for (const box of boxes) box.value = "";
    (await program).forgetRun();
    countBox.focus();
  }

  function texts() {
    return Object.fromEntries(boxes.map((box) => [box.id, box.value]));
  }

  async function fillReport() {
    const module = await program;
    report.innerHTML = module.reportMarkup(texts(), ...separators(module));
  }

  async function print() {
    await fillReport();
    window.print();
  }

  function end() {
    say("");
    for (const dialog of document.querySelectorAll("dialog")) dialog.close();
    screen.hidden = true;
    const ended = document.getElementById("final");
    ended.hidden = false;
    ended.focus();
    document.removeEventListener("keydown", onKey);
  }

  // The picture's texts measured in the page's own faces.
  const context = document.createElement("canvas").getContext("2d");
  const measure = {
    width(font, text) {
      context.font = font;
      return context.measureText(text).width;
    },
    height(font) {
      context.font = font;
      const metrics = context.measureText("Ág");
      return Math.ceil(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
    },
  };

  async function showPicture() {
    const module = await program;
    await document.fonts.ready;
    const width = Math.min(640, document.documentElement.clientWidth - 64);  // within the dialog's margins
    const drawn = module.averagePicture(width, Math.round(width * 0.66), measure, ...separators(module));
    const figure = document.getElementById("evolucion-dibujo");
    document.getElementById("evolucion-titulo").textContent = drawn.title;
    figure.setAttribute("aria-label", drawn.name);
    figure.setAttribute("aria-description", drawn.description);
    if (drawn.svg) figure.innerHTML = drawn.svg;
    else figure.textContent = drawn.noRun;
    picture.showModal();
  }

  const commands = { simulate, clear, print, end };
  for (const candidate of buttons) candidate.addEventListener("click", () => commands[candidate.dataset.command]());

  // The desktop's keys: Alt and a button's letter, Enter for "Simular" but
  // on another button, Esc for "Terminar", Ctrl+E for the picture.
  function onKey(event) {
    if (document.querySelector("dialog[open]")) return;
    const key = event.altKey && !event.ctrlKey && !event.metaKey && event.code.startsWith("Key") && event.code.slice(3);
    const pressed = key && buttons.find((candidate) => candidate.dataset.key === key);
    if (pressed) {
      pressed.focus();
      pressed.click();
    } else if (event.key === "e" && event.ctrlKey && !event.altKey) {
      showPicture();
    } else if (event.key === "Enter" && event.target.tagName !== "BUTTON") {
      button("simulate").click();
    } else if (event.key === "Escape") {
      button("end").click();
    } else {
      return;
    }
    event.preventDefault();
  }
  document.addEventListener("keydown", onKey);
  window.addEventListener("beforeprint", () => { fillReport(); });

  // On a screen narrower than the window, the window shrinks to its width.
  function fitToScreen() {
    const scale = Math.min(1, document.documentElement.clientWidth / window_.offsetWidth);
    window_.style.transform = scale < 1 ? `scale(${scale})` : "";
    screen.style.width = `${window_.offsetWidth * scale}px`;
    screen.style.height = `${window_.offsetHeight * scale}px`;
  }
  window.addEventListener("resize", fitToScreen);
  fitToScreen();

  program.then(() => { document.documentElement.dataset.ready = ""; },
    () => showMessage("No se ha podido cargar Zarandola.",
      "Compruebe la conexión y vuelva a cargar la página."));
  if ("serviceWorker" in navigator && location.protocol.startsWith("http"))
    navigator.serviceWorker.register("sw.js", { updateViaCache: "none" }).catch(() => {});
})();
