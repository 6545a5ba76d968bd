#pragma once
// The model's orientation, turned by the three view sliders. Every slider event
// multiplies an incremental rotation onto the same matrix, which is never reset, so the
// orientation follows the history of the moves, each about the model's current axis.
// The matrix is kept here rather than in the OpenGL context, so that a new context
// starts from the orientation the user left.

#include "view3d/matrix.h"

namespace brenvik {

enum class Axis { X, Y, Z };

class ViewRotation {
public:
    /// The slider for `axis` now stands at `position` (degrees): the model-view matrix is
    /// multiplied on the right by a rotation of (position − the last position applied),
    /// formed in single precision.
    void turn(Axis axis, int position);

    /// Forget the slider positions last applied (the matrix stays as it is).
    void resetAngles() { PrevAngleX = PrevAngleY = PrevAngleZ = 0.0f; }

    const Matrix4& matrix() const { return m_matrix; }

    float PrevAngleX = 0.0f;
    float PrevAngleY = 0.0f;
    float PrevAngleZ = 0.0f;

private:
    Matrix4 m_matrix = kIdentity;
};

}  // namespace brenvik
