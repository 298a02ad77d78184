#!/usr/bin/env node
// Serves a folder of static files on 127.0.0.1, with nothing but node's own
// modules: tools/web serves the site with it, and the browser tests and the
// start-up bench start their own.
//
//   node tools/serve-site.js FOLDER [PORT]
//
// PORT 0 takes any free port; otherwise PORT (8080 when not given) or, where
// that is taken, the next free one.
// The address is printed as the first line ("http://127.0.0.1:8080/"), then
// one line per request, to standard error. Only GET and HEAD of files below
// FOLDER are answered; anything else is 404 or 405.
"use strict";

const fs = require("fs");
const http = require("http");
const path = require("path");

const root = path.resolve(process.argv[2] ?? ".");
const wanted = process.argv[3] === undefined ? 8080 : Number(process.argv[3]);
const types = {
  ".html": "text/html; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".svg": "image/svg+xml",
  ".webmanifest": "application/manifest+json",
  ".json": "application/json",
};

const server = http.createServer((request, response) => {
  const log = (status) => process.stderr.write(`${status} ${request.method} ${request.url}\n`);
  if (request.method !== "GET" && request.method !== "HEAD") {
    response.writeHead(405, { Allow: "GET, HEAD" }).end();
    log(405);
    return;
  }
  let name;
  try {
    name = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
  } catch {
    response.writeHead(400).end();
    log(400);
    return;
  }
  if (name.endsWith("/")) name += "index.html";
  const file = path.join(root, path.normalize(name));
  if (!file.startsWith(root + path.sep)) {
    response.writeHead(404).end();
    log(404);
    return;
  }
  fs.stat(file, (error, stat) => {
    if (error || !stat.isFile()) {
      response.writeHead(404, { "Content-Type": "text/plain" }).end("not found\n");
      log(404);
      return;
    }
    response.writeHead(200, {
      "Content-Type": types[path.extname(file)] ?? "application/octet-stream",
      "Content-Length": stat.size,
      "Cache-Control": "no-cache",
      "X-Content-Type-Options": "nosniff",
    });
    if (request.method === "HEAD") response.end();
    else fs.createReadStream(file).pipe(response);
    log(200);
  });
});

// The wanted port, or the next free one.
let port = wanted;
server.on("error", (error) => {
  if (error.code === "EADDRINUSE" && wanted !== 0 && port < wanted + 100) {
    port += 1;
    server.listen(port, "127.0.0.1");
    return;
  }
  process.stderr.write(`serve-site: ${error.message}\n`);
  process.exit(1);
});
server.on("listening", () => {
  process.stdout.write(`http://127.0.0.1:${server.address().port}/\n`);
});
server.listen(port, "127.0.0.1");
for (const signal of ["SIGINT", "SIGTERM"]) {
  process.on(signal, () => {
    server.closeAllConnections?.();
    server.close(() => process.exit(0));
  });
}
