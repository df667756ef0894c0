// Zubrik: a browser's screenshot, a PNG, read into its pixels with Node's zlib alone.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const zlib = require('zlib');

const signature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);

// The filter's predictor from the left (a), above (b) and above-left (c) bytes.
function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a);
  const pb = Math.abs(p - b);
  const pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// { width, height, rgba } of an 8-bit RGB or RGBA PNG without interlace, what
// browsers write; any other kind is refused rather than misread.
function decodePng(data) {
  if (!data.subarray(0, 8).equals(signature)) throw new Error('no PNG');
  let header = null;
  const compressed = [];
  for (let at = 8; at < data.length;) {
    const length = data.readUInt32BE(at);
    const type = data.toString('latin1', at + 4, at + 8);
    const body = data.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') header = { width: body.readUInt32BE(0), height: body.readUInt32BE(4),
                                    depth: body[8], colour: body[9], interlace: body[12] };
    else if (type === 'IDAT') compressed.push(body);
    at += 12 + length;
  }
  if (!header || header.depth !== 8 || ![2, 6].includes(header.colour) || header.interlace)
    throw new Error(`a PNG of a kind not read here: ${JSON.stringify(header)}`);
  const { width, height } = header;
  const channels = header.colour === 6 ? 4 : 3;
  const stride = width * channels;
  const raw = zlib.inflateSync(Buffer.concat(compressed));
  if (raw.length !== height * (stride + 1)) throw new Error('a PNG whose data is not its size');
  const rows = Buffer.alloc(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const a = x >= channels ? rows[y * stride + x - channels] : 0;
      const b = y > 0 ? rows[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
      let predicted;
      switch (filter) {
        case 0: predicted = 0; break;
        case 1: predicted = a; break;
        case 2: predicted = b; break;
        case 3: predicted = (a + b) >> 1; break;
        case 4: predicted = paeth(a, b, c); break;
        default: throw new Error(`PNG filter ${filter} in row ${y}`);
      }
      rows[y * stride + x] = (line[x] + predicted) & 0xff;
    }
  }
  if (channels === 4) return { width, height, rgba: rows };
  const rgba = Buffer.alloc(width * height * 4, 255);
  for (let i = 0, j = 0; j < rows.length; i += 4, j += 3) rows.copy(rgba, i, j, j + 3);
  return { width, height, rgba };
}

module.exports = { decodePng };
