'use strict';
// The 62 content effects of wisplet.js, in the engine named on the command
// line: hidden at the start, shown and left untouched at the end, growing in
// between, moving in the direction each effect's name promises, and starting
// from a frame that looks exactly like the waiting box.
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { launch, sampleFolder, requireEngine } = require('./lib/browser');
const { effectGrid, sharpPicture } = require('./lib/pages');
const png = require('./lib/png');
const { snapshot, mean } = require('./lib/sampling');

requireEngine();

const C = 'content', E = 'empty';
// [effect, t, region as fractions of the content area [x0, y0, x1, y1], what it shows]
const DIRECTIONS = [
  [0, 0.5, [0.3, 0.1, 0.7, 0.9], C], [0, 0.5, [0, 0.1, 0.2, 0.9], E],
  [1, 0.5, [0, 0.1, 0.2, 0.9], C], [1, 0.5, [0.35, 0.1, 0.65, 0.9], E],
  [2, 0.5, [0.1, 0.3, 0.9, 0.7], C], [2, 0.5, [0.1, 0, 0.9, 0.2], E],
  [3, 0.5, [0.1, 0, 0.9, 0.2], C], [3, 0.5, [0.1, 0.35, 0.9, 0.65], E],
  [4, 0.5, [0, 0.55, 1, 1], C], [4, 0.5, [0, 0, 1, 0.45], E],
  [5, 0.5, [0, 0, 1, 0.45], C], [5, 0.5, [0, 0.55, 1, 1], E],
  [6, 0.5, [0, 0, 0.45, 1], C], [6, 0.5, [0.55, 0, 1, 1], E],
  [7, 0.5, [0.55, 0, 1, 1], C], [7, 0.5, [0, 0, 0.45, 1], E],
  [8, 0.5, [0.3, 0.06, 0.7, 0.09], C], [8, 0.5, [0.3, 0.01, 0.7, 0.04], E],
  [9, 0.5, [0.3, 0.01, 0.7, 0.04], C], [9, 0.5, [0.3, 0.06, 0.7, 0.09], E],
  [10, 0.5, [0.01, 0.3, 0.04, 0.7], C], [10, 0.5, [0.06, 0.3, 0.09, 0.7], E],
  [11, 0.5, [0.06, 0.3, 0.09, 0.7], C], [11, 0.5, [0.01, 0.3, 0.04, 0.7], E],
  // checkerboard cells are 1/12 wide and 1/10 high
  [12, 0.5, [0.01, 0.11, 0.07, 0.19], C], [12, 0.5, [0.01, 0.01, 0.07, 0.09], E], [12, 0.5, [0.095, 0.01, 0.155, 0.09], C],
  [13, 0.5, [0.01, 0.01, 0.07, 0.09], C], [13, 0.5, [0.01, 0.11, 0.07, 0.19], E], [13, 0.5, [0.095, 0.01, 0.155, 0.09], E],
  [14, 0.5, [0.01, 0.01, 0.07, 0.09], C], [14, 0.5, [0.095, 0.01, 0.155, 0.09], E], [14, 0.5, [0.01, 0.11, 0.07, 0.19], E],
  [15, 0.5, [0.095, 0.01, 0.155, 0.09], C], [15, 0.5, [0.01, 0.01, 0.07, 0.09], E], [15, 0.5, [0.095, 0.11, 0.155, 0.19], E],
  [17, 0.5, [0, 0.7, 1, 1], C], [17, 0.5, [0, 0, 1, 0.3], E],
  [18, 0.5, [0, 0, 1, 0.3], C], [18, 0.5, [0, 0.7, 1, 1], E],
  [19, 0.5, [0, 0, 0.35, 1], C], [19, 0.5, [0.65, 0, 1, 1], E],
  [20, 0.5, [0.65, 0, 1, 1], C], [20, 0.5, [0, 0, 0.35, 1], E],
  [21, 0.5, [0, 0, 0.2, 0.2], C], [21, 0.5, [0.8, 0.8, 1, 1], E],
  // "in" shapes: the old box's hole shrinks, so corners show first; "out" shapes grow from the centre
  ...[22, 24, 26, 28, 30].flatMap((e) => [[e, 0.5, [0, 0, 0.05, 0.05], C], [e, 0.5, [0.45, 0.45, 0.55, 0.55], E],
    [e + 1, 0.5, [0.45, 0.45, 0.55, 0.55], C], [e + 1, 0.5, [0, 0, 0.05, 0.05], E]]),
  [32, 0.5, [0.45, 0.45, 0.55, 0.55], E], [33, 0.5, [0.45, 0.45, 0.55, 0.55], C], [33, 0.1, [0, 0, 0.1, 0.1], E],
  [35, 0.3, [0.8, 0.02, 0.95, 0.1], C], [35, 0.3, [0.05, 0.85, 0.15, 0.95], E],
  [36, 0.25, [0.55, 0.05, 0.95, 0.45], C], [36, 0.25, [0.05, 0.05, 0.45, 0.45], E],
  [37, 0.25, [0.4, 0.02, 0.6, 0.2], C], [37, 0.25, [0.4, 0.8, 0.6, 0.98], E],
  [41, 0.5, [0.5, 0.01, 0.95, 0.09], C], [41, 0.5, [0.02, 0.01, 0.15, 0.09], E],
  [41, 0.5, [0.05, 0.11, 0.5, 0.19], C], [41, 0.5, [0.85, 0.11, 0.98, 0.19], E],
  [42, 0.5, [0.02, 0.01, 0.7, 0.09], C], [42, 0.5, [0.8, 0.01, 0.98, 0.09], E],
  [42, 0.5, [0.4, 0.11, 0.98, 0.19], C], [42, 0.5, [0.02, 0.11, 0.25, 0.19], E],
  [43, 0.5, [0.3, 0.01, 0.98, 0.09], C], [43, 0.5, [0.02, 0.01, 0.2, 0.09], E],
  [44, 0.5, [0, 0, 0.4, 1], C], [44, 0.5, [0.6, 0, 1, 1], E],
  [45, 0.5, [0.6, 0, 1, 1], C], [45, 0.5, [0, 0, 0.4, 1], E],
  [46, 0.5, [0.6, 0, 1, 1], C], [46, 0.5, [0, 0, 0.4, 1], E],
  // spiral: 16 x 12 cells of 1/16 x 1/12, starting at the top-left corner
  [47, 0.03, [0, 0, 0.05, 0.07], C], [47, 0.03, [0.9, 0, 1, 0.08], E], [47, 0.03, [0, 0.9, 0.1, 1], E],
  [48, 0.5, [0, 0, 1, 0.2], C], [48, 0.5, [0, 0.3, 1, 0.45], E], [48, 0.5, [0, 0.8, 1, 1], C], [48, 0.5, [0, 0.55, 1, 0.7], E],
  [49, 0.5, [0, 0, 0.2, 1], C], [49, 0.5, [0.3, 0, 0.45, 1], E], [49, 0.5, [0.8, 0, 1, 1], C], [49, 0.5, [0.55, 0, 0.7, 1], E],
  [50, 0.5, [0, 0, 0.2, 0.2], C], [50, 0.5, [0.8, 0.8, 1, 1], C], [50, 0.5, [0.4, 0.4, 0.6, 0.6], E],
  [51, 0.5, [0.05, 0.05, 0.45, 0.45], C], [51, 0.5, [0.05, 0.55, 0.45, 0.95], E],
  [51, 0.5, [0.55, 0.55, 0.95, 0.95], C], [51, 0.5, [0.55, 0.05, 0.95, 0.45], E],
  [52, 0.5, [0.05, 0.05, 0.45, 0.45], C], [52, 0.5, [0.55, 0.05, 0.95, 0.45], E],
  [52, 0.5, [0.55, 0.55, 0.95, 0.95], C], [52, 0.5, [0.05, 0.55, 0.45, 0.95], E],
  [53, 0.5, [0.6, 0.3, 0.95, 0.7], C], [53, 0.5, [0.05, 0.3, 0.4, 0.7], E],
  [54, 0.5, [0, 0, 0.45, 1], C], [54, 0.5, [0.55, 0, 1, 1], E],
  [55, 0.5, [0.3, 0, 0.7, 1], C], [55, 0.5, [0, 0, 0.2, 1], E], [55, 0.5, [0.8, 0, 1, 1], E],
  [56, 0.3, [0.85, 0, 1, 0.15], C], [56, 0.3, [0, 0.85, 0.15, 1], E],
  [57, 0.3, [0.85, 0.85, 1, 1], C], [57, 0.3, [0, 0, 0.15, 0.15], E],
  [58, 0.3, [0, 0, 0.15, 0.15], C], [58, 0.3, [0.85, 0.85, 1, 1], E],
  [59, 0.3, [0, 0.85, 0.15, 1], C], [59, 0.3, [0.85, 0, 1, 0.15], E],
  [60, 0.5, [0.55, 0.05, 0.65, 0.15], C], [60, 0.5, [0.35, 0.05, 0.45, 0.15], E],
  // zigzag: after one and a half rows the second row has filled from the right
  [61, 1.5 / 12, [0.02, 0.01, 0.98, 0.07], C], [61, 1.5 / 12, [0.6, 0.095, 0.95, 0.155], C], [61, 1.5 / 12, [0.05, 0.095, 0.4, 0.155], E]
];

