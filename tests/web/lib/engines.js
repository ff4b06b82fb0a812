'use strict';
// One adapter per browser engine, all from Debian packages (never a downloaded
// browser): Chromium through playwright-core, Firefox ESR headless through
// WebDriver BiDi (puppeteer-core), WebKitGTK's MiniBrowser through
// WebKitWebDriver (selenium-webdriver) on an Xvfb display of its own.
//
// Each adapter drives one tab and offers the same few calls:
//   goto(url), evaluate(fn, arg) (fn may return a promise), screenshot() (PNG of
//   the viewport), setViewport({ width, height }), close().
// A browser opened with reducedMotion reports prefers-reduced-motion: reduce.
const fs = require('fs');
const net = require('net');
const os = require('os');
const path = require('path');
const { spawn } = require('child_process');

/** MiniBrowser lies in the architecture's library folder. */
function miniBrowser() {
  const lib = '/usr/lib';
  const arch = fs.existsSync(lib) ? fs.readdirSync(lib).filter((d) => /-linux-gnu/.test(d)) : [];
  const found = arch.map((d) => path.join(lib, d, 'webkit2gtk-4.1', 'MiniBrowser')).find((f) => fs.existsSync(f));
  return found || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
}

const ENGINES = {
  chromium: { binaries: [process.env.WISPLET_CHROMIUM || '/usr/bin/chromium'], pkg: 'chromium' },
  firefox: { binaries: [process.env.WISPLET_FIREFOX || '/usr/bin/firefox-esr'], pkg: 'firefox-esr' },
  webkit: { binaries: ['/usr/bin/WebKitWebDriver', miniBrowser(), '/usr/bin/Xvfb'],
    pkg: 'webkit2gtk-driver xvfb' }
};

/** The binaries of an engine that are not installed (empty when it can run). */
function missing(engine) {
  const e = ENGINES[engine];
  if (!e) throw new Error(`unknown engine "${engine}"; one of ${Object.keys(ENGINES).join(', ')}`);
  return e.binaries.filter((b) => !fs.existsSync(b));
}

const tmpDir = (kind) => fs.mkdtempSync(path.join(os.tmpdir(), `wisplet-${kind}-`));
// A helper process of the browser may still be writing its caches for a moment.
const removeDir = (dir) => fs.rmSync(dir, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function chromium(o) {
  const { chromium } = require('playwright-core');
  const profile = tmpDir('chromium');
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: ENGINES.chromium.binaries[0], headless: true, viewport: o.viewport, deviceScaleFactor: 1,
    reducedMotion: o.reducedMotion ? 'reduce' : 'no-preference',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'].concat(o.extraArgs || [])
  });
  const page = context.pages()[0] || await context.newPage();
  return {
    goto: (url) => page.goto(url),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    screenshot: () => page.screenshot({ type: 'png' }),
    setViewport: (v) => page.setViewportSize(v),
    close: async () => { await context.close().catch(() => {}); removeDir(profile); }
  };
}

async function firefox(o) {
  const puppeteer = require('puppeteer-core');
  const profile = tmpDir('firefox');
  const browser = await puppeteer.launch({
    browser: 'firefox', protocol: 'webDriverBiDi', executablePath: ENGINES.firefox.binaries[0], headless: true,
    userDataDir: profile, defaultViewport: null,
    extraPrefsFirefox: { 'ui.prefersReducedMotion': o.reducedMotion ? 1 : 0, 'browser.shell.checkDefaultBrowser': false,
      'layout.css.devPixelsPerPx': '1.0', 'datareporting.policy.dataSubmissionEnabled': false }
  });
  const page = (await browser.pages())[0] || await browser.newPage();
  await page.setViewport(o.viewport);
  return {
    goto: (url) => page.goto(url, { waitUntil: 'load' }),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    screenshot: async () => Buffer.from(await page.screenshot({ type: 'png' })),
    setViewport: (v) => page.setViewport(v),
    close: async () => { await browser.close().catch(() => {}); removeDir(profile); }
  };
}

function freePort() {
  return new Promise((resolve, reject) => {
    const s = net.createServer().once('error', reject).listen(0, '127.0.0.1', () => {
      const { port } = s.address();
      s.close(() => resolve(port));
    });
  });
}

/**
 * Starts Xvfb and resolves to { display, stop() }: on the first free display
 * from WISPLET_DISPLAY on when that is set, else on any free one Xvfb picks.
 */
