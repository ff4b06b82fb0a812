'use strict';
// Sources of the supplied pictures: SVG and HTML drawn for this program.
const VERSION = '1.0.0';

const sparkles = (list) => list.map(([x, y, r, o]) =>
  `<path d="M${x} ${y - r} Q${x} ${y} ${x + r} ${y} Q${x} ${y} ${x} ${y + r} Q${x} ${y} ${x - r} ${y} Q${x} ${y} ${x} ${y - r}Z" fill="#fff" opacity="${o}"/>`).join('');

// The floating box motif: a soft card with a sliding trail.
function boxMotif(x, y, w, h) {
  return `<g transform="translate(${x} ${y})">
    <rect x="-70" y="${h * 0.3}" width="60" height="5" rx="2.5" fill="#fff" opacity=".25"/>
    <rect x="-46" y="${h * 0.5}" width="40" height="5" rx="2.5" fill="#fff" opacity=".18"/>
    <rect x="-58" y="${h * 0.7}" width="50" height="5" rx="2.5" fill="#fff" opacity=".12"/>
    <rect x="6" y="10" width="${w}" height="${h}" rx="12" fill="#000" opacity=".18"/>
    <rect width="${w}" height="${h}" rx="12" fill="url(#card)" stroke="#fff" stroke-opacity=".7" stroke-width="2"/>
    <rect x="14" y="16" width="${w * 0.55}" height="9" rx="4.5" fill="#fff" opacity=".9"/>
    <rect x="14" y="33" width="${w * 0.72}" height="6" rx="3" fill="#fff" opacity=".55"/>
    <rect x="14" y="45" width="${w * 0.64}" height="6" rx="3" fill="#fff" opacity=".55"/>
    <circle cx="${w - 24}" cy="${h - 22}" r="11" fill="#ffd166"/></g>`;
}

const DEFS = `<defs>
  <linearGradient id="sky" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#1b2f6b"/><stop offset=".55" stop-color="#3b3f9c"/><stop offset="1" stop-color="#7a3f9d"/></linearGradient>
  <linearGradient id="card" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#4fa3ff"/><stop offset="1" stop-color="#a45cff"/></linearGradient>
  <radialGradient id="glow" cx=".75" cy=".3" r=".6"><stop offset="0" stop-color="#fff" stop-opacity=".25"/><stop offset="1" stop-color="#fff" stop-opacity="0"/></radialGradient>
</defs>`;

function splash() {
  return `<svg xmlns="http://www.w3.org/2000/svg" width="400" height="240">${DEFS}
    <rect width="400" height="240" fill="url(#sky)"/><rect width="400" height="240" fill="url(#glow)"/>
    ${sparkles([[40, 40, 5, 0.8], [360, 30, 4, 0.7], [330, 200, 6, 0.5], [70, 205, 3, 0.6], [210, 22, 3, 0.5]])}
    ${boxMotif(250, 48, 118, 84)}
    <text x="28" y="96" font-family="DejaVu Sans, Arial" font-weight="bold" font-size="31" fill="#fff">Wisplet</text>
    <text x="28" y="130" font-family="DejaVu Sans, Arial" font-weight="bold" font-size="31" fill="#ffd166">Dorizized</text>
    <text x="29" y="156" font-family="DejaVu Sans, Arial" font-size="12" fill="#dfe6ff">Floating boxes for your web pages</text>
    <rect x="28" y="196" width="150" height="4" rx="2" fill="#fff" opacity=".2"/>
    <rect x="28" y="196" width="92" height="4" rx="2" fill="#ffd166"/>
    <text x="28" y="218" font-family="DejaVu Sans, Arial" font-size="10" fill="#c9d2f5">Loading... Version ${VERSION}</text></svg>`;
}

