'use strict';
// The declarative embed <wisplet-box> and the options of the box, in the
// engine named on the command line: strict Content-Security-Policy, the ways
// a page loads the script, insertion and removal by script, the same pixels
// as WriteWisplet, close button, Escape, show once, delay, pause, narrow
// viewports and an accessibility check by axe-core.
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { launch, sampleFolder, requireEngine } = require('./lib/browser');
const { callArgs, boxElement, testContent } = require('./lib/pages');
const png = require('./lib/png');

requireEngine();

let browser, dir, serial = 0;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

function write(name, html) {
  const file = path.join(dir, name);
  fs.writeFileSync(file, html, 'latin1');
  return file;
}

/** A page with the script loaded as `load` says and the given body. */
function page(body, load = 'defer', title = 'Embed') {
  const tag = load === 'end' ? '' : `<script src="Wisplet_Files/wisplet.js"${load === 'sync' ? '' : ' ' + load}></script>`;
  return `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>${title}</title>${tag}</head><body>` +
    `<main><h1>${title}</h1><p id="before">Text before the box.</p>${body}<p id="after">Text after the box.</p></main>` +
    (load === 'end' ? '<script src="Wisplet_Files/wisplet.js"></script>' : '') + '</body></html>';
}

// Values of a small box that reveals quickly; each call gets content of its own, so show-once marks never meet.
const quick = (extra = {}) => Object.assign({ waiting: 0, duration: 0.3, width: 160, height: 80, align: 'Left', effect: 24,
  bgColor: '#203040', borderStyle: 'solid', borderWidth: 2, borderColor: '#FFCC00', padOut: 4,
  content: `<span>Box ${++serial}</span> <a href="#more">more</a>` }, extra);

const revealed = () => {
  const b = WriteWisplet.test.boxes()[0], c = b && b.querySelector('.wisplet-content');
  return !!c && getComputedStyle(b).transform === 'none' && getComputedStyle(c).visibility === 'visible' &&
    getComputedStyle(c).clipPath === 'none' && !b.querySelector('[data-wisplet-temp]');
};
const boxState = () => {
  const b = WriteWisplet.test.boxes()[0];
  return { count: WriteWisplet.test.count(), running: WriteWisplet.test.running(),
    anchors: document.querySelectorAll('.wisplet-anchor').length, visible: !!b && getComputedStyle(b).visibility === 'visible',
    hidden: b ? b.getAttribute('aria-hidden') : null, afterTop: document.getElementById('after').getBoundingClientRect().top };
};

before(async () => {
  dir = sampleFolder();
  browser = await launch({ viewport: { width: 800, height: 600 } });
});

after(async () => {
  if (browser) await browser.close();
  if (dir) fs.rmSync(dir, { recursive: true, force: true });
});

test('under default-src \'self\' the element starts with defer, async, sync or at the end of the body', async () => {
  for (const load of ['defer', 'async', 'sync', 'end']) {
    const p = await browser.open(write(`load-${load}.csp.html`, page(boxElement(quick(), { name: 'Offer' }), load)));
    await p.waitFor(revealed, null, 10000);
    const info = await p.evaluate(() => {
      const b = WriteWisplet.test.boxes()[0];
      return { role: b.getAttribute('role'), label: b.getAttribute('aria-label'), text: b.textContent,
        inHost: b.parentNode.parentNode.nodeName };
    });
    assert.deepEqual((await p.log()).errors, [], load);
    assert.equal(info.inHost, 'WISPLET-BOX', load);
    assert.deepEqual([info.role, info.label], ['region', 'Offer'], load);
    assert.match(info.text, /Box \d+ more/, load);
  }
});

test('an element inserted after load starts, and removed leaves no box, node or frame loop behind', async () => {
  const p = await browser.open(write('insert.html', page('<div id="slot"></div>')));
  const empty = await p.evaluate(boxState);
  await p.evaluate((html) => { document.getElementById('slot').innerHTML = html; }, boxElement(quick({ waiting: 5 })));
  await p.waitFor(() => WriteWisplet.test.count() === 1 && WriteWisplet.test.running());
  await p.evaluate(() => document.querySelector('wisplet-box').remove());
  await sleep(100);
  assert.deepEqual(await p.evaluate(boxState), Object.assign({}, empty, { hidden: null }));
  // a moved element starts again where it now stands
  await p.evaluate((html) => { document.getElementById('slot').innerHTML = html; }, boxElement(quick()));
  await p.evaluate(() => document.getElementById('after').appendChild(document.querySelector('wisplet-box')));
  await p.waitFor(revealed);
  assert.equal(await p.evaluate(() => WriteWisplet.test.count()), 1);
  assert.deepEqual((await p.log()).errors, []);
});

