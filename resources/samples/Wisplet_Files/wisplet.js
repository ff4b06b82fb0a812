/*
 * wisplet.js - draws a wisplet: a floating box that slides into a web page,
 * waits, and then reveals its content with one of 62 transition effects.
 *
 * Usage (from an inline script placed where the box should stand):
 *   WriteWisplet(waiting, width, height, background, bgColor, align, entrance,
 *                contentEntrance, duration, content, padIn, padOut,
 *                borderStyle, borderWidth, borderColor)
 *
 *   waiting          seconds between the end of the entrance and the reveal
 *   width, height    size of the content area in CSS pixels
 *   background       picture stretched over the whole box; a path without a
 *                    file extension means "no picture" and is never requested
 *   bgColor          colour under the picture (#RRGGBB)
 *   align            "Default" (start side), "Left", "Center" or "Right"
 *   entrance         0 Slide From Left-Top, 1 Slide From Left, 2 Slide From Top
 *                    (3 Slide From Right and 4 Slide From Middle are extras)
 *   contentEntrance  0..61, the transition that reveals the content
 *   duration         seconds the reveal takes (0 = at once)
 *   content          HTML of the content
 *   padIn, padOut    padding inside / outside the border, pixels
 *   borderStyle      none, solid, dashed, dotted or double
 *   borderWidth      pixels; the space is kept even when the style is none
 *   borderColor      colour of the border
 *
 * Empty or malformed numbers fall back to the designer's defaults. The box
 * is inserted right after the calling <script> element (or before the table
 * that holds it, where a box cannot stand), floats over the page, and only
 * transforms, clip paths, masks, opacity and a filter are animated. While it
 * enters, the box is fixed to the viewport, so sliding in from outside never
 * gives the page a scroll bar or moves anything on it. After the reveal the
 * content is left untouched by any of them. Under the user's
 * "reduce motion" preference there is no slide and every effect is a short fade.
 *
 * Test hook (inert unless called): WriteWisplet.test.pause(), .resume(),
 * .boxes(), .seek(index, t[, "entrance"|"reveal"]).
 *
 * Host control (for a page or a designer that drives its boxes; inert unless
 * called). Boxes are numbered 0, 1, ... in the order they were written; a
 * box's timeline runs in seconds from 0: the entrance, the waiting time, the
 * reveal, and its end (the final look).
 *   WriteWisplet.count()               number of boxes on the page
 *   WriteWisplet.update(i, values)     values: the fifteen WriteWisplet
 *       arguments as an array (numbers may be given as text). Box i takes them
 *       in place at the moment it stands on and keeps playing or standing: it
 *       then shows exactly what a fresh page with these values shows at that
 *       moment. A picture path with "?..." after it is fetched anew.
 *   WriteWisplet.seek(i, seconds)      shows box i at that moment and holds it
 *   WriteWisplet.play(i)               runs box i on from where it stands
 *                                      (from the start when it stands at its end)
 *   WriteWisplet.pause(i)              holds box i where it stands
 *   WriteWisplet.timeline(i)           { entrance, waiting, reveal, end, time,
 *                                        playing } in seconds
 */