function about() {
  return `<svg xmlns="http://www.w3.org/2000/svg" width="400" height="240">${DEFS}
    <linearGradient id="soft" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#f7f8fd"/><stop offset="1" stop-color="#e3e8f6"/></linearGradient>
    <rect width="400" height="240" fill="url(#soft)"/>
    <rect width="400" height="70" fill="url(#sky)"/>
    ${sparkles([[30, 20, 4, 0.8], [380, 52, 3, 0.6], [250, 14, 3, 0.5]])}
    ${boxMotif(318, 16, 62, 44).replace(/rx="12"/g, 'rx="7"')}
    <text x="22" y="45" font-family="DejaVu Sans, Arial" font-weight="bold" font-size="24" fill="#fff">Wisplet <tspan fill="#ffd166">Dorizized</tspan></text>
    <text x="22" y="98" font-family="DejaVu Sans, Arial" font-weight="bold" font-size="13" fill="#23324a">Version ${VERSION}</text>
    <text x="22" y="122" font-family="DejaVu Sans, Arial" font-size="11.5" fill="#3b4a66">Designs floating boxes that slide into a web page</text>
    <text x="22" y="139" font-family="DejaVu Sans, Arial" font-size="11.5" fill="#3b4a66">and reveal their content with 62 transition effects.</text>
    <text x="22" y="168" font-family="DejaVu Sans, Arial" font-size="10" fill="#6b7890">Includes a maker of 55 predefined shapes and a</text>
    <text x="22" y="182" font-family="DejaVu Sans, Arial" font-size="10" fill="#6b7890">brightness and contrast tool for background pictures.</text></svg>`;
}

const icon = (body) => `<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">${body}</svg>`;
const ICONS = {
  refresh: icon('<path d="M13 8 A5 5 0 1 1 11.3 4.2" fill="none" stroke="#1f7a3a" stroke-width="2" stroke-linecap="round"/><path d="M9 1.5 L14 3 L11 7 Z" fill="#1f7a3a"/>'),
  editor: icon('<rect x="1.5" y="1.5" width="10" height="13" rx="1" fill="#fff" stroke="#4b5a73"/><path d="M3.5 4.5 H9.5 M3.5 7 H9.5 M3.5 9.5 H7" stroke="#8a97ad"/>' +
    '<path d="M8 13 L14 7 L15.5 8.5 L9.5 14.5 L7.5 15 Z" fill="#f2c94c" stroke="#6b4e12" stroke-width=".8"/>'),
  color: icon('<path d="M8 1.5 C3.5 1.5 1 4.5 1 8 C1 11.5 3.6 14.5 7 14.5 C8.5 14.5 8.6 13 8 12.2 C7.3 11.2 8 10 9.3 10 H11.5 C13.5 10 15 8.6 15 6.6 C15 3.6 12 1.5 8 1.5 Z" fill="#f3e1c0" stroke="#7a5a2a" stroke-width=".9"/>' +
    '<circle cx="4.5" cy="7.5" r="1.4" fill="#d9473a"/><circle cx="6.5" cy="4.5" r="1.4" fill="#f2c94c"/><circle cx="10" cy="4.3" r="1.4" fill="#27ae60"/><circle cx="12.4" cy="7" r="1.4" fill="#2f7de1"/>'),
  import: icon('<path d="M2 10 V14 H14 V10" fill="none" stroke="#4b5a73" stroke-width="1.6" stroke-linejoin="round"/><path d="M8 1.5 V10" stroke="#2f7de1" stroke-width="2"/><path d="M4.5 6.5 L8 10.5 L11.5 6.5 Z" fill="#2f7de1"/>'),
  viewall: icon('<rect x="1.5" y="1.5" width="5.5" height="5.5" rx="1" fill="#4fa3ff"/><rect x="9" y="1.5" width="5.5" height="5.5" rx="1" fill="#a45cff"/>' +
    '<rect x="1.5" y="9" width="5.5" height="5.5" rx="1" fill="#ffd166"/><rect x="9" y="9" width="5.5" height="5.5" rx="1" fill="#27ae60"/>'),
  effect: icon('<path d="M2 14 L10 6" stroke="#5b4a2e" stroke-width="2" stroke-linecap="round"/><path d="M11.5 1 L12.4 3.6 L15 4.5 L12.4 5.4 L11.5 8 L10.6 5.4 L8 4.5 L10.6 3.6 Z" fill="#f2b705"/>' +
    '<circle cx="14" cy="10" r="1" fill="#a45cff"/><circle cx="6" cy="2.5" r="0.9" fill="#2f7de1"/>'),
  enlarge: icon('<circle cx="6.5" cy="6.5" r="4.5" fill="#eaf2fb" stroke="#2f4a7a" stroke-width="1.6"/><path d="M10 10 L14.5 14.5" stroke="#2f4a7a" stroke-width="2.2" stroke-linecap="round"/>' +
    '<path d="M4.5 6.5 H8.5 M6.5 4.5 V8.5" stroke="#2f7de1" stroke-width="1.4"/>')
};

