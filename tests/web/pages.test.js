'use strict';
// wisplet.js in the pages it runs in, in the engine named on the command line:
// the designer's preview page, an exported page, the supplied sample pages;
// entrances (which never make the page scroll), alignment, geometry, reduced motion.
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { launch, sampleFolder, requireEngine, RESOURCES } = require('./lib/browser');
const { callArgs, previewPage, exportPage, HEAD_LINE } = require('./lib/pages');

requireEngine();

const DEFAULT_CALL = "<script>WriteWisplet(2,100,100,'Wisplet_Files/MyBackground','#FFFFFF','Default',0,0,1,'<font face=arial></font>',0,0,'none',0,'#FFFFFF')</script>";
let browser, dir;

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

/** Opens a page file in the browser's tab (or another browser's); the page's log() tells errors and requests. */
const open = (file, other) => (other || browser).open(file);

function write(name, html) {
  const file = path.join(dir, name);
  fs.writeFileSync(file, html, 'latin1');
  return file;
}

const boxInfo = (page, i = 0) => page.evaluate((i) => {
  const box = WriteWisplet.test.boxes()[i], stage = box.querySelector('.wisplet-stage');
  const content = box.querySelector('.wisplet-content'), r = box.getBoundingClientRect(), s = stage.getBoundingClientRect();
  const st = getComputedStyle(box);
  return { left: r.left, top: r.top, width: r.width, height: r.height, stageLeft: s.left - r.left, stageTop: s.top - r.top,
    stageWidth: s.width, stageHeight: s.height, transform: st.transform, bgImage: st.backgroundImage, bgColor: st.backgroundColor,
    text: content.textContent, contentVisible: getComputedStyle(content).visibility, html: content.innerHTML,
    nextSibling: box.parentNode.nextSibling && box.parentNode.nextSibling.nodeName,
    parent: box.parentNode.parentNode.nodeName };
}, i);

before(async () => {
  dir = sampleFolder();
  fs.copyFileSync(path.join(RESOURCES, 'samples', 'images', 'wisplet-txt.jpg'), path.join(dir, 'Wisplet_Files', 'MyBackground.jpg'));
  browser = await launch({ viewport: { width: 1000, height: 700 } });
});

after(async () => {
  if (browser) await browser.close();
  if (dir) fs.rmSync(dir, { recursive: true, force: true });
});

test('the default preview page shows an empty box without errors or a picture request', async () => {
  const page = await open(write('preview.html', previewPage(DEFAULT_CALL)));
  await sleep(300); // let the driver run a few real frames
  await page.evaluate(() => WriteWisplet.test.seek(0, 1));
  const info = await boxInfo(page);
  const log = await page.log();
  assert.deepEqual(log.errors, []);
  assert.deepEqual(log.failed, []);
  assert.ok(!log.requests.some((u) => /MyBackground/.test(u)), 'a path without extension is not requested');
  assert.equal(info.nextSibling, 'TABLE', 'the box stands before the table that holds the call');
  assert.equal(info.parent, 'TD');
  assert.deepEqual([info.width, info.height, info.bgImage, info.bgColor], [100, 100, 'none', 'rgb(255, 255, 255)']);
  assert.equal(info.transform, 'none');
});

test('a preview runs to its end in real time and leaves the content clean', async () => {
  const call = `<script>WriteWisplet(${callArgs({ waiting: 0, duration: 0.3, entrance: 1, effect: 24, content: 'Hello' })})</script>`;
  const page = await open(write('realtime.html', previewPage(call)));
  await page.waitFor(() => {
    const b = WriteWisplet.test.boxes()[0], c = b.querySelector('.wisplet-content'), st = getComputedStyle(c);
    return getComputedStyle(b).transform === 'none' && st.visibility === 'visible' && st.clipPath === 'none' &&
      !b.querySelector('[data-wisplet-temp]');
  }, null, 15000);
  const log = await page.log();
  assert.deepEqual(log.errors, []);
});

