// The 3-D view in WebGL 2: the desktop program's picture, element for element and in its
// order, under its camera and its one light. Fixed-function lighting is done in the
// shader: a vertex of colour c is lit c × ((0.5, 0.8, 0.7) + max(0, n · l)), clamped,
// with the normal (0, 0, 1) turned with the model and l towards the light at (3, 3, 3).

import type { Matrix4, MidpointCell } from "./model";

const kVertexShader = `#version 300 es
uniform mat4 u_modelView;
uniform mat4 u_camera;
uniform vec3 u_color;
uniform float u_pointSize;
uniform vec2 u_offset;
in vec3 a_position;
out vec3 v_color;
void main() {
  vec4 eye = u_modelView * vec4(a_position, 1.0);
  vec3 n = normalize(mat3(u_modelView) * vec3(0.0, 0.0, 1.0));
  vec3 l = normalize(vec3(3.0, 3.0, 3.0) - eye.xyz);
  v_color = clamp(u_color * (vec3(0.5, 0.8, 0.7) + max(0.0, dot(n, l))), 0.0, 1.0);
  // The camera is a parallel projection: w stays 1, so the offset moves the point on screen.
  gl_Position = u_camera * eye + vec4(u_offset, 0.0, 0.0);
  gl_PointSize = u_pointSize;
}`;

const kFragmentShader = `#version 300 es
precision mediump float;
uniform bool u_round;
in vec3 v_color;
out vec4 colour;
void main() {
  // Smoothed points are discs.
  if (u_round && length(gl_PointCoord - vec2(0.5)) > 0.5) discard;
  colour = vec4(v_color, 1.0);
}`;

const kPlateY = -51, kGridY = -50, kMarkerY = 60, kMidLineTopY = 0;

/** The outlines of count × count squares of the given side at the grid's height, as line segments. */
function gridLines(count: number, side: number): number[] {
  const v: number[] = [];
  for (let a = 0; a < count; ++a)
    for (let b = 0; b < count; ++b) {
      const x0 = side * b - 60, z0 = side * a - 60, x1 = x0 + side, z1 = z0 + side;
      const corners = [[x0, z0], [x1, z0], [x1, z1], [x0, z1]];
      for (let i = 0; i < 4; ++i) {
        const [p, q] = [corners[i], corners[(i + 1) % 4]];
        v.push(p[0], kGridY, p[1], q[0], kGridY, q[1]);
      }
    }
  return v;
}

export interface SceneFrame {
  t1x: number; t1y: number; t2x: number; t2y: number;
  cell: MidpointCell;
  /** (X, height, Y) of every sample point. */
  surface: Float32Array;
}

/** The browser gives no WebGL 2 context (switched off, or a blocked graphics driver). */
export class NoWebGL2 extends Error {
  constructor() {
    super("WebGL 2 is not available");
  }
}

export class SceneRenderer {
  private readonly gl: WebGL2RenderingContext;
  private readonly program: WebGLProgram;
  private readonly u: Record<string, WebGLUniformLocation | null> = {};
  private readonly plate: WebGLBuffer;
  private readonly fineGrid: WebGLBuffer;
  private readonly coarseGrid: WebGLBuffer;
  private readonly dynamic: WebGLBuffer;
  private readonly surface: WebGLBuffer;
  private readonly fineCount: number;
  private readonly coarseCount: number;
  private ratio = 1;
  private viewport = { left: 10, width: 1, height: 1 };

  /** `camera` is the desktop view's projection and eye (the model's kCameraProjection). */
  constructor(private readonly canvas: HTMLCanvasElement, camera: Matrix4) {
    const gl = canvas.getContext("webgl2", { antialias: false, preserveDrawingBuffer: false });
    if (!gl) throw new NoWebGL2();
    this.gl = gl;
    this.program = this.link();
    for (const name of ["u_modelView", "u_camera", "u_color", "u_pointSize", "u_offset", "u_round"])
      this.u[name] = gl.getUniformLocation(this.program, name);
    gl.useProgram(this.program);
    gl.uniformMatrix4fv(this.u.u_camera, false, new Float32Array(camera));
    const buffer = (data: number[] | null, bytes = 0) => {
      const b = gl.createBuffer()!;
      gl.bindBuffer(gl.ARRAY_BUFFER, b);
      if (data) gl.bufferData(gl.ARRAY_BUFFER, new Float32Array(data), gl.STATIC_DRAW);
      else gl.bufferData(gl.ARRAY_BUFFER, bytes, gl.DYNAMIC_DRAW);
      return b;
    };
    this.plate = buffer([-60, kPlateY, -60, 60, kPlateY, -60, 60, kPlateY, 60, -60, kPlateY, -60, 60, kPlateY, 60, -60, kPlateY, 60]);
    const fine = gridLines(15, 8), coarse = gridLines(3, 40);
    this.fineGrid = buffer(fine);
    this.coarseGrid = buffer(coarse);
    this.fineCount = fine.length / 3;
    this.coarseCount = coarse.length / 3;
    this.dynamic = buffer(null, 64 * 4);
    this.surface = buffer(null, 3 * 14641 * 4);
    gl.enable(gl.DEPTH_TEST);
    gl.clearColor(0, 0, 0, 0);
    this.resize();
  }

