#!/usr/bin/env node
'use strict';
// Renders the program's icon, desktop/icons/org.wisplet.designer.svg, into the
// PNG sizes the desktop's icon theme wants (desktop/icons/<N>x<N>/), in
// headless Chromium with a transparent background. Run from anywhere:
//   node tools/make-icon.js
// Needs /usr/bin/chromium and tests/web's npm packages.
const fs = require('fs');
const path = require('path');
const { launch, ROOT } = require('../tests/web/lib/browser');

const ICONS = path.join(ROOT, 'desktop', 'icons');
const NAME = 'org.wisplet.designer';
const SIZES = [48, 256];

async function main() {
  const svg = fs.readFileSync(path.join(ICONS, NAME + '.svg'), 'utf8');
  const src = 'data:image/svg+xml;base64,' + Buffer.from(svg).toString('base64');
  const browser = await launch();
  try {
    const page = browser.context.pages()[0] || await browser.context.newPage();
    for (const size of SIZES) {
      await page.setViewportSize({ width: size, height: size });
      await page.setContent(`<!DOCTYPE html><html><head><style>html,body{margin:0;padding:0;background:transparent}` +
        `img{display:block;width:${size}px;height:${size}px}</style></head><body><img src="${src}"></body></html>`);
      await page.waitForFunction(() => document.images[0].complete);
      const png = await page.screenshot({ type: 'png', omitBackground: true, clip: { x: 0, y: 0, width: size, height: size } });
      const file = path.join(ICONS, `${size}x${size}`, NAME + '.png');
      fs.mkdirSync(path.dirname(file), { recursive: true });
      fs.writeFileSync(file, png);
      console.log('wrote ' + path.relative(ROOT, file));
    }
  } finally {
    await browser.close();
  }
}

main().catch((e) => { console.error(e); process.exit(1); });
