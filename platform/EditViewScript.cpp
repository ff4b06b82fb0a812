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
// Comments of the document are held as mark elements while it is edited: the
// engine's editing drops or moves bare comments, never an element that cannot
// be edited. Every reading and the clipboard turn them back into comments.
const AID = 'data-wisplet-aid';
const MARK = 'wisplet-mark';
const post = () => console.info('wisplet-edit:changed');
const CARET = 'wisplet-caret';
const sheet = new CSSStyleSheet();
const MARKS_SHOWN = MARK + ' { display: inline-block; font: bold 8px/11px Arial, sans-serif; color: #5a4600;' +
  ' background: #ffe680; border: 1px solid #c8a000; border-radius: 2px; padding: 0 3px; margin: 0 1px;' +
  ' vertical-align: middle; white-space: nowrap; cursor: default; user-select: none; }' +
  MARK + '::before { content: "\u2039!\u203A " attr(data-label); }' +
  MARK + '[data-marker] { display: block; width: max-content; margin: 2px 0; }';
const MARKS_HIDDEN = MARK + ' { display: inline-block; width: 0; height: 0; overflow: hidden; }' +
  MARK + '[data-marker] { display: none; }';
// The two comments around the content stand on lines of their own, so the
// content's lines start where the box's do.
const MARKERS = ['Insert your code here', 'End Code'];
const OUTLINES = 'table, td, th { outline: 1px dotted #8c96aa; outline-offset: -1px; }' +
                 ' img, hr { outline: 1px dashed #8c96aa; }';
const SIZES = [8, 10, 12, 14, 18, 24, 36];
const BLOCK = /<(table|hr|p|div|ul|ol|li|h[1-6]|blockquote|pre|center|form)\b/i;

function marks(root) { return (root || document).querySelectorAll(MARK + '[' + AID + ']'); }

// Every comment under root becomes a mark holding its text.
function commentsToMarks(root) {
  const w = document.createTreeWalker(root, NodeFilter.SHOW_COMMENT);
  const found = [];
  for (let c; (c = w.nextNode());) found.push(c);
  for (const c of found) {
    const m = document.createElement(MARK);
    m.setAttribute(AID, '');
    m.contentEditable = 'false';
    m.dataset.comment = c.data;
    const label = c.data.replace(/^[-\s]+|[-\s]+$/g, '') || 'comment';
    m.dataset.label = label.length > 28 ? label.slice(0, 27) + '\u2026' : label;
    if (MARKERS.includes(label)) m.dataset.marker = '';
    c.replaceWith(m);
  }
}

// Every mark under root back into its comment; other aids removed.
function marksToComments(root) {
  root.querySelectorAll('[' + AID + ']').forEach((n) => {
    if (n.localName === MARK) n.replaceWith(document.createComment(n.dataset.comment || ''));
    else n.remove();
  });
}

