// SPDX-License-Identifier: MIT
// loader.js - starts an edition's page: checks the browser, fetches the game and
// its pictures with a loading bar in bytes, then runs the game on the canvas.
// The page defines HOLLOWMERE (paths, sizes, texts) before this script.
(function () {
  "use strict";
  var cfg = window.HOLLOWMERE;
  var canvas = document.getElementById("canvas");
  var loading = document.getElementById("loading");
  var bar = document.getElementById("loading-bar");
  var bytesLabel = document.getElementById("loading-bytes");
  var message = document.getElementById("message");
  var fullscreenButton = document.getElementById("fullscreen");
  var MB = 1024 * 1024;

  // "{0} of {1}" with the arguments in order
  function format(text) {
    var args = arguments;
    return text.replace(/\{(\d)\}/g, function (_, i) { return args[Number(i) + 1]; });
  }

  // Shows a message in place of the game; the first one stays (it names the cause).
  function fail(text) {
    if (!message.hidden) return;
    loading.hidden = true;
    message.textContent = text;
    message.hidden = false;
    window.hollowmereError = text;  // for the page's tests
  }

  if (typeof WebAssembly !== "object" || typeof WebAssembly.instantiate !== "function") {
    fail(cfg.texts.noWasm);
    return;
  }

  // ---- no context menu over the game, full screen from the button, F9 and Alt+Enter ----
  document.addEventListener("contextmenu", function (e) { e.preventDefault(); });
  function toggleFullscreen() {
    if (document.fullscreenElement) document.exitFullscreen().catch(function () {});
    else if (document.documentElement.requestFullscreen)
      document.documentElement.requestFullscreen().catch(function () {});
    canvas.focus();
  }
  fullscreenButton.addEventListener("click", toggleFullscreen);
  // The browser grants full screen only inside the key's own handler, so the page
  // does it here; the game sees the key as well and leaves the window to the page.
  window.addEventListener("keydown", function (e) {
    if (e.key === "F9" || (e.key === "Enter" && e.altKey)) toggleFullscreen();
  }, true);

  // ---- loading with a bar in bytes ----
  var received = {};  // bytes arrived so far, by file
  var total = cfg.dataBytes + cfg.wasmBytes;
  function showProgress() {
    var sum = 0;
    for (var k in received) sum += received[k];
    bar.style.width = Math.min(100, (100 * sum) / total).toFixed(1) + "%";
    bytesLabel.textContent = format(cfg.texts.megabytes, (sum / MB).toFixed(1), (total / MB).toFixed(1));
  }

  // The whole file as an ArrayBuffer, counting bytes as they come (after the
  // transfer's own decompression, so they add up to the sizes in HOLLOWMERE).
  function fetchCounted(url) {
    received[url] = 0;
    return fetch(url).then(function (response) {
      if (!response.ok) throw new Error(url + ": HTTP " + response.status + " " + response.statusText);
      if (!response.body || !response.body.getReader) return response.arrayBuffer();
      var reader = response.body.getReader();
      var parts = [];
      function pump() {
        return reader.read().then(function (step) {
          if (step.done) return;
          parts.push(step.value);
          received[url] += step.value.length;
          showProgress();
          return pump();
        });
      }
      return pump().then(function () {
        var whole = new Uint8Array(received[url]);
        var at = 0;
        parts.forEach(function (p) { whole.set(p, at); at += p.length; });
        return whole.buffer;
      });
    }, function (err) {
      throw new Error(url + ": " + err.message);
    });
  }

  function loadScript(url) {
    return new Promise(function (resolve, reject) {
      var s = document.createElement("script");
      s.src = url;
      s.onload = resolve;
      s.onerror = function () { reject(new Error(url)); };
      document.body.appendChild(s);
    });
  }

  showProgress();
  var data = null;
  // page times of the loading steps, for the measurements
  window.hollowmereTimes = { start: performance.now() };
  window.Module = {
    canvas: canvas,
    // the packed pictures come from our own fetch with its progress
    getPreloadedPackage: function () { var d = data; data = null; return d; },
    locateFile: function (path) { return /\.data$/.test(path) ? cfg.data : path; },
    print: function (text) { console.log(text); },
    printErr: function (text) { console.warn(text); },
    onRuntimeInitialized: function () {
      window.hollowmereTimes.running = performance.now();
      loading.hidden = true;
      canvas.focus();
    },
    onAbort: function (what) { fail(format(cfg.texts.stopped, String(what))); }
  };
  window.addEventListener("error", function (e) {
    if (e.message) fail(format(cfg.texts.stopped, e.message));
  });

  Promise.all([fetchCounted(cfg.data), fetchCounted(cfg.wasm)])
    .then(function (files) {
      window.hollowmereTimes.fetched = performance.now();
      data = files[0];
      Module.wasmBinary = files[1];
      return loadScript(cfg.dataScript).then(function () { return loadScript(cfg.script); });
    })
    .catch(function (err) { fail(format(cfg.texts.loadFailed, err.message)); });
})();
