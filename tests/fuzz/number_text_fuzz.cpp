// Any text through the number conversions, under either separator: nothing crashes, a
// real that converts is finite, and its general-format text converts back to it within
// the 15 digits the format keeps; an integer that converts prints back to its text's value.
// The first byte picks the separator, the rest is the text.

#include "model/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

using namespace brenvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = data[0] & 1 ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    if (const auto value = parseReal(text, separator)) {
        if (!std::isfinite(*value))
            std::abort();
        const std::string formatted = realToText(*value, separator);
        const auto back = parseReal(formatted, separator);
        const Extended magnitude = std::fabs(*value);
        // Rounded to 15 digits, a value at the very top of the range may round past it.
        const bool atTheTop = magnitude > std::numeric_limits<Extended>::max() / (1 + 1e-14L);
        if (!back && !atTheTop)
            std::abort();
        // Subnormal values carry fewer digits than the text shows.
        if (back && magnitude >= std::numeric_limits<Extended>::min() &&
            std::fabs(*back - *value) > 1e-14L * magnitude)
            std::abort();
    } else {
        try {
            textToReal(text, separator);
            std::abort();  // refused by one and accepted by the other
        } catch (const ConversionError& e) {
            // what() is a C string: a NUL in the text ends it there.
            std::string expected = "'" + std::string(text) + "' is not a valid floating point value";
            expected.resize(std::min(expected.size(), expected.find('\0')));
            if (e.what() != expected)
                std::abort();
        }
    }

    if (const auto integer = parseInteger(text)) {
        if (parseInteger(std::to_string(*integer)) != integer)
            std::abort();
    }
    return 0;
}
