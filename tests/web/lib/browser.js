'use strict';
// The browser the page-script checks run in, whatever its engine: pages are
// served by the local test server, and every call here behaves the same in
// Chromium, Firefox and WebKit.
//
// The engine is the first command-line argument or --engine NAME, else
// WISPLET_ENGINE, else chromium.
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const engines = require('./engines');
const { serve } = require('./server');

const SKIP = 77; // CTest's SKIP_RETURN_CODE for these suites
const WEB_DIR = path.resolve(__dirname, '..');
const ROOT = path.resolve(WEB_DIR, '..', '..');
const RESOURCES = path.join(ROOT, 'resources');

/** The engine named on the command line or in the environment. */
function engineName(argv = process.argv.slice(2)) {
  const i = argv.indexOf('--engine');
  const named = i >= 0 ? argv[i + 1] : argv.find((a) => !a.startsWith('-'));
  return named || process.env.WISPLET_ENGINE || 'chromium';
}

/** Exits with the skip code when the engine's browser is not installed; that is the only reason to skip. */
function requireEngine(engine = engineName()) {
  const gone = engines.missing(engine);
  if (gone.length) {
    console.log(`SKIPPED: ${gone.join(', ')} missing; install the Debian package(s) "${engines.ENGINES[engine].pkg}" to run the ${engine} checks.`);
    process.exit(SKIP);
  }
  return engine;
}

/** Makes sure the locked npm packages are there, running npm ci on first use. */
function installPackages() {
  try {
    require.resolve('playwright-core'); require.resolve('puppeteer-core'); require.resolve('selenium-webdriver'); require.resolve('axe-core');
  } catch (e) {
    console.log('npm packages missing: running npm ci in ' + WEB_DIR);
    execFileSync('npm', ['ci', '--no-audit', '--no-fund'], { cwd: WEB_DIR, stdio: 'inherit',
      env: Object.assign({}, process.env, { PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD: '1', PUPPETEER_SKIP_DOWNLOAD: '1' }) });
  }
}

const settle = () => new Promise((done) => {
  // two animation frames: the last style change has been painted and composited
  const timer = setTimeout(done, 300);
  requestAnimationFrame(() => requestAnimationFrame(() => { clearTimeout(timer); done(); }));
});

/**
 * Launches the engine's browser with one tab. Returns
 *   { engine, open(file) -> page, setViewport(v), close() }
 * where page has evaluate(fn, arg), screenshot() (PNG of the viewport, taken
 * once what the page shows has been painted), waitFor(fn, arg, ms) and log()
 * -> { errors, requests, failed } since the page was opened.
 */
async function launch(options = {}) {
  const engine = requireEngine(options.engine || engineName());
  installPackages();
  const server = await serve([os.tmpdir(), ROOT]);
  let tab;
  try {
    tab = await engines.open(engine, options);
  } catch (e) {
    await server.close();
    throw e;
  }
  const page = {
    url: null,
    evaluate: (fn, arg) => tab.evaluate(fn, arg),
    async screenshot() { await tab.evaluate(settle); return tab.screenshot(); },
    async waitFor(fn, arg, ms = 10000) {
      const end = Date.now() + ms;
      for (;;) {
        if (await tab.evaluate(fn, arg)) return;
        if (Date.now() > end) throw new Error('timed out waiting for ' + String(fn).slice(0, 200));
        await new Promise((r) => setTimeout(r, 50));
      }
    },
    async log() {
      // errors are noted a moment after they happen (see the recorder)
      const errors = await tab.evaluate(() => new Promise((r) => setTimeout(() => r((window.__wispletLog || []).slice()), 20)));
      return { errors, requests: server.log.requests.slice(), failed: server.log.failed.slice() };
    }
  };
  return {
    engine,
    async open(file) {
      await tab.goto('about:blank');
      server.reset();
      page.url = server.url(file);
      await tab.goto(page.url);
      return page;
    },
    async setViewport(v) {
      await tab.setViewport(v);
      await page.waitFor((v) => innerWidth === v.width && innerHeight === v.height, v, 3000);
    },
    async close() {
      try { await tab.close(); } finally { await server.close(); }
    }
  };
}

/** A temporary folder laid out like the application's samples folder. */
function sampleFolder() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'wisplet-page-'));
  fs.mkdirSync(path.join(dir, 'Wisplet_Files'));
  fs.copyFileSync(path.join(RESOURCES, 'samples', 'Wisplet_Files', 'wisplet.js'), path.join(dir, 'Wisplet_Files', 'wisplet.js'));
  const css = path.join(RESOURCES, 'samples', 'styles.css');
  if (fs.existsSync(css)) fs.copyFileSync(css, path.join(dir, 'styles.css'));
  return dir;
}

module.exports = { launch, engineName, requireEngine, sampleFolder, RESOURCES, ROOT, SKIP };