test('designer content: escaped apostrophes, an escaped end tag, character references, leading zeros', async () => {
  const content = "It\\'s <b>bold</b> &#1605;&#1585;&#1581;&#1576;&#1575; <script>window.ran = 1<\\/script><img src=Wisplet_Files/MyBackground.jpg width=10 height=10>";
  const call = `<script>WriteWisplet(0,050,080,'Wisplet_Files/MyBackground.jpg','#FF0000','Left',1,16,1,'<font face=arial>${content}</font>',1,2,'solid',3,'#00FF00')</script>`;
  const page = await open(write('content.html', previewPage(call)));
  await page.evaluate(() => WriteWisplet.test.seek(0, 1));
  const info = await boxInfo(page);
  const log = await page.log();
  assert.deepEqual(log.errors, []);
  assert.equal(info.text, "It's bold \u0645\u0631\u062d\u0628\u0627 window.ran = 1");
  assert.equal(await page.evaluate(() => typeof window.ran), 'undefined', 'content scripts are not run');
  assert.deepEqual([info.stageWidth, info.stageHeight], [50, 80], 'leading zeros are decimal');
  assert.deepEqual([info.width, info.height], [50 + 12, 80 + 12]);
  assert.deepEqual([info.stageLeft, info.stageTop], [6, 6]);
  assert.match(info.bgImage, /MyBackground\.jpg/);
  assert.ok(log.requests.some((u) => /MyBackground\.jpg$/.test(u)));
});

test('content with comment and script openers shows as in a plain element and breaks nothing', async () => {
  // Raw content, and how the designer writes it into the quoted argument.
  const cases = [
    ['a <!-- b', 'a \\x3C!-- b'],
    ['<!-- <script>', '\\x3C!-- \\x3Cscript>'],
    ['x</script>y', 'x<\\/script>y'],
    ['<!-- <SCRIPT>window.ran = 1</script> --> after', '\\x3C!-- \\x3CSCRIPT>window.ran = 1<\\/script> --> after'],
    ['a --> b <b>c</b>', 'a --> b <b>c</b>'],
  ];
  for (const [raw, written] of cases) {
    const call = `<script>WriteWisplet(0,100,100,'Wisplet_Files/MyBackground','#FFFFFF','Default',0,0,1,'<font face=arial>${written}</font>',0,0,'none',0,'#FFFFFF')</script>`;
    const page = await open(write('openers.html', previewPage(call)));
    await page.evaluate(() => WriteWisplet.test.seek(0, 1));
    const info = await boxInfo(page);
    const plain = await page.evaluate((html) => {
      const div = document.createElement('div');
      div.innerHTML = html;
      document.body.appendChild(div);
      return { html: div.innerHTML, text: div.textContent, tables: document.querySelectorAll('table').length };
    }, `<font face=arial>${raw}</font>`);
    const log = await page.log();
    assert.deepEqual(log.errors, [], raw);
    assert.equal(info.html, plain.html, raw);
    assert.equal(info.text, plain.text, raw);
    assert.equal(plain.tables, 3, `${raw}: the page after the call is still parsed as markup`);
    assert.equal(await page.evaluate(() => typeof window.ran), 'undefined', raw);
  }
});

test('empty or malformed arguments fall back to the defaults', async () => {
  const cases = [
    ["WriteWisplet(2,,,'Wisplet_Files/MyBackground','#FFFFFF','Default',,,,'<font face=arial>x</font>',,,'none',,'#FFFFFF')", [100, 100]],
    ["WriteWisplet('a','-5','7.5','bg','nonsense','middle',9,99,'x','',null,undefined,'wavy','','')", [100, 8]],
    ["WriteWisplet()", [100, 100]]
  ];
  for (const [call, [w, h]] of cases) {
    const page = await open(write('fallback.html', previewPage(`<script>${call}</script>`)));
    await page.evaluate(() => WriteWisplet.test.seek(0, 1));
    const info = await boxInfo(page);
    const log = await page.log();
    assert.deepEqual(log.errors, [], call);
    assert.deepEqual([info.stageWidth, info.stageHeight], [w, h], call);
    assert.equal(info.contentVisible, 'visible');
  }
});

