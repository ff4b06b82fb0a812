'use strict';
// Builders for the pages the tests load: the designer's preview page, an
// exported page, and a grid with one box per effect.

/** Quotes a text as the designer does inside an apostrophe-quoted argument. */
function quote(text) {
  return "'" + String(text).replace(/\\/g, '/').replace(/'/g, "\\'") + "'";
}

/** The fifteen arguments as the designer writes them, from a plain object. */
function callArgs(a) {
  const v = Object.assign({
    waiting: 2, width: 100, height: 100, background: 'Wisplet_Files/MyBackground', bgColor: '#FFFFFF',
    align: 'Default', entrance: 0, effect: 0, duration: 1, content: '', padIn: 0, padOut: 0,
    borderStyle: 'none', borderWidth: 0, borderColor: '#FFFFFF'
  }, a);
  return [v.waiting, v.width, v.height, quote(v.background), quote(v.bgColor), quote(v.align), v.entrance,
    v.effect, v.duration, "'<font face=arial>" + quote(v.content).slice(1, -1) + "</font>'", v.padIn,
    v.padOut, quote(v.borderStyle), v.borderWidth, quote(v.borderColor)].join(',');
}

/** The preview page: one line, the pieces in the designer's order around the call. */
function previewPage(scriptCall) {
  return [
    '<html><head><title>Wisplets Dorizized</title>',
    '<meta http-equiv="Content-Type" content="text/html; charset=windows-1256">',
    '<META http-equiv=Page-Entercontent=progid:DXImageTransform.Microsoft.Pixelate(duration=10)>',
    '<script language="javascript" src="Wisplet_Files/wisplet.js"></script>',
    '<link href="styles.css" rel="stylesheet" type="text/css"></head><body>',
    '<table width="100%" height="100%" border="0" align="center" cellpadding="0" cellspacing="0">',
    '<tr><td height="100%" valign="top" class="txt"><table width="100%" height="100%" border="1" cellpadding="1" cellspacing="1" bordercolor="#FFFFFF">',
    scriptCall,
    '</div><table border="0" cellspacing="2" cellpadding="2">',
    ' </table></td></tr></table></td></tr></table></body></html>'
  ].join('');
}

const HEAD_LINE = '<script language="javascript" src="Wisplet_Files/wisplet.js"></script>';

/** The five-line body block of an export, lines joined by CR LF. */
function exportBody(args) {
  return ['<!--------------------------- Begin Wisplet Dorizized Code ------------------------->',
    '<script>', 'WriteWisplet(' + args + ')', '</script>',
    '<!--------------------------- End Wisplet Dorizized Code ------------------------->'].join('\r\n');
}

/** A blank user page with the head line and the body block pasted in. */
function exportPage(args, before = '', after = '') {
  return '<!DOCTYPE html>\r\n<html><head><title>My page</title>\r\n' + HEAD_LINE + '\r\n</head><body>\r\n' +
    before + exportBody(args) + after + '\r\n</body></html>\r\n';
}

// Content whose every colour has no red in it: blue block, green picture, cyan table and text.
const GREEN_SVG = Buffer.from('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24">' +
  '<rect width="24" height="24" fill="#00FF00"/><circle cx="12" cy="12" r="7" fill="#008800"/></svg>').toString('base64');
function testContent(w, h) {
  return `<div style="width:${w}px;height:${h}px;background:#0000FF;color:#00FFFF;font:10px Arial;overflow:hidden">` +
    `<img src="data:image/svg+xml;base64,${GREEN_SVG}" width="24" height="24" style="float:left" alt="pic">` +
    '<table style="float:right;border:1px solid #00FFFF;border-collapse:collapse"><tr><td>it\'s</td><td>B</td></tr></table>' +
    '<a href="#x" style="color:#00FFFF">link</a></div>';
}

/** A PNG of w x h pixels, each of a seeded random colour: a picture with an edge at every pixel. */
function sharpPicture(w, h, seed = 7) {
  const data = Buffer.alloc(w * h * 4);
  let a = seed;
  for (let i = 0; i < data.length; i++) {
    a = (a * 1103515245 + 12345) >>> 0;
    data[i] = i % 4 === 3 ? 255 : (a >>> 16) & 0xff;
  }
  return require('./png').encode({ width: w, height: h, data });
}

/** A page with one box per effect in a fixed grid; returns html and the cell geometry. */
function effectGrid(opts) {
  const o = Object.assign({ width: 160, height: 120, padIn: 2, padOut: 3, borderWidth: 2, perRow: 8,
    effects: Array.from({ length: 62 }, (_, i) => i), gap: 8, label: false, bgColor: '#FF0000',
    background: 'Wisplet_Files/MyBackground' }, opts);
  const outer = o.width + 2 * (o.padIn + o.padOut + o.borderWidth), labelH = o.label ? 16 : 0;
  const outerH = o.height + 2 * (o.padIn + o.padOut + o.borderWidth);
  const cells = o.effects.map((e) => {
    const call = callArgs({ waiting: 0, width: o.width, height: o.height, bgColor: o.bgColor, align: 'Left', background: o.background,
      effect: e, content: o.content || testContent(o.width, o.height), padIn: o.padIn, padOut: o.padOut,
      borderStyle: 'solid', borderWidth: o.borderWidth, borderColor: o.borderColor || '#000000' });
    const label = o.label ? `<div class="lbl">${o.label(e)}</div>` : '';
    return `<div class="cell">${label}<div class="slot"><script>WriteWisplet(${call})</script></div></div>`;
  });
  const html = '<!DOCTYPE html><html><head><meta charset="utf-8"><script src="Wisplet_Files/wisplet.js"></script>' +
    `<style>html{overflow:hidden}body{margin:${o.gap}px;background:${o.pageColor || '#fff'};font:12px Arial}` +
    `.cell{display:inline-block;vertical-align:top;width:${outer}px;margin:0 ${o.gap}px ${o.gap}px 0}` +
    `.slot{position:relative;height:${outerH}px}` +
    `.lbl{height:${labelH}px;white-space:nowrap;overflow:hidden;text-overflow:ellipsis}</style></head><body>` +
    cells.join('') + '</body></html>';
  const rows = Math.ceil(o.effects.length / o.perRow);
  return { html, outer: { width: outer, height: outerH },
    viewport: { width: o.perRow * (outer + o.gap) + 2 * o.gap, height: rows * (outerH + labelH + o.gap + 4) + 2 * o.gap } };
}

const ELEMENT_ATTRIBUTES = [['waiting', 'waiting'], ['width', 'width'], ['height', 'height'], ['background', 'background'],
  ['bgColor', 'bg-color'], ['align', 'align'], ['entrance', 'entrance'], ['effect', 'content-entrance'],
  ['duration', 'duration'], ['padIn', 'pad-in'], ['padOut', 'pad-out'], ['borderStyle', 'border-style'],
  ['borderWidth', 'border-width'], ['borderColor', 'border-color']];
const attr = (v) => String(v).replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/</g, '&lt;');

/**
 * The declarative embed for the same values as callArgs, plus options
 * ({ name, closeButton, escapeCloses, showOnce, delay, pauseOnHover }).
 */
function boxElement(a, options = {}) {
  const v = Object.assign({
    waiting: 2, width: 100, height: 100, background: 'Wisplet_Files/MyBackground', bgColor: '#FFFFFF',
    align: 'Default', entrance: 0, effect: 0, duration: 1, content: '', padIn: 0, padOut: 0,
    borderStyle: 'none', borderWidth: 0, borderColor: '#FFFFFF'
  }, a);
  const attrs = ELEMENT_ATTRIBUTES.map(([k, name]) => `${name}="${attr(v[k])}"`);
  for (const [k, value] of Object.entries(options)) {
    const name = k.replace(/[A-Z]/g, (c) => '-' + c.toLowerCase());
    attrs.push(value === true ? name : `${name}="${attr(value)}"`);
  }
  return `<wisplet-box ${attrs.join(' ')}>\r\n<template><font face=arial>${v.content}</font></template>\r\n</wisplet-box>`;
}

module.exports = { boxElement, quote, callArgs, previewPage, exportPage, exportBody, HEAD_LINE, testContent, effectGrid, sharpPicture };
