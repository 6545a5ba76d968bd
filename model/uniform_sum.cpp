#include "model/uniform_sum.h"

#include <algorithm>
#include <stdexcept>

namespace brenvik {

std::vector<double> uniformSumDistribution(int draws, int level)
{
    if (draws < 0 || level < 1)
        throw std::invalid_argument("uniformSumDistribution: needs draws >= 0 and level >= 1");

    std::vector<double> p{1.0};  // no draws yet: the sum is 0
    std::vector<double> prefix;
    std::vector<double> next;
    const std::size_t width = static_cast<std::size_t>(level);
    const double share = 1.0 / level;
    for (int k = 0; k < draws && level > 1; ++k) {
        // next[n] = (p[n − level + 1] + … + p[n]) / level, with p zero outside its
        // support, for the lower half n = 0 … last / 2; the upper half mirrors it.
        const std::size_t last = p.size() - 1 + width - 1;
        const std::size_t half = last / 2;

        // prefix[j] = p[0] + … + p[j − 1], as far as the lower half reaches.
        const std::size_t reach = std::min(half + 1, p.size());
        prefix.resize(reach + 1);
        prefix[0] = 0.0;
        for (std::size_t j = 0; j < reach; ++j)
            prefix[j + 1] = prefix[j] + p[j];

        next.resize(last + 1);
        for (std::size_t n = 0; n <= half; ++n) {
            const std::size_t high = std::min(n + 1, reach);
            const std::size_t low = n + 1 > width ? n + 1 - width : 0;
            next[n] = (prefix[high] - prefix[low]) * share;
            next[last - n] = next[n];
        }
        p.swap(next);
    }
    return p;
}

}  // namespace brenvik