let browser, page, rects, shots = new Map(), names, dir;

async function shotAt(t, phase) {
  const key = `${phase || 'reveal'}:${t}`;
  if (!shots.has(key)) {
    await page.evaluate(([t, phase]) => WriteWisplet.test.seekAll(t, phase), [t, phase]);
    shots.set(key, await snapshot(page));
  }
  return shots.get(key);
}

before(async () => {
  const grid = effectGrid({});
  dir = sampleFolder();
  fs.writeFileSync(path.join(dir, 'grid.html'), grid.html);
  browser = await launch({ viewport: grid.viewport });
  page = await browser.open(path.join(dir, 'grid.html'));
  await page.evaluate(() => WriteWisplet.test.seekAll(0));
  names = await page.evaluate(() => WriteWisplet.effects);
  rects = await page.evaluate(() => WriteWisplet.test.boxes().map((b) => {
    const r = b.querySelector('.wisplet-stage').getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
  }));
  for (const t of [0, 0.25, 0.5, 0.75]) await shotAt(t);
});

after(async () => {
  if (browser) await browser.close();
  if (dir) fs.rmSync(dir, { recursive: true, force: true });
});

test('the script lists 62 effects in the designer order', () => {
  assert.equal(names.length, 62);
  assert.deepEqual([names[0], names[16], names[34], names[53], names[60], names[61]],
    ['Doors Opening - Vertical', 'Fade', 'Pixelate', 'CubeTurn', 'Wheel Wipe ', 'ZigZag']);
});

