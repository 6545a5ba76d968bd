#pragma once
// The model's orientation, turned by the three view sliders. Every slider event
// multiplies an incremental rotation onto the same matrix, which is never reset, so the
// orientation follows the history of the moves, each about the model's current axis.
// The matrix is kept here rather than in the OpenGL context, so that a new context
// starts from the orientation the user left.

#include "view3d/matrix.h"

#include <array>

namespace brenvik {

enum class Axis { X, Y, Z };

class ViewRotation {
public:
    /// The slider for `axis` now stands at `position` (degrees): the model-view matrix is
    /// multiplied on the right by a rotation of (position − the last position applied),
    /// formed in single precision.
    void turn(Axis axis, int position);

    /// Forget the slider positions last applied (the matrix stays as it is).
    void resetAngles() { m_previousAngles = {}; }

    const Matrix4& matrix() const { return m_matrix; }
    /// The slider position last applied for `axis` (`PrevAngleX`, `PrevAngleY`, `PrevAngleZ`).
    float previousAngle(Axis axis) const { return m_previousAngles[static_cast<int>(axis)]; }

private:
    Matrix4 m_matrix = kIdentity;
    std::array<float, 3> m_previousAngles{};  ///< by Axis
};

}  // namespace brenvik
