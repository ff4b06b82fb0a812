'use strict';
// The page script's host control, in the engine named on the command line: a
// box updated in place equals a freshly written one at every moment; seeking
// lands on each phase boundary; play and pause; repeated updates leave nothing behind.
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { launch, sampleFolder, requireEngine, RESOURCES } = require('./lib/browser');
const { callArgs, previewPage, testContent } = require('./lib/pages');
const png = require('./lib/png');

requireEngine();

let browser, dir;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

const BASE = { waiting: 0.5, width: 120, height: 90, effect: 0, duration: 0.8, content: 'Hello' };
// [name, the new values]; every one is applied to a box written with BASE
const SETTINGS = [
  ['size, padding, border and colours', { width: 160, height: 110, padIn: 4, padOut: 6, borderStyle: 'dashed', borderWidth: 3,
    borderColor: '#0000FF', bgColor: '#FFEE00' }],
  ['content, effect, alignment and entrance', { content: testContent(120, 90), effect: 41, align: 'Center', entrance: 1 }],
  ['picture and times', { background: 'Wisplet_Files/MyBackground.jpg?2', waiting: 0.2, duration: 1.5, effect: 24 }],
  ['slide from the middle, a random effect, empty numbers', { entrance: 4, effect: 55, padIn: '', borderWidth: '050',
    borderStyle: 'double' }]
];

/** The fifteen values as the designer's call hands them over (numbers as text). */
function values(a) {
  const v = Object.assign({}, BASE, a);
  // callArgs quotes texts; evaluating the list gives the values a fresh page's call sees
  return Function('"use strict"; return [' + callArgs(v).split(',').map((s) => /^[0-9.]*$/.test(s) ? `'${s}'` : s).join(',') + '];')();
}

function write(name, settings) {
  const file = path.join(dir, name);
  fs.writeFileSync(file, previewPage(`<script>WriteWisplet(${callArgs(Object.assign({}, BASE, settings))})</script>`), 'latin1');
  return file;
}

/**
 * Where two screenshots differ by more than one level of a channel (WebKit
 * rounds a box drawn in a layer of its own one level differently from one
 * drawn with the page): the count of pixels and their bounding box, or ''.
 * The viewport's outermost row and column are left out: WebKit's window
 * sometimes paints a stray pixel in its top right corner, nowhere near a box.
 */
function differing(a, b, moving) {
  const x = png.decode(a), y = png.decode(b);
  let n = 0, box = [1e9, 1e9, -1, -1], most = 0;
  const near = (i, j) => Math.max(...[0, 1, 2].map((k) => Math.abs(x.data[i + k] - y.data[j + k])));
  for (let i = 0; i < x.data.length; i += 4) {
    const d = near(i, i);
    if (d <= (moving ? 8 : 1)) continue;
    const p = i / 4, px = p % x.width, py = Math.floor(p / x.width);
    if (px === 0 || py === 0 || px === x.width - 1 || py === x.height - 1) continue;
    // A box in motion stands at a fraction of a pixel, which WebKit may round
    // and smooth a little differently from frame to frame: a pixel matching one
    // up to two pixels away there is the same.
    if (moving && [-8, -4, 4, 8].some((o) => near(i, i + o) <= 8 || near(i, i + o * x.width) <= 8)) continue;
    n++; most = Math.max(most, d);
    box = [Math.min(box[0], px), Math.min(box[1], py), Math.max(box[2], px), Math.max(box[3], py)];
  }
  // WebKit smooths the dashes of a moving border a little differently from
  // frame to frame: a few scattered pixels in motion are rounding, while a
  // box updated wrongly differs in hundreds.
  if (moving && n <= 12) return '';
  return n ? `${n} pixels (up to ${most}) in ${box}` : '';
}
const timeline = (page) => page.evaluate(() => WriteWisplet.timeline(0));
// Two animation frames: what was set on the page has been painted (WebKit may
// otherwise hand over the frame before the change).
const painted = (page) => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(() => done(true)))));
const domSize = (page) => page.evaluate(() => document.getElementsByTagName('*').length);

before(async () => {
  dir = sampleFolder();
  fs.copyFileSync(path.join(RESOURCES, 'samples', 'images', 'wisplet-txt.jpg'), path.join(dir, 'Wisplet_Files', 'MyBackground.jpg'));
  browser = await launch({ viewport: { width: 640, height: 420 } });
  // a browser's very first screenshot may come before it paints at all
  await (await browser.open(write('warm.html', {}))).screenshot();
});

after(async () => {
  if (browser) await browser.close();
  if (dir) fs.rmSync(dir, { recursive: true, force: true });
});

// Moments as fractions of the new timeline's phases: mid-entrance, mid-waiting, mid-reveal, end.
const MOMENTS = [['entrance', (t) => t.entrance * 0.6], ['waiting', (t) => t.entrance + t.waiting / 2],
  ['reveal', (t) => t.entrance + t.waiting + t.reveal / 2], ['end', (t) => t.end]];

