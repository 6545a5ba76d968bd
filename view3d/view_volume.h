#pragma once
// Whether vertices lie inside the view volume, decided on the CPU from the camera and the
// model's orientation, before anything is drawn.

#include "view3d/view_rotation.h"

#include <span>

namespace brenvik {

/// The fixed camera, column-major: glOrtho(−100, 100, −100, 100, −100, 100) followed by
/// gluLookAt from (0, 0, 5) towards the origin with y up, which only moves the scene 5
/// back. An eye-space point (x, y, z) lands at clip (x/100, y/100, (5 − z)/100, 1).
inline constexpr Matrix4 kCameraProjection = {0.01, 0, 0, 0, 0, 0.01, 0, 0, 0, 0, -0.01, 0, 0, 0, 0.05, 1};

/// How far inside the faces of the volume (at ±1 in clip coordinates) a vertex must lie to
/// count as inside: about 0.1 model units, some ten thousand times the rounding of the
/// single-precision transformation OpenGL makes, so a vertex this side of it can never
/// be clipped.
inline constexpr double kClipMargin = 1.0 / 1024;

/// Whether every vertex of `xyz` (x, y, z of one vertex after another) lies inside the view
/// volume of the clip transformation `clip` (projection · model-view) by at least
/// kClipMargin. A vertex on a face, beyond it or with a coordinate that is not a number or
/// infinite is outside.
bool insideViewVolume(std::span<const float> xyz, const Matrix4& clip);

}  // namespace brenvik
