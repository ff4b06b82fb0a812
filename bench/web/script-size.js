#!/usr/bin/env node
'use strict';
// What the box's options and the <wisplet-box> element cost a page in bytes:
// wisplet.js minified (terser) and gzipped (level 9), against its peer in the
// same run - the same script without those sections (everything from the
// "options of the box" section up to the end of the element's section). With
// --base REV the script of that git revision is measured too.
//
//   node bench/web/script-size.js [--base 6bb79d1] [--json out.json]
// Goal: the options and the element add less than 3 KB gzipped.
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { execFileSync } = require('child_process');

const ROOT = path.resolve(__dirname, '..', '..');
const SCRIPT = path.join(ROOT, 'resources', 'samples', 'Wisplet_Files', 'wisplet.js');
const terser = require(require.resolve('terser', { paths: [path.join(ROOT, 'tests', 'web')] }));
const argv = process.argv.slice(2);
const opt = (name) => { const i = argv.indexOf('--' + name); return i >= 0 ? argv[i + 1] : null; };
const GOAL = 3 * 1024;

async function measure(text) {
  const min = (await terser.minify(text, { compress: true, mangle: true })).code;
  return { raw: Buffer.byteLength(text), minified: Buffer.byteLength(min), gzipped: zlib.gzipSync(min, { level: 9 }).length };
}

(async () => {
  const now = fs.readFileSync(SCRIPT, 'utf8');
  const from = now.indexOf('  /* ---------- options of the box'), to = now.indexOf("  WriteWisplet.version =");
  if (from < 0 || to < from) throw new Error('sections not found in ' + SCRIPT);
  const rows = { 'wisplet.js': await measure(now), 'peer: without options and element': await measure(now.slice(0, from) + now.slice(to)) };
  const base = opt('base');
  if (base) rows[`git ${base}`] = await measure(execFileSync('git', ['show', `${base}:resources/samples/Wisplet_Files/wisplet.js`], { cwd: ROOT, encoding: 'utf8' }));
  console.log('script                                   raw    minified  gzipped');
  for (const [name, r] of Object.entries(rows)) console.log(name.padEnd(38), String(r.raw).padStart(7), String(r.minified).padStart(10), String(r.gzipped).padStart(9));
  const ref = base ? rows[`git ${base}`] : rows['peer: without options and element'];
  const added = rows['wisplet.js'].gzipped - ref.gzipped;
  console.log(`added gzipped: ${added} bytes (goal < ${GOAL}): ${added < GOAL ? 'met' : 'NOT met'}`);
  if (opt('json')) fs.writeFileSync(opt('json'), JSON.stringify({ rows, added, goal: GOAL }, null, 2));
})().catch((e) => { console.error(e); process.exit(1); });