  /** The canvas's backing store follows the device's pixel ratio; widths and sizes are in CSS pixels. */
  resize(): void {
    this.ratio = window.devicePixelRatio || 1;
    const width = this.canvas.clientWidth || this.canvas.width, height = this.canvas.clientHeight || this.canvas.height;
    this.canvas.width = Math.round(width * this.ratio);
    this.canvas.height = Math.round(height * this.ratio);
    // The desktop's viewport: 10 pixels in from the lower left, 200 narrower and 50 lower than
    // its 617-pixel-wide window; a narrower view (a phone's) scales the margins with it.
    const scale = Math.min(1, width / 617);
    this.viewport = {
      left: Math.round(10 * scale * this.ratio),
      width: Math.round((width - 200 * scale) * this.ratio),
      height: Math.round((height - 50 * scale) * this.ratio),
    };
  }

  render(frame: SceneFrame, modelView: Matrix4): void {
    const gl = this.gl;
    gl.viewport(this.viewport.left, this.viewport.left, this.viewport.width, this.viewport.height);
    gl.useProgram(this.program);
    gl.uniformMatrix4fv(this.u.u_modelView, false, new Float32Array(modelView));
    gl.uniform2f(this.u.u_offset, 0, 0);
    gl.clear(gl.COLOR_BUFFER_BIT | gl.DEPTH_BUFFER_BIT);

    this.draw(this.plate, gl.TRIANGLES, 6, [0.6, 0.6, 0.8]);
    this.draw(this.fineGrid, gl.LINES, this.fineCount, [0, 0, 0]);
    this.draw(this.coarseGrid, gl.LINES, this.coarseCount, [0, 0, 0], { width: 3 });

    const { t1x, t1y, t2x, t2y, cell: c } = frame;
    this.drawDynamic([t1x, kMarkerY, t1y], gl.POINTS, [1.4, 0, 1.4], { size: 3 });
    this.drawDynamic([t2x, kMarkerY, t2y], gl.POINTS, [0.6, 0.62, 1.0], { size: 3 });
    this.drawDynamic([t1x, kMarkerY, t1y, t1x, kGridY, t1y, t2x, kMarkerY, t2y, t2x, kGridY, t2y], gl.LINES, [0.7, 0, 0]);
    this.drawDynamic([c.CellXLo, kGridY, c.CellYLo, c.CellXHi, kGridY, c.CellYLo, c.CellXHi, kGridY, c.CellYHi,
      c.CellXLo, kGridY, c.CellYLo, c.CellXHi, kGridY, c.CellYHi, c.CellXLo, kGridY, c.CellYHi], gl.TRIANGLES, [1.2, 1.0, 1.0]);
    this.drawDynamic([c.MidX, kMidLineTopY, c.MidY, c.MidX, kGridY, c.MidY], gl.LINES, [0, 0.7, 0]);

    gl.bindBuffer(gl.ARRAY_BUFFER, this.surface);
    gl.bufferSubData(gl.ARRAY_BUFFER, 0, frame.surface);
    this.draw(this.surface, gl.POINTS, 14641, [0.8, 0.6, 0.1], { size: 2 });
  }

  private drawDynamic(vertices: number[], mode: number, color: number[], options: { size?: number } = {}): void {
    const gl = this.gl;
    gl.bindBuffer(gl.ARRAY_BUFFER, this.dynamic);
    gl.bufferSubData(gl.ARRAY_BUFFER, 0, new Float32Array(vertices));
    this.draw(this.dynamic, mode, vertices.length / 3, color, options);
  }

  private draw(buffer: WebGLBuffer, mode: number, count: number, color: number[], options: { size?: number; width?: number } = {}): void {
    const gl = this.gl;
    gl.bindBuffer(gl.ARRAY_BUFFER, buffer);
    gl.enableVertexAttribArray(0);
    gl.vertexAttribPointer(0, 3, gl.FLOAT, false, 0, 0);
    gl.uniform3fv(this.u.u_color, color);
    gl.uniform1f(this.u.u_pointSize, (options.size ?? 1) * this.ratio);
    gl.uniform1i(this.u.u_round, mode === gl.POINTS ? 1 : 0);
    if (!options.width || options.width === 1) {
      gl.drawArrays(mode, 0, count);
      return;
    }
    // WebGL draws lines one pixel wide: a wide line is the line drawn again a pixel to either side.
    const step = (pixels: number, length: number) => (2 * pixels) / length;
    const reach = ((options.width - 1) / 2) * this.ratio;
    for (const [dx, dy] of [[0, 0], [-1, 0], [1, 0], [0, -1], [0, 1]]) {
      gl.uniform2f(this.u.u_offset, step(dx * reach, this.viewport.width), step(dy * reach, this.viewport.height));
      gl.drawArrays(mode, 0, count);
    }
    gl.uniform2f(this.u.u_offset, 0, 0);
  }

  private link(): WebGLProgram {
    const gl = this.gl;
    const compile = (type: number, source: string) => {
      const shader = gl.createShader(type)!;
      gl.shaderSource(shader, source);
      gl.compileShader(shader);
      if (!gl.getShaderParameter(shader, gl.COMPILE_STATUS)) throw new Error(gl.getShaderInfoLog(shader) ?? "shader");
      return shader;
    };
    const program = gl.createProgram()!;
    gl.attachShader(program, compile(gl.VERTEX_SHADER, kVertexShader));
    gl.attachShader(program, compile(gl.FRAGMENT_SHADER, kFragmentShader));
    gl.bindAttribLocation(program, 0, "a_position");
    gl.linkProgram(program);
    if (!gl.getProgramParameter(program, gl.LINK_STATUS)) throw new Error(gl.getProgramInfoLog(program) ?? "link");
    return program;
  }
}