function startXvfb() {
  const args = ['-screen', '0', '3000x3000x24', '-nolisten', 'tcp', '-noreset'];
  let fixed = process.env.WISPLET_DISPLAY ? Number(process.env.WISPLET_DISPLAY.replace(/^:/, '')) : null;
  while (fixed !== null && fs.existsSync(`/tmp/.X${fixed}-lock`)) fixed++;
  const x = spawn('/usr/bin/Xvfb', fixed !== null ? [':' + fixed].concat(args) : args.concat(['-displayfd', '3']),
    { stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
  let err = '';
  x.stderr.on('data', (d) => { err += d; });
  const stop = () => new Promise((r) => { if (x.exitCode !== null) r(); else { x.once('exit', r); x.kill(); } });
  const kill = () => { if (x.exitCode === null) x.kill(); };
  return new Promise((resolve, reject) => {
    x.once('exit', (code) => reject(new Error(`Xvfb ended (${code}): ${err.trim()}`)));
    const ready = (n) => resolve({ display: ':' + n, stop, kill });
    if (fixed !== null) {
      const wait = (i) => fs.existsSync(`/tmp/.X11-unix/X${fixed}`) || i > 100 ? ready(fixed) : setTimeout(() => wait(i + 1), 50);
      wait(0);
    } else {
      let out = '';
      x.stdio[3].on('data', (d) => { out += d; if (/\n/.test(out)) ready(out.trim()); });
    }
  });
}

async function webkit(o) {
  const { Builder } = require('selenium-webdriver');
  const home = tmpDir('webkit');
  // MiniBrowser is a GTK program: GTK's animation setting is what WebKitGTK
  // reports as the reduced-motion preference.
  fs.mkdirSync(path.join(home, 'config', 'gtk-3.0'), { recursive: true });
  fs.writeFileSync(path.join(home, 'config', 'gtk-3.0', 'settings.ini'),
    `[Settings]\ngtk-enable-animations=${o.reducedMotion ? 'false' : 'true'}\n`);
  const x = await startXvfb();
  const port = await freePort();
  const env = Object.assign({}, process.env, { DISPLAY: x.display, HOME: home, XDG_CONFIG_HOME: path.join(home, 'config'),
    XDG_CACHE_HOME: path.join(home, 'cache'), XDG_DATA_HOME: path.join(home, 'data'), GDK_BACKEND: 'x11', NO_AT_BRIDGE: '1' });
  const driver = spawn(ENGINES.webkit.binaries[0], ['--port=' + port, '--host=127.0.0.1'], { env, stdio: 'ignore' });
  // should this program end without closing the browser, the driver and the display go with it
  const orphans = () => { if (driver.exitCode === null) driver.kill(); x.kill(); };
  process.once('exit', orphans);
  const stop = async () => {
    process.removeListener('exit', orphans);
    if (driver.exitCode === null) { driver.kill(); await new Promise((r) => driver.once('exit', r)); }
    await x.stop();
    removeDir(home);
  };
  let d, setViewport;
  try {
    for (let i = 0; i < 50 && !d; i++) {
      try {
        d = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
          browserName: 'MiniBrowser', 'webkitgtk:browserOptions': { binary: ENGINES.webkit.binaries[1], args: ['--automation'] }
        }).build();
      } catch (e) {
        if (driver.exitCode !== null || i === 49) throw e;
        await sleep(200);
      }
    }
    // The window's frame and tool bar take some room: size the window so that the page gets the viewport asked for.
    setViewport = async (v) => {
      for (let i = 0; i < 3; i++) {
        const inner = await d.executeScript('return [innerWidth, innerHeight]');
        if (inner[0] === v.width && inner[1] === v.height) return;
        const rect = await d.manage().window().getRect();
        await d.manage().window().setRect({ x: 0, y: 0, width: rect.width + v.width - inner[0], height: rect.height + v.height - inner[1] });
      }
    };
    // a fresh window may not take scripts for a moment
    for (let i = 0; ; i++) {
      try { await setViewport(o.viewport); break; } catch (e) { if (i === 20) throw e; await sleep(200); }
    }
  } catch (e) {
    if (d) await d.quit().catch(() => {});
    await stop();
    throw e;
  }
  const script = (fn) => `return (${fn}).apply(null, arguments)`;
  return {
    goto: (url) => d.get(url),
    evaluate: (fn, arg) => d.executeScript(script(fn), arg === undefined ? null : arg),
    screenshot: async () => Buffer.from(await d.takeScreenshot(), 'base64'),
    setViewport,
    close: async () => { await d.quit().catch(() => {}); await stop(); }
  };
}

const ADAPTERS = { chromium, firefox, webkit };

/** Opens the engine's browser with one tab of the given viewport. */
async function open(engine, options = {}) {
  const o = Object.assign({ viewport: { width: 1280, height: 800 }, reducedMotion: false }, options);
  return ADAPTERS[engine](o);
}

module.exports = { ENGINES, missing, open };