test('content stays hidden while the box enters and waits', async () => {
  for (const t of [0, 0.5, 1]) {
    const shown = await page.evaluate((t) => {
      WriteWisplet.test.seekAll(t, 'entrance');
      return WriteWisplet.test.boxes().map((b, e) => {
        const c = b.querySelector('.wisplet-content');
        return getComputedStyle(c).visibility !== 'hidden' || b.querySelector('[data-wisplet-temp]') ? e : -1;
      }).filter((e) => e >= 0);
    }, t);
    assert.deepEqual(shown, [], `content visible at entrance ${t}`);
  }
  await page.evaluate(() => WriteWisplet.test.seekAll(0));
});

test('at t = 0 no sample point shows content', async () => {
  const shot = await shotAt(0);
  rects.forEach((r, e) => assert.ok(Math.max(...shot.points(r)) < 0.05, `effect ${e} ${names[e]}`));
});

test('covered area grows through 0.25, 0.5, 0.75 and is partial at 0.5', async () => {
  const cov = [];
  for (const t of [0.25, 0.5, 0.75]) { const s = await shotAt(t); cov.push(rects.map((r) => s.region(r, [0, 0, 1, 1]))); }
  rects.forEach((_, e) => {
    const [a, b, c] = cov.map((row) => row[e]);
    assert.ok(b > 0.02 && b < 0.98, `effect ${e} ${names[e]} covers ${b.toFixed(3)} at 0.5`);
    assert.ok(a < b && b < c, `effect ${e} ${names[e]} covers ${a.toFixed(3)}, ${b.toFixed(3)}, ${c.toFixed(3)}`);
  });
});

