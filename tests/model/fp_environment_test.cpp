#include "model/extended.h"
#include "model/fp_environment.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

using namespace brenvik;

namespace {

TEST(FloatingPointEnvironment, MasksExceptionsAndCarriesExtendedPrecision)
{
    setModelFloatingPointEnvironment();
#if defined(__x86_64__)
    EXPECT_EQ(currentX87ControlWord() & 0x0F3F, 0x033F);  // masks, 64-bit significand, nearest
    EXPECT_EQ(currentMxcsr(), kMxcsr);
#endif
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);

    // Masked: an invalid operation and a division by zero give NaN and infinity.
    volatile double zero = 0.0;
    EXPECT_TRUE(std::isnan(zero / zero));
    EXPECT_TRUE(std::isinf(1.0 / zero));
    // 1 + 2^-63 survives only with a 64-bit significand.
    const Extended one = 1;
    EXPECT_FALSE(one + Extended(std::ldexp(1.0, -63)) == one);
}

TEST(FloatingPointEnvironment, RestoresAfterAChange)
{
    std::fesetround(FE_UPWARD);
    setModelFloatingPointEnvironment();
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

}  // namespace
