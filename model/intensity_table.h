#pragma once
// SourceIntensity depends on the sample point and the source only through the squared
// distance s, so for one width Q a frame needs at most 32769 distinct values. The table
// computes each of them once, with the very same routine, and hands out the stored
// single-precision results: bit for bit what a fresh call would return.

#include "model/point_spread.h"

#include <cstdint>
#include <vector>

namespace brenvik {

class IntensityTable {
public:
    IntensityTable();

    /// Make the table serve width Q. A Q with other bits than the last one forgets
    /// every stored value; the same Q keeps them.
    void setWidth(float Q);
    float width() const { return m_q; }

    /// intensityAtSquaredDistance(s, width()), computed on first use.
    float at(std::int32_t s)
    {
        if (!m_known[static_cast<std::size_t>(s)]) [[unlikely]]
            fill(s);
        return m_values[static_cast<std::size_t>(s)];
    }

private:
    void fill(std::int32_t s);

    float m_q = 0.0f;
    std::uint32_t m_qBits = 0;
    std::vector<float> m_values;
    std::vector<std::uint8_t> m_known;
};

}  // namespace brenvik
