#pragma once
// The x87 extended format in software, for processors whose long double is something
// else (arm64: 128-bit quad or plain double; WebAssembly: quad; MSVC: double).
//
// A value is held exactly in a Boost.Multiprecision binary float with a 64-bit
// significand (header-only, so it builds with any C++20 compiler, emscripten included).
// Every operation is computed in 192 bits and rounded once to the x87 rules: 64-bit
// significand, nearest-even, exponents 2^-16382 … 2^16383, gradual underflow down to
// 2^-16445, overflow to infinity. 192 ≥ 2·64 + 2 bits make that one extra rounding
// harmless for + − × ÷ √ of 64-bit operands; exp is computed in 192 bits and rounded once.
// NaNs follow the x87: an operand's NaN passes on, an invalid operation gives the
// negative "default" NaN.
//
// The model's hot steps have fast forms below (in double, with a one-line proof each
// that the result is bit for bit the x87 one, or a check that sends the rare operands
// that the proof does not cover to the exact type).

// GCC 12 sees a limb of a Boost integer as maybe uninitialized once inlined here; it is not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include "model/decimal_digits.h"

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559,
              "the fast steps need IEEE 754 single and double precision");
static_assert(FLT_EVAL_METHOD == 0, "the fast steps need double arithmetic without excess precision");

namespace brenvik::software {

using brenvik::DecimalDigits;
namespace mp = boost::multiprecision;

/// Wide enough that one operation on two held values, rounded to it, rounds again to the
/// held format as if rounded once.
using Wide = mp::number<mp::cpp_bin_float<192, mp::digit_base_2, void, std::int32_t>, mp::et_off>;
/// The held value: any x87 extended value, exactly.
using Held = mp::number<mp::cpp_bin_float<64, mp::digit_base_2, void, std::int32_t>, mp::et_off>;

inline constexpr int kSignificandBits = 64;
inline constexpr int kMinNormalExponent = -16382;  // 2^-16382, the smallest normal value
inline constexpr int kMaxExponent = 16383;         // below 2^16384
inline constexpr int kMaxExponent10 = 4932;

/// |x| rounded to `bits` significant bits, nearest-even, on the grid of the smallest
/// normal exponent below that exponent (gradual underflow). x finite and nonzero; the
/// result keeps x's sign. May reach 2^(top exponent + 1): the caller checks overflow.
inline Wide roundToFormat(const Wide& x, int bits, int minNormalExponent)
{
    int e = 0;
    (void)mp::frexp(x, &e);  // |x| = f·2^e, 1/2 ≤ f < 1
    const int lead = std::max(e - 1, minNormalExponent);
    const int shift = bits - 1 - lead;
    const Wide scaled = mp::ldexp(mp::abs(x), shift);  // exact: a power of two
    Wide whole = mp::floor(scaled);
    const Wide rest = scaled - whole;  // exact: both on the same grid
    if (rest > 0.5 || (rest == 0.5 && mp::floor(whole / 2) * 2 != whole))
        whole += 1;
    const Wide rounded = mp::ldexp(whole, -shift);
    return x < 0 ? Wide(-rounded) : rounded;
}

class Extended {
public:
    Extended() = default;

    /// Exact from any integer, float or double (all fit in 64 bits of significand).
    /// long double is refused: its format differs between processors.
    template <class T, std::enable_if_t<std::is_arithmetic_v<T> && !std::is_same_v<T, long double> &&
                                            !std::is_same_v<T, bool>,
                                        int> = 0>
    Extended(T value)  // NOLINT: implicit, as long double converts
    {
        if constexpr (std::is_floating_point_v<T>) {
            if (std::isnan(value)) {
                *this = nan(std::signbit(value));
                return;
            }
        }
        m_value = Held(value);
    }

    /// The value rounded to the held format.
    static Extended fromWide(const Wide& x)
    {
        Extended r;
        if (mp::isnan(x))
            return nan(true);
        if (mp::isinf(x) || x == 0) {
            r.m_value = Held(x);
            return r;
        }
        const Wide rounded = roundToFormat(x, kSignificandBits, kMinNormalExponent);
        if (mp::abs(rounded) >= mp::ldexp(Wide(1), kMaxExponent + 1))
            r.m_value =
                x < 0 ? -std::numeric_limits<Held>::infinity() : std::numeric_limits<Held>::infinity();
        else
            r.m_value = Held(rounded);  // exact: it has at most 64 significant bits
        return r;
    }

