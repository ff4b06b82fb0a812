#include "platform/EditViewScript.h"

#include <QJsonArray>
#include <QJsonDocument>

QString ScriptLiteral(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    // "[...]" without its brackets; U+2028/U+2029 are line ends to older engines.
    QString s = QString::fromUtf8(array.mid(1, array.size() - 2));
    s.replace(QChar(0x2028), QStringLiteral("\\u2028")).replace(QChar(0x2029), QStringLiteral("\\u2029"));
    return s;
}

const QString& EditViewScript() {
    static const QString script = QStringLiteral(R"JS(
(function () {
if (window.__wd) return;
const AID = 'data-wisplet-aid';
const post = () => console.info('wisplet-edit:changed');
const sheet = new CSSStyleSheet();
const OUTLINES = 'table, td, th { outline: 1px dotted #8c96aa; outline-offset: -1px; }' +
                 ' img, hr { outline: 1px dashed #8c96aa; }';
const SIZES = [8, 10, 12, 14, 18, 24, 36];

function countComments() {
  const w = document.createTreeWalker(document.body || document.documentElement, NodeFilter.SHOW_COMMENT);
  let n = 0;
  while (w.nextNode()) n++;
  return n;
}

const BLOCK = /<(table|hr|p|div|ul|ol|li|h[1-6]|blockquote|pre|center|form)\b/i;

// Whether the caret's block holds only comments and blanks before the caret
// (and at least one comment).
function onlyCommentsBefore(caret) {
  let block = caret.startContainer.nodeType === 1 ? caret.startContainer : caret.startContainer.parentNode;
  while (block && block !== document.body && getComputedStyle(block).display === 'inline') block = block.parentNode;
  if (!block) return false;
  const r = document.createRange();
  r.setStart(block, 0);
  r.setEnd(caret.startContainer, caret.startOffset);
  const part = r.cloneContents();
  if (/[^ \t\r\n]/.test(part.textContent) || part.querySelector('img,br,hr,table,input,iframe,object')) return false;
  const w = document.createTreeWalker(part, NodeFilter.SHOW_COMMENT);
  return !!w.nextNode();
}

// Move the caret past the first visible character after it when that is a
// no-break space (the blank the template puts behind the start marker).
function stepPastBlank(s) {
  const caret = s.getRangeAt(0);
  const w = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let n; (n = w.nextNode());) {
    const inside = n === caret.startContainer;
    if (!inside && caret.comparePoint(n, 0) < 0) continue;
    const from = inside ? caret.startOffset : 0;
    const i = n.data.slice(from).search(/[^ \t\r\n]/);
    if (i < 0) continue;
    if (n.data[from + i] !== '\u00a0') return;
    const r = document.createRange();
    r.setStart(n, from + i + 1);
    r.collapse(true);
    s.removeAllRanges();
    s.addRange(r);
    return;
  }
}

function firstComment() {
  const w = document.createTreeWalker(document.body || document.documentElement, NodeFilter.SHOW_COMMENT);
  return w.nextNode();
}

// A caret in the document: when there is no selection inside the body, the
// caret goes right after the first comment (or at the end of the body).
function ensureSelection() {
  const s = getSelection();
  if (s.rangeCount && document.body && document.body.contains(s.getRangeAt(0).commonAncestorContainer)) return s;
  const r = document.createRange();
  const c = firstComment();
  if (c) r.setStartAfter(c); else if (document.body) r.selectNodeContents(document.body);
  r.collapse(!c ? false : true);
  s.removeAllRanges();
  s.addRange(r);
  return s;
}

// The innermost table cell at the caret; tables that hold the document's first
// comment are the page's layout and are never edited.
function cellAtCaret() {
  const s = getSelection();
  if (!s.rangeCount) return null;
  const first = firstComment();
  let n = s.anchorNode;
  if (n && n.nodeType !== 1) n = n.parentNode;
  for (; n && n !== document.body; n = n.parentNode) {
    if (n.nodeName !== 'TD' && n.nodeName !== 'TH') continue;
    const table = n.closest('table');
    if (table && !(first && table.contains(first))) return n;
  }
  return null;
}

function replaceNode(node, html) {
  const s = getSelection();
  const r = document.createRange();
  r.selectNode(node);
  s.removeAllRanges();
  s.addRange(r);
  document.execCommand(html ? 'insertHTML' : 'delete', false, html);
}

// Where a comment sits on screen: above the first visible character or element
// after it, else below the last one before it, else at its parent's corner.
function spotOf(c) {
  const r = document.createRange();
  const near = (n, after) => {
    if (n.nodeType === 3) {
      const i = after ? n.data.search(/[^ \t\r\n]/) : n.data.length - 1 - n.data.split('').reverse().join('').search(/[^ \t\r\n]/);
      if (i < 0 || i >= n.data.length) return null;
      r.setStart(n, i);
      r.setEnd(n, i + 1);
      const b = r.getBoundingClientRect();
      return b.height ? {x: after ? b.left : b.right, y: after ? b.top - 12 : b.bottom + 1} : null;
    }
    if (n.nodeType !== 1) return null;
    const b = n.getBoundingClientRect();
    return b.height ? {x: after ? b.left : b.right, y: after ? b.top - 12 : b.bottom + 1} : null;
  };
  for (let n = c.nextSibling; n; n = n.nextSibling) { const p = near(n, true); if (p) return p; }
  for (let n = c.previousSibling; n; n = n.previousSibling) { const p = near(n, false); if (p) return p; }
  const b = c.parentNode && c.parentNode.getBoundingClientRect ? c.parentNode.getBoundingClientRect() : {left: 0, top: 0};
  return {x: b.left, y: b.top};
}

function placeMarks() {
  let box = document.querySelector('[' + AID + ']');
  if (!lib.showDetails || !document.body) { if (box) box.remove(); return; }
  if (!box) {
    box = document.createElement('div');
    box.setAttribute(AID, '');
    box.contentEditable = 'false';
    box.style.cssText = 'position:absolute;left:0;top:0;width:0;height:0;overflow:visible;' +
                        'pointer-events:none;user-select:none;z-index:2147483647';
    document.documentElement.appendChild(box);
  }
  box.textContent = '';
  const w = document.createTreeWalker(document.body, NodeFilter.SHOW_COMMENT);
  for (let c; (c = w.nextNode());) {
    const rect = spotOf(c);
    const m = document.createElement('span');
    const text = c.data.replace(/^[-\s]+|[-\s]+$/g, '') || 'comment';
    m.textContent = '\u2039!\u203A ' + (text.length > 28 ? text.slice(0, 27) + '\u2026' : text);
    m.style.cssText = 'position:absolute;white-space:nowrap;font:bold 8px/10px Arial,sans-serif;' +
                      'color:#5a4600;background:#ffe680;border:1px solid #c8a000;border-radius:2px;' +
                      'padding:0 3px;opacity:.92';
    m.style.left = Math.max(0, rect.x + scrollX) + 'px';
    m.style.top = Math.max(0, rect.y + scrollY) + 'px';
    box.appendChild(m);
  }
}

const lib = {
  showDetails: true,
  load(html) {
    document.open();
    document.write(html);
    document.close();
    document.adoptedStyleSheets = [sheet];
    document.addEventListener('input', () => { post(); placeMarks(); }, true);
    addEventListener('resize', placeMarks);
    this.edit(true);
    this.details(this.showDetails);
    return true;
  },
  html() {
    const copy = document.documentElement.cloneNode(true);
    copy.querySelectorAll('[' + AID + ']').forEach((n) => n.remove());
    return copy.outerHTML;
  },
  edit(on) { document.designMode = on ? 'on' : 'off'; },
  details(on) {
    this.showDetails = on;
    sheet.replaceSync(on ? OUTLINES : '');
    placeMarks();
  },
  // The engine moves a block (a table, a rule) out of the inline elements
  // around the caret; with nothing but comments before the caret it goes in
  // front of them, and a part that held only comments may be dropped. The
  // caret then steps past the blank that follows the comments; a comment lost
  // all the same undoes the insertion.
  insert(html) {
    const s = ensureSelection();
    if (BLOCK.test(html) && s.rangeCount && s.isCollapsed && onlyCommentsBefore(s.getRangeAt(0)))
      stepPastBlank(s);
    const before = countComments();
    document.execCommand('insertHTML', false, html);
    if (countComments() >= before) return;
    document.execCommand('undo');
    document.execCommand('insertHTML', false, '&nbsp;' + html);
    if (countComments() < before) document.execCommand('undo');
  },
  command(name, value) {
    ensureSelection();
    if (name === 'font') return this.font(JSON.parse(value));
    if (name === 'createLink' && !value) return;
    if (name === 'hiliteColor' && !value) return;
    document.execCommand(name, false, value);
  },
  font(f) {
    if (f.name) document.execCommand('fontName', false, f.name);
    let size = SIZES.findIndex((p) => f.points <= p);
    document.execCommand('fontSize', false, String(size < 0 ? 7 : size + 1));
    if (f.color) document.execCommand('foreColor', false, f.color);
    const toggle = (cmd, want) => { if (document.queryCommandState(cmd) !== !!want) document.execCommand(cmd); };
    toggle('bold', f.bold);
    toggle('italic', f.italic);
    toggle('underline', f.underline);
    toggle('strikeThrough', f.strikethrough);
  },
  table(op) {
    const cell = cellAtCaret();
    if (!cell) return false;
    const table = cell.closest('table');
    const ri = Array.prototype.indexOf.call(table.rows, cell.parentNode);
    const ci = cell.cellIndex;
    const copy = table.cloneNode(true);
    const row = copy.rows[ri];
    let caretRow = ri, caretCol = ci;
    if (op === 'insertRow') {
      const added = row.cloneNode(false);
      for (let i = 0; i < row.cells.length; i++) added.appendChild(document.createElement(row.cells[i].nodeName));
      row.parentNode.insertBefore(added, row);
    } else if (op === 'insertCol') {
      for (const r of Array.from(copy.rows)) r.insertCell(Math.min(ci, r.cells.length));
    } else if (op === 'deleteRow') {
      row.remove();
      caretRow = Math.min(ri, copy.rows.length - 1);
    } else if (op === 'deleteCol') {
      for (const r of Array.from(copy.rows)) {
        if (r.cells[ci]) r.deleteCell(ci);
        if (!r.cells.length) r.remove();
      }
      caretCol = Math.max(0, ci - 1);
      caretRow = Math.min(ri, copy.rows.length - 1);
    } else if (op === 'splitCell') {
      const c = row.cells[ci];
      if (c.colSpan > 1) c.colSpan -= 1;
      row.insertCell(ci + 1);
    } else if (op === 'insertCell') {
      row.insertCell(ci);
    } else {
      return false;
    }
    const parent = table.parentNode;
    const at = Array.prototype.indexOf.call(parent.childNodes, table);
    replaceNode(table, copy.rows.length ? copy.outerHTML : '');
    const fresh = parent.childNodes[at];
    if (fresh && fresh.nodeName === 'TABLE' && fresh.rows[caretRow]) {
      const target = fresh.rows[caretRow].cells[Math.min(caretCol, fresh.rows[caretRow].cells.length - 1)];
      if (target) {
        const r = document.createRange();
        r.selectNodeContents(target);
        r.collapse(true);
        getSelection().removeAllRanges();
        getSelection().addRange(r);
      }
    }
    return true;
  }
};
window.__wd = lib;
})();
)JS");
    return script;
}
