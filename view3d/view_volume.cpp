#include "view3d/view_volume.h"

#include <cmath>

namespace brenvik {

bool insideViewVolume(std::span<const float> xyz, const Matrix4& clip)
{
    const Matrix4& m = clip;
    for (std::size_t i = 0; i + 2 < xyz.size(); i += 3) {
        const double x = xyz[i], y = xyz[i + 1], z = xyz[i + 2];
        const double w = m[3] * x + m[7] * y + m[11] * z + m[15];
        if (!(w > 0))
            return false;
        const double limit = (1 - kClipMargin) * w;
        for (int row = 0; row < 3; ++row) {
            const double c = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
            // Written so that a NaN fails the test.
            if (!(std::fabs(c) <= limit))
                return false;
        }
    }
    return true;
}

}  // namespace brenvik