    /// The x87 default NaN is negative; `negative` false gives its positive twin.
    static Extended nan(bool negative)
    {
        Extended r;
        r.m_value = std::numeric_limits<Held>::quiet_NaN();
        r.m_nanNegative = negative;
        return r;
    }

    /// sign · significand · 2^exponent, significand taken whole (no rounding if it fits).
    static Extended fromParts(bool negative, std::uint64_t significand, int exponent)
    {
        Wide w = mp::ldexp(Wide(significand), exponent);
        return fromWide(negative ? Wide(-w) : w);
    }

    const Held& held() const { return m_value; }
    Wide wide() const { return Wide(m_value); }
    bool isNaN() const { return mp::isnan(m_value); }
    bool isInfinite() const { return mp::isinf(m_value); }
    bool isFinite() const { return !isNaN() && !isInfinite(); }
    bool signBit() const { return isNaN() ? m_nanNegative : mp::signbit(m_value) != 0; }

    /// Rounded to double (to nearest), as a long double converts; for values that leave
    /// the model's arithmetic, such as a probability the tool was given.
    explicit operator double() const
    {
        if (isNaN())
            return std::copysign(std::numeric_limits<double>::quiet_NaN(), m_nanNegative ? -1.0 : 1.0);
        return m_value.convert_to<double>();
    }

    /// Truncation toward zero; a NaN or a value beyond T's range gives T's lowest value,
    /// the x87's "integer indefinite".
    template <class T, std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>, int> = 0>
    explicit operator T() const
    {
        if (!isFinite())
            return std::numeric_limits<T>::min();
        const Held t = mp::trunc(m_value);
        if (t < Held(std::numeric_limits<T>::min()) || t > Held(std::numeric_limits<T>::max()))
            return std::numeric_limits<T>::min();
        return static_cast<T>(t);
    }

    friend Extended operator-(const Extended& a)
    {
        Extended r = a;
        if (r.isNaN())
            r.m_nanNegative = !r.m_nanNegative;
        else
            r.m_value = -r.m_value;
        return r;
    }
    friend Extended operator+(const Extended& a, const Extended& b)
    {
        return binary(a, b, [](const Wide& x, const Wide& y) { return x + y; });
    }
    friend Extended operator-(const Extended& a, const Extended& b)
    {
        return binary(a, b, [](const Wide& x, const Wide& y) { return x - y; });
    }
    friend Extended operator*(const Extended& a, const Extended& b)
    {
        return binary(a, b, [](const Wide& x, const Wide& y) { return x * y; });
    }
    friend Extended operator/(const Extended& a, const Extended& b)
    {
        return binary(a, b, [](const Wide& x, const Wide& y) { return x / y; });
    }
    Extended& operator+=(const Extended& b) { return *this = *this + b; }
    Extended& operator-=(const Extended& b) { return *this = *this - b; }
    Extended& operator*=(const Extended& b) { return *this = *this * b; }
    Extended& operator/=(const Extended& b) { return *this = *this / b; }

    // Every comparison with a NaN is false, except !=.
    friend bool operator==(const Extended& a, const Extended& b)
    {
        return !a.isNaN() && !b.isNaN() && a.m_value == b.m_value;
    }
    friend bool operator<(const Extended& a, const Extended& b)
    {
        return !a.isNaN() && !b.isNaN() && a.m_value < b.m_value;
    }
    friend bool operator>(const Extended& a, const Extended& b) { return b < a; }
    friend bool operator<=(const Extended& a, const Extended& b) { return a < b || a == b; }
    friend bool operator>=(const Extended& a, const Extended& b) { return b <= a; }

private:
    template <class Op>
    static Extended binary(const Extended& a, const Extended& b, Op op)
    {
        // An operand's NaN passes on (the only NaN the model makes is the default one).
        if (a.isNaN())
            return a;
        if (b.isNaN())
            return b;
        return fromWide(op(a.wide(), b.wide()));
    }