test('geometry: padding in, border, padding out around the content; border space kept without a style', async () => {
  for (const [style, bw] of [['double', 4], ['none', 3], ['dashed', 0]]) {
    const call = `<script>WriteWisplet(${callArgs({ width: 120, height: 60, padIn: 5, padOut: 7, borderStyle: style, borderWidth: bw })})</script>`;
    const page = await open(write('geometry.html', previewPage(call)));
    await page.evaluate(() => WriteWisplet.test.seek(0, 1));
    const info = await boxInfo(page), edge = 5 + 7 + bw;
    assert.deepEqual([info.width, info.height, info.stageLeft, info.stageTop, info.stageWidth, info.stageHeight],
      [120 + 2 * edge, 60 + 2 * edge, edge, edge, 120, 60], style);
  }
});

test('the exported head line and body code show the box in a blank page', async () => {
  const args = "2,100,100,'Wisplet_Files/MyBackground.jpg','#FFFFFF','Default',0,0,1,'<font face=arial>Welcome to my page</font>',0,0,'none',0,'#FFFFFF'";
  const html = exportPage(args, '<h1>My own page</h1>\r\n<p>Some text before.</p>\r\n', '\r\n<p>Some text after.</p>');
  assert.ok(html.includes(HEAD_LINE));
  const page = await open(write('exported.html', html));
  await page.evaluate(() => WriteWisplet.test.seek(0, 1));
  const info = await boxInfo(page);
  const log = await page.log();
  assert.deepEqual(log.errors, []);
  assert.deepEqual(log.failed, []);
  assert.equal(info.text, 'Welcome to my page');
  assert.equal(info.parent, 'BODY');
  assert.deepEqual([info.width, info.height], [100, 100]);
  assert.match(info.bgImage, /Wisplet_Files\/MyBackground\.jpg/);
  assert.ok(await page.evaluate(() => {
    const r = WriteWisplet.test.boxes()[0].getBoundingClientRect(), p = document.querySelector('p').getBoundingClientRect();
    return r.top >= p.bottom - 1; // stands where the code was pasted, after the first paragraph
  }));
});

test('entrances slide from outside the viewport to the aligned place', async () => {
  const aligns = ['Default', 'Left', 'Center', 'Right'], rows = [];
  for (let e = 0; e < 5; e++) for (const a of aligns) rows.push([e, a]);
  const body = rows.map(([e, a]) => `<div class="row"><script>WriteWisplet(${callArgs({ entrance: e, align: a, width: 80, height: 40, padOut: 5 })})</script></div>`).join('');
  const html = '<html><head><script src="Wisplet_Files/wisplet.js"></script><style>body{margin:0}#host{margin:30px 0 0 100px;width:600px}' +
    '.row{height:60px}#rtl{direction:rtl;margin-left:100px;width:600px;height:60px}</style></head><body><div id="host">' + body +
    `</div><div id="rtl"><script>WriteWisplet(${callArgs({ align: 'Default', width: 80, height: 40, padOut: 5 })})</script></div></body></html>`;
  const page = await open(write('entrances.html', html));
  // the viewport less any scroll bar the engine draws (in quirks mode the body tells it)
  const [vw, vh] = await page.evaluate(() => {
    const root = document.compatMode === 'BackCompat' ? document.body : document.documentElement;
    return [root.clientWidth, root.clientHeight];
  });
  for (let i = 0; i < rows.length; i++) {
    const [e, a] = rows[i];
    const at = async (t) => page.evaluate(([i, t]) => { WriteWisplet.test.seek(i, t, 'entrance'); const r = WriteWisplet.test.boxes()[i].getBoundingClientRect(); return { l: r.left, t: r.top, r: r.right, b: r.bottom, w: r.width }; }, [i, t]);
    const start = await at(0), mid = await at(0.5), end = await at(1);
    const rowTop = 30 + 60 * (i % rows.length);
    const wantLeft = { Default: 100, Left: 100, Center: 100 + 300 - 45, Right: 700 - 90 }[a];
    assert.deepEqual([end.l, end.t, end.w], [wantLeft, rowTop, 90], `entrance ${e} ${a} ends aligned`);
    if (e === 0) assert.ok(start.r <= 0 && start.b <= 0, `left-top starts outside: ${JSON.stringify(start)}`);
    if (e === 1) assert.ok(start.r <= 0 && start.t === end.t, 'left starts outside at the same height');
    if (e === 2) assert.ok(start.b <= 0 && start.l === end.l, 'top starts outside above its place');
    if (e === 3) assert.ok(start.l >= vw && start.t === end.t, 'right starts outside at the same height: ' + JSON.stringify([start, end]));
    if (e === 4) assert.ok(start.w < 1 && Math.abs((start.l + start.r) / 2 - vw / 2) < 1 && Math.abs((start.t + start.b) / 2 - vh / 2) < 1, 'middle starts as a point in the centre: ' + JSON.stringify(start));
    const between = (s, m, n) => Math.min(s, n) - 0.5 <= m && m <= Math.max(s, n) + 0.5 && m !== s;
    assert.ok(between(start.l, mid.l, end.l) || between(start.t, mid.t, end.t), `entrance ${e} moves on at half time`);
  }
  const rtl = await page.evaluate((n) => { WriteWisplet.test.seek(n, 1); return WriteWisplet.test.boxes()[n].getBoundingClientRect().right; }, rows.length);
  assert.equal(rtl, 700, 'Default stands on the start side of a right-to-left page');
  const log = await page.log();
  assert.deepEqual(log.errors, []);
});

