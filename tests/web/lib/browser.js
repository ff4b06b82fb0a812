'use strict';
// Starts the system's headless Chromium through playwright-core (never a downloaded browser).
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');

const CHROMIUM = process.env.WISPLET_CHROMIUM || '/usr/bin/chromium';
const SKIP = 77; // CTest's SKIP_RETURN_CODE for this suite
const ARGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const WEB_DIR = path.resolve(__dirname, '..');
const ROOT = path.resolve(WEB_DIR, '..', '..');
const RESOURCES = path.join(ROOT, 'resources');

/** Exits with the skip code when no Chromium is installed; that is the only reason to skip. */
function requireChromium() {
  if (!fs.existsSync(CHROMIUM)) {
    console.log(`SKIPPED: no Chromium at ${CHROMIUM}; install the Debian package "chromium" to run the page-script tests.`);
    process.exit(SKIP);
  }
}

/** Loads playwright-core, installing the locked version with npm ci on first use. */
function playwright() {
  try {
    return require('playwright-core');
  } catch (e) {
    console.log('playwright-core missing: running npm ci in ' + WEB_DIR);
    execFileSync('npm', ['ci', '--no-audit', '--no-fund'], { cwd: WEB_DIR, stdio: 'inherit',
      env: Object.assign({}, process.env, { PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD: '1' }) });
    return require('playwright-core');
  }
}

/** Launches a browser context with a fresh profile; close() removes the profile again. */
async function launch(options = {}) {
  requireChromium();
  const { chromium } = playwright();
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'wisplet-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM, headless: true, args: ARGS.concat(options.extraArgs || []),
    viewport: options.viewport || { width: 1280, height: 800 }, deviceScaleFactor: 1,
    reducedMotion: options.reducedMotion || 'no-preference'
  });
  const close = async () => {
    await context.close().catch(() => {});
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { context, close, profile };
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

module.exports = { launch, requireChromium, sampleFolder, RESOURCES, ROOT, SKIP };
