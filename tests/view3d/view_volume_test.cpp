// The decision that lets the surface be drawn as plain points: it must never call a vertex
// inside that OpenGL could clip. The camera maps eye x and y from −100 … 100 and eye z
// from −95 (far) … 105 (near) onto the volume.

#include "view3d/view_volume.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <vector>

using namespace brenvik;

namespace {

struct VolumeCase {
    const char* name;
    std::vector<float> xyz;
    Matrix4 modelView;
    bool inside;
};

void PrintTo(const VolumeCase& c, std::ostream* os) { *os << c.name; }

const Matrix4 kTurnedXThenY = multiply(rotationMatrix(30, 1, 0, 0), rotationMatrix(45, 0, 1, 0));
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

class InsideViewVolume : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(InsideViewVolume, DecidesEveryVertex)
{
    const VolumeCase& c = GetParam();
    EXPECT_EQ(insideViewVolume(c.xyz, multiply(kCameraProjection, c.modelView)), c.inside);
}

INSTANTIATE_TEST_SUITE_P(
    Vertices, InsideViewVolume,
    ::testing::Values(
        VolumeCase{"none", {}, kIdentity, true}, VolumeCase{"centre", {0, 0, 0}, kIdentity, true},
        VolumeCase{"sensor_corners_and_peak", {-60, -52, -60, 60, -52, 60, 0, 54.4f, 0}, kIdentity, true},
        // Within 0.1 of a face is too close to tell after rounding: outside.
        VolumeCase{"right_clear_of_the_face", {99.85f, 0, 0}, kIdentity, true},
        VolumeCase{"right_within_the_margin", {99.95f, 0, 0}, kIdentity, false},
        VolumeCase{"on_the_left_face", {-100, 0, 0}, kIdentity, false},
        VolumeCase{"above_the_top", {0, 150, 0}, kIdentity, false},
        VolumeCase{"far_clear_of_the_face", {0, 0, -94.85f}, kIdentity, true},
        VolumeCase{"on_the_far_face", {0, 0, -95}, kIdentity, false},
        VolumeCase{"near_clear_of_the_face", {0, 0, 104.85f}, kIdentity, true},
        VolumeCase{"on_the_near_face", {0, 0, 105}, kIdentity, false},
        // Not just the first vertex counts.
        VolumeCase{"last_of_three_outside", {0, 0, 0, 10, 10, 10, 0, 120, 0}, kIdentity, false},
        VolumeCase{"not_a_number", {0, kNaN, 0}, kIdentity, false},
        VolumeCase{"infinite", {kInf, 0, 0}, kIdentity, false},
        // Turned 45° about y, the far corner of the sensor stays 84.9 deep; tilted 30°
        // about x first, it goes 99.5 deep, behind the far face at 95.
        VolumeCase{"corner_turned_about_y", {60, -52, -60}, rotationMatrix(45, 0, 1, 0), true},
        VolumeCase{"corner_behind_the_far_face", {60, -52, -60}, kTurnedXThenY, false},
        // Upside down, a point 99.95 high is 99.95 low.
        VolumeCase{"turned_over_within_the_margin", {0, 99.95f, 0}, rotationMatrix(180, 0, 0, 1), false}),
    [](const ::testing::TestParamInfo<VolumeCase>& info) { return std::string(info.param.name); });

}  // namespace
