#include "view3d/scene_renderer.h"
#include "view3d/view_rotation.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace brenvik;

namespace {

void expectMatrixNear(const Matrix4& actual, const Matrix4& expected, double tolerance = 1e-12)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "element " << i;
}

TEST(ViewRotation, RotationsFollowTheRightHandRule)
{
    // 90° about z takes x to y; about x takes y to z; about y takes z to x.
    const Matrix4 z = rotationMatrix(90, 0, 0, 1);
    EXPECT_NEAR(z[1], 1, 1e-15);  // column 0 (image of x) has y = 1
    const Matrix4 x = rotationMatrix(90, 1, 0, 0);
    EXPECT_NEAR(x[6], 1, 1e-15);  // column 1 (image of y) has z = 1
    const Matrix4 y = rotationMatrix(90, 0, 1, 0);
    EXPECT_NEAR(y[8], 1, 1e-15);  // column 2 (image of z) has x = 1
}

TEST(ViewRotation, FirstEventAppliesThePositionInFull)
{
    ViewRotation r;
    r.turn(Axis::X, 30);
    expectMatrixNear(r.matrix(), rotationMatrix(30, 1, 0, 0));
    EXPECT_EQ(r.previousAngle(Axis::X), 30.0f);
    r.turn(Axis::X, 45);
    expectMatrixNear(r.matrix(), rotationMatrix(45, 1, 0, 0));
}

TEST(ViewRotation, XThenYThenXBackIsATurnAboutZ)
{
    ViewRotation r;
    r.turn(Axis::X, 90);
    r.turn(Axis::Y, 90);
    r.turn(Axis::X, 0);
    expectMatrixNear(r.matrix(), rotationMatrix(90, 0, 0, 1));
    EXPECT_EQ(r.previousAngle(Axis::X), 0.0f);
    EXPECT_EQ(r.previousAngle(Axis::Y), 90.0f);
    EXPECT_EQ(r.previousAngle(Axis::Z), 0.0f);
}

TEST(ViewRotation, FollowsTheHistoryNotThePositions)
{
    ViewRotation undoneInReverse;
    undoneInReverse.turn(Axis::X, 40);
    undoneInReverse.turn(Axis::Z, 70);
    undoneInReverse.turn(Axis::Z, 0);
    undoneInReverse.turn(Axis::X, 0);
    expectMatrixNear(undoneInReverse.matrix(), kIdentity);

    ViewRotation undoneInOrder;
    undoneInOrder.turn(Axis::X, 40);
    undoneInOrder.turn(Axis::Z, 70);
    undoneInOrder.turn(Axis::X, 0);
    undoneInOrder.turn(Axis::Z, 0);
    EXPECT_GT(std::fabs(undoneInOrder.matrix()[1]), 0.1);  // the sliders read 0, the model is turned
}

TEST(ViewRotation, FromMinus180StraightTo180IsAFullTurn)
{
    ViewRotation r;
    r.turn(Axis::Y, -180);
    const Matrix4 before = r.matrix();
    r.turn(Axis::Y, 180);
    expectMatrixNear(r.matrix(), before, 1e-12);
}

TEST(ViewRotation, ResettingTheAnglesKeepsTheMatrix)
{
    ViewRotation r;
    r.turn(Axis::Z, 50);
    const Matrix4 turned = r.matrix();
    r.resetAngles();
    EXPECT_EQ(r.previousAngle(Axis::Z), 0.0f);
    expectMatrixNear(r.matrix(), turned);
    r.turn(Axis::Z, 50);  // applied in full again
    expectMatrixNear(r.matrix(), rotationMatrix(100, 0, 0, 1));
}

TEST(SceneRenderer, ViewportFromTheOuterSizeKeepsTheLastValidOne)
{
    SceneRenderer renderer;
    renderer.setWindowSize(625, 469);
    EXPECT_EQ(renderer.viewport().x, 10);
    EXPECT_EQ(renderer.viewport().y, 10);
    EXPECT_EQ(renderer.viewport().width, 425);
    EXPECT_EQ(renderer.viewport().height, 419);
    renderer.setWindowSize(150, 469);  // narrower than 200: refused
    EXPECT_EQ(renderer.viewport().width, 425);
    renderer.setWindowSize(625, 40);  // lower than 50: refused
    EXPECT_EQ(renderer.viewport().height, 419);
    // On a screen with two device pixels to a window pixel, the same picture, scaled.
    renderer.setWindowSize(625, 469, 2.0);
    EXPECT_EQ(renderer.viewport().x, 20);
    EXPECT_EQ(renderer.viewport().y, 20);
    EXPECT_EQ(renderer.viewport().width, 850);
    EXPECT_EQ(renderer.viewport().height, 838);
}

}  // namespace
