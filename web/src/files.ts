// The files the page saves: the graph as BMP (the desktop program's uncompressed 24-bit
// layout) or PNG, and the sweep's points as CSV, handed to the browser as downloads.

/** An uncompressed 24-bit BMP: the 14-byte file header, the 40-byte information header,
 *  then the rows from the bottom up, blue-green-red, each padded to a multiple of 4 bytes. */
export function bmpImage(image: ImageData): Uint8Array<ArrayBuffer> {
  const { width, height, data } = image;
  const rowBytes = Math.floor((width * 3 + 3) / 4) * 4;
  const pixelOffset = 14 + 40;
  const pixelBytes = rowBytes * height;
  const out = new Uint8Array(pixelOffset + pixelBytes);
  const view = new DataView(out.buffer);
  out[0] = 0x42; // "BM"
  out[1] = 0x4d;
  view.setUint32(2, pixelOffset + pixelBytes, true);
  view.setUint32(10, pixelOffset, true);
  view.setUint32(14, 40, true);
  view.setUint32(18, width, true);
  view.setUint32(22, height, true); // positive: rows bottom-up
  view.setUint16(26, 1, true); // planes
  view.setUint16(28, 24, true); // bits per pixel
  view.setUint32(30, 0, true); // no compression
  view.setUint32(34, pixelBytes, true);
  view.setUint32(38, 3780, true); // 96 pixels per inch
  view.setUint32(42, 3780, true);
  for (let y = 0; y < height; ++y) {
    let at = pixelOffset + (height - 1 - y) * rowBytes;
    for (let x = 0; x < width; ++x) {
      const p = 4 * (y * width + x);
      out[at++] = data[p + 2];
      out[at++] = data[p + 1];
      out[at++] = data[p];
    }
  }
  return out;
}

export function download(name: string, blob: Blob): void {
  const url = URL.createObjectURL(blob);
  const link = document.createElement("a");
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}
