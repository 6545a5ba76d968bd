// The graph window's picture: axes, ticks and the dotted grid drawn at a sweep's Start,
// then the curve one line per tick from the last point reached, as in the desktop
// program (no text on the graph). Where each goes is the desktop graph's own geometry,
// from the model's module. The expected probability is drawn on a layer of its own over
// the picture, so that hiding it shows the picture exactly as before.

import type { GraphGrid, GraphPixel } from "./model";

export class Graph {
  private readonly context: CanvasRenderingContext2D;
  private readonly overlay: CanvasRenderingContext2D;
  private current: GraphPixel = { x: 0, y: 0 };
  /** The y of the horizontal axis. */
  graphBaseY = 0;

  constructor(readonly canvas: HTMLCanvasElement, readonly expectedCanvas: HTMLCanvasElement) {
    this.context = canvas.getContext("2d")!;
    this.overlay = expectedCanvas.getContext("2d")!;
    this.clear();
  }

  private clear(): void {
    this.context.fillStyle = "#000";
    this.context.fillRect(0, 0, this.canvas.width, this.canvas.height);
  }

  /** Start of a sweep: the window's picture anew, for the grid of its canvas's size (the
   *  window has no frame, so its outer size is its canvas). */
  start(grid: GraphGrid): void {
    const g = this.context;
    this.clear();
    this.overlay.clearRect(0, 0, this.canvas.width, this.canvas.height);
    const { left, right, base, dx, dy } = grid;
    this.graphBaseY = base;
    // Lines on whole pixels: an odd width is centred on the pixel's middle.
    const line = (x0: number, y0: number, x1: number, y1: number, width: number) => {
      const half = width % 2 === 1 ? 0.5 : 0;
      g.beginPath();
      g.moveTo(x0 + half, y0 + half);
      g.lineTo(x1 + half, y1 + half);
      g.stroke();
    };
    g.strokeStyle = "#fff";
    g.lineWidth = 3;
    g.setLineDash([]);
    g.lineCap = "square";
    line(left, 0, left, base, 3);
    line(left, base, right, base, 3);
    for (let i = 1; i <= 10; ++i) line(left + i * dx, base - 5, left + i * dx, base + 5, 3);
    for (let i = 1; i <= 10; ++i) line(5, base - i * dy, 15, base - i * dy, 3);
    g.lineWidth = 1;
    g.lineCap = "butt";
    g.setLineDash([1, 1]);
    g.strokeStyle = "rgb(192, 192, 192)";
    for (let i = 1; i <= 10; ++i) line(left + i * dx, base, left + i * dx, 0, 1);
    for (let i = 1; i <= 10; ++i) line(left, base - i * dy, right, base - i * dy, 1);
    g.setLineDash([]);
    g.strokeStyle = "rgb(0, 255, 0)";
    this.current = grid.start;
  }

  /** The curve from the last point reached to `to`. */
  plot(to: GraphPixel): void {
    const g = this.context;
    g.beginPath();
    g.moveTo(this.current.x + 0.5, this.current.y + 0.5);
    g.lineTo(to.x + 0.5, to.y + 0.5);
    g.stroke();
    this.current = to;
  }

  /** The expected shares' staircase (its corners) as short yellow dots. */
  drawExpected(corners: GraphPixel[], shown: boolean): void {
    const o = this.overlay;
    o.clearRect(0, 0, this.expectedCanvas.width, this.expectedCanvas.height);
    if (!shown) return;
    o.strokeStyle = "rgb(255, 255, 0)";
    o.lineWidth = 1;
    o.setLineDash([2, 2]);
    o.beginPath();
    corners.forEach(({ x, y }, i) => (i === 0 ? o.moveTo(x + 0.5, y + 0.5) : o.lineTo(x + 0.5, y + 0.5)));
    o.stroke();
  }

  /** What the window shows (the picture, the expected curve when shown, the button panel), for saving. */
  snapshot(panel: HTMLElement | null, expectedShown: boolean): HTMLCanvasElement {
    const shot = document.createElement("canvas");
    shot.width = this.canvas.width;
    shot.height = this.canvas.height;
    const s = shot.getContext("2d")!;
    s.drawImage(this.canvas, 0, 0);
    if (expectedShown) s.drawImage(this.expectedCanvas, 0, 0);
    if (panel) {
      // The button panel is part of the window's client area, as in the desktop screenshot;
      // where the picture is shown scaled (on a phone), the panel is placed in its pixels.
      const area = this.canvas.getBoundingClientRect();
      const sx = this.canvas.width / area.width, sy = this.canvas.height / area.height;
      const place = (r: DOMRect) => [(r.left - area.left) * sx, (r.top - area.top) * sy, r.width * sx, r.height * sy] as const;
      s.fillStyle = "rgb(59, 59, 59)";
      s.fillRect(...place(panel.getBoundingClientRect()));
      for (const image of panel.querySelectorAll("img")) s.drawImage(image, ...place(image.getBoundingClientRect()));
    }
    return shot;
  }
}
