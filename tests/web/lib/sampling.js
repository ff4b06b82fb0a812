'use strict';
// Reads how much of a box's content area shows content in a screenshot.
// Test pages use a pure red box background and content without any red,
// so a pixel's share of content is 1 - red / 255.
const png = require('./png');

/** Takes a viewport screenshot and returns a sampler over it. */
async function snapshot(page) {
  return sampler(png.decode(await page.screenshot()));
}

function sampler(img) {
  const at = (x, y) => {
    const xi = Math.min(img.width - 1, Math.max(0, Math.round(x)));
    const yi = Math.min(img.height - 1, Math.max(0, Math.round(y)));
    return 1 - img.data[(yi * img.width + xi) * 4] / 255;
  };
  return {
    image: img,
    /** Content share at each point of an n x m grid over the rectangle. */
    points(rect, n = 16, m = 12) {
      const out = [];
      for (let j = 0; j < m; j++) for (let i = 0; i < n; i++)
        out.push(at(rect.x + (i + 0.5) * rect.width / n, rect.y + (j + 0.5) * rect.height / m));
      return out;
    },
    /** Mean content share over a part of the rectangle given in fractions [x0, y0, x1, y1]. */
    region(rect, f, step = 1) {
      let sum = 0, count = 0;
      const x0 = rect.x + f[0] * rect.width, x1 = rect.x + f[2] * rect.width;
      const y0 = rect.y + f[1] * rect.height, y1 = rect.y + f[3] * rect.height;
      for (let y = y0 + 0.5; y < y1; y += step) for (let x = x0 + 0.5; x < x1; x += step) { sum += at(x, y); count++; }
      return count ? sum / count : NaN;
    },
    /** Content share along one pixel row (or column) of the rectangle. */
    line(rect, pos, vertical) {
      const out = [];
      if (vertical) for (let y = 1; y < rect.height - 1; y++) out.push(at(rect.x + pos + 0.5, rect.y + y));
      else for (let x = 1; x < rect.width - 1; x++) out.push(at(rect.x + x, rect.y + pos + 0.5));
      return out;
    }
  };
}

const mean = (a) => a.reduce((s, v) => s + v, 0) / a.length;

module.exports = { snapshot, sampler, mean };
