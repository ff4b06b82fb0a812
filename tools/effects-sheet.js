#!/usr/bin/env node
'use strict';
// Contact sheet of the 62 content effects of wisplet.js at t = 0.25, 0.5 and
// 0.75, drawn by the browser of any engine:
//   node tools/effects-sheet.js [--engine chromium|firefox|webkit] [out.png]
// (default chromium and docs/effects.png).
const fs = require('fs');
const path = require('path');
const { launch, sampleFolder, ROOT } = require('../tests/web/lib/browser');
const { callArgs } = require('../tests/web/lib/pages');

const argv = process.argv.slice(2), at = argv.indexOf('--engine');
const ENGINE = at >= 0 ? argv[at + 1] : 'chromium';
const OUT = argv.filter((a, i) => i !== at && i !== at + 1)[0] || path.join(ROOT, 'docs', 'effects.png');
const W = 104, H = 72, EDGE = 4, STEPS = [0.25, 0.5, 0.75], PER_ROW = 4;
const CONTENT = `<div style="width:${W}px;height:${H}px;background:linear-gradient(135deg,#ffd166,#f3722c);` +
  'font:bold 22px Arial;color:#3a1f5d;box-sizing:border-box;padding:8px 10px;position:relative">Aa' +
  '<div style="position:absolute;right:10px;bottom:9px;width:26px;height:26px;border-radius:50%;background:#3a86ff"></div>' +
  '<div style="font:11px Arial;color:#3a1f5d">wisplet</div></div>';

function sheet(names) {
  const cells = names.map((name, e) => {
    const thumbs = STEPS.map(() => `<div class="thumb"><script>WriteWisplet(${callArgs({ waiting: 0, width: W, height: H,
      bgColor: '#2B3F8F', align: 'Left', effect: e, content: CONTENT, padIn: 0, padOut: EDGE - 1, borderStyle: 'solid',
      borderWidth: 1, borderColor: '#6F7FC0' })})</script></div>`).join('');
    return `<div class="cell"><div class="lbl"><b>${e}</b> ${name.trim()}</div>${thumbs}</div>`;
  }).join('');
  const outer = W + 2 * EDGE;
  return '<!DOCTYPE html><html><head><meta charset="utf-8"><script src="Wisplet_Files/wisplet.js"></script><style>' +
    'html{overflow:hidden}body{margin:16px;background:#f4f6fb;font:12px "DejaVu Sans",Arial;color:#23324a}h1{font-size:18px;margin:0 0 4px}' +
    'p{margin:0 0 14px;color:#6b7890}' +
    `.cell{display:inline-block;vertical-align:top;width:${3 * (outer + 4)}px;margin:0 14px 14px 0}` +
    `.lbl{height:17px;white-space:nowrap;overflow:hidden;text-overflow:ellipsis}.thumb{display:inline-block;position:relative;width:${outer}px;height:${H + 2 * EDGE}px;margin-right:4px}` +
    '</style></head><body><h1>wisplet.js content effects</h1><p>Each effect at 25 %, 50 % and 75 % of its duration; ' +
    'the dark blue is the empty box, the orange card is the content.</p>' + cells + '</body></html>';
}

async function main() {
  const dir = sampleFolder();
  const width = 16 * 2 + PER_ROW * (3 * (W + 2 * EDGE + 4) + 14);
  const browser = await launch({ engine: ENGINE, viewport: { width, height: 600 } });
  try {
    fs.writeFileSync(path.join(dir, 'names.html'), '<script src="Wisplet_Files/wisplet.js"></script>');
    const names = await (await browser.open(path.join(dir, 'names.html'))).evaluate(() => WriteWisplet.effects);
    fs.writeFileSync(path.join(dir, 'sheet.html'), sheet(names));
    const show = (page) => page.evaluate((steps) => WriteWisplet.test.boxes().forEach((_, i) => WriteWisplet.test.seek(i, steps[i % 3])), STEPS);
    let page = await browser.open(path.join(dir, 'sheet.html'));
    await show(page);
    // the whole sheet in one viewport: a screenshot of the viewport is what every engine takes alike
    const height = await page.evaluate(() => Math.ceil(document.body.getBoundingClientRect().bottom) + 16);
    await browser.setViewport({ width, height });
    page = await browser.open(path.join(dir, 'sheet.html'));
    await show(page);
    fs.mkdirSync(path.dirname(OUT), { recursive: true });
    fs.writeFileSync(OUT, await page.screenshot());
    console.log(`wrote ${OUT} (${browser.engine})`);
  } finally {
    await browser.close();
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

main().catch((e) => { console.error(e); process.exit(1); });