test('no entrance ever makes the page overflow, scroll or shift', async () => {
  const aligns = ['Default', 'Left', 'Center', 'Right'];
  const row = (e) => `<div class="row">${aligns.map((a) => `<div class="slot"><script>WriteWisplet(${callArgs({ entrance: e, align: a,
    width: 80, height: 40, padOut: 5, borderStyle: 'solid', borderWidth: 2, borderColor: '#000000' })})</script></div>`).join('')}</div>`;
  const grid = '<!DOCTYPE html><html><head><script src="Wisplet_Files/wisplet.js"></script><style>body{margin:0}' +
    '.row{height:110px;margin:0 20px}.slot{height:27px}</style></head><body>' + [0, 1, 2, 3, 4].map(row).join('') +
    '<div dir="rtl" class="row">' + row(3) + '</div></body></html>';
  // the designer's preview page (quirks mode, a table filling the window) with a centred box, each entrance
  const previews = [0, 1, 2, 3, 4].map((e) => previewPage(`<script>WriteWisplet(${callArgs({ entrance: e, align: 'Center', width: 300, height: 200 })})</script>`));
  const failures = [];
  for (const [name, html] of [['grid', grid]].concat(previews.map((h, e) => [`preview ${e}`, h]))) {
    const page = await open(write('overflow.html', html));
    const state = () => page.evaluate(() => {
      const root = document.compatMode === 'BackCompat' ? document.body : document.documentElement, d = document.documentElement;
      return { w: root.clientWidth, h: root.clientHeight, sw: Math.max(d.scrollWidth, document.body.scrollWidth),
        sh: Math.max(d.scrollHeight, document.body.scrollHeight), x: scrollX, y: scrollY };
    });
    await page.evaluate(() => WriteWisplet.test.seekAll(1));
    const still = await state(), lands = await page.evaluate(() => WriteWisplet.test.boxes().map((b) => b.getBoundingClientRect().left));
    assert.ok(still.sw <= still.w && still.sh <= still.h, `${name}: the page itself fits: ${JSON.stringify(still)}`);
    for (const t of [0, 0.02, 0.1, 0.25, 0.5, 0.75, 0.9, 0.98]) {
      await page.evaluate((t) => WriteWisplet.test.seekAll(t, 'entrance'), t);
      const s = await state();
      if (s.sw > still.w || s.sh > still.h || s.w !== still.w || s.h !== still.h || s.x || s.y) failures.push(`${name} at ${t}: ${JSON.stringify(s)}`);
    }
    await page.evaluate(() => WriteWisplet.test.seekAll(1));
    const again = await page.evaluate(() => WriteWisplet.test.boxes().map((b) => b.getBoundingClientRect().left));
    assert.deepEqual(again, lands, `${name}: every box lands where it stood`);
  }
  assert.deepEqual(failures, []);
});

