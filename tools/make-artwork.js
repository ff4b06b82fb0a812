#!/usr/bin/env node
'use strict';
// Draws every supplied picture of the application folder from the SVG and
// HTML sources in this file, renders them in headless Chromium and converts
// them with ImageMagick's `convert`. Run from anywhere:
//   node tools/make-artwork.js
// Needs /usr/bin/chromium, ImageMagick and tests/web's npm packages.
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { launch, ROOT, RESOURCES } = require('../tests/web/lib/browser');
const png = require('../tests/web/lib/png');
const { CURSORS, cursorSvg, curFile } = require('./cursors');
const art = require('./artwork-sources');

const out = (...p) => { const f = path.join(RESOURCES, ...p); fs.mkdirSync(path.dirname(f), { recursive: true }); return f; };
const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'wisplet-art-'));

async function render(page, html, width, height, transparent = false) {
  await page.setViewportSize({ width, height });
  await page.setContent(`<!DOCTYPE html><html><head><meta charset="utf-8"><style>html,body{margin:0;padding:0;` +
    `width:${width}px;height:${height}px;overflow:hidden;background:${transparent ? 'transparent' : '#fff'}}</style></head><body>${html}</body></html>`);
  await page.evaluate(() => document.fonts.ready);
  return page.screenshot({ type: 'png', omitBackground: transparent, clip: { x: 0, y: 0, width, height } });
}

/** Renders and writes a picture; the file type follows the extension (png, jpg, gif). */
async function picture(page, file, html, width, height, transparent = false) {
  const buf = await render(page, html, width, height, transparent);
  if (file.endsWith('.png')) { fs.writeFileSync(file, buf); return; }
  const src = path.join(tmp, 'frame.png');
  fs.writeFileSync(src, buf);
  const opts = file.endsWith('.jpg') ? ['-strip', '-quality', '90'] : ['-strip', '-colors', '128'];
  execFileSync('convert', [src].concat(opts, [file]));
}

async function main() {
  const browser = await launch();
  const page = browser.context.pages()[0] || await browser.context.newPage();
  try {
    await picture(page, out('images', 'splash.png'), art.splash(), 400, 240);
    await picture(page, out('images', 'about.png'), art.about(), 400, 240);
    for (const [name, svg] of Object.entries(art.ICONS)) await picture(page, out('icons', name + '.png'), svg, 16, 16, true);
    for (const name of Object.keys(CURSORS)) {
      const shot = png.decode(await render(page, cursorSvg(name), 32, 32, true));
      fs.writeFileSync(out('Cursors', name + '.cur'), curFile(shot.data, CURSORS[name].hot));
    }
    execFileSync('convert', ['-size', '1x1', 'xc:none', out('backgrounds', 'images', 'spacer.gif')]);
    for (const [category, list] of Object.entries(art.LIBRARY))
      for (const [file, html, w, h] of list) await picture(page, out('backgrounds', category, file), html, w, h);
    await picture(page, out('samples', 'images', 'wisplet-txt.jpg'), art.wordmark(), 330, 96);
    for (let n = 1; n <= 4; n++) await picture(page, out('samples', 'images', `sample${n}.jpg`), art.sampleBackground(n), 344, 204);
    // Help figures: the real window screenshots when they exist, else captioned placeholders.
    for (const [file, caption] of art.HELP_FIGURES) {
      const shot = path.join(ROOT, 'docs', 'screenshots', file);
      if (fs.existsSync(shot)) fs.copyFileSync(shot, out('help', 'images', file));
      else await picture(page, out('help', 'images', file), art.placeholder(caption), 480, 300);
    }
    await picture(page, out('help', 'images', 'wisplet-diagram.png'), art.diagram(), 520, 230);
  } finally {
    await browser.close();
    fs.rmSync(tmp, { recursive: true, force: true });
  }
}

main().catch((e) => { console.error(e); process.exit(1); });
