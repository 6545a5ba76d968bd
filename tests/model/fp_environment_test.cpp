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
    EXPECT_EQ(currentX87ControlWord() & 0x0F3F, 0x033F);  // masks, 64-bit significand, nearest
    EXPECT_EQ(currentMxcsr(), kMxcsr);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);

    // Masked: an invalid operation and a division by zero give NaN and infinity.
    volatile long double zero = 0.0L;
    EXPECT_TRUE(std::isnan(zero / zero));
    EXPECT_TRUE(std::isinf(1.0L / zero));
    // 1 + 2^-63 survives only with a 64-bit significand.
    volatile long double one = 1.0L;
    EXPECT_NE(one + std::ldexp(1.0L, -63), one);
}

TEST(FloatingPointEnvironment, RestoresAfterAChange)
{
    std::fesetround(FE_UPWARD);
    setModelFloatingPointEnvironment();
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

}  // namespace
