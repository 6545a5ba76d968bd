#pragma once
// The model's orientation, turned by the three view sliders. Every slider event
// multiplies an incremental rotation onto the same matrix, which is never reset, so the
// orientation follows the history of the moves, each about the model's current axis.
// The matrix is kept here rather than in the OpenGL context, so that a new context
// starts from the orientation the user left.

#include <array>

namespace brenvik {

enum class Axis { X, Y, Z };

/// A column-major 4 × 4 matrix, as OpenGL loads it.
using Matrix4 = std::array<double, 16>;

inline constexpr Matrix4 kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

/// The rotation by `degrees` about the unit axis (x, y, z), right-hand rule.
Matrix4 rotationMatrix(double degrees, double x, double y, double z);
/// a · b
Matrix4 multiply(const Matrix4& a, const Matrix4& b);

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
