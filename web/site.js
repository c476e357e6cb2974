// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the program into the page with a progress bar, and gives it what a
// browser has in place of a printer and a screen reader's notifications.
"use strict";
(() => {
  const wasmBytes = Number(document.currentScript.dataset.wasmBytes);
  const screen = document.getElementById("pantalla");
  const status = document.getElementById("estado");
  const message = document.getElementById("mensaje");
  const progress = document.getElementById("progreso");
  const percentage = document.getElementById("porcentaje");
  const announcement = document.getElementById("anuncio");

  function tell(text) {
    status.hidden = false;
    progress.hidden = percentage.hidden = true;
    message.textContent = text;
  }

  function download(url) {
    const link = document.createElement("a");
    link.href = url;
    link.download = "zarandola-informe.pdf";
    link.click();
  }

  // The page of "Imprimir": the browser's print dialog on it where the
  // browser shows PDFs, else a download. Nothing is kept.
  function printPdf(bytes) {
    try {
      const url = URL.createObjectURL(new Blob([bytes], { type: "application/pdf" }));
      setTimeout(() => URL.revokeObjectURL(url), 120000);
      if (!navigator.pdfViewerEnabled) {
        download(url);
        return true;
      }
      const frame = document.createElement("iframe");
      frame.className = "solo-lectores";
      frame.title = "Informe de Zarandola";
      frame.addEventListener("load", () => {
        try {
          frame.contentWindow.print();
        } catch {
          download(url);  // a viewer that does not print from a frame
        }
      });
      frame.src = url;
      document.body.append(frame);
      setTimeout(() => frame.remove(), 120000);
      return true;
    } catch {
      return false;
    }
  }

  globalThis.zarandola = {
    printPdf,
    say(sentence) {
      announcement.textContent = sentence;
    },
    ended() {
      screen.hidden = true;
      tell("Zarandola ha terminado. Ya puede cerrar esta pestaña.");
    },
  };

  async function showProgress(download) {
    const reader = download.getReader();
    for (let received = 0; ;) {
      const { done, value } = await reader.read();
      if (done) return;
      received += value.length;
      const share = Math.min(100, Math.floor((100 * received) / wasmBytes));
      progress.value = share;
      percentage.textContent = `${share} %`;
    }
  }

  // The program's code, compiled as it downloads, with the share of it
  // downloaded on the progress bar.
  async function fetchProgram() {
    const response = await fetch("zarandola.wasm");
    if (!response.ok) throw new Error(`${response.status} ${response.statusText}`);
    const [counted, compiled] = response.body.tee();
    showProgress(counted).catch(() => {});  // a failed download fails the compilation too
    return WebAssembly.compileStreaming(new Response(compiled, { headers: { "Content-Type": "application/wasm" } }));
  }

  async function start() {
    if (typeof WebAssembly !== "object") {
      tell("Este navegador no puede ejecutar WebAssembly, que Zarandola necesita. " +
           "Ábrala con un navegador actual.");
      return;
    }
    let program;
    try {
      program = await fetchProgram();
    } catch (error) {
      tell(`No se ha podido descargar Zarandola (${error.message}). ` +
           "Compruebe la conexión y vuelva a cargar la página.");
      return;
    }
    await qtLoad({
      qt: {
        containerElements: [screen],
        module: Promise.resolve(program),
        entryFunction: globalThis.zarandola_entry,
        onLoaded: () => { status.hidden = true; },
        onExit: (exit) => { if (exit.crashed) tell(`Zarandola se ha detenido por un error: ${exit.text}`); },
      },
    });
  }

  if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js").catch(() => {});
  start();
})();
