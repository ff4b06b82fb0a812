'use strict';
// The paint program's twelve tool cursors: 32 x 32 drawings with their hot spots.
// Each drawing is SVG with a white outline under a dark stroke so that it
// reads on light and dark pictures alike.

const OUTLINE = 'stroke-linejoin="round" stroke-linecap="round"';
const edge = (d, w = 2, fill = 'none') =>
  `<path d="${d}" fill="none" stroke="#fff" stroke-width="${w + 2}" ${OUTLINE}/>` +
  `<path d="${d}" fill="${fill}" stroke="#111" stroke-width="${w}" ${OUTLINE}/>`;
const shape = (d, fill) =>
  `<path d="${d}" fill="${fill}" stroke="#fff" stroke-width="3" ${OUTLINE}/><path d="${d}" fill="${fill}" stroke="#111" stroke-width="1.2" ${OUTLINE}/>`;

const CURSORS = {
  // hot spot: the spray nozzle
  airbrush: { hot: [3, 3], svg: shape('M13 11 L24 22 L20 26 L9 15 Z', '#8fb4e8') + shape('M9 15 L13 11 L10 8 L6 12 Z', '#555') +
    '<circle cx="3" cy="3" r="1.2" fill="#111"/><circle cx="6" cy="2" r="0.9" fill="#111"/><circle cx="2" cy="6" r="0.9" fill="#111"/>' +
    '<circle cx="5.5" cy="5.5" r="0.8" fill="#111"/>' + edge('M22 24 L28 30', 2) },
  // hot spot: the tip of the brush
  brush: { hot: [2, 29], svg: shape('M13 19 L27 5 Q29 3 30 5 Q31 6 29 8 L15 22 Z', '#b07a3c') +
    shape('M13 19 L15 22 Q12 26 8 27 Q4 29 2 29 Q4 27 5 23 Q7 19 13 19 Z', '#d9473a') },
  cross: { hot: [15, 15], svg: edge('M15.5 2 V12 M15.5 19 V29 M2 15.5 H12 M19 15.5 H29', 1.4) },
  // hot spot: the rubbing corner of the eraser
  eraser: { hot: [4, 27], svg: shape('M4 27 L14 17 L22 25 L18 29 L6 29 Z', '#f0f0f0') + shape('M14 17 L22 9 L30 17 L22 25 Z', '#e58da4') },
  // hot spot: where the paint drips
  fill: { hot: [4, 26], svg: shape('M10 8 L22 20 L14 28 L2 16 Z', '#d7dde8') + shape('M2 16 Q1 22 4 26 Q7 22 5 17 Z', '#2f7de1') +
    edge('M10 8 Q14 2 18 8 L18 13', 1.4) },
  // hot spot: the spout of the funnel
  filter: { hot: [15, 29], svg: shape('M3 4 H28 L18 16 V24 L15.5 29 L13 24 V16 Z', '#9ad0f5') },
  handflat: { hot: [15, 15], svg: shape('M9 28 Q5 22 5 17 Q5 14 7.5 15 L10 19 V6 Q10 4 12 4 Q14 4 14 6 V15 V4 Q14 2 16 2 Q18 2 18 4 V15 V5 Q18 3 20 3 Q22 3 22 5 V16 V8 Q22 6 24 6 Q26 6 26 8 V20 Q26 26 22 29 Z', '#f6d7b8') },
  handgrab: { hot: [15, 15], svg: shape('M8 27 Q5 22 5 18 Q5 14 8 15 V12 Q8 10 10 10 Q12 10 12 12 Q12 9 14.5 9 Q17 9 17 12 Q17 10 19.5 10 Q22 10 22 13 Q22 11 24 11 Q26.5 11 26.5 14 V20 Q26.5 26 22 28 Z', '#f6d7b8') +
    edge('M12 12 V16 M17 12 V16 M22 13 V17', 1) },
  // hot spot: the pencil point
  pencil: { hot: [1, 30], svg: shape('M7 19 L23 3 L29 9 L13 25 Z', '#f2c94c') + shape('M7 19 L13 25 L2 29.5 Z', '#f3e1c0') +
    '<path d="M1 30.5 L4.5 29 L2.5 27 Z" fill="#111"/>' + shape('M23 3 L26 0.5 L31.5 6 L29 9 Z', '#e58da4') },
  // hot spot: the tip of the colour picker
  pick: { hot: [1, 30], svg: shape('M3 29 L2 27 L16 13 L19 16 L5 30 Z', '#eaf2fb') + shape('M16 13 L19 10 L22 13 L19 16 Z', '#555') +
    shape('M19 10 L25 4 Q28 1 30 3 Q32 5 29 8 L22 13 Z', '#333') },
  text: { hot: [15, 15], svg: edge('M11 4 Q15.5 4 15.5 7 Q15.5 4 20 4 M15.5 7 V24 M11 27 Q15.5 27 15.5 24 Q15.5 27 20 27 M12.5 15.5 H18.5', 1.4) },
  // hot spot: the centre of the lens
  zoom: { hot: [12, 12], svg: shape('M18.5 18.5 L28 28', 'none') + edge('M18.5 18.5 L28.5 28.5', 4) +
    '<circle cx="12" cy="12" r="8.5" fill="rgba(200,225,255,0.55)" stroke="#fff" stroke-width="4"/>' +
    '<circle cx="12" cy="12" r="8.5" fill="none" stroke="#111" stroke-width="2"/>' + edge('M8 12 H16 M12 8 V16', 1.4) }
};

/** The full SVG document of one cursor. */
function cursorSvg(name) {
  return `<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">${CURSORS[name].svg}</svg>`;
}

/**
 * Builds a .cur file (one 32 x 32 image, 32-bit BGRA with its AND mask) from
 * RGBA pixels, top row first. hot = [x, y] in pixels from the top-left.
 */
function curFile(rgba, hot) {
  const W = 32, H = 32, xorSize = W * H * 4, andStride = 4, andSize = andStride * H;
  const header = Buffer.alloc(6 + 16), info = Buffer.alloc(40);
  header.writeUInt16LE(0, 0); header.writeUInt16LE(2, 2); header.writeUInt16LE(1, 4); // ICONDIR: cursor, one image
  header[6] = W; header[7] = H; header[8] = 0; header[9] = 0;
  header.writeUInt16LE(hot[0], 10); header.writeUInt16LE(hot[1], 12);
  header.writeUInt32LE(40 + xorSize + andSize, 14); header.writeUInt32LE(22, 18);
  info.writeUInt32LE(40, 0); info.writeInt32LE(W, 4); info.writeInt32LE(H * 2, 8); // height counts XOR and AND halves
  info.writeUInt16LE(1, 12); info.writeUInt16LE(32, 14); info.writeUInt32LE(0, 16); info.writeUInt32LE(xorSize + andSize, 20);
  const xor = Buffer.alloc(xorSize), and = Buffer.alloc(andSize);
  for (let y = 0; y < H; y++) {
    const row = H - 1 - y; // bottom-up rows
    for (let x = 0; x < W; x++) {
      const s = (y * W + x) * 4, d = (row * W + x) * 4, a = rgba[s + 3];
      xor[d] = rgba[s + 2]; xor[d + 1] = rgba[s + 1]; xor[d + 2] = rgba[s]; xor[d + 3] = a;
      if (a < 128) and[row * andStride + (x >> 3)] |= 0x80 >> (x & 7);
    }
  }
  return Buffer.concat([header, info, xor, and]);
}

module.exports = { CURSORS, cursorSvg, curFile };
