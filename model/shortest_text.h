#pragma once
// Numbers for files and scripts: "." as decimal point, the shortest text that reads back
// to the same value.

#include <charconv>
#include <string>

namespace brenvik {

template <class Real>
std::string shortestText(Real value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace brenvik
