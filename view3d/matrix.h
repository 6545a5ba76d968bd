#pragma once
// 4 × 4 matrices as OpenGL loads them: column-major, element (row r, column k) at 4k + r.

#include <array>

namespace brenvik {

using Matrix4 = std::array<double, 16>;

inline constexpr Matrix4 kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

/// a · b, the elements and every step of the sums in `Real` (OpenGL forms and keeps its
/// matrices in single precision: multiply<float> gives what it would).
template <class Real = double>
constexpr Matrix4 multiply(const Matrix4& a, const Matrix4& b)
{
    Matrix4 product{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            Real sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += static_cast<Real>(a[4 * k + row]) * static_cast<Real>(b[4 * column + k]);
            product[4 * column + row] = sum;
        }
    return product;
}

/// The rotation by `degrees` about the unit axis (x, y, z), right-hand rule.
Matrix4 rotationMatrix(double degrees, double x, double y, double z);

}  // namespace brenvik
