'use strict';
// A small local web server for the test pages, the same for every engine.
// A page at an absolute path P (inside one of the allowed folders) is served
// at http://127.0.0.1:PORT/P, so relative links resolve as in the folder.
// The server keeps the list of requests and of those it could not answer, and
// puts a recorder script at the top of every HTML page that notes script
// errors, console.error calls and resources that failed to load in
// window.__wispletLog - the engines' own event channels differ too much.
// A page whose name ends in ".csp.html" is served with the header
// Content-Security-Policy: default-src 'self', and gets the recorder as a
// script file of the same origin, since the policy blocks inline scripts;
// every violation of a policy is noted too.
const fs = require('fs');
const http = require('http');
const path = require('path');

const TYPES = { '.html': 'text/html', '.htm': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.jpg': 'image/jpeg', '.jpeg': 'image/jpeg', '.png': 'image/png', '.gif': 'image/gif', '.svg': 'image/svg+xml',
  '.ico': 'image/x-icon', '.cur': 'image/x-icon' };

// An error event whose default the page prevents (the page script does so for
// a call it redraws itself) is not an error the visitor sees.
const RECORDER_JS = '(function(){var log=window.__wispletLog=[],ce=console.error;' +
  'console.error=function(){log.push("console: "+Array.prototype.join.call(arguments," "));return ce.apply(console,arguments);};' +
  'addEventListener("error",function(e){var el=e.target;' +
  'if(el&&el!==window&&el.nodeType===1){log.push("failed to load "+(el.currentSrc||el.src||el.href||el.nodeName));return;}' +
  'setTimeout(function(){if(!e.defaultPrevented)log.push("error: "+(e.message||e.error));},0);},true);' +
  'addEventListener("unhandledrejection",function(e){log.push("unhandled rejection: "+e.reason);});' +
  'document.addEventListener("securitypolicyviolation",function(e){log.push("csp: "+e.violatedDirective+" "+e.blockedURI);});})();';
const RECORDER = '<script>' + RECORDER_JS + '</script>';
const RECORDER_PATH = '/__wisplet-recorder.js';
const STRICT_CSP = "default-src 'self'";

/** Puts the recorder first in the page, after a doctype so the page keeps its mode. */
function withRecorder(html, recorder = RECORDER) {
  const m = /^\s*<!doctype[^>]*>/i.exec(html);
  return m ? html.slice(0, m[0].length) + recorder + html.slice(m[0].length) : recorder + html;
}

/** Starts serving files below the given folders; resolves to { url(file), log, reset(), close() }. */
function serve(roots) {
  const allowed = roots.map((r) => path.resolve(r) + path.sep);
  const log = { requests: [], failed: [] };
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://127.0.0.1');
    const file = path.resolve(decodeURIComponent(url.pathname));
    if (url.pathname !== '/favicon.ico') log.requests.push(url.href.replace(/^http:\/\/127\.0\.0\.1/, ''));
    const fail = (code) => {
      if (url.pathname !== '/favicon.ico') log.failed.push(url.pathname);
      res.writeHead(code, { 'Cache-Control': 'no-store' }); res.end();
    };
    if (url.pathname === RECORDER_PATH) {
      res.writeHead(200, { 'Content-Type': 'text/javascript', 'Cache-Control': 'no-store' });
      return res.end(RECORDER_JS);
    }
    if (!allowed.some((r) => file.startsWith(r))) return fail(403);
    fs.readFile(file, (err, body) => {
      if (err) return fail(404);
      const type = TYPES[path.extname(file).toLowerCase()] || 'application/octet-stream';
      const strict = /\.csp\.html$/i.test(file), headers = { 'Content-Type': type, 'Cache-Control': 'no-store' };
      if (strict) headers['Content-Security-Policy'] = STRICT_CSP;
      if (type === 'text/html') {
        body = Buffer.from(withRecorder(body.toString('latin1'), strict ? `<script src="${RECORDER_PATH}"></script>` : RECORDER), 'latin1');
      }
      res.writeHead(200, headers);
      res.end(body);
    });
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const base = 'http://127.0.0.1:' + server.address().port;
      resolve({
        url: (file) => base + path.resolve(file).split(path.sep).map(encodeURIComponent).join('/'),
        log,
        reset() { log.requests = []; log.failed = []; },
        close: () => new Promise((r) => { server.closeAllConnections && server.closeAllConnections(); server.close(() => r()); })
      });
    });
  });
}

module.exports = { serve };