const svg = (w, h, body) => `<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}">${body}</svg>`;
const lin = (id, a, b, v = true) => `<linearGradient id="${id}" x1="0" y1="0" x2="${v ? 0 : 1}" y2="${v ? 1 : 0}"><stop offset="0" stop-color="${a}"/><stop offset="1" stop-color="${b}"/></linearGradient>`;
const cloud = (x, y, s, o = 0.9) => `<g transform="translate(${x} ${y}) scale(${s})" fill="#fff" opacity="${o}"><ellipse cx="0" cy="0" rx="30" ry="14"/><ellipse cx="-18" cy="4" rx="20" ry="11"/><ellipse cx="20" cy="5" rx="22" ry="10"/><ellipse cx="4" cy="-9" rx="17" ry="13"/></g>`;

// Starter pictures of the background library: [file, html, width, height]
const LIBRARY = {
  images: [
    ['sky.jpg', svg(320, 240, `<defs>${lin('a', '#5aa0f0', '#cfe6ff')}</defs><rect width="320" height="240" fill="url(#a)"/>` +
      cloud(70, 60, 1.1) + cloud(230, 40, 0.8, 0.8) + cloud(200, 150, 1.4, 0.85) + cloud(40, 190, 0.9, 0.7)), 320, 240],
    ['sunset.jpg', svg(320, 240, `<defs>${lin('a', '#2c2a6b', '#f59e5b')}${lin('s', '#e86a4a', '#6b2f5a')}</defs><rect width="320" height="240" fill="url(#a)"/>` +
      '<circle cx="160" cy="170" r="46" fill="#ffd27a"/><rect y="170" width="320" height="70" fill="url(#s)"/>' +
      [0, 1, 2, 3, 4].map((i) => `<rect x="${110 + i * 3}" y="${180 + i * 11}" width="${100 - i * 6}" height="3" rx="1.5" fill="#ffd27a" opacity="${0.7 - i * 0.12}"/>`).join('')), 320, 240],
    ['ocean.jpg', svg(320, 240, `<defs>${lin('a', '#0b4f7a', '#49b6d6')}</defs><rect width="320" height="240" fill="url(#a)"/>` +
      [0, 1, 2, 3, 4, 5].map((i) => `<path d="M0 ${60 + i * 34} q40 -16 80 0 t80 0 t80 0 t80 0" fill="none" stroke="#fff" stroke-opacity="${0.12 + i * 0.05}" stroke-width="${3 + i}"/>`).join('')), 320, 240],
    ['meadow.jpg', svg(320, 240, `<defs>${lin('a', '#8fd3ff', '#e8f7ff')}${lin('g', '#7cc66b', '#3f8f3a')}</defs><rect width="320" height="240" fill="url(#a)"/>` +
      '<circle cx="260" cy="50" r="24" fill="#fff3a6"/><path d="M0 170 Q80 120 170 160 T320 140 V240 H0 Z" fill="#a5d98f"/>' +
      '<path d="M0 200 Q100 160 200 195 T320 185 V240 H0 Z" fill="url(#g)"/>' + cloud(90, 60, 0.8, 0.9)), 320, 240]
  ],
  borders: [
    ['gold-frame.jpg', svg(320, 240, `<defs>${lin('f', '#f7d774', '#a87a1c')}</defs><rect width="320" height="240" fill="url(#f)"/>` +
      '<rect x="12" y="12" width="296" height="216" fill="none" stroke="#fff3c4" stroke-width="2"/><rect x="22" y="22" width="276" height="196" fill="#fffaf0" stroke="#8a6414" stroke-width="3"/>'), 320, 240],
    ['blue-rounded.jpg', svg(320, 240, '<rect width="320" height="240" fill="#ffffff"/><rect x="8" y="8" width="304" height="224" rx="26" fill="#2f7de1"/>' +
      '<rect x="20" y="20" width="280" height="200" rx="18" fill="#f3f8ff"/>'), 320, 240],
    ['double-line.jpg', svg(320, 240, '<rect width="320" height="240" fill="#fdfbf7"/><rect x="10" y="10" width="300" height="220" fill="none" stroke="#6b2f5a" stroke-width="4"/>' +
      '<rect x="20" y="20" width="280" height="200" fill="none" stroke="#6b2f5a" stroke-width="1.5"/>'), 320, 240],
    ['dotted-edge.jpg', svg(320, 240, '<rect width="320" height="240" fill="#fff"/><rect x="12" y="12" width="296" height="216" rx="10" fill="none" stroke="#27ae60" stroke-width="6" stroke-dasharray="0.1 14" stroke-linecap="round"/>'), 320, 240]
  ],
  shapes: [
    ['ellipse.jpg', svg(300, 200, `<defs>${lin('a', '#ffd166', '#f59e5b')}</defs><rect width="300" height="200" fill="#fff"/><ellipse cx="150" cy="100" rx="140" ry="90" fill="url(#a)" stroke="#b4531f" stroke-width="4"/>`), 300, 200],
    ['star.jpg', svg(260, 260, '<rect width="260" height="260" fill="#fff"/><path d="' + (() => {
      let d = ''; for (let i = 0; i < 10; i++) { const a = -Math.PI / 2 + i * Math.PI / 5, r = i % 2 ? 52 : 120; d += (i ? 'L' : 'M') + (130 + r * Math.cos(a)).toFixed(1) + ' ' + (138 + r * Math.sin(a)).toFixed(1); }
      return d + 'Z'; })() + '" fill="#4fa3ff" stroke="#1b3f7a" stroke-width="4" stroke-linejoin="round"/>'), 260, 260],
    ['heart.jpg', svg(260, 240, '<rect width="260" height="240" fill="#fff"/><path d="M130 220 C40 160 10 110 30 65 C50 20 110 20 130 70 C150 20 210 20 230 65 C250 110 220 160 130 220 Z" fill="#e5566f" stroke="#8a1f34" stroke-width="4"/>'), 260, 240],
    ['cloud.gif', svg(320, 200, '<rect width="320" height="200" fill="#fff"/>' + cloud(160, 105, 3.2, 1).replace('fill="#fff"', 'fill="#dff0ff" stroke="#5a8fc8" stroke-width="1.2"')), 320, 200]
  ]
};