    Held m_value{0};
    bool m_nanNegative = false;
};

inline bool isNaN(const Extended& x) { return x.isNaN(); }
inline bool isInfinite(const Extended& x) { return x.isInfinite(); }
inline bool isFinite(const Extended& x) { return x.isFinite(); }

/// Correctly rounded square root.
inline Extended sqrt(const Extended& x)
{
    if (x.isNaN())
        return x;
    if (x < 0)
        return Extended::nan(true);
    return Extended::fromWide(mp::sqrt(x.wide()));
}

/// e^x, computed in 192 bits and rounded once to 64: correctly rounded unless e^x lies
/// within 2^-180 of a rounding boundary.
inline Extended exp(const Extended& x)
{
    if (x.isNaN())
        return x;
    if (x.isInfinite())
        return x.signBit() ? Extended(0) : x;
    // Beyond these e^x is 0 or infinite in the x87 format, and far from its boundaries.
    if (x < -12000)
        return Extended(0);
    if (x > 12000)
        return Extended(std::numeric_limits<double>::infinity());
    return Extended::fromWide(mp::exp(x.wide()));
}

/// Round to single precision: nearest-even, with single's subnormals and overflow.
inline float toSingle(const Extended& x)
{
    if (x.isNaN())
        return x.signBit() ? -std::numeric_limits<float>::quiet_NaN()
                           : std::numeric_limits<float>::quiet_NaN();
    if (x.isInfinite())
        return x.signBit() ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    const Wide w = x.wide();
    if (w == 0)
        return x.signBit() ? -0.0f : 0.0f;
    const Wide rounded = roundToFormat(w, 24, -126);
    if (mp::abs(rounded) >= mp::ldexp(Wide(1), 128))
        return w < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return static_cast<float>(rounded);  // exact: a single value
}

/// 10^k to the nearest extended value (the x87 library's powl gives the same for every k
/// the model meets; a test checks them all).
inline Extended powerOfTen(int k)
{
    if (k > kMaxExponent10 + 1)
        return Extended(std::numeric_limits<double>::infinity());
    if (k < -(kMaxExponent10 + 30))
        return Extended(0);
    const mp::cpp_int power = mp::pow(mp::cpp_int(10), static_cast<unsigned>(k < 0 ? -k : k));
    if (k >= 0) {
        // 10^k to 192 bits (exact up to 10^82), then to 64.
        const unsigned bits = mp::msb(power) + 1;
        const unsigned drop = bits > 192 ? bits - 192 : 0;
        return Extended::fromWide(mp::ldexp(Wide(mp::cpp_int(power >> drop)), static_cast<int>(drop)));
    }
    // 10^-k = 2^n / 10^k: the integer quotient to 200 bits, then to 192 and to 64.
    const unsigned n = mp::msb(power) + 200;
    const Wide w = mp::ldexp(Wide(mp::cpp_int((mp::cpp_int(1) << n) / power)), -static_cast<int>(n));
    return Extended::fromWide(w);
}

}  // namespace brenvik::software

// ---- The model's steps, fast where a proof allows ----------------------------------

