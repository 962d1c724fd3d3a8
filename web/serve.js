#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// serve.js - serves the browser edition's static site on this machine only.
// Usage: node web/serve.js SITE_FOLDER [PORT]   (PORT 0 picks a free one)
// Prints "Serving SITE at http://127.0.0.1:PORT/" once it listens. A request
// that accepts gzip gets the precompressed FILE.gz beside FILE when there is one.
"use strict";
const http = require("http");
const fs = require("fs");
const path = require("path");

// Content type by file ending; anything else is served as bytes.
const TYPES = {
  ".html": "text/html; charset=utf-8",   // pages
  ".css": "text/css; charset=utf-8",     // the pages' style
  ".js": "text/javascript; charset=utf-8", // loader, glue, package index
  ".wasm": "application/wasm",           // the game (streaming compile needs this type)
  ".png": "image/png",                   // the icon
  ".data": "application/octet-stream",   // the packed pictures
};

function startServer(root, port, onListening) {
  root = path.resolve(root);
  const server = http.createServer((req, res) => {
    let rel;
    try {
      rel = decodeURIComponent(new URL(req.url, "http://localhost").pathname);
    } catch (e) {
      res.writeHead(400).end();
      return;
    }
    if (rel.endsWith("/")) rel += "index.html";
    const file = path.join(root, path.normalize(rel));
    if (file !== root && !file.startsWith(root + path.sep)) {  // no way out of the site
      res.writeHead(403).end();
      return;
    }
    fs.stat(file, (err, st) => {
      if (!err && st.isDirectory()) {
        res.writeHead(301, { Location: rel + "/" }).end();
        return;
      }
      if (err || !st.isFile()) {
        res.writeHead(404, { "Content-Type": "text/plain" }).end("not found: " + rel + "\n");
        return;
      }
      const headers = {
        "Content-Type": TYPES[path.extname(file)] || "application/octet-stream",
        "Cache-Control": "no-cache",  // a rebuilt site is seen at the next load
      };
      let send = file;
      let size = st.size;
      const gz = file + ".gz";
      if (/\bgzip\b/.test(req.headers["accept-encoding"] || "") && fs.existsSync(gz)) {
        send = gz;
        size = fs.statSync(gz).size;
        headers["Content-Encoding"] = "gzip";
        headers["Vary"] = "Accept-Encoding";
      }
      headers["Content-Length"] = size;
      res.writeHead(200, headers);
      if (req.method === "HEAD") {
        res.end();
        return;
      }
      fs.createReadStream(send).pipe(res);
    });
  });
  server.listen(port, "127.0.0.1", () => onListening(server.address().port));
  return server;
}

module.exports = { startServer };

if (require.main === module) {
  const root = process.argv[2];
  const port = Number(process.argv[3] || 8700);
  if (!root || !fs.existsSync(path.join(root, "index.html"))) {
    console.error("usage: serve.js SITE_FOLDER [PORT] (the folder needs an index.html)");
    process.exit(2);
  }
  const server = startServer(root, port, (p) => {
    console.log(`Serving ${root} at http://127.0.0.1:${p}/ (Ctrl+C stops)`);
  });
  server.on("error", (e) => {
    console.error(`Cannot serve on 127.0.0.1:${port}: ${e.message}`);
    process.exit(1);
  });
}
