// The model's orientation, turned by the three view sliders as in the desktop program:
// every slider event multiplies a rotation by (position − the last position applied) on
// the right of the same matrix, which is never reset, so the orientation follows the
// history of the moves, each about the model's current axis.

export type Matrix4 = Float64Array; // column-major, as WebGL loads it

export const enum Axis { X, Y, Z }

export function identity(): Matrix4 {
  return new Float64Array([1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1]);
}

/** The rotation by `degrees` about the unit axis (x, y, z), right-hand rule. */
export function rotationMatrix(degrees: number, x: number, y: number, z: number): Matrix4 {
  const a = (degrees * Math.PI) / 180;
  const c = Math.cos(a), s = Math.sin(a), t = 1 - c;
  return new Float64Array([
    t * x * x + c, t * x * y + s * z, t * x * z - s * y, 0,
    t * x * y - s * z, t * y * y + c, t * y * z + s * x, 0,
    t * x * z + s * y, t * y * z - s * x, t * z * z + c, 0,
    0, 0, 0, 1,
  ]);
}

export function multiply(a: Matrix4, b: Matrix4): Matrix4 {
  const product = new Float64Array(16);
  for (let column = 0; column < 4; ++column)
    for (let row = 0; row < 4; ++row) {
      let sum = 0;
      for (let k = 0; k < 4; ++k) sum += a[4 * k + row] * b[4 * column + k];
      product[4 * column + row] = sum;
    }
  return product;
}

export class ViewRotation {
  private matrix = identity();
  private readonly previous = [0, 0, 0];

  /** The slider for `axis` now stands at `position` degrees. */
  turn(axis: Axis, position: number): void {
    const angle = Math.fround(position - this.previous[axis]);
    this.matrix = multiply(this.matrix, rotationMatrix(angle, axis === Axis.X ? 1 : 0, axis === Axis.Y ? 1 : 0, axis === Axis.Z ? 1 : 0));
    this.previous[axis] = position;
  }

  get modelView(): Matrix4 {
    return this.matrix;
  }
}
