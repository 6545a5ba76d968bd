#pragma once
// Debian's Emscripten (3.1.6) brings libc++ 13, which lacks three C++17/20 names the
// model and the CSV use: std::bit_cast, std::jthread and std::to_chars for floating
// point. Included before every source of the WebAssembly build; it adds them only where
// the library has none. No arithmetic changes: bit_cast is the compiler's own;
// WebAssembly runs without threads, so a jthread is never started (the sweep makes a
// share itself when no thread can be had); to_chars gives the shortest text that reads
// back to the same value, fixed or scientific, whichever is shorter (fixed on a tie), as
// the standard's does. Only the three names the model's own sources call go into
// namespace std (those sources are shared with the native builds, whose library has them);
// the helpers behind them stay in a namespace of their own.

#include <version>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <utility>

namespace brenvik_libcxx_compat {

inline bool readsBack(const char* text, float value) { return std::strtof(text, nullptr) == value; }
inline bool readsBack(const char* text, double value) { return std::strtod(text, nullptr) == value; }

template <class Real>
std::to_chars_result shortestChars(char* first, char* last, Real value, int maxDigits)
{
    std::string text;
    if (value != value) {
        text = "nan";
    } else if (value == value + value && value != 0) {
        text = value < 0 ? "-inf" : "inf";
    } else {
        char scientific[48];
        int digits = 1;
        for (; digits < maxDigits; ++digits) {
            std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, static_cast<double>(value));
            if (readsBack(scientific, value))
                break;
        }
        std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, static_cast<double>(value));
        // scientific is [-]d[.ddd]e±xx: its digits and its exponent give the fixed form.
        const char* e = std::strchr(scientific, 'e');
        const int exponent = std::atoi(e + 1);
        const bool negative = scientific[0] == '-';
        std::string mantissa;
        for (const char* c = scientific + (negative ? 1 : 0); c != e; ++c)
            if (*c != '.')
                mantissa += *c;
        std::string fixed = negative ? "-" : "";
        if (exponent >= 0) {
            std::string whole = mantissa.substr(0, std::min<std::size_t>(mantissa.size(), exponent + 1));
            whole.append(exponent + 1 - whole.size(), '0');
            fixed += whole;
            if (mantissa.size() > static_cast<std::size_t>(exponent + 1))
                fixed += "." + mantissa.substr(exponent + 1);
        } else {
            fixed += "0." + std::string(-exponent - 1, '0') + mantissa;
        }
        text = fixed.size() <= std::strlen(scientific) ? fixed : std::string(scientific);
    }
    if (static_cast<std::size_t>(last - first) < text.size())
        return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc{}};
}

}  // namespace brenvik_libcxx_compat

namespace std {

template <class To, class From>
constexpr To bit_cast(const From& from) noexcept
{
    static_assert(sizeof(To) == sizeof(From), "bit_cast needs types of one size");
    return __builtin_bit_cast(To, from);
}

/// A thread joined when it is destroyed.
class jthread {
public:
    jthread() noexcept = default;
    template <class Function>
    explicit jthread(Function&& function) : m_thread(std::forward<Function>(function))
    {
    }
    jthread(jthread&&) noexcept = default;
    jthread& operator=(jthread&& other) noexcept
    {
        join();
        m_thread = std::move(other.m_thread);
        return *this;
    }
    ~jthread() { join(); }

private:
    void join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    std::thread m_thread;
};

inline to_chars_result to_chars(char* first, char* last, float value)
{
    return brenvik_libcxx_compat::shortestChars(first, last, value, 9);
}
inline to_chars_result to_chars(char* first, char* last, double value)
{
    return brenvik_libcxx_compat::shortestChars(first, last, value, 17);
}

}  // namespace std
#endif
