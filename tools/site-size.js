// What a first visit to the site downloads (the service worker keeps every
// file of it), file by file: each file as a server sends it, compressed
// (gzip -9) where that makes it smaller, as it is where not (the pictures).
// With a limit, exits with status 1 when the total is above it.
//
//   node tools/site-size.js SITE [LIMIT_BYTES]
"use strict";

const fs = require("node:fs");
const path = require("node:path");
const zlib = require("node:zlib");

const [site, limit] = process.argv.slice(2);
if (!site) {
  console.error("usage: node tools/site-size.js SITE [LIMIT_BYTES]");
  process.exit(2);
}

const files = [];
const walk = (folder) => {
  for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
    const file = path.join(folder, entry.name);
    if (entry.isDirectory()) walk(file);
    else files.push(file);
  }
};
walk(site);

let total = 0;
for (const file of files.sort()) {
  const bytes = fs.readFileSync(file);
  const sent = Math.min(bytes.length, zlib.gzipSync(bytes, { level: 9 }).length);
  total += sent;
  console.log(`${path.relative(site, file)}\t${bytes.length}\t${sent}`);
}
console.log(`total\t\t${total}`);
if (limit !== undefined && total > Number(limit)) {
  console.error(`the site sends ${total} bytes, more than ${limit}`);
  process.exit(1);
}
