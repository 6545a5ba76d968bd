#pragma once
// Whether vertices lie inside the view volume, decided on the CPU from the camera and the
// model's orientation, before anything is drawn.

#include "view3d/camera.h"

#include <span>

namespace brenvik {

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
