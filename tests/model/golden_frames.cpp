#include "golden_frames.h"

#include <bit>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace brenvik::testing {

namespace {

// Reads one comma-separated field of `row` as T (hex when base is 16).
template <class T>
T field(std::istringstream& row, int base, int line)
{
    std::string text;
    std::getline(row, text, ',');
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc{} || end != text.data() + text.size())
        throw std::runtime_error("golden frames, line " + std::to_string(line) + ": cannot read '" + text +
                                 "'");
    return value;
}

float floatFromHex(std::istringstream& row, int line)
{
    return std::bit_cast<float>(field<std::uint32_t>(row, 16, line));
}

void skipField(std::istringstream& row)
{
    std::string ignored;
    std::getline(row, ignored, ',');
}

}  // namespace

std::string goldenFramesFile() { return BRENVIK_GOLDEN_FRAMES; }

std::vector<GoldenFrame> loadGoldenFrames(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot open golden frames " + path);
    std::vector<GoldenFrame> frames;
    std::string text;
    for (int line = 1; std::getline(file, text); ++line) {
        // Comments, and the header line, which starts with a column name.
        if (text.empty() || text[0] == '#' || text.starts_with("q_bits"))
            continue;
        std::istringstream row(text);
        GoldenFrame f;
        f.line = line;
        f.parameters.q = floatFromHex(row, line);
        skipField(row);  // q as text
        f.parameters.t1x = field<std::int8_t>(row, 10, line);
        f.parameters.t1y = field<std::int8_t>(row, 10, line);
        f.parameters.t2x = field<std::int8_t>(row, 10, line);
        f.parameters.t2y = field<std::int8_t>(row, 10, line);
        const auto level = field<std::int32_t>(row, 10, line);
        f.parameters.noise = level < 0 ? NoiseSettings{} : NoiseSettings{true, level};
        f.parameters.threshold = floatFromHex(row, line);
        skipField(row);  // threshold as text
        f.seedBefore = field<std::uint32_t>(row, 10, line);
        f.peak1 = floatFromHex(row, line);
        f.peak2 = floatFromHex(row, line);
        f.cellMean = floatFromHex(row, line);
        f.resolved = field<int>(row, 10, line) != 0;
        f.seedAfter = field<std::uint32_t>(row, 10, line);
        frames.push_back(f);
    }
    return frames;
}

std::string hexBits(float value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", std::bit_cast<std::uint32_t>(value));
    return text;
}

void PrintTo(const GoldenFrame& f, std::ostream* os)
{
    *os << "line " << f.line << ": Q " << hexBits(f.parameters.q) << ", T1 (" << int{f.parameters.t1x} << ", "
        << int{f.parameters.t1y} << "), T2 (" << int{f.parameters.t2x} << ", " << int{f.parameters.t2y}
        << "), noise " << (f.parameters.noise.enabled ? std::to_string(f.parameters.noise.level) : "off")
        << ", threshold " << hexBits(f.parameters.threshold) << ", seed " << f.seedBefore;
}

}  // namespace brenvik::testing
