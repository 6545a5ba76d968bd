#include "model/intensity_table.h"

#include <algorithm>
#include <bit>

namespace brenvik {

IntensityTable::IntensityTable()
    : m_values(kMaxSquaredDistance + 1, 0.0f), m_known(kMaxSquaredDistance + 1, 0)
{
}

void IntensityTable::setWidth(float Q)
{
    const auto bits = std::bit_cast<std::uint32_t>(Q);
    if (bits == m_qBits)
        return;
    m_q = Q;
    m_qBits = bits;
    std::fill(m_known.begin(), m_known.end(), 0);
}

void IntensityTable::fill(std::int32_t s)
{
    m_values[static_cast<std::size_t>(s)] = intensityAtSquaredDistance(s, m_q);
    m_known[static_cast<std::size_t>(s)] = 1;
}

}  // namespace brenvik