test('an entrance inside a transformed container heads for its place without a jump', async () => {
  const boxes = [1, 3, 4].map((e) => `<div style="height:80px"><script>WriteWisplet(${callArgs({ entrance: e, align: 'Center', width: 80, height: 40 })})</script></div>`);
  const html = '<!DOCTYPE html><html><head><script src="Wisplet_Files/wisplet.js"></script></head><body style="margin:0">' +
    `<div style="transform:translate(30px,20px);margin:40px 0 0 120px;width:500px">${boxes.join('')}</div></body></html>`;
  const page = await open(write('transformed.html', html));
  const at = await page.evaluate(() => [0, 1, 2].map((i) => [0.999, 1].map((t) => {
    WriteWisplet.test.seek(i, t, 'entrance');
    const r = WriteWisplet.test.boxes()[i].getBoundingClientRect();
    return [Math.round(r.left), Math.round(r.top)];
  })));
  at.forEach(([near, end], i) => assert.ok(Math.abs(near[0] - end[0]) <= 1 && Math.abs(near[1] - end[1]) <= 1, `box ${i}: ${JSON.stringify(at[i])}`));
  assert.deepEqual(at.map(([, end]) => end[0]), [120 + 30 + 250 - 40, 120 + 30 + 250 - 40, 120 + 30 + 250 - 40]);
});

test('reduced motion: no slide and a short fade instead of the effect', async (t) => {
  const call = `<script>WriteWisplet(${callArgs({ entrance: 0, effect: 24, duration: 5, content: 'Hi' })})</script>`;
  const reduced = await launch({ viewport: { width: 1000, height: 700 }, reducedMotion: true });
  t.after(() => reduced.close());
  const page = await open(write('reduced.html', previewPage(call)), reduced);
  const state = await page.evaluate(() => {
    const b = WriteWisplet.test.boxes()[0], c = b.querySelector('.wisplet-content'), out = {};
    WriteWisplet.test.seek(0, 0, 'entrance');
    out.entranceTransform = getComputedStyle(b).transform;
    WriteWisplet.test.seek(0, 0.5);
    out.opacity = getComputedStyle(c).opacity; out.clip = getComputedStyle(c).clipPath;
    return out;
  });
  assert.deepEqual(state, { entranceTransform: 'none', opacity: '0.5', clip: 'none' });
  // the whole run, entrance and reveal included, is over in a moment of real time
  await page.evaluate(() => WriteWisplet.test.resume());
  await page.waitFor(() => getComputedStyle(WriteWisplet.test.boxes()[0].querySelector('.wisplet-content')).opacity === '1', null, 10000);
  const log = await page.log();
  assert.deepEqual(log.errors, []);
});

test('the supplied sample and help pages load without errors', async () => {
  const pages = ['samples/sample1.html', 'samples/sample2.html', 'samples/sample3.html', 'samples/sample4.html', 'samples/samples.html', 'help/Help.html'];
  for (const p of pages) {
    const page = await open(path.join(RESOURCES, p));
    await sleep(100);
    const log = await page.log();
    assert.deepEqual(log.errors, [], p);
    assert.deepEqual(log.failed, [], p);
    if (p.includes('samples/')) assert.ok(await page.evaluate(() => WriteWisplet.test.boxes().length > 0), p);
  }
});

test('the effect picker page replays any effect with any entrance', async () => {
  const page = await open(path.join(RESOURCES, 'samples', 'samples.html'));
  const options = await page.evaluate(() => [document.querySelectorAll('#effect option').length,
    document.querySelectorAll('#entrance option').length]);
  assert.deepEqual(options, [62, 3]);
  await page.evaluate(() => {
    for (const [id, value] of [['effect', '47'], ['entrance', '2']]) {
      const select = document.getElementById(id);
      select.value = value;
      select.dispatchEvent(new Event('change', { bubbles: true }));
    }
    document.getElementById('play').click();
  });
  const made = await page.evaluate(() => { const b = WriteWisplet.test.boxes(); return b.length; });
  await page.evaluate((n) => WriteWisplet.test.seek(n - 1, 1), made);
  const log = await page.log();
  assert.deepEqual(log.errors, []);
});