test('WriteWisplet and the element draw the same pixels at every moment', async () => {
  const designs = [
    quick({ effect: 34, width: 200, height: 120, padIn: 3, content: testContent(200, 120) }),
    quick({ effect: 47, entrance: 2, align: 'Center', content: testContent(160, 80) })
  ];
  const moments = [['entrance', 0.5], ['reveal', 0], ['reveal', 0.35], ['reveal', 0.8], ['reveal', 1]];
  for (const [k, v] of designs.entries()) {
    const shots = [];
    for (const body of [`<script>WriteWisplet(${callArgs(v)})</script>`, boxElement(v)]) {
      const p = await browser.open(write(`same-${k}-${shots.length}.html`, page(`<div class="slot">${body}</div>`, 'sync')));
      await p.waitFor(() => WriteWisplet.test.count() === 1);
      const frames = [];
      for (const [phase, t] of moments) {
        await p.evaluate(([phase, t]) => WriteWisplet.test.seek(0, t, phase), [phase, t]);
        frames.push(png.decode(await p.screenshot()).data);
      }
      shots.push(frames);
    }
    moments.forEach(([phase, t], i) => assert.ok(shots[0][i].equals(shots[1][i]), `design ${k}, ${phase} ${t}`));
  }
});

test('the close button and Escape take the box off and leave the page as it was', async () => {
  for (const [how, opts] of [['click', { closeButton: true }], ['Escape', { escapeCloses: true }], ['Escape', { closeButton: true }]]) {
    const p = await browser.open(write(`close-${how}-${Object.keys(opts)[0]}.html`, page(boxElement(quick(), opts))));
    const start = await p.evaluate(() => document.getElementById('after').getBoundingClientRect().top);
    await p.waitFor(revealed);
    const button = await p.evaluate(() => {
      const b = document.querySelector('.wisplet-close');
      if (!b) return null;
      const r = b.getBoundingClientRect();
      return { w: r.width, h: r.height, label: b.getAttribute('aria-label'), tab: b.tabIndex };
    });
    assert.equal(!!button, !!opts.closeButton);
    if (how === 'click') {
      assert.ok(button.w >= 24 && button.h >= 24, JSON.stringify(button));
      assert.equal(button.label, 'Close');
      assert.equal(button.tab, 0);
      await p.evaluate(() => { const b = document.querySelector('.wisplet-close'); b.focus(); b.click(); });
    } else {
      await p.evaluate(() => {
        const link = WriteWisplet.test.boxes()[0].querySelector('a');
        link.focus();
        link.dispatchEvent(new KeyboardEvent('keydown', { key: 'Escape', bubbles: true }));
      });
    }
    await p.waitFor(() => WriteWisplet.test.count() === 0, null, 3000);
    const state = await p.evaluate(boxState);
    assert.deepEqual([state.anchors, state.afterTop], [0, start], how);
    assert.notEqual(await p.evaluate(() => document.activeElement && document.activeElement.closest('wisplet-box')), true);
    assert.deepEqual((await p.log()).errors, []);
  }
});

test('show once per visitor, per session and every N days', async () => {
  const cases = [
    // option, where the mark is kept, whether an old mark (8 days) still keeps the box away
    ['visitor', 'localStorage', true],
    ['session', 'sessionStorage', true],
    ['7', 'localStorage', false]
  ];
  const known = new Set();
  for (const [once, store, oldKeeps] of cases) {
    const file = write(`once-${once}.html`, page(boxElement(quick(), { showOnce: once })));
    let p = await browser.open(file);
    await p.waitFor(() => WriteWisplet.test.count() === 1 && !WriteWisplet.test.boxes()[0].hasAttribute('aria-hidden'));
    const marks = await p.evaluate(() => ['localStorage', 'sessionStorage'].map((s) =>
      Object.keys(window[s]).filter((k) => k.startsWith('wisplet:shown:'))));
    const [key] = marks[store === 'localStorage' ? 0 : 1].filter((k) => !known.has(k));
    marks.flat().forEach((k) => known.add(k));
    assert.ok(key, once);
    p = await browser.open(file);
    await sleep(200);
    assert.equal(await p.evaluate(() => WriteWisplet.test.count()), 0, `${once}: not again`);
    await p.evaluate(([s, k]) => window[s].setItem(k, String(Date.now() - 8 * 864e5)), [store, key]);
    p = await browser.open(file);
    await sleep(200);
    assert.equal(await p.evaluate(() => WriteWisplet.test.count()), oldKeeps ? 0 : 1, `${once}: after 8 days`);
  }
});