for (const [name, settings] of SETTINGS) {
  test(`an update in place equals a fresh page: ${name}`, async () => {
    const fresh = await browser.open(write('fresh.html', settings));
    const times = await timeline(fresh);
    const expected = [];
    for (const [, at] of MOMENTS) {
      await fresh.evaluate((t) => WriteWisplet.seek(0, t), at(times));
      await painted(fresh);
      expected.push(await fresh.screenshot());
    }
    const page = await browser.open(write('updated.html', {}));
    const v = values(settings), v0 = values({});
    for (let i = 0; i < MOMENTS.length; i++) {
      // stand on the moment with the old values, then take the new ones there
      await page.evaluate((a) => { WriteWisplet.update(0, a.v0); WriteWisplet.seek(0, a.t); WriteWisplet.update(0, a.v); },
        { v0, v, t: MOMENTS[i][1](times) });
      // a picture named anew takes a moment to arrive, as in any page
      await page.evaluate((src) => new Promise((done) => { const img = new Image(); img.onload = img.onerror = () => done(); img.src = src; }),
        v[3]);
      await painted(page);
      const shot = await page.screenshot();
      assert.equal(differing(shot, expected[i], MOMENTS[i][0] === 'entrance'), '', `${name} at ${MOMENTS[i][0]}: the updated box differs from a fresh one`);
    }
    assert.deepEqual((await page.log()).errors, []);
  });
}

test('seeking lands on every phase boundary, forwards and back', async () => {
  const page = await browser.open(write('seek.html', { content: testContent(120, 90), effect: 24 }));
  const t = await timeline(page);
  assert.deepEqual([t.entrance, t.waiting, t.reveal, t.end], [1.2, 0.5, 0.8, 2.5]);
  const state = (s) => page.evaluate((s) => {
    WriteWisplet.seek(0, s);
    const box = WriteWisplet.test.boxes()[0], c = box.querySelector('.wisplet-content');
    return { time: WriteWisplet.timeline(0).time, moved: getComputedStyle(box).transform !== 'none',
      shown: getComputedStyle(c).visibility === 'visible', temps: box.querySelectorAll('[data-wisplet-temp]').length,
      clipped: getComputedStyle(c).clipPath !== 'none' };
  }, s);
  // [seconds, time reported, box still moving, content shown, effect pieces present or clipped]
  const BOUNDARIES = [[0, 0, true, false, false], [1.2, 1.2, false, false, false], [1.7, 1.7, false, true, true],
    [2.5, 2.5, false, true, false], [99, 2.5, false, true, false], [1.7, 1.7, false, true, true], [0, 0, true, false, false]];
  for (const [s, time, moved, shown, busy] of BOUNDARIES) {
    const got = await state(s);
    assert.deepEqual([got.time, got.moved, got.shown, got.temps > 0 || got.clipped], [time, moved, shown, busy], `at ${s} s`);
  }
});

test('play runs on from where the box stands, pause holds it, play at the end starts again', async () => {
  const page = await browser.open(write('play.html', { waiting: 2 }));
  await page.evaluate(() => WriteWisplet.seek(0, 1.5));
  assert.equal((await timeline(page)).playing, false);
  await page.evaluate(() => WriteWisplet.play(0));
  await sleep(400);
  await page.evaluate(() => WriteWisplet.pause(0));
  const held = await timeline(page);
  assert.ok(held.time > 1.55 && held.time < 2.5, `played on to ${held.time}`);
  await sleep(300);
  assert.equal((await timeline(page)).time, held.time, 'a paused box stays where it stands');
  await page.evaluate(() => { WriteWisplet.seek(0, 1e9); WriteWisplet.play(0); });
  const again = await timeline(page);
  assert.ok(again.playing && again.time < 0.5, 'play at the end starts from the beginning: ' + JSON.stringify(again));
  await page.waitFor(() => WriteWisplet.timeline(0).time === WriteWisplet.timeline(0).end && !WriteWisplet.timeline(0).playing,
    null, 15000);
});

test('a thousand updates leave the page as one did', async () => {
  const page = await browser.open(write('many.html', { content: testContent(120, 90), effect: 41 }));
  const one = await page.evaluate(() => {
    const a = ['0.5', '120', '90', 'Wisplet_Files/MyBackground', '#FFFFFF', 'Default', '0', '41', '0.8', 'x', '0', '0', 'solid', '1', '#000000'];
    WriteWisplet.seek(0, 2.1);
    WriteWisplet.update(0, a);
    return document.getElementsByTagName('*').length;
  });
  const many = await page.evaluate(() => {
    for (let i = 0; i < 1000; i++) {
      WriteWisplet.update(0, ['0.5', String(100 + i % 50), '90', 'Wisplet_Files/MyBackground', '#FFFFFF', 'Default', '0', '41', '0.8',
        i % 2 ? 'x' : '<b>y</b>', '0', '0', 'solid', '1', '#000000']);
    }
    WriteWisplet.update(0, ['0.5', '120', '90', 'Wisplet_Files/MyBackground', '#FFFFFF', 'Default', '0', '41', '0.8', 'x', '0', '0',
      'solid', '1', '#000000']);
    return document.getElementsByTagName('*').length;
  });
  assert.equal(many, one);
  assert.equal(await page.evaluate(() => WriteWisplet.count()), 1);
  assert.equal(await domSize(page), one);
});
