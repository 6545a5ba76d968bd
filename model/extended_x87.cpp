// Built only where long double is the x87 format; the build defines
// BRENVIK_SOFTWARE_EXTENDED everywhere else.
#if !defined(BRENVIK_SOFTWARE_EXTENDED)

#include "model/extended_x87.h"

#include "model/extended_software.h"

#include <cstdio>
#include <cstdlib>

namespace brenvik::x87 {

namespace {

/// The same value as a long double (both hold every x87 value exactly).
long double fromSoftware(const software::Extended& x)
{
    if (x.isNaN())
        return x.signBit() ? -std::numeric_limits<long double>::quiet_NaN()
                           : std::numeric_limits<long double>::quiet_NaN();
    if (x.isInfinite())
        return x.signBit() ? -std::numeric_limits<long double>::infinity()
                           : std::numeric_limits<long double>::infinity();
    if (x.held() == 0)
        return x.signBit() ? -0.0L : 0.0L;
    int e = 0;
    const software::Held f = software::mp::frexp(software::mp::abs(x.held()), &e);
    const auto significand = static_cast<std::uint64_t>(software::mp::ldexp(f, 64));
    const long double magnitude = std::ldexp(static_cast<long double>(significand), e - 64);
    return x.signBit() ? -magnitude : magnitude;
}

}  // namespace

Extended powerOfTen(int k) { return fromSoftware(software::powerOfTen(k)); }

DecimalDigits decimalDigits(Extended x, int count)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", count - 1, x);
    DecimalDigits out;
    const char* p = buffer;
    if (*p == '-') {
        out.negative = true;
        ++p;
    }
    for (; *p != 'e' && *p != '\0'; ++p) {
        if (*p >= '0' && *p <= '9')
            out.digits += *p;
    }
    out.exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    return out;
}

}  // namespace brenvik::x87

#endif
