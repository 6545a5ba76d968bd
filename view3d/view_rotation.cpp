#include "view3d/view_rotation.h"

#include <cmath>
#include <numbers>

namespace brenvik {

Matrix4 rotationMatrix(double degrees, double x, double y, double z)
{
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double t = 1.0 - c;
    // Column-major: element (row r, column k) at index 4k + r.
    return {t * x * x + c,
            t * x * y + s * z,
            t * x * z - s * y,
            0,
            t * x * y - s * z,
            t * y * y + c,
            t * y * z + s * x,
            0,
            t * x * z + s * y,
            t * y * z - s * x,
            t * z * z + c,
            0,
            0,
            0,
            0,
            1};
}

void ViewRotation::turn(Axis axis, int position)
{
    float& previous = m_previousAngles[static_cast<int>(axis)];
    const float angle = static_cast<float>(position) - previous;
    const Matrix4 rotation =
        rotationMatrix(angle, axis == Axis::X ? 1 : 0, axis == Axis::Y ? 1 : 0, axis == Axis::Z ? 1 : 0);
    m_matrix = multiply(m_matrix, rotation);
    previous = static_cast<float>(position);
}

}  // namespace brenvik