test('each effect moves in its direction', async () => {
  const failures = [];
  for (const [e, t, f, want] of DIRECTIONS) {
    const v = (await shotAt(t)).region(rects[e], f);
    if (want === C ? !(v > 0.9) : !(v < 0.1)) failures.push(`${e} ${names[e]} at ${t} ${JSON.stringify(f)}: ${v.toFixed(3)} (want ${want})`);
  }
  assert.deepEqual(failures, []);
});

test('random lines reveal whole 1-pixel lines', async () => {
  const shot = await shotAt(0.5);
  for (const [e, vertical] of [[38, false], [39, true]]) {
    const r = rects[e], n = vertical ? r.width : r.height, full = [];
    for (let p = 2; p < n - 2; p += 3) {
      const line = shot.line(r, p, vertical), m = mean(line);
      assert.ok(m > 0.9 || m < 0.1, `${names[e]}: line ${p} is partly shown (${m.toFixed(2)})`);
      full.push(m > 0.5);
    }
    const shown = full.filter(Boolean).length / full.length;
    assert.ok(shown > 0.3 && shown < 0.7, `${names[e]}: ${shown} of the lines shown at 0.5`);
  }
});

test('fade and pixelate cross-fade', async () => {
  const shot = await shotAt(0.5);
  for (const e of [16, 34]) {
    const v = shot.region(rects[e], [0.3, 0.3, 0.7, 0.7]);
    assert.ok(v > 0.35 && v < 0.65, `${names[e]} at 0.5: ${v}`);
  }
});

test('at t = 1 all content shows and nothing of the effect is left behind', async () => {
  const shot = await shotAt(1);
  rects.forEach((r, e) => assert.ok(Math.min(...shot.points(r)) > 0.9, `effect ${e} ${names[e]}`));
  const leftovers = await page.evaluate(() => WriteWisplet.test.boxes().map((box, e) => {
    const c = box.querySelector('.wisplet-content'), st = getComputedStyle(c), stage = c.parentNode;
    const link = c.querySelector('a').getBoundingClientRect();
    const hit = document.elementFromPoint(link.x + link.width / 2, link.y + link.height / 2);
    const bad = [];
    if (st.clipPath !== 'none') bad.push('clip ' + st.clipPath);
    if ((st.maskImage || st.webkitMaskImage) !== 'none') bad.push('mask');
    if (st.transform !== 'none' || getComputedStyle(box).transform !== 'none') bad.push('transform');
    if (st.opacity !== '1' || st.filter !== 'none' || st.visibility !== 'visible') bad.push('opacity/filter/visibility');
    if (stage.children.length !== 1 || box.querySelectorAll('[data-wisplet-temp]').length) bad.push('extra elements');
    if (!hit || !hit.closest('a')) bad.push('link not clickable');
    return bad.length ? `${e}: ${bad.join(', ')}` : '';
  }).filter(Boolean));
  assert.deepEqual(leftovers, []);
});

test('seeking back into an effect after it ended redraws the same frame', async () => {
  const first = (await shotAt(0.5)).region(rects[47], [0, 0, 1, 1]);
  await page.evaluate(() => { WriteWisplet.test.seek(47, 1); WriteWisplet.test.seek(47, 0.5); });
  const again = (await snapshot(page)).region(rects[47], [0, 0, 1, 1]);
  assert.ok(Math.abs(first - again) < 0.01, `${first} vs ${again}`);
});