// Whether the caret's block holds only marks and blanks before the caret
// (and at least one mark).
function onlyMarksBefore(caret) {
  let block = caret.startContainer.nodeType === 1 ? caret.startContainer : caret.startContainer.parentNode;
  while (block && block !== document.body && getComputedStyle(block).display === 'inline') block = block.parentNode;
  if (!block) return false;
  const r = document.createRange();
  r.setStart(block, 0);
  r.setEnd(caret.startContainer, caret.startOffset);
  const part = r.cloneContents();
  if (/[^ \t\r\n]/.test(part.textContent) || part.querySelector('img,br,hr,table,input,iframe,object')) return false;
  return !!part.querySelector(MARK);
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

// A caret in the document: when there is no selection inside the body, the
// caret goes right after the first mark (or at the end of the body).
function ensureSelection() {
  const s = getSelection();
  if (s.rangeCount && document.body && document.body.contains(s.getRangeAt(0).commonAncestorContainer)) return s;
  const r = document.createRange();
  const first = marks()[0];
  if (first) r.setStartAfter(first); else if (document.body) r.selectNodeContents(document.body);
  r.collapse(!!first);
  s.removeAllRanges();
  s.addRange(r);
  return s;
}

// The innermost table cell at the caret; tables that hold the document's
// first comment are the page's layout and are never edited.
function cellAtCaret() {
  const s = getSelection();
  if (!s.rangeCount) return null;
  const first = marks()[0];
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

// Copy and cut give the selection with its comments, never the marks.
function clipboard(e, cut) {
  const s = getSelection();
  if (!s.rangeCount || s.isCollapsed) return;
  const part = s.getRangeAt(0).cloneContents();
  if (!part.querySelector('[' + AID + ']')) return;
  marksToComments(part);
  const box = document.createElement('div');
  box.appendChild(part);
  e.clipboardData.setData('text/html', box.innerHTML);
  e.clipboardData.setData('text/plain', s.toString());
  e.preventDefault();
  if (cut) document.execCommand('delete');
}

// Where the document's caret comment stands (put there by the source view);
// the comment itself goes away.
function takeCaretComment() {
  const w = document.createTreeWalker(document.documentElement, NodeFilter.SHOW_COMMENT);
  for (let c; (c = w.nextNode());) {
    if (c.data !== CARET) continue;
    const r = document.createRange();
    r.setStartBefore(c);
    r.collapse(true);
    const parent = c.parentNode, at = Array.prototype.indexOf.call(parent.childNodes, c);
    c.remove();
    r.setStart(parent, Math.min(at, parent.childNodes.length));
    return r;
  }
  return null;
}

// The path of child indexes from the root element down to a node.
function pathOf(node) {
  const path = [];
  for (let n = node; n && n !== document.documentElement; n = n.parentNode)
    path.unshift(Array.prototype.indexOf.call(n.parentNode.childNodes, n));
  return path;
}
function nodeAt(root, path) {
  let n = root;
  for (const i of path) n = n && n.childNodes[i];
  return n;
}

// Pasted and dropped content goes to the program, which cleans it and
// inserts it; Ctrl+Shift+V asks for the clipboard as plain text.
function handOver(e, data) {
  if (document.designMode !== 'on') return;
  e.preventDefault();
  console.info('wisplet-edit:paste:' + JSON.stringify({ html: data.getData('text/html'), text: data.getData('text/plain') }));
}

function linkAtCaret() {
  const s = getSelection();
  if (!s.rangeCount) return null;
  let n = s.getRangeAt(0).commonAncestorContainer;
  if (n.nodeType !== 1) n = n.parentNode;
  return n && n.closest ? n.closest('a[href]') : null;
}

// Every cell of a table (not of the tables inside it), row by row.
function cellsOf(table) {
  const cells = [];
  for (const row of Array.from(table.rows)) cells.push(...Array.from(row.cells));
  return cells;
}

function caretInto(cell) {
  const r = document.createRange();
  r.selectNodeContents(cell);
  if (!cell.textContent.trim()) r.collapse(true);
  getSelection().removeAllRanges();
  getSelection().addRange(r);
}

function onKey(e) {
  if (document.designMode !== 'on' || e.altKey || e.metaKey) return;
  if (e.key === 'Tab' && !e.ctrlKey) {
    const cell = cellAtCaret();
    if (!cell) return;
    e.preventDefault();
    const cells = cellsOf(cell.closest('table'));
    const i = cells.indexOf(cell) + (e.shiftKey ? -1 : 1);
    if (i >= cells.length) lib.table('appendRow');
    else if (i >= 0) caretInto(cells[i]);
  } else if (e.ctrlKey && e.shiftKey && (e.key === 'V' || e.key === 'v')) {
    e.preventDefault();
    console.info('wisplet-edit:paste-plain');
  }
}

const lib = {
  showDetails: true,
  load(html) {
    document.open();
    document.write(html);
    document.close();
    return this.attach();
  },
  // Make the loaded document editable, with the editing aids and listeners.
  attach() {
    const caret = takeCaretComment();
    if (document.body) commentsToMarks(document.body);
    document.adoptedStyleSheets = [sheet];
    document.addEventListener('input', post, true);
    document.addEventListener('copy', (e) => clipboard(e, false), true);
    document.addEventListener('cut', (e) => clipboard(e, true), true);
    document.addEventListener('paste', (e) => handOver(e, e.clipboardData), true);
    document.addEventListener('drop', (e) => {
      if (!e.dataTransfer || !e.dataTransfer.types.includes('text/html')) return;
      const at = document.caretRangeFromPoint(e.clientX, e.clientY);
      if (at) { getSelection().removeAllRanges(); getSelection().addRange(at); }
      handOver(e, e.dataTransfer);
    }, true);
    document.addEventListener('keydown', onKey, true);
    this.edit(true);
    this.details(this.showDetails);
    if (caret) {
      getSelection().removeAllRanges();
      getSelection().addRange(caret);
    }
    return true;
  },
  // With caret: the caret comment stands where the caret is.
  html(caret) {
    const copy = document.documentElement.cloneNode(true);
    const s = getSelection();
    if (caret && s.rangeCount && document.documentElement.contains(s.focusNode)) {
      let node = nodeAt(copy, pathOf(s.focusNode)), offset = s.focusOffset;
      if (node && node.nodeType === 3) {
        node = node.splitText(Math.min(offset, node.length));
        node.before(document.createComment(CARET));
      } else if (node) {
        node.insertBefore(document.createComment(CARET), node.childNodes[offset] || null);
      }
    }
    marksToComments(copy);
    return copy.outerHTML;
  },
  link() {
    const a = linkAtCaret();
    const s = getSelection();
    return JSON.stringify(a ? { inLink: true, address: a.getAttribute('href'), text: a.textContent, newWindow: a.target === '_blank' }
                            : { inLink: false, address: '', text: s.rangeCount ? s.toString() : '', newWindow: false });
  },
  // A link at the caret gets the new address, text and target in place (the
  // engine's insertion would move it out of the elements around it);
  // otherwise the selection (or the caret) becomes the link.
  setLink(address, text, newWindow) {
    const s = ensureSelection();
    const old = linkAtCaret();
    if (old) {
      old.setAttribute('href', address);
      if (newWindow) old.setAttribute('target', '_blank'); else old.removeAttribute('target');
      if (text !== old.textContent) old.textContent = text;
      post();
      return;
    }
    // The text goes in first when it is not the selection; the engine's own
    // link command then keeps the elements around the link whole.
    const shown = text || address;
    if (s.isCollapsed || s.toString() !== shown) {
      document.execCommand('insertText', false, shown);
      const r = s.getRangeAt(0);
      if (r.startContainer.nodeType !== 3 || r.startOffset < shown.length) return;
      r.setStart(r.startContainer, r.startOffset - shown.length);
      s.removeAllRanges();
      s.addRange(r);
    }
    document.execCommand('createLink', false, address);
    const a = linkAtCaret();
    if (a && newWindow) a.setAttribute('target', '_blank');
  },
  // The link's content stays in its place.
  removeLink() {
    const a = linkAtCaret();
    if (!a) return;
    const r = document.createRange();
    r.setStartBefore(a);
    const last = a.lastChild;
    a.replaceWith(...Array.from(a.childNodes));
    if (last) r.setEndAfter(last); else r.collapse(true);
    getSelection().removeAllRanges();
    getSelection().addRange(r);
    post();
  },
  edit(on) { document.designMode = on ? 'on' : 'off'; },
  details(on) {
    this.showDetails = on;
    sheet.replaceSync(on ? OUTLINES + MARKS_SHOWN : MARKS_HIDDEN);
  },
  // The engine moves a block (a table, a rule) out of the inline elements
  // around the caret; with nothing but marks before the caret it goes in front
  // of them. The caret then steps past the blank that follows the marks; a
  // mark lost all the same undoes the insertion.
  insert(html) {
    const s = ensureSelection();
    if (BLOCK.test(html) && s.rangeCount && s.isCollapsed && onlyMarksBefore(s.getRangeAt(0))) stepPastBlank(s);
    const before = marks().length;
    const box = document.createElement('div');
    box.innerHTML = html;
    commentsToMarks(box);
    document.execCommand('insertHTML', false, box.innerHTML);
    if (marks().length < before) document.execCommand('undo');
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
    const size = SIZES.findIndex((p) => f.points <= p);
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
    if (op === 'appendRow') {
      const last = copy.rows[copy.rows.length - 1];
      const added = last.cloneNode(false);
      for (let i = 0; i < last.cells.length; i++)
        added.appendChild(document.createElement(last.cells[i].nodeName)).appendChild(document.createElement('br'));
      last.parentNode.insertBefore(added, last.nextSibling);
      caretRow = copy.rows.length - 1;
      caretCol = 0;
    } else if (op === 'insertRow') {
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
    // The new table: where the old one stood, or next to the caret the
    // insertion left behind it.
    let fresh = parent.childNodes[at];
    if (!fresh || fresh.nodeName !== 'TABLE') {
      const r = getSelection().rangeCount ? getSelection().getRangeAt(0) : null;
      const c = r && r.startContainer;
      fresh = c && ((c.nodeType === 1 && c.childNodes[r.startOffset - 1]) || (c.nodeType === 1 ? c : c.parentNode).closest('table') ||
                    (c.nodeType === 1 ? c : c).previousSibling);
      while (fresh && fresh.nodeName !== 'TABLE' && fresh.lastChild && fresh.nodeType === 1 && !fresh.closest('td')) fresh = fresh.lastChild;
    }
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
