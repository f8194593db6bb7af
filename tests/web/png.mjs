// Reads the PNG files the tests compare (8-bit RGB or RGBA, not interlaced, as Chromium's
// screenshots and the game's captures are) and measures how far two pictures differ.
import { inflateSync } from 'node:zlib';

export function decodePng(file) {
  if (file.readUInt32BE(0) !== 0x89504e47) throw new Error('not a PNG file');
  let width = 0, height = 0, channels = 0;
  const compressed = [];
  for (let at = 8; at + 8 <= file.length;) {
    const length = file.readUInt32BE(at);
    const type = file.toString('latin1', at + 4, at + 8);
    const body = file.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      channels = { 2: 3, 6: 4 }[body[9]];
      if (body[8] !== 8 || !channels || body[12] !== 0) throw new Error('unsupported PNG format');
    } else if (type === 'IDAT') {
      compressed.push(body);
    }
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(compressed));
  const stride = width * channels;
  const data = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; ++i) {
      const a = i >= channels ? data[y * stride + i - channels] : 0;
      const b = y > 0 ? data[(y - 1) * stride + i] : 0;
      const c = y > 0 && i >= channels ? data[(y - 1) * stride + i - channels] : 0;
      let predicted = 0;
      if (filter === 1) predicted = a;
      else if (filter === 2) predicted = b;
      else if (filter === 3) predicted = (a + b) >> 1;
      else if (filter === 4) {
        const p = a + b - c;
        const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
        predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      data[y * stride + i] = (line[i] + predicted) & 0xff;
    }
  }
  return { width, height, channels, data };
}

function rgb(picture, x, y) {
  const at = (y * picture.width + x) * picture.channels;
  return picture.data.subarray(at, at + 3);
}

// The share of the game's pixels (0 to 1) that differ by more than `tolerance` in a colour
// between the game's own frame and a page screenshot in which the canvas stands at `rect`
// (page pixels): each game pixel is read at its middle in the scaled picture.
export function differingShare(frame, shot, rect, tolerance = 24) {
  let differing = 0;
  for (let y = 0; y < frame.height; ++y) {
    const sy = Math.floor(rect.top + ((y + 0.5) * rect.height) / frame.height);
    for (let x = 0; x < frame.width; ++x) {
      const sx = Math.floor(rect.left + ((x + 0.5) * rect.width) / frame.width);
      const a = rgb(frame, x, y);
      const b = rgb(shot, sx, sy);
      if (Math.max(...[0, 1, 2].map((c) => Math.abs(a[c] - b[c]))) > tolerance) ++differing;
    }
  }
  return differing / (frame.width * frame.height);
}