namespace brenvik::software {

namespace detail {

/// Whether a + b is exact in double (Knuth's two-sum: its error term is zero).
inline bool exactSum(double a, double b, double& sum)
{
    sum = a + b;
    const double bPart = sum - a;
    const double error = (a - (sum - bPart)) + (b - bPart);
    return error == 0;
}

/// Whether |k| ≤ 2^24, so that k is a single-precision operand.
inline bool singleInteger(std::int32_t k) { return k >= -(1 << 24) && k <= (1 << 24); }

// 2π rounded to 64 bits: 0xC90FDAA22168C235 · 2^-61.
inline const Extended& twoPi()
{
    static const Extended value = Extended::fromParts(false, 0xC90FDAA22168C235u, -61);
    return value;
}

}  // namespace detail

/// e^(-s / (2Q·Q)) · 1 / (√(2π)·Q), every step rounded to 64 bits, then to single: the
/// reference that pointSpread agrees with.
inline float pointSpreadExact(std::int32_t s, float Q)
{
    const Extended q = Q;
    const Extended exponent = Extended(-s) / ((Extended(2) * q) * q);
    const Extended g = exp(exponent);
    const Extended n = Extended(1) / (sqrt(detail::twoPi()) * q);
    return toSingle(g * n);
}

/// The same in double, with a bound on how far it can be from the 64-bit chain: when both
/// ends of that interval round to the same single, so does the chain. The double chain's
/// relative error is below |e|·2^-52 (the exponent's rounding, magnified by exp) plus
/// 2^-49 (exp within 2 ulp, seven other roundings), the 64-bit chain's far below that;
/// 2^-40 + |e|·2^-48 bounds both with a wide margin.
inline float pointSpread(std::int32_t s, float Q)
{
    const double q = Q;
    const double e = static_cast<double>(-s) / ((2.0 * q) * q);  // the denominator is exact
    const double n = 1.0 / (2.5066282746310002 * q);
    if (!(std::isfinite(e) && std::isfinite(n)))
        return pointSpreadExact(s, Q);
    if (e < -800)  // the 64-bit chain's value is below 2^-1000 too: a signed zero
        return std::signbit(n) ? -0.0f : 0.0f;
    const double value = std::exp(e) * n;
    const double margin = 0x1p-40 + -e * 0x1p-48;
    const float low = static_cast<float>(value * (1 - margin));
    const float high = static_cast<float>(value * (1 + margin));
    if (low != high || std::signbit(low) != std::signbit(high))
        return pointSpreadExact(s, Q);
    return low;
}

/// a·k rounded to single. With |k| ≤ 2^24 the product of two 24-bit numbers is exact in
/// double and in 64 bits, so both round once.
inline float roundedProduct(float a, std::int32_t k)
{
    if (!detail::singleInteger(k))
        return toSingle(Extended(a) * k);
    return static_cast<float>(static_cast<double>(a) * k);
}

/// (a + b)·k, rounded to 64 bits after each step and then to single (rare: the exact type).
inline float roundedSumProduct(float a, float b, std::int32_t k) { return toSingle((Extended(a) + b) * k); }

/// a + d rounded to single. For single operands an intermediate of 53 or 64 bits
/// (≥ 2·24 + 2) makes the double rounding innocuous: both equal the correctly rounded sum.
inline float roundedSum(float a, std::int32_t d)
{
    if (!detail::singleInteger(d))
        return toSingle(Extended(a) + d);
    return static_cast<float>(static_cast<double>(a) + d);
}

/// (a + b) + c rounded to single. When both sums are exact in double they are exact in
/// 64 bits too, and both sides round the same exact value once.
inline float roundedSum(float a, float b, float c)
{
    double ab = 0, abc = 0;
    if (detail::exactSum(a, b, ab) && detail::exactSum(ab, c, abc))
        return static_cast<float>(abc);
    return toSingle((Extended(a) + b) + c);
}

/// a / d rounded to single: single operands, so innocuous double rounding as for the sum.
/// A zero divisor goes to the exact type for the x87's NaN.
inline float roundedQuotient(float a, std::int32_t d)
{
    if (d == 0 || !detail::singleInteger(d))
        return toSingle(Extended(a) / d);
    return static_cast<float>(static_cast<double>(a) / d);
}

/// t·p > p − m. The product of two singles is exact in double and in 64 bits; when the
/// difference is exact in double too, the comparison is of the same exact values.
inline bool exceedsDifference(float t, float p, float m)
{
    double difference = 0;
    if (detail::exactSum(p, -static_cast<double>(m), difference))
        return static_cast<double>(t) * p > difference;
    return Extended(t) * p > Extended(p) - m;
}

inline DecimalDigits decimalDigits(const Extended& x, int count)
{
    DecimalDigits out;
    out.negative = x.signBit();
    if (!x.isFinite())
        return out;  // no digits: the caller names NaN and infinity itself
    if (x.held() == 0) {
        out.digits.assign(static_cast<std::size_t>(count), '0');
        return out;
    }
    int e = 0;
    const Held f = mp::frexp(mp::abs(x.held()), &e);
    // x = significand · 2^shift exactly; as the fraction numerator / denominator.
    const mp::cpp_int significand(static_cast<std::uint64_t>(mp::ldexp(f, 64)));
    const int shift = e - 64;
    int exponent = static_cast<int>(std::floor((e - 1) * 0.30102999566398120));
    for (;;) {
        mp::cpp_int numerator = significand, denominator = 1;
        if (shift >= 0)
            numerator <<= static_cast<unsigned>(shift);
        else
            denominator <<= static_cast<unsigned>(-shift);
        const int scale = count - 1 - exponent;  // x · 10^scale has `count` digits before the point
        const mp::cpp_int power = mp::pow(mp::cpp_int(10), static_cast<unsigned>(scale < 0 ? -scale : scale));
        if (scale >= 0)
            numerator *= power;
        else
            denominator *= power;
        mp::cpp_int quotient, remainder;
        mp::divide_qr(numerator, denominator, quotient, remainder);
        const mp::cpp_int twice = remainder * 2;
        if (twice > denominator || (twice == denominator && (quotient & 1) != 0))
            ++quotient;
        const mp::cpp_int low = mp::pow(mp::cpp_int(10), static_cast<unsigned>(count - 1));
        if (quotient < low) {
            --exponent;
            continue;
        }
        if (quotient >= low * 10) {
            ++exponent;
            continue;
        }
        out.digits = quotient.str();
        out.exponent = exponent;
        return out;
    }
}

}  // namespace brenvik::software