test('a delay keeps the box away and hidden from readers; hovering pauses the reveal', async () => {
  let p = await browser.open(write('delay.html', page(boxElement(quick(), { delay: 1 }))));
  await sleep(400);
  let s = await p.evaluate(boxState);
  assert.deepEqual([s.count, s.visible, s.hidden], [1, false, 'true']);
  await p.waitFor(revealed, null, 5000);
  assert.equal((await p.evaluate(boxState)).hidden, null);

  p = await browser.open(write('hover.html', page(boxElement(quick({ waiting: 1.5 }), { pauseOnHover: true }))));
  await p.waitFor(() => getComputedStyle(WriteWisplet.test.boxes()[0]).transform === 'none');
  await p.evaluate(() => WriteWisplet.test.boxes()[0].dispatchEvent(new PointerEvent('pointerenter')));
  await sleep(2500);
  assert.equal(await p.evaluate(() => getComputedStyle(WriteWisplet.test.boxes()[0].querySelector('.wisplet-content')).visibility),
    'hidden', 'still waiting while the pointer rests on the box');
  await p.evaluate(() => WriteWisplet.test.boxes()[0].dispatchEvent(new PointerEvent('pointerleave')));
  await p.waitFor(revealed, null, 5000);
});

test('at 320 px a wide box is scaled to fit and the page never scrolls sideways', async () => {
  // a frame of 320 x 560 CSS px is the page's viewport (a browser window may not get that narrow)
  for (const align of ['Left', 'Center', 'Right']) {
    const v = quick({ width: 500, height: 200, padOut: 9, align, entrance: 1, content: testContent(500, 200) });
    write(`narrow-${align}.html`, page(boxElement(v, { closeButton: true })));
    const p = await browser.open(write(`narrow-${align}-frame.html`,
      `<!DOCTYPE html><html><body style="margin:0"><iframe src="narrow-${align}.html" width="320" height="560" style="border:0"></iframe></body></html>`));
    await p.waitFor(() => { const w = document.querySelector('iframe').contentWindow; return w.WriteWisplet && w.WriteWisplet.test.count() === 1; });
    const overflow = () => {
      const w = document.querySelector('iframe').contentWindow, d = w.document, b = w.WriteWisplet.test.boxes()[0];
      const r = b.getBoundingClientRect(), c = b.querySelector('.wisplet-close').getBoundingClientRect(), root = d.documentElement;
      const content = b.querySelector('.wisplet-content');
      return { scroll: root.scrollWidth - root.clientWidth, left: r.left, right: r.right, ratio: r.width / r.height, close: c.width,
        done: w.getComputedStyle(b).transform === 'none' && w.getComputedStyle(content).visibility === 'visible' &&
          w.getComputedStyle(content).clipPath === 'none' };
    };
    const seen = [];
    for (let i = 0; i < 60 && !(seen.length && seen[seen.length - 1].done); i++) { seen.push(await p.evaluate(overflow)); await sleep(60); }
    const last = seen[seen.length - 1];
    assert.ok(last.done, `${align}: revealed`);
    for (const o of seen) assert.equal(o.scroll, 0, `${align}: ${JSON.stringify(o)}`);
    assert.ok(last.left >= -0.5 && last.right <= 320.5, `${align}: ${JSON.stringify(last)}`);
    assert.ok(Math.abs(last.ratio - 522 / 222) < 0.02, `${align}: proportions kept ${last.ratio}`);
    assert.ok(last.close >= 24, `${align}: close button ${last.close}`);
  }
});

test('axe-core finds no violation with any option on', async () => {
  const axe = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
  const sets = [{}, { name: 'Spring sale', closeButton: true, escapeCloses: true }, { showOnce: 'session', delay: 0.2, pauseOnHover: true }];
  for (const [i, opts] of sets.entries()) {
    const p = await browser.open(write(`axe-${i}.html`, page(boxElement(quick({ bgColor: '#FFFFFF', borderColor: '#FFFFFF',
      content: '<span style="color:#000">Spring sale</span> <a href="#more" style="color:#00E">more</a>' }), opts), 'defer', 'Axe')));
    const moments = [];
    for (const phase of ['early', 'revealed']) {
      if (phase === 'revealed') await p.waitFor(revealed, null, 5000);
      moments.push(await p.evaluate((src) => {
        if (!window.axe) (0, eval)(src);
        return window.axe.run(document).then((r) => r.violations.map((v) => v.id + ': ' + v.nodes.map((n) => n.html).join(' | ')));
      }, axe));
    }
    assert.deepEqual(moments, [[], []], JSON.stringify(opts));
  }
});