function wordmark() {
  // Sized to fit the designer's preview pane (about 360 pixels wide).
  return svg(330, 96, `${DEFS}<rect width="330" height="96" fill="#fff"/>${boxMotif(294, 10, 30, 22).replace(/rx="12"/g, 'rx="7"').replace('opacity=".25"', 'opacity="0"')}
    <text x="10" y="52" font-family="DejaVu Sans, Arial" font-weight="bold" font-size="26" fill="#2b3f8f">Wisplet <tspan fill="#8a4fd0">Dorizized</tspan></text>
    <text x="12" y="74" font-family="DejaVu Sans, Arial" font-size="10.5" fill="#6b7890">Design a floating box, then press Refresh to preview it.</text>`);
}

function sampleBackground(n) {
  const pairs = [['#1b2f6b', '#3f8fd8'], ['#5a1f5e', '#e0705a'], ['#0b4f4a', '#3fb59a'], ['#2c2a6b', '#a45cff']][n - 1];
  return svg(344, 204, `<defs>${lin('a', pairs[0], pairs[1], false)}</defs><rect width="344" height="204" fill="url(#a)"/>` +
    `<circle cx="300" cy="30" r="90" fill="#fff" opacity=".08"/><circle cx="40" cy="200" r="70" fill="#fff" opacity=".06"/>` +
    sparkles([[310, 170, 5, 0.5], [250, 30, 3, 0.6], [30, 30, 3, 0.4]]));
}

