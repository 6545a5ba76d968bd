#pragma once
// The view's one camera: a parallel projection along −z, fixed for the whole run. The
// renderer loads it and the view-volume test reads it; nothing else defines it.

#include "view3d/matrix.h"

namespace brenvik {

/// The parallel projection of the box left … right, bottom … top, near … far (glOrtho's).
constexpr Matrix4 orthographic(double left, double right, double bottom, double top, double near, double far)
{
    Matrix4 m = kIdentity;
    m[0] = 2 / (right - left);
    m[5] = 2 / (top - bottom);
    m[10] = -2 / (far - near);
    m[12] = -(right + left) / (right - left);
    m[13] = -(top + bottom) / (top - bottom);
    m[14] = -(far + near) / (far - near);
    return m;
}

/// The view from an eye on the z axis at distance `eyeZ`, looking at the origin with y up:
/// the scene moves eyeZ back along −z.
constexpr Matrix4 viewFromAxisZ(double eyeZ)
{
    Matrix4 m = kIdentity;
    m[14] = -eyeZ;
    return m;
}

/// Eye x and y from −100 to 100 are visible, the eye 5 in front of the origin; both go on
/// the projection matrix, so the model-view matrix holds the model's orientation alone.
/// An eye-space point (x, y, z) lands at clip (x/100, y/100, (5 − z)/100, 1), each element
/// the single-precision value that OpenGL's own glOrtho and look-at would leave.
inline constexpr Matrix4 kCameraProjection =
    multiply<float>(orthographic(-100, 100, -100, 100, -100, 100), viewFromAxisZ(5));

}  // namespace brenvik