// Last, as it loads a page of its own into the tab.
test('the first reveal frame looks exactly like the waiting box over a sharp picture', async () => {
  // a size that no effect's grid divides: edges of bands, cells and halves fall between pixels
  const grid = effectGrid({ width: 161, height: 123, padIn: 3, padOut: 4, borderWidth: 3, background: 'Wisplet_Files/sharp.png',
    borderColor: '#00C000' });
  fs.writeFileSync(path.join(dir, 'Wisplet_Files', 'sharp.png'), sharpPicture(grid.outer.width, grid.outer.height));
  fs.writeFileSync(path.join(dir, 'sharp.html'), grid.html);
  await browser.setViewport(grid.viewport);
  const sharp = await browser.open(path.join(dir, 'sharp.html'));
  await sharp.evaluate(() => new Promise((r) => { const img = new Image(); img.onload = img.onerror = () => r(); img.src = 'Wisplet_Files/sharp.png'; }));
  const boxes = await sharp.evaluate(() => {
    WriteWisplet.test.seekAll(1, 'entrance');
    return WriteWisplet.test.boxes().map((b) => {
      const r = b.getBoundingClientRect();
      return { x: Math.round(r.x), y: Math.round(r.y), width: Math.round(r.width), height: Math.round(r.height) };
    });
  });
  const waiting = png.decode(await sharp.screenshot());
  await sharp.evaluate(() => WriteWisplet.test.seekAll(0));
  const first = png.decode(await sharp.screenshot());
  const differ = [];
  boxes.forEach((r, e) => {
    assert.ok(r.x >= 0 && r.y >= 0 && r.x + r.width <= waiting.width && r.y + r.height <= waiting.height, `box ${e} in view: ${JSON.stringify([r, waiting.width, waiting.height])}`);
    let count = 0, worst = 0;
    for (let y = r.y; y < r.y + r.height; y++) for (let x = r.x; x < r.x + r.width; x++) {
      const i = (y * waiting.width + x) * 4;
      const d = Math.max(Math.abs(waiting.data[i] - first.data[i]), Math.abs(waiting.data[i + 1] - first.data[i + 1]),
        Math.abs(waiting.data[i + 2] - first.data[i + 2]));
      if (d) { count++; worst = Math.max(worst, d); }
    }
    if (count) differ.push(`${e} ${names[e]}: ${count} pixels differ, by up to ${worst}`);
  });
  assert.deepEqual(differ, []);
});

// Also on a page of its own.
test('pixelate shows whole blocks of its largest size at half time, without gaps or seams', async () => {
  // a size at which some engines' rounding used to leave gaps or seams between blocks
  const W = 161, H = 123, block = 13; // the largest block of such a box, reached at half time
  fs.writeFileSync(path.join(dir, 'Wisplet_Files', 'noise.png'), sharpPicture(W, H, 3));
  const grid = effectGrid({ effects: [34, 16], perRow: 2, width: W, height: H,
    content: `<img src="Wisplet_Files/noise.png" width="${W}" height="${H}" style="display:block" alt="">` });
  fs.writeFileSync(path.join(dir, 'noise.html'), grid.html);
  await browser.setViewport({ width: Math.max(grid.viewport.width, 600), height: Math.max(grid.viewport.height, 300) });
  const noise = await browser.open(path.join(dir, 'noise.html'));
  await noise.evaluate(() => new Promise((r) => { const img = new Image(); img.onload = img.onerror = () => r(); img.src = 'Wisplet_Files/noise.png'; }));
  await noise.evaluate(() => WriteWisplet.test.seekAll(0.5));
  const stages = await noise.evaluate(() => WriteWisplet.test.boxes().map((b) => {
    const r = b.querySelector('.wisplet-stage').getBoundingClientRect();
    return { x: Math.round(r.x), y: Math.round(r.y) };
  }));
  const img = png.decode(await noise.screenshot());
  // mean length of the runs of one colour along the rows of the content
  const runs = stages.map((s) => {
    let count = 0, total = 0;
    for (let y = s.y + 2; y < s.y + H - 2; y += 3) {
      let run = 1;
      for (let x = s.x + 1; x < s.x + W; x++) {
        const i = (y * img.width + x) * 4, j = i - 4;
        // one level apart is the same colour: engines blend the fade with their own rounding
        const same = Math.abs(img.data[i] - img.data[j]) <= 1 && Math.abs(img.data[i + 1] - img.data[j + 1]) <= 1 &&
          Math.abs(img.data[i + 2] - img.data[j + 2]) <= 1;
        if (same) run++; else { total += run; count++; run = 1; }
      }
      total += run; count++;
    }
    return total / count;
  });
  assert.ok(runs[0] > block * 0.8 && runs[0] < block * 1.2, `pixelate runs ${runs[0].toFixed(1)} pixels long, blocks are ${block}`);
  assert.ok(runs[1] < 3, `fade keeps the picture's detail: runs ${runs[1].toFixed(1)}`);
});