(function (global) {
  'use strict';
  if (typeof global.WriteWisplet === 'function' && global.WriteWisplet.version) return;

  var doc = global.document;
  var ENTRANCE_SECONDS = 1.2;
  var REDUCED_FADE_SECONDS = 0.4;
  var ENTRANCE_NAMES = ['Slide From Left-Top', 'Slide From Left', 'Slide From Top',
    'Slide From Right', 'Slide From Middle'];
  var BORDER_STYLES = ['none', 'solid', 'dashed', 'dotted', 'double'];
  var TEMP_ATTR = 'data-wisplet-temp';
  // The text of the box: the designer's content editor reads this line to lay
  // its mock-up out alike, so keep it one line of quoted names and values.
  var CONTENT_TEXT = { 'font-family': 'Arial, Helvetica, sans-serif', 'font-size': '12px', 'line-height': 'normal' };
  var CONTENT_PROPS = ['clip-path', '-webkit-clip-path', 'mask-image', '-webkit-mask-image',
    'mask-size', '-webkit-mask-size', 'mask-repeat', '-webkit-mask-repeat', 'opacity',
    'transform', 'transform-origin', 'filter', 'visibility', 'backface-visibility', 'z-index'];

  /* ---------- small helpers ---------- */
  function r2(v) { return Math.round(v * 100) / 100; }
  function clamp01(v) { return v < 0 ? 0 : v > 1 ? 1 : v; }
  function smooth(t) { return t * t * (3 - 2 * t); }
  function easeOut(t) { var u = 1 - t; return 1 - u * u * u; }
  function css(el, map) { for (var k in map) el.style.setProperty(k, map[k]); }
  function both(el, prop, value) {
    el.style.setProperty(prop, value);
    el.style.setProperty('-webkit-' + prop, value);
  }
  // Mulberry32: a small seeded generator, so random effects repeat exactly.
  function seeded(seed) {
    var a = seed >>> 0;
    return function () {
      a = (a + 0x6D2B79F5) >>> 0;
      var t = Math.imul(a ^ (a >>> 15), 1 | a);
      t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
      return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
  }
  function shuffled(n, seed) {
    var rnd = seeded(seed), order = new Array(n), i;
    for (i = 0; i < n; i++) order[i] = i;
    for (i = n - 1; i > 0; i--) {
      var j = Math.floor(rnd() * (i + 1)), s = order[i];
      order[i] = order[j]; order[j] = s;
    }
    return order;
  }
  // Non-negative whole or decimal number; anything else gives the default.
  function number(v, def, max) {
    var s = String(v == null ? '' : v).replace(/^\s+|\s+$/g, '');
    if (!/^\d+(\.\d+)?$/.test(s)) return def;
    var n = parseFloat(s);
    return n > max ? max : n;
  }
  function index(v, count) {
    var n = number(v, 0, 1e9);
    return n === Math.floor(n) && n < count ? n : 0;
  }
  function colour(v, def) {
    var s = String(v == null ? '' : v).replace(/^\s+|\s+$/g, '');
    if (/^#([0-9a-f]{3}|[0-9a-f]{6}|[0-9a-f]{8})$/i.test(s)) return s;
    if (/^[a-z]+$/i.test(s) && global.CSS && CSS.supports && CSS.supports('color', s)) return s;
    return def;
  }
  function hasExtension(path) {
    var name = String(path || '').split(/[?#]/)[0].split('/').pop();
    return /\.[A-Za-z0-9]+$/.test(name);
  }
  function cssUrl(path) { return 'url("' + String(path).replace(/["\\\n\r]/g, '\\$&') + '")'; }

  /* ---------- clip path builders (pixels of the content area) ---------- */
  var CAN_PATH = !!(global.CSS && CSS.supports &&
    (CSS.supports('clip-path', 'path("M0 0")') || CSS.supports('-webkit-clip-path', 'path("M0 0")')));
  var EMPTY = 'M0 0Z';
  function poly(points) {
    var s = 'M' + r2(points[0][0]) + ' ' + r2(points[0][1]);
    for (var i = 1; i < points.length; i++) s += 'L' + r2(points[i][0]) + ' ' + r2(points[i][1]);
    return s + 'Z';
  }
  // rects: [x0, y0, x1, y1]; clipped to the area, empty ones dropped.
  function rects(list, w, h) {
    var s = '';
    for (var i = 0; i < list.length; i++) {
      var x0 = Math.max(0, list[i][0]), y0 = Math.max(0, list[i][1]);
      var x1 = Math.min(w, list[i][2]), y1 = Math.min(h, list[i][3]);
      if (x1 > x0 && y1 > y0) s += 'M' + r2(x0) + ' ' + r2(y0) + 'H' + r2(x1) + 'V' + r2(y1) + 'H' + r2(x0) + 'Z';
    }
    return s || EMPTY;
  }
  // Sector of a circle big enough to cover the area, clockwise from a0 to a1 (degrees, 0 = +x, 90 = down).
  function sector(cx, cy, a0, a1, radius) {
    if (a1 - a0 <= 0) return EMPTY;
    var pts = [[cx, cy]], steps = Math.max(1, Math.ceil((a1 - a0) / 30));
    for (var i = 0; i <= steps; i++) {
      var a = (a0 + (a1 - a0) * i / steps) * Math.PI / 180;
      pts.push([cx + radius * Math.cos(a), cy + radius * Math.sin(a)]);
    }
    return poly(pts);
  }
  function clip(el, shape) { both(el, 'clip-path', shape.charAt(0) === 'M' ? 'path("' + shape + '")' : shape); }
  function clipPath(el, d) { clip(el, d || EMPTY); }
  function inset(t, r, b, l) { return 'inset(' + r2(t) + 'px ' + r2(r) + 'px ' + r2(b) + 'px ' + r2(l) + 'px)'; }

  /* ---------- effect families: each returns frame(t) ---------- */
  // Two doors: open = a centre slit widens, close = bands grow in from both edges.
  function doors(c, axis, open) {
    var el = c.content, w = c.w, h = c.h;
    return function (t) {
      var L = axis === 'v' ? w : h, a = L / 2 * (open ? 1 - t : t), list;
      if (axis === 'v') list = open ? [[a, 0, w - a, h]] : [[0, 0, a, h], [w - a, 0, w, h]];
      else list = open ? [[0, a, w, h - a]] : [[0, 0, w, a], [0, h - a, w, h]];
      clipPath(el, rects(list, w, h));
    };
  }
  // A straight or saw-toothed front moving along (dx, dy); visible behind it.
  function front(c, dx, dy, saw) {
    var w = c.w, h = c.h, n = Math.sqrt(dx * dx + dy * dy), ux = dx / n, uy = dy / n;
    var corners = [[0, 0], [w, 0], [0, h], [w, h]], pmin = 1e9, pmax = -1e9, qmin = 1e9, qmax = -1e9;
    corners.forEach(function (p) {
      var a = p[0] * ux + p[1] * uy, b = -p[0] * uy + p[1] * ux;
      pmin = Math.min(pmin, a); pmax = Math.max(pmax, a); qmin = Math.min(qmin, b); qmax = Math.max(qmax, b);
    });
    var period = saw ? Math.max(12, Math.min(w, h) / 5) : 0, amp = period / 2;
    function xy(p, q) { return [p * ux - q * uy, p * uy + q * ux]; }
    return function (t) {
      var f = pmin - amp + t * (pmax - pmin + 2 * amp), back = pmin - amp - 2, q = qmin - 2, pts = [];
      if (f + amp <= pmin) return clipPath(c.content, EMPTY);
      if (!saw) { pts.push(xy(back, q), xy(f, q)); q = qmax + 2; pts.push(xy(f, q)); }
      else for (pts.push(xy(back, q = qmin - period)); q < qmax; q += period)
        pts.push(xy(f - amp, q), xy(f + amp, q + period), xy(f - amp, q + period));
      pts.push(xy(back, q));
      clipPath(c.content, poly(pts));
    };
  }
  // Ten bands, each revealed within itself in the given direction.
  function blinds(c, dx, dy) {
    var w = c.w, h = c.h, N = 10;
    return function (t) {
      var list = [];
      for (var i = 0; i < N; i++) {
        if (dx) { var x0 = w * i / N, bw = w / N; list.push(dx > 0 ? [x0, 0, x0 + bw * t, h] : [x0 + bw * (1 - t), 0, x0 + bw, h]); }
        else { var y0 = h * i / N, bh = h / N; list.push(dy > 0 ? [0, y0, w, y0 + bh * t] : [0, y0 + bh * (1 - t), w, y0 + bh]); }
      }
      clipPath(c.content, rects(list, w, h));
    };
  }
  // 12 x 10 cells; cells pair up along the direction, every other line offset
  // by one cell, so half way through the pattern is an exact checkerboard.
  function checker(c, dx, dy) {
    var w = c.w, h = c.h, cw = w / 12, ch = h / 10;
    return function (t) {
      var list = [], i, p;
      if (dx) for (i = 0; i < 10; i++) for (p = (i % 2 ? -cw : 0); p < w; p += 2 * cw) {
        list.push(dx > 0 ? [p, i * ch, p + 2 * cw * t, (i + 1) * ch] : [p + 2 * cw * (1 - t), i * ch, p + 2 * cw, (i + 1) * ch]);
      }
      else for (i = 0; i < 12; i++) for (p = (i % 2 ? -ch : 0); p < h; p += 2 * ch) {
        list.push(dy > 0 ? [i * cw, p, (i + 1) * cw, p + 2 * ch * t] : [i * cw, p + 2 * ch * (1 - t), (i + 1) * cw, p + 2 * ch]);
      }
      clipPath(c.content, rects(list, w, h));
    };
  }
  function fade(c) { return function (t) { c.content.style.opacity = String(r2(t)); }; }
  // A soft edge a quarter of the box wide. Behind the edge the content is
  // shown by a plain clip; only a copy clipped to the band of the soft edge
  // carries the gradient mask, so the engines mask a quarter of the box, not
  // all of it. The two meet on a whole pixel, where the mask is still opaque.
  function gradient(c, dx, dy) {
    var w = c.w, h = c.h, L = dx ? w : h, soft = L / 4, band = c.piece(1);
    var to = dx > 0 ? 'right' : dx < 0 ? 'left' : dy > 0 ? 'bottom' : 'top';
    both(band, 'mask-size', '100% 100%');
    both(band, 'mask-repeat', 'no-repeat');
    // [from, to) along the axis, counted from the side the edge starts at, as a rectangle of the box
    function part(a, b) {
      var lo = dx > 0 || dy > 0 ? a : L - b, hi = dx > 0 || dy > 0 ? b : L - a;
      return rects([dx ? [lo, 0, hi, h] : [0, lo, w, hi]], w, h);
    }
    return function (t) {
      var p = -soft + t * (L + soft), q = Math.max(0, Math.min(L, Math.round(p)));
      clipPath(c.content, part(0, q));
      clipPath(band, part(q, Math.min(L, p + soft)));
      both(band, 'mask-image', 'linear-gradient(to ' + to + ',#000 ' + r2(p) + 'px,rgba(0,0,0,0) ' + r2(p + soft) + 'px)');
    };
  }
  // Shapes around the centre at scale s (1 covers all four corners).
  function shapePath(kind, w, h, s) {
    var cx = w / 2, cy = h / 2, hw = w / 2 * s, hh = h / 2 * s;
    function uv(u, v) { return [cx + u * hw, cy + v * hh]; }
    switch (kind) {
      case 'box': return poly([uv(-1, -1), uv(1, -1), uv(1, 1), uv(-1, 1)]);
      case 'circle': return 'circle(' + r2(s * Math.sqrt(w * w + h * h) / 2) + 'px at ' + r2(cx) + 'px ' + r2(cy) + 'px)';
      case 'diamond': return poly([uv(0, -2), uv(2, 0), uv(0, 2), uv(-2, 0)]);
      case 'plus': return poly([uv(-2, -1), uv(2, -1), uv(2, 1), uv(-2, 1)]) + poly([uv(-1, -2), uv(1, -2), uv(1, 2), uv(-1, 2)]);
      case 'x': return poly([uv(1.5, 0.5), uv(0.5, 1.5), uv(-1.5, -0.5), uv(-0.5, -1.5)]) +
        poly([uv(-0.5, 1.5), uv(-1.5, 0.5), uv(0.5, -1.5), uv(1.5, -0.5)]);
      default: { // five-point star, point up; its inner circle reaches the corners at s = 1
        var R = s * Math.sqrt(w * w + h * h) / 2 / STAR_INNER_REACH, pts = [];
        for (var i = 0; i < 10; i++) {
          var a = -Math.PI / 2 + i * Math.PI / 5, r = i % 2 ? R * STAR_RATIO : R;
          pts.push([cx + r * Math.cos(a), cy + r * Math.sin(a)]);
        }
        return poly(pts);
      }
    }
  }
  var STAR_RATIO = 0.5, STAR_INNER_REACH = (function () {
    // nearest distance from the centre to the outline of a unit star
    var best = 1, p = [];
    for (var i = 0; i <= 10; i++) {
      var a = -Math.PI / 2 + i * Math.PI / 5, r = i % 2 ? STAR_RATIO : 1;
      p.push([r * Math.cos(a), r * Math.sin(a)]);
    }
    for (i = 0; i < 10; i++) {
      var ax = p[i][0], ay = p[i][1], bx = p[i + 1][0] - ax, by = p[i + 1][1] - ay;
      var k = clamp01(-(ax * bx + ay * by) / (bx * bx + by * by)), x = ax + k * bx, y = ay + k * by;
      best = Math.min(best, Math.sqrt(x * x + y * y));
    }
    return best * 0.98;
  })();
  // "out" grows the shape of new content from the centre; "in" shrinks the
  // old plate's shape-formed hole (the old plate lies over the content).
  function shape(c, kind, out) {
    var w = c.w, h = c.h, plate = out ? null : c.plate();
    return function (t) {
      if (out) clip(c.content, t > 0 ? shapePath(kind, w, h, t * 1.02) : EMPTY);
      else clip(plate, t < 1 ? shapePath(kind, w, h, (1 - t) * 1.02) : EMPTY);
    };
  }
  // Filter lengths as fractions of the box, in single precision as the engines
  // keep them: the nearest fraction whose size in pixels is at least (side > 0)
  // or at most (side < 0) v. Engines differ in how they turn a fraction back
  // into pixels - one rounds a sub-region outwards, one keeps its fraction, one
  // truncates a radius, one rounds a radius up unless it is all but whole - and
  // a hair on the wrong side of a whole pixel shows as gaps or seams between
  // the blocks. So sub-regions end EDGE pixels short of their last pixel and a
  // radius is HAIR pixels over its whole ones: more than any engine's rounding
  // error, far less than anything visible or than a radius rounded up.
  var F32 = global.Float32Array ? new Float32Array(1) : null, I32 = F32 ? new Int32Array(F32.buffer) : null;
  var EDGE = 1e-5, HAIR = 3e-5;
  function fraction(v, size, side) {
    var f = Math.fround ? Math.fround(v / size) : v / size;
    if (!F32 || !Math.fround || v <= 0) return f;
    for (var i = 0; i < 64 && (side > 0 ? f * size < v : f * size > v); i++) { F32[0] = f; I32[0] += side; f = F32[0]; }
    return f;
  }
  // [start, length] of the n pixels from p on, as fractions of size.
  function span(p, n, size) { return [fraction(p, size, 1), fraction(n - EDGE, size, -1)]; }
  // Blocks grow to their largest at half time and shrink again, while the content fades in.
  // One dot of the content per block is kept (a 1-pixel flood tiled every block)
  // and dilated to the block's size. Every filter length is a fraction of the
  // content's box (objectBoundingBox units): with user-space lengths on an HTML
  // element some engines place the sub-regions from another origin.
  function pixelate(c) {
    var id = 'wisplet-pixelate-' + c.id, NS = 'http://www.w3.org/2000/svg', w = c.w, h = c.h;
    var svg = c.temp(doc.createElementNS(NS, 'svg'));
    svg.setAttribute('width', '0'); svg.setAttribute('height', '0');
    css(svg, { position: 'absolute', left: '0', top: '0' });
    svg.innerHTML = '<filter id="' + id + '" x="0" y="0" width="1" height="1" filterUnits="objectBoundingBox"' +
      ' primitiveUnits="objectBoundingBox" color-interpolation-filters="sRGB">' +
      '<feFlood x="0" y="0" width="0" height="0"/><feComposite x="0" y="0" width="0" height="0"/><feTile result="dots"/>' +
      '<feComposite in="SourceGraphic" in2="dots" operator="in"/><feMorphology operator="dilate" radius="0"/></filter>';
    // A block is 2r + 1 pixels: a dot dilated by a whole radius r fills its
    // block exactly, so blocks neither overlap nor leave gaps between them.
    var prim = svg.firstChild.childNodes, R = Math.max(2, Math.min(8, Math.round(Math.min(w, h) / 20)));
    function set(el, x, y) {
      el.setAttribute('x', x[0]); el.setAttribute('width', x[1]);
      el.setAttribute('y', y[0]); el.setAttribute('height', y[1]);
    }
    // The reveal moves in steps, the fade with them: between steps a frame
    // changes nothing, so the engine need not filter the content again (the
    // costly part).
    var steps = 4 * R, shown = -1;
    return function (t) {
      var k = Math.round(t * steps);
      if (k === shown) return;
      shown = k;
      var r = Math.round(R * (1 - Math.abs(2 * k / steps - 1))), b = 2 * r + 1;
      c.content.style.opacity = String(r2(k / steps));
      if (!r) { c.content.style.removeProperty('filter'); return; }
      set(prim[0], span(r, 1, w), span(r, 1, h)); // the dot
      set(prim[1], span(0, b, w), span(0, b, h)); // the block it is tiled with
      prim[4].setAttribute('radius', fraction(r + HAIR, w, 1) + ' ' + fraction(r + HAIR, h, 1));
      c.content.style.filter = 'url(#' + id + ')';
    };
  }
  // Rays: radial (top-left anchor, top edge to left edge), clock, wedge, wheel.
  function sweep(c, kind) {
    var w = c.w, h = c.h, R = Math.sqrt(w * w + h * h) * 1.2;
    return function (t) {
      var d;
      if (kind === 'radial') d = sector(0, 0, 0, 90 * t, R * 1.7);
      else if (kind === 'clock') d = sector(w / 2, h / 2, -90, -90 + 360 * t, R);
      else if (kind === 'wedge') d = sector(w / 2, h / 2, -90 - 180 * t, -90 + 180 * t, R);
      else { d = ''; for (var k = 0; k < 4; k++) if (t > 0) d += sector(w / 2, h / 2, -90 + 90 * k, -90 + 90 * k + 90 * t, R); }
      clipPath(c.content, d);
    };
  }
  // Random 1-pixel rows or columns, or small cells, in a seeded order.
  function scatter(c, kind) {
    var w = c.w, h = c.h, cell = kind === 'cells' ? Math.max(4, Math.round(Math.min(w, h) / 40)) : 1;
    var cols = kind === 'rows' ? 1 : Math.ceil(w / cell), rowsN = kind === 'cols' ? 1 : Math.ceil(h / cell);
    var cw = kind === 'rows' ? w : cell, chh = kind === 'cols' ? h : cell, N = cols * rowsN;
    var order = shuffled(N, 0x5EED + N * 7 + c.effect), rank = new Array(N);
    for (var i = 0; i < N; i++) rank[order[i]] = i;
    return function (t) {
      var shown = Math.floor(t * N + 1e-9), list = [], run;
      if (kind === 'rows') {
        for (var y = 0; y < rowsN; y++) if (rank[y] < shown) {
          if (run && run[3] === y) run[3] = y + 1; else list.push(run = [0, y, w, y + 1]);
        }
      } else for (var r = 0; r < rowsN; r++) {
        run = null;
        for (var x = 0; x < cols; x++) if (rank[r * cols + x] < shown) {
          if (run && run[2] === x * cw) run[2] = (x + 1) * cw; else list.push(run = [x * cw, r * chh, (x + 1) * cw, (r + 1) * chh]);
        }
      }
      clipPath(c.content, rects(list, w, h));
    };
  }
  // Ten horizontal bands: old bands slide out, new bands slide in, or both alternately.
  // Band edges lie on whole pixels, so bands meet without a seam and each plate
  // shows its part of the picture exactly where the box shows it.
  function slices(c, mode) {
    var w = c.w, h = c.h, N = 10, plates = [], pieces = [], lag = 0.03;
    for (var i = 0; i < N; i++) {
      var y0 = Math.round(i * h / N), y1 = Math.round((i + 1) * h / N);
      if (mode !== 'in') plates.push(c.plate(0, y0, w, y1 - y0));
      if (mode !== 'out') { var p = c.piece(i); clip(p, inset(y0, 0, h - y1, 0)); pieces.push(p); }
    }
    return function (t) {
      for (var i = 0; i < N; i++) {
        var e = smooth(clamp01((t - i * lag) / (1 - (N - 1) * lag))), dir = i % 2 ? 1 : -1;
        if (plates[i]) plates[i].style.transform = 'translateX(' + r2(dir * w * e) + 'px)';
        if (pieces[i]) pieces[i].style.transform = 'translateX(' + r2((mode === 'swap' ? -dir : dir) * w * (1 - e)) + 'px)';
      }
    };
  }
  // Whole plates: the old one hides out, new pushes old away, or they swap over.
  function slide(c, mode) {
    var w = c.w, plate = c.plate(0, 0, c.w, c.h, mode === 'swap');
    return function (t) {
      var e = smooth(t);
      if (mode === 'hide') plate.style.transform = 'translateX(' + r2(w * e) + 'px)';
      else if (mode === 'push') {
        plate.style.transform = 'translateX(' + r2(-w * e) + 'px)';
        c.content.style.transform = 'translateX(' + r2(w * (1 - e)) + 'px)';
      } else {
        plate.style.transform = 'translateX(' + r2(-w * 0.5 * e) + 'px) scale(' + r2(1 - 0.3 * e) + ')';
        plate.style.opacity = String(r2(1 - e));
        c.content.style.transform = 'translateX(' + r2(w * (1 - e)) + 'px)';
      }
    };
  }
  // A grid with 16 cells along the longer side, revealed cell by cell
  // (spiral: clockwise inward from the top-left; zigzag: rows, alternating).
  function grid(c, order) {
    var w = c.w, h = c.h, nx = w >= h ? 16 : Math.max(1, Math.round(16 * w / h));
    var ny = h > w ? 16 : Math.max(1, Math.round(16 * h / w)), cw = w / nx, ch = h / ny, cells = [];
    if (order === 'zigzag') for (var y = 0; y < ny; y++) for (var k = 0; k < nx; k++) cells.push(y % 2 ? [nx - 1 - k, y, -1, 0] : [k, y, 1, 0]);
    else {
      var top = 0, left = 0, right = nx - 1, bottom = ny - 1, i;
      while (top <= bottom && left <= right) {
        for (i = left; i <= right; i++) cells.push([i, top, 1, 0]);
        for (i = top + 1; i <= bottom; i++) cells.push([right, i, 0, 1]);
        if (top < bottom) for (i = right - 1; i >= left; i--) cells.push([i, bottom, -1, 0]);
        if (left < right) for (i = bottom - 1; i > top; i--) cells.push([left, i, 0, -1]);
        top++; left++; right--; bottom--;
      }
    }
    return function (t) {
      var k = t * cells.length, full = Math.floor(k), part = k - full, list = [];
      for (var i = 0; i < full && i < cells.length; i++) list.push([cells[i][0] * cw, cells[i][1] * ch, (cells[i][0] + 1) * cw, (cells[i][1] + 1) * ch]);
      if (full < cells.length && part > 0) {
        var q = cells[full], x0 = q[0] * cw, y0 = q[1] * ch, x1 = x0 + cw, y1 = y0 + ch;
        if (q[2] > 0) x1 = x0 + cw * part; else if (q[2] < 0) x0 = x1 - cw * part;
        else if (q[3] > 0) y1 = y0 + ch * part; else y0 = y1 - ch * part;
        list.push([x0, y0, x1, y1]);
      }
      clipPath(c.content, rects(list, w, h));
    };
  }
  // Parts of the content slide in from outside; each row: clip box [x0,y0,x1,y1] in halves, start offset in sizes.
  var PARTS = {
    tb: [[0, 0, 1, 0.5, 0, -0.5], [0, 0.5, 1, 1, 0, 0.5]],
    lr: [[0, 0, 0.5, 1, -0.5, 0], [0.5, 0, 1, 1, 0.5, 0]],
    quad: [[0, 0, 0.5, 0.5, -0.5, -0.5], [0.5, 0, 1, 0.5, 0.5, -0.5], [0, 0.5, 0.5, 1, -0.5, 0.5], [0.5, 0.5, 1, 1, 0.5, 0.5]],
    v: [[0, 0, 0.5, 1, 0, -1], [0.5, 0, 1, 1, 0, 1]],
    h: [[0, 0, 1, 0.5, -1, 0], [0, 0.5, 1, 1, 1, 0]]
  };
  function halves(c, mode) {
    var w = c.w, h = c.h, parts = PARTS[mode], pieces = [], starts = [];
    // A part leaves the stage by at least its own reach: the start offset is
    // never shorter than the distance from the part's far edge to the stage's.
    function away(size, k, near, far) { return k < 0 ? -Math.max(-k * size, far) : k > 0 ? Math.max(k * size, size - near) : 0; }
    parts.forEach(function (p, i) {
      var el = c.piece(i);
      // whole pixels, so the parts meet without a seam once in place
      var x0 = Math.round(p[0] * w), y0 = Math.round(p[1] * h), x1 = Math.round(p[2] * w), y1 = Math.round(p[3] * h);
      clip(el, inset(y0, w - x1, h - y1, x0));
      pieces.push(el);
      starts.push([away(w, p[4], x0, x1), away(h, p[5], y0, y1)]);
    });
    return function (t) {
      var u = 1 - smooth(t);
      pieces.forEach(function (el, i) { el.style.transform = 'translate(' + r2(starts[i][0] * u) + 'px,' + r2(starts[i][1] * u) + 'px)'; });
    };
  }
  // The box turns like a cube: the old face goes away to the left, the new one comes from the right.
  function cube(c) {
    var w = c.w, plate = c.plate(), P = Math.max(300, 2.5 * w), half = r2(w / 2);
    [plate, c.content].forEach(function (el) { css(el, { 'backface-visibility': 'hidden', 'transform-origin': '50% 50%' }); });
    function face(a) { return 'perspective(' + r2(P) + 'px) translateZ(-' + half + 'px) rotateY(' + r2(a) + 'deg) translateZ(' + half + 'px)'; }
    return function (t) {
      var e = smooth(t);
      plate.style.transform = face(-90 * e);
      c.content.style.transform = face(90 - 90 * e);
    };
  }
  function stretch(c, mode) {
    c.content.style.transformOrigin = mode === 'cover' ? '0 50%' : '50% 50%';
    return function (t) { c.content.style.transform = 'scaleX(' + r2(Math.max(smooth(t), 0.0001)) + ')'; };
  }

  /* ---------- the effect table, in the designer's list order ---------- */
  var EFFECTS = [
    ['Doors Opening - Vertical', doors, 'v', true], ['Doors Closing - Vertical', doors, 'v', false],
    ['Doors Opening - Horizontal', doors, 'h', true], ['Doors Closing - Horizontal', doors, 'h', false],
    ['Wipe Up', front, 0, -1, false], ['Wipe Down', front, 0, 1, false],
    ['Wipe Right', front, 1, 0, false], ['Wipe Left', front, -1, 0, false],
    ['Blinds - Up', blinds, 0, -1], ['Blinds - Down', blinds, 0, 1],
    ['Blinds - Right', blinds, 1, 0], ['Blinds - Left', blinds, -1, 0],
    ['Checkerboard - Up', checker, 0, -1], ['Checkerboard - Down', checker, 0, 1],
    ['Checkerboard - Right', checker, 1, 0], ['Checkerboard - Left', checker, -1, 0],
    ['Fade', fade], ['GradientWipe - Up', gradient, 0, -1],
    ['GradientWipe - Down', gradient, 0, 1], ['GradientWipe - Right', gradient, 1, 0],
    ['GradientWipe - Left', gradient, -1, 0], ['Diagonal DownRight', front, 1, 1, false],
    ['Box In', shape, 'box', false], ['Box Out', shape, 'box', true],
    ['Circle In', shape, 'circle', false], ['Circle Out', shape, 'circle', true],
    ['Plus Sign In', shape, 'plus', false], ['Plus Sign Out', shape, 'plus', true],
    ['X-In', shape, 'x', false], ['X-Out', shape, 'x', true],
    ['Diamond In', shape, 'diamond', false], ['Diamond Out', shape, 'diamond', true],
    ['Star In', shape, 'star', false], ['Star Out', shape, 'star', true],
    ['Pixelate', pixelate], ['Radial WindowWipe', sweep, 'radial'],
    ['Clock WindowWipe', sweep, 'clock'], ['Wedge WindowWipe', sweep, 'wedge'],
    ['Random Lines - Horizontal', scatter, 'rows'], ['Random Lines - Vertical', scatter, 'cols'],
    ['Random Dissolve', scatter, 'cells'], ['Slice Out', slices, 'out'],
    ['Slice In', slices, 'in'], ['Slice Swap', slices, 'swap'],
    ['HideOut', slide, 'hide'], ['PushAway', slide, 'push'],
    ['SwapOver', slide, 'swap'], ['Spiral', grid, 'spiral'],
    ['TopBottom', halves, 'tb'], ['LeftRight', halves, 'lr'],
    ['QuadBlocks', halves, 'quad'], ['Vertical Halves', halves, 'v'],
    ['Horizontal Halves', halves, 'h'], ['CubeTurn', cube],
    ['CoverUp', stretch, 'cover'], ['StretchOut', stretch, 'out'],
    ['Diagonal Saw - Left Down', front, -1, 1, true], ['Diagonal Saw - Left Up', front, -1, -1, true],
    ['Diagonal Saw - Right Down', front, 1, 1, true], ['Diagonal Saw - Right Up', front, 1, -1, true],
    ['Wheel Wipe ', sweep, 'wheel'], ['ZigZag', grid, 'zigzag']
  ];
  var NEEDS_PATH = [doors, front, blinds, checker, gradient, shape, sweep, scatter, grid];

  /* ---------- what an effect may create and change while it runs ---------- */
  function Ctx(box) {
    this.box = box; this.w = box.o.width; this.h = box.o.height; this.id = box.id;
    this.effect = box.o.effect; this.content = box.content; this.stage = box.stage; this.temps = [];
  }
  Ctx.prototype.temp = function (node, before) {
    node.setAttribute(TEMP_ATTR, '');
    this.stage.insertBefore(node, before || null);
    this.temps.push(node);
    return node;
  };
  // A piece of the empty box (its background, aligned with the real one).
  Ctx.prototype.plate = function (x, y, w, h, under) {
    var o = this.box.o, el = doc.createElement('div'), off = o.padOut + o.borderWidth + o.padIn;
    x = x || 0; y = y || 0;
    css(el, {
      position: 'absolute', left: r2(x) + 'px', top: r2(y) + 'px', margin: '0', padding: '0', border: '0',
      width: r2(w == null ? this.w : w) + 'px', height: r2(h == null ? this.h : h) + 'px',
      'background-color': o.bgColor, 'background-image': o.picture ? cssUrl(o.background) : 'none',
      'background-repeat': 'no-repeat', 'background-size': this.box.outerW + 'px ' + this.box.outerH + 'px',
      'background-position': r2(-off - x) + 'px ' + r2(-off - y) + 'px', 'pointer-events': 'none'
    });
    return this.temp(el, under ? this.content : null);
  };
  // Piece 0 is the content itself; further pieces are inert copies removed afterwards.
  Ctx.prototype.piece = function (i) {
    if (!i) return this.content;
    var el = this.content.cloneNode(true), ids = el.querySelectorAll('[id]');
    for (var k = 0; k < ids.length; k++) ids[k].removeAttribute('id');
    el.setAttribute('aria-hidden', 'true');
    el.inert = true;
    return this.temp(el);
  };
  Ctx.prototype.dispose = function () {
    for (var i = 0; i < this.temps.length; i++) if (this.temps[i].parentNode) this.temps[i].parentNode.removeChild(this.temps[i]);
    this.temps = [];
    for (i = 0; i < CONTENT_PROPS.length; i++) this.content.style.removeProperty(CONTENT_PROPS[i]);
  };

  /* ---------- one box ---------- */
  var boxes = [], nextId = 1;
  function reducedMotion() {
    return !!(global.matchMedia && global.matchMedia('(prefers-reduced-motion: reduce)').matches);
  }
  function Box(o, id, keep) {
    this.o = o; this.id = id || nextId++; this.state = 'new'; this.clock = 0; this.fx = null; this.ctx = null; this.flying = false;
    var edge = o.padIn + o.padOut + o.borderWidth;
    this.outerW = o.width + 2 * edge; this.outerH = o.height + 2 * edge;
    var anchor = this.anchor = doc.createElement('div'), el = this.el = doc.createElement('div');
    var frame = doc.createElement('div'), stage = this.stage = doc.createElement('div');
    var content = this.content = keep || doc.createElement('div');
    anchor.className = 'wisplet-anchor'; el.className = 'wisplet'; frame.className = 'wisplet-frame';
    stage.className = 'wisplet-stage'; content.className = 'wisplet-content';
    css(anchor, { display: 'block', position: 'relative', height: '0', margin: '0', padding: '0', border: '0', overflow: 'visible' });
    css(el, {
      position: 'absolute', top: '0', 'z-index': '10000', 'box-sizing': 'border-box', margin: '0', border: '0',
      width: this.outerW + 'px', height: this.outerH + 'px', padding: o.padOut + 'px', visibility: 'hidden',
      'background-color': o.bgColor, 'background-image': o.picture ? cssUrl(o.background) : 'none',
      'background-repeat': 'no-repeat', 'background-size': '100% 100%', 'background-position': '0 0',
      'text-align': 'left', 'text-indent': '0', 'white-space': 'normal', 'line-height': 'normal'
    });
    css(el, CONTENT_TEXT);
    css(frame, {
      'box-sizing': 'border-box', width: '100%', height: '100%', margin: '0', padding: o.padIn + 'px',
      border: o.borderWidth + 'px ' + (o.borderStyle === 'none' ? 'solid transparent' : o.borderStyle + ' ' + o.borderColor)
    });
    css(stage, { position: 'relative', width: o.width + 'px', height: o.height + 'px', overflow: 'hidden', margin: '0', padding: '0', border: '0' });
    css(content, { position: 'absolute', left: '0', top: '0', width: o.width + 'px', height: o.height + 'px', margin: '0', padding: '0', border: '0', visibility: 'hidden' });
    if (!keep) content.innerHTML = o.content;
    stage.appendChild(content); frame.appendChild(stage); el.appendChild(frame); anchor.appendChild(el);
  }
  Box.prototype.align = function () {
    var a = this.o.align, s = this.el.style;
    if (a === 'default') a = global.getComputedStyle && getComputedStyle(this.anchor).direction === 'rtl' ? 'right' : 'left';
    if (a === 'center') { s.left = '50%'; s.marginLeft = -this.outerW / 2 + 'px'; }
    else if (a === 'right') s.right = '0';
    else s.left = '0';
  };
  Box.prototype.start = function () {
    var o = this.o;
    this.reduced = reducedMotion();
    this.E = this.reduced ? 0 : ENTRANCE_SECONDS;
    this.W = o.waiting;
    this.D = this.reduced ? Math.min(o.duration, REDUCED_FADE_SECONDS) : o.duration;
    this.clock = 0; this.offset = null; this.state = 'running';
  };
  Box.prototype.apply = function (clock) {
    var E = this.E, W = this.W, D = this.D;
    if (clock < E) { this.entrance(clock / E); this.hideContent(); return; }
    this.entrance(1);
    if (clock < E + W) this.hideContent();
    else this.reveal(D > 0 && clock < E + W + D ? (clock - E - W) / D : 1);
  };
  // Measures, with the box in place, where it starts: outside the viewport.
  Box.prototype.measure = function () {
    // the viewport without scroll bars (in quirks mode the body reports it)
    var el = this.el, root = doc.compatMode === 'BackCompat' && doc.body ? doc.body : doc.documentElement;
    var vw = root.clientWidth || global.innerWidth || 0, vh = root.clientHeight || global.innerHeight || 0;
    this.land();
    el.style.removeProperty('transform');
    var r = el.getBoundingClientRect(), a = this.anchor.getBoundingClientRect();
    var left = -Math.max(r.right, 0) - 1, up = -Math.max(r.bottom, 0) - 1;
    // Where the box lands, from its anchor; under a transformed ancestor a fixed
    // box is placed from that ancestor instead of the viewport, so the error of
    // one trial placement is taken off.
    this.lift = [r.left - a.left, r.top - a.top];
    this.fly();
    var q = el.getBoundingClientRect();
    this.lift[0] -= q.left - r.left; this.lift[1] -= q.top - r.top;
    switch (this.o.entrance) {
      case 1: return [left, 0, 1];
      case 2: return [0, up, 1];
      case 3: return [Math.max(vw - r.left, 0) + 1, 0, 1];
      case 4: return [vw / 2 - (r.left + r.width / 2), vh / 2 - (r.top + r.height / 2), 0];
      default: return [left, up, 1];
    }
  };
  // While it enters, the box is fixed to the viewport over the place it lands
  // on (followed each frame, should the page scroll): a box partly outside the
  // viewport then adds nothing to the page's scrollable area, so the page never
  // gains a scroll bar and nothing on it moves because of the box.
  Box.prototype.fly = function () {
    var a = this.anchor.getBoundingClientRect();
    css(this.el, { position: 'fixed', left: r2(a.left + this.lift[0]) + 'px', top: r2(a.top + this.lift[1]) + 'px',
      right: 'auto', 'margin-left': '0' });
    this.flying = true;
  };
  // Back in the page at the aligned place.
  Box.prototype.land = function () {
    if (!this.flying) return;
    var s = this.el.style;
    s.position = 'absolute'; s.top = '0';
    s.removeProperty('left'); s.removeProperty('right'); s.removeProperty('margin-left');
    this.flying = false;
    this.align();
  };
  Box.prototype.entrance = function (t) {
    var s = this.el.style;
    s.visibility = 'visible';
    if (t >= 1 || this.E === 0) { this.land(); s.removeProperty('transform'); this.offset = null; return; }
    if (!this.offset) this.offset = this.measure();
    this.fly();
    var u = 1 - easeOut(clamp01(t)), f = this.offset;
    s.transform = 'translate(' + r2(f[0] * u) + 'px,' + r2(f[1] * u) + 'px)' + (f[2] ? '' : ' scale(' + r2(Math.max(1 - u, 0.0001)) + ')');
  };
  Box.prototype.dispose = function () {
    if (this.ctx) this.ctx.dispose();
    this.ctx = null; this.fx = null;
  };
  Box.prototype.hideContent = function () {
    this.dispose();
    this.content.style.visibility = 'hidden';
    if (this.state === 'done') this.state = 'running';
  };
  Box.prototype.reveal = function (t) {
    var o = this.o;
    if (t < 1 && o.width > 0 && o.height > 0) {
      try {
        if (!this.fx) {
          var row = this.reduced ? EFFECTS[16] : EFFECTS[o.effect];
          if (!CAN_PATH && NEEDS_PATH.indexOf(row[1]) >= 0) row = EFFECTS[16];
          this.content.style.removeProperty('visibility');
          this.ctx = new Ctx(this);
          this.fx = row[1].apply(null, [this.ctx].concat(row.slice(2)));
        }
        this.fx(clamp01(t));
        this.state = 'running';
        return;
      } catch (e) {
        // An effect the browser cannot draw must never keep the content hidden.
      }
    }
    this.dispose();
    this.content.style.removeProperty('visibility');
    this.state = 'done';
  };

  /* ---------- the driver: one animation frame loop for every box ---------- */
  var paused = false, pending = 0, lastNow = 0;
  var raf = global.requestAnimationFrame ? function (f) { return global.requestAnimationFrame(f); } :
    function (f) { return setTimeout(function () { f(Date.now()); }, 16); };
  var caf = global.cancelAnimationFrame ? function (id) { global.cancelAnimationFrame(id); } : clearTimeout;
  function schedule() { if (!pending && !paused) pending = raf(tick); }
  function tick(now) {
    pending = 0;
    var dt = lastNow ? Math.max(0, (now - lastNow) / 1000) : 0, active = false;
    lastNow = now;
    for (var i = 0; i < boxes.length; i++) {
      var b = boxes[i];
      if (b.state === 'done' || b.held || !b.anchor.isConnected) continue;
      if (waits(b, dt)) { active = true; continue; }
      if (b.state === 'new') b.start(); else b.clock += dt;
      b.apply(b.clock);
      if (b.state !== 'done') active = true;
    }
    if (active) schedule(); else lastNow = 0;
  }
  function pause() { paused = true; if (pending) caf(pending); pending = 0; lastNow = 0; }
  function resume() { paused = false; schedule(); }
  // Test hook: shows box i at progress t of its entrance or of its reveal (default); pauses the driver.
  function seek(i, t, phase) {
    var b = boxes[i];
    if (!b) throw new RangeError('no wisplet ' + i);
    pause();
    if (b.state === 'new') b.start();
    t = clamp01(Number(t) || 0);
    if (phase === 'entrance') { b.clock = b.E * t; b.entrance(t); b.hideContent(); }
    else { b.clock = b.E + b.W + b.D * t; b.entrance(1); b.reveal(t); }
  }

  /* ---------- placing the box where the calling script stands ---------- */
  var TABLE_PARTS = /^(TABLE|TBODY|THEAD|TFOOT|TR|COLGROUP)$/;
  function whenBody(f) {
    if (doc.body) f(); else doc.addEventListener('DOMContentLoaded', f);
  }
  function place(box, script) {
    var done = function () { box.align(); schedule(); };
    var parent = script && script.parentNode;
    if (parent && parent.nodeType === 1 && !/^(HEAD|HTML)$/.test(parent.nodeName)) {
      var at = script;
      while (at.parentNode && TABLE_PARTS.test(at.parentNode.nodeName)) at = at.parentNode;
      if (at === script) parent.insertBefore(box.anchor, script.nextSibling);
      else at.parentNode.insertBefore(box.anchor, at); // before the table, as a parser would put it
      return done();
    }
    whenBody(function () {
      if (script && parent) doc.body.insertBefore(box.anchor, doc.body.firstChild);
      else doc.body.appendChild(box.anchor);
      done();
    });
  }

  function WriteWisplet(waiting, width, height, background, bgColor, align, entrance, contentEntrance,
    duration, content, padIn, padOut, borderStyle, borderWidth, borderColor) {
    var args = Array.prototype.slice.call(arguments), script = doc.currentScript;
    // A number typed with a leading zero ("050") reaches a non-strict script as
    // an octal literal (40); the script's own text still says what was meant.
    var written = script && !script.src ? parseCall(script.text || '') : null;
    if (written && written.length === args.length) for (var i = 0; i < args.length; i++) {
      if (typeof args[i] === 'number' && /^0[0-7]+$/.test(written[i]) && parseInt(written[i], 8) === args[i]) args[i] = written[i];
    }
    return create(args, script);
  }
  function create(args, script, host) {
    var o = options(args);
    if (!admitted(o)) return null;
    var box = new Box(o);
    behave(box);
    boxes.push(box);
    if (host) { host.appendChild(box.anchor); box.align(); schedule(); } else place(box, script);
    return box.el;
  }
  function options(args) {
    var waiting = args[0], width = args[1], height = args[2], background = args[3], bgColor = args[4];
    var align = args[5], entrance = args[6], contentEntrance = args[7], duration = args[8], content = args[9];
    var padIn = args[10], padOut = args[11], borderStyle = args[12], borderWidth = args[13], borderColor = args[14];
    var style = String(borderStyle == null ? '' : borderStyle).toLowerCase();
    var alignText = String(align == null ? '' : align).toLowerCase();
    var o = {
      waiting: number(waiting, 2, 3600), width: Math.round(number(width, 100, 4000)),
      height: Math.round(number(height, 100, 4000)), background: String(background == null ? '' : background),
      bgColor: colour(bgColor, '#FFFFFF'), align: /^(left|center|right)$/.test(alignText) ? alignText : 'default',
      entrance: index(entrance, ENTRANCE_NAMES.length), effect: index(contentEntrance, EFFECTS.length),
      duration: number(duration, 1, 3600), content: content == null ? '' : String(content),
      padIn: Math.round(number(padIn, 0, 500)), padOut: Math.round(number(padOut, 0, 500)),
      borderStyle: BORDER_STYLES.indexOf(style) >= 0 ? style : 'none',
      borderWidth: Math.round(number(borderWidth, 0, 500)), borderColor: colour(borderColor, '#FFFFFF')
    };
    o.picture = hasExtension(o.background);
    o.opts = boxOptions(args[15]);
    return o;
  }

  /* ---------- a call with an empty argument ---------- */
  // "WriteWisplet(2,,100,...)" (a number box left empty) is a syntax error, so
  // the call never runs. Such a script is read here instead: its arguments are
  // taken apart by hand, empty ones fall back to their defaults, and the box
  // is drawn where that script stands.
  var ESCAPES = { n: '\n', r: '\r', t: '\t', b: '\b', f: '\f', v: '\v', 0: '\0' };
  function parseCall(text) {
    var m = /WriteWisplet\s*\(/.exec(text);
    if (!m) return null;
    var args = [], cur = '', quoted = false, q = null, depth = 0, str = null;
    for (var i = m.index + m[0].length; i < text.length; i++) {
      var ch = text.charAt(i);
      if (depth) { // an options object, kept as its text
        cur += ch;
        if (str) { if (ch === '\\') cur += text.charAt(++i); else if (ch === str) str = null; }
        else if (ch === '"' || ch === "'") str = ch;
        else if (ch === '{') depth++;
        else if (ch === '}') depth--;
      } else if (ch === '{' && !q) { depth = 1; cur += ch; }
      else if (q) {
        if (ch === '\\') {
          var n = text.charAt(++i), hex = n === 'u' ? 4 : n === 'x' ? 2 : 0;
          if (hex && /^[0-9a-f]+$/i.test(text.substr(i + 1, hex))) { cur += String.fromCharCode(parseInt(text.substr(i + 1, hex), 16)); i += hex; }
          else cur += ESCAPES.hasOwnProperty(n) ? ESCAPES[n] : n;
        } else if (ch === q) q = null;
        else cur += ch;
      } else if (ch === "'" || ch === '"') { q = ch; quoted = true; }
      else if (ch === ',' || ch === ')') {
        args.push(quoted ? cur : cur.replace(/^\s+|\s+$/g, ''));
        if (ch === ')') return args;
        cur = ''; quoted = false;
      } else cur += ch;
    }
    return null;
  }
  global.addEventListener('error', function (event) {
    var script = doc.currentScript;
    if (!script || script.src || !(event.error instanceof SyntaxError || /SyntaxError/.test(event.message || ''))) return;
    var args = parseCall(script.text || '');
    if (!args) return;
    event.preventDefault();
    create(args, script);
  });

  /* ---------- host control: update in place, seek, play, pause ---------- */
  function boxAt(i) {
    var b = boxes[i == null ? 0 : i];
    if (!b) throw new RangeError('no wisplet ' + i);
    if (b.state === 'new') b.start();
    return b;
  }
  function hold(b, held) {
    b.held = held;
    if (!held && b.state !== 'done') schedule();
  }
  function moveTo(b, seconds) {
    b.clock = Math.max(0, Math.min(Number(seconds) || 0, b.E + b.W + b.D));
    b.state = 'running';
    b.offset = null; // where the entrance starts is measured on the page as it stands now
    b.apply(b.clock);
  }
  // A new box with the new values takes the old one's place, its content
  // element (kept when the content is the same, so pictures in it are not
  // loaded again), its number and its moment.
  function update(i, values) {
    var old = boxAt(i), o = options(values || []), keep = null;
    if (!values || values.length < 16) o.opts = old.o.opts; // the options stay unless given
    old.dispose();
    if (o.content === old.o.content) {
      keep = old.content;
      keep.parentNode.removeChild(keep);
      keep.removeAttribute('style');
    }
    var b = new Box(o, old.id, keep);
    behave(b);
    if (old.anchor.parentNode) old.anchor.parentNode.replaceChild(b.anchor, old.anchor);
    boxes[i == null ? 0 : i] = b;
    b.align();
    b.start();
    moveTo(b, old.state === 'done' ? Infinity : old.clock); // the final look stays the final look
    hold(b, !!old.held);
  }
  function timeline(i) {
    var b = boxAt(i), end = b.E + b.W + b.D;
    return { entrance: b.E, waiting: b.W, reveal: b.D, end: end, time: Math.min(b.clock, end),
      playing: !b.held && b.state !== 'done' && !paused };
  }
  WriteWisplet.count = function () { return boxes.length; };
  WriteWisplet.update = update;
  WriteWisplet.seek = function (i, seconds) { var b = boxAt(i); hold(b, true); moveTo(b, seconds); };
  WriteWisplet.pause = function (i) { hold(boxAt(i), true); };
  WriteWisplet.play = function (i) {
    var b = boxAt(i);
    if (b.state === 'done') moveTo(b, 0);
    if (paused) resume();
    hold(b, false);
  };
  WriteWisplet.timeline = timeline;

  /* ---------- options of the box: sixteenth argument of WriteWisplet ---------- */
  // { name: "Wisplet", closeButton: true, escapeCloses: true, pauseOnHover: true,
  //   delay: seconds before the entrance, showOnce: "visitor" | "session" | days }
  // Every option is off when left out; the box is always a region named by name.
  // Escape also closes a box that has a close button.
  var CLOSE_FADE_SECONDS = 0.3, DAY_MS = 864e5;
  function flag(v) { return v === true || (v != null && v !== false && !/^(false|0|no|off)$/i.test(String(v))); }
  function boxOptions(v) {
    if (typeof v === 'string') { try { v = JSON.parse(v); } catch (e) { v = null; } }
    v = v && typeof v === 'object' ? v : {};
    var once = String(v.showOnce == null ? '' : v.showOnce).toLowerCase(), name = v.name == null ? '' : String(v.name);
    return {
      name: /\S/.test(name) ? name : 'Wisplet', closeButton: flag(v.closeButton), escapeCloses: flag(v.escapeCloses),
      pauseOnHover: flag(v.pauseOnHover), delay: number(v.delay, 0, 3600),
      showOnce: once === 'visitor' || once === 'session' ? once : number(once, 0, 36500)
    };
  }
  // Show once: a mark per design in local (or session) storage; without storage the box shows.
  function storageFor(o) {
    try {
      var s = global[o.opts.showOnce === 'session' ? 'sessionStorage' : 'localStorage'];
      s.setItem('wisplet:probe', '1'); s.removeItem('wisplet:probe');
      return s;
    } catch (e) { return null; }
  }
  function markKey(o) {
    var text = o.opts.name + '|' + JSON.stringify(o, ['waiting', 'width', 'height', 'background', 'bgColor', 'align',
      'entrance', 'effect', 'duration', 'content', 'padIn', 'padOut', 'borderStyle', 'borderWidth', 'borderColor']), h = 5381;
    for (var i = 0; i < text.length; i++) h = (Math.imul(h, 33) + text.charCodeAt(i)) >>> 0;
    return 'wisplet:shown:' + h.toString(36);
  }
  function admitted(o) {
    var once = o.opts.showOnce, s = once && storageFor(o), mark = s && s.getItem(markKey(o));
    if (mark == null) return true;
    return typeof once === 'number' && !(Date.now() - Number(mark) < once * DAY_MS);
  }
  function remember(o) {
    var s = o.opts.showOnce && storageFor(o);
    if (s) try { s.setItem(markKey(o), String(Date.now())); } catch (e) { /* full: shows again next time */ }
  }
  // Two colours far enough apart to read a close button drawn in them.
  function luminance(c) {
    var m = /^#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})/i.exec(c);
    if (!m) return null;
    var l = [m[1], m[2], m[3]].map(function (x) {
      var v = parseInt(x, 16) / 255;
      return v <= 0.04045 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4);
    });
    return 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
  }
  function readableOn(fg, bg) {
    var a = luminance(fg), b = luminance(bg);
    if (a == null || b == null || (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05) >= 4.5) return fg;
    return b > 0.18 ? '#000000' : '#FFFFFF';
  }
  // Gives a new box its name, its close button and its listeners.
  function behave(box) {
    var o = box.o, p = o.opts, el = box.el;
    box.wait = p.delay;
    el.setAttribute('role', 'region');
    el.setAttribute('aria-label', p.name);
    el.setAttribute('aria-hidden', 'true'); // until it starts; it is invisible till then
    if (p.closeButton) {
      var ink = readableOn(o.borderColor, o.bgColor), button = box.closer = doc.createElement('button');
      button.type = 'button';
      button.className = 'wisplet-close';
      button.setAttribute('aria-label', 'Close');
      button.textContent = '\u00D7';
      css(button, {
        position: 'absolute', top: '0', right: '0', 'z-index': '2147483647', width: '24px', height: '24px',
        'min-width': '0', margin: '0', padding: '0', 'box-sizing': 'border-box', border: '1px solid ' + ink,
        'border-radius': '0', 'background-color': o.bgColor, color: ink, font: 'bold 18px/20px Arial,sans-serif',
        'text-align': 'center', cursor: 'pointer', 'pointer-events': 'auto'
      });
      button.addEventListener('click', function () { closeBox(box); });
      el.appendChild(button);
    }
    // a box that can be closed by pointer can be closed by keyboard too
    if (p.escapeCloses || p.closeButton) el.addEventListener('keydown', function (e) {
      if (e.key === 'Escape' || e.key === 'Esc') closeBox(box);
    });
    var hover = false, focus = false, update = function () { box.inside = hover || focus; };
    el.addEventListener('pointerenter', function () { hover = true; update(); });
    el.addEventListener('pointerleave', function () { hover = false; update(); });
    el.addEventListener('focusin', function (e) {
      if (!focus && e.relatedTarget && !el.contains(e.relatedTarget)) box.cameFrom = e.relatedTarget;
      focus = true; update();
    });
    el.addEventListener('focusout', function (e) { focus = !!(e.relatedTarget && el.contains(e.relatedTarget)); update(); });
  }
  var startBox = Box.prototype.start;
  Box.prototype.start = function () {
    startBox.call(this);
    this.el.removeAttribute('aria-hidden');
    remember(this.o);
  };
  // Whether the driver leaves a box as it is this frame: while its delay runs
  // out, and while the pointer or focus rests in it after its entrance.
  function waits(b, dt) {
    if (b.state === 'new' && b.wait > 0) { b.wait -= dt; return true; }
    return !!(b.inside && b.o.opts.pauseOnHover && b.state === 'running' && b.clock >= b.E);
  }
  // Closing fades the box out (at once under reduced motion) and takes it off the page.
  function closeBox(b) {
    if (b.closing) return;
    b.closing = true;
    var active = doc.activeElement;
    if (active && b.el.contains(active)) {
      if (b.cameFrom && b.cameFrom.isConnected && b.cameFrom.focus) b.cameFrom.focus({ preventScroll: true });
      else if (active.blur) active.blur();
    }
    if (reducedMotion()) return drop(b);
    b.el.style.transition = 'opacity ' + CLOSE_FADE_SECONDS + 's linear';
    b.el.style.opacity = '0';
    b.timer = setTimeout(function () { drop(b); }, CLOSE_FADE_SECONDS * 1000);
  }
  function drop(b) {
    var i = boxes.indexOf(b);
    if (i >= 0) boxes.splice(i, 1);
    clearTimeout(b.timer);
    b.dispose();
    b.state = 'done';
    if (b.anchor.parentNode) b.anchor.parentNode.removeChild(b.anchor);
  }

  /* ---------- narrow viewports: the whole box scaled down to fit ---------- */
  // A box wider than the viewport shrinks (content included) to its width; a
  // box that fits is shifted, if need be, so that no part of it leaves the
  // viewport sideways and the page never gains a horizontal scroll bar.
  function viewportWidth() {
    var root = doc.compatMode === 'BackCompat' && doc.body ? doc.body : doc.documentElement;
    return root.clientWidth || global.innerWidth || 0;
  }
  var alignBox = Box.prototype.align, measureBox = Box.prototype.measure, watching = false;
  Box.prototype.align = function () {
    this.el.style.removeProperty('margin-left'); this.el.style.removeProperty('left'); this.el.style.removeProperty('right');
    alignBox.call(this);
    var s = this.el.style, vw = viewportWidth(), f = vw > 0 && this.outerW > vw ? vw / this.outerW : 1, moved = s.transform;
    this.fit = f;
    if (f < 1) { s.scale = String(f); s.transformOrigin = '0 0'; } else { s.removeProperty('scale'); s.removeProperty('transform-origin'); }
    if (this.closer) this.closer.style.width = this.closer.style.height = Math.ceil(24 / f) + 'px';
    if (!vw) return;
    s.removeProperty('transform');
    var r = this.el.getBoundingClientRect(), shift = r.right > vw ? vw - r.right : 0;
    if (r.left + shift < 0) shift = -r.left;
    if (shift) css(this.el, { left: r2(r.left + shift - this.anchor.getBoundingClientRect().left) + 'px', right: 'auto', 'margin-left': '0' });
    if (moved) s.transform = moved;
    if (!watching) {
      watching = true;
      global.addEventListener('resize', function () {
        for (var i = 0; i < boxes.length; i++) if (!boxes[i].flying) boxes[i].align();
      });
    }
  };
  // The entrance's offsets are drawn inside the scale: in its units.
  Box.prototype.measure = function () {
    var m = measureBox.call(this), f = this.fit || 1;
    return [m[0] / f, m[1] / f, m[2]];
  };

  /* ---------- the declarative embed: <wisplet-box> ---------- */
  // <wisplet-box width="300" height="200" bg-color="#FFFFFF" ... close-button show-once="visitor">
  //   <template><font face=arial>content</font></template></wisplet-box>
  // starts the same box as WriteWisplet where it stands, whenever it joins the
  // document, and takes it off again when it leaves.
  var ARGUMENT_ATTRIBUTES = ['waiting', 'width', 'height', 'background', 'bg-color', 'align', 'entrance',
    'content-entrance', 'duration', '', 'pad-in', 'pad-out', 'border-style', 'border-width', 'border-color'];
  var OPTION_ATTRIBUTES = ['name', 'close-button', 'escape-closes', 'show-once', 'delay', 'pause-on-hover'];
  function camel(name) { return name.replace(/-([a-z])/g, function (m, c) { return c.toUpperCase(); }); }
  function elementArgs(host) {
    var template = null, opts = {}, i;
    for (i = 0; i < host.children.length && !template; i++) if (host.children[i].nodeName === 'TEMPLATE') template = host.children[i];
    var args = ARGUMENT_ATTRIBUTES.map(function (name) { return name ? host.getAttribute(name) : template ? template.innerHTML : ''; });
    for (i = 0; i < OPTION_ATTRIBUTES.length; i++) {
      var v = host.getAttribute(OPTION_ATTRIBUTES[i]);
      if (v != null) opts[camel(OPTION_ATTRIBUTES[i])] = v === '' && OPTION_ATTRIBUTES[i] !== 'name' ? true : v;
    }
    return args.concat([opts]);
  }
  function boxOf(el) { for (var i = 0; i < boxes.length; i++) if (boxes[i].el === el) return boxes[i]; return null; }
  if (global.customElements && global.Reflect && !global.customElements.get('wisplet-box')) {
    var WispletBox = function () { return Reflect.construct(HTMLElement, [], WispletBox); };
    WispletBox.prototype = Object.create(HTMLElement.prototype);
    WispletBox.prototype.constructor = WispletBox;
    Object.setPrototypeOf(WispletBox, HTMLElement);
    WispletBox.observedAttributes = ARGUMENT_ATTRIBUTES.filter(Boolean).concat(OPTION_ATTRIBUTES);
    WispletBox.prototype.connectedCallback = function () {
      var self = this;
      if (this._wisplet) return;
      if (doc.readyState === 'loading') { // its children may not all be parsed yet
        if (!this._later) doc.addEventListener('DOMContentLoaded', function () {
          self._later = false;
          if (self.isConnected) self.connectedCallback();
        });
        this._later = true;
        return;
      }
      this.style.display = 'block';
      this._wisplet = boxOf(create(elementArgs(this), null, this));
    };
    WispletBox.prototype.disconnectedCallback = function () {
      if (this._wisplet) drop(this._wisplet);
      this._wisplet = null;
    };
    WispletBox.prototype.attributeChangedCallback = function (name, was, now) {
      if (!this._wisplet || was === now) return;
      this.disconnectedCallback();
      this.connectedCallback();
    };
    global.customElements.define('wisplet-box', WispletBox);
  }

  WriteWisplet.version = '1.0';
  WriteWisplet.effects = EFFECTS.map(function (row) { return row[0]; });
  WriteWisplet.entrances = ENTRANCE_NAMES.slice();
  WriteWisplet.test = {
    pause: pause,
    resume: resume,
    seek: seek,
    seekAll: function (t, phase) { for (var i = 0; i < boxes.length; i++) seek(i, t, phase); },
    boxes: function () { return boxes.map(function (b) { return b.el; }); },
    count: function () { return boxes.length; },
    running: function () { return !!pending; },
    isTemporary: function (node) { return !!(node && node.hasAttribute && node.hasAttribute(TEMP_ATTR)); }
  };
  global.WriteWisplet = WriteWisplet;
})(window);
