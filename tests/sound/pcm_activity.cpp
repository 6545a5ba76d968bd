// Reads raw signed 16-bit little-endian mono samples and tells how much of them is sound:
//   pcm_activity FILE RATE
// prints "seconds=<total> loud=<seconds with sound> longest=<longest run with sound>",
// judged in windows of 50 ms whose RMS exceeds a level well above the null sink's silence.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pcm_activity FILE RATE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const int rate = std::atoi(argv[2]);
    if (!in || rate <= 0) {
        std::fprintf(stderr, "pcm_activity: cannot read %s\n", argv[1]);
        return 2;
    }
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t samples = bytes.size() / 2;
    const std::size_t window = static_cast<std::size_t>(rate) / 20;
    constexpr double kLoudRms = 300.0;

    std::size_t loudWindows = 0, run = 0, longest = 0;
    for (std::size_t start = 0; start + window <= samples; start += window) {
        double sum = 0.0;
        for (std::size_t i = start; i < start + window; ++i) {
            const auto lo = static_cast<std::uint8_t>(bytes[2 * i]);
            const auto hi = static_cast<std::uint8_t>(bytes[2 * i + 1]);
            const auto value = static_cast<std::int16_t>(lo | hi << 8);
            sum += double(value) * value;
        }
        if (std::sqrt(sum / window) > kLoudRms) {
            ++loudWindows;
            longest = std::max(longest, ++run);
        } else {
            run = 0;
        }
    }
    std::printf("seconds=%.2f loud=%.2f longest=%.2f\n", double(samples) / rate, loudWindows * 0.05,
                longest * 0.05);
    return 0;
}