// Figures of the user guide: file name and caption.
const HELP_FIGURES = [
  ['main-window.png', 'The main window'], ['background-library.png', 'Choosing a background picture'],
  ['export.png', 'The Export Wisplet Files window'], ['shapes.png', 'The predefined shapes window'],
  ['brightness-contrast.png', 'The brightness and contrast window'], ['content-editor.png', 'The content editor'],
  ['paint.png', 'The paint program'], ['about.png', 'The About window']
];

function placeholder(caption) {
  return `<div style="width:480px;height:300px;box-sizing:border-box;border:1px solid #c9d1e0;background:#f2f4f8;font-family:DejaVu Sans,Arial;color:#6b7890;display:flex;flex-direction:column;align-items:center;justify-content:center">
    <div style="width:300px;height:170px;border:2px dashed #b5c0d4;border-radius:6px;display:flex;align-items:center;justify-content:center;font-size:13px">Screenshot</div>
    <div style="margin-top:16px;font-size:15px;color:#3b4a66">${caption}</div></div>`;
}

// How the box is built: content, padding in, border, padding out.
function diagram() {
  return svg(520, 230, `<rect width="520" height="230" fill="#fff"/>
    <rect x="20" y="20" width="260" height="190" fill="#dbe7fb"/><rect x="40" y="40" width="220" height="150" fill="none" stroke="#2f4a7a" stroke-width="6"/>
    <rect x="43" y="43" width="214" height="144" fill="#eef3fd"/><rect x="63" y="63" width="174" height="104" fill="#ffffff" stroke="#8a97ad" stroke-dasharray="4 3"/>
    <text x="150" y="112" text-anchor="middle" font-family="DejaVu Sans, Arial" font-size="13" fill="#23324a">content</text>
    <text x="150" y="130" text-anchor="middle" font-family="DejaVu Sans, Arial" font-size="11" fill="#6b7890">Width x Height</text>
    ${[['Padding Out: between the edge and the border', 30], ['Border: width, style and colour', 48], ['Padding In: between the border and the content', 66], ['Content: Width x Height', 110]]
      .map(([t, y], i) => `<line x1="${[24, 42, 54, 200][i]}" y1="${y + 2}" x2="300" y2="${y + 2}" stroke="#b5c0d4"/><text x="306" y="${y + 6}" font-family="DejaVu Sans, Arial" font-size="11" fill="#23324a">${t}</text>`).join('')}
    <text x="306" y="160" font-family="DejaVu Sans, Arial" font-size="11" fill="#6b7890">The background colour and picture</text>
    <text x="306" y="176" font-family="DejaVu Sans, Arial" font-size="11" fill="#6b7890">fill the whole box, up to its edge.</text>`);
}

module.exports = { splash, about, ICONS, LIBRARY, wordmark, sampleBackground, HELP_FIGURES, placeholder, diagram };
