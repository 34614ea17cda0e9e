// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "render/CgGeometry.h"
#include "render/CgTypes.h"

namespace zorbil {
namespace {

TEST(Geometry, MakeColorClampsEachComponentAndTurnsNaNToZero)
{
    const TCGColor white = MakeColor(256, 256, 256, 256);
    EXPECT_EQ(white.r, 1);
    EXPECT_EQ(white.a, 1);

    const TCGColor mixed = MakeColor(-0.5f, 0.5f, 2, 0);
    EXPECT_EQ(mixed.r, 0);
    EXPECT_EQ(mixed.g, 0.5f);
    EXPECT_EQ(mixed.b, 1);
    EXPECT_EQ(mixed.a, 0);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const TCGColor fromNaN = MakeColor(nan, 0.25f, nan, nan);
    EXPECT_EQ(fromNaN.r, 0);
    EXPECT_EQ(fromNaN.g, 0.25f);
    EXPECT_EQ(fromNaN.b, 0);
    EXPECT_EQ(fromNaN.a, 0);
}

TEST(Geometry, RotateVectorZTurnsCounterClockwiseAndMakesAPoint)
{
    TCGVector quarter = MakeVector(8, 0, -1);
    RotateVectorZ(quarter, static_cast<float>(std::numbers::pi / 2));
    EXPECT_NEAR(quarter.x, 0, 1e-5);
    EXPECT_FLOAT_EQ(quarter.y, 8);
    EXPECT_EQ(quarter.z, -1);
    EXPECT_EQ(quarter.w, 1);

    TCGVector half = MakeVector(8, 0, -1);
    RotateVectorZ(half, static_cast<float>(std::numbers::pi));
    EXPECT_FLOAT_EQ(half.x, -8);
    EXPECT_NEAR(half.y, 0, 1e-5);

    TCGVector direction{1, 2, 3, 0};
    RotateVectorZ(direction, 0);
    EXPECT_EQ(direction.x, 1);
    EXPECT_EQ(direction.y, 2);
    EXPECT_EQ(direction.w, 1);
}

TEST(Geometry, FlatteningMatrixKeepsXYAndDropsZ)
{
    TCGMatrix m = IdentityMatrix();
    m[10] = 0;
    const float p[4] = {3, -2, 7, 1};
    float out[4] = {};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out[r] += m[4 * c + r] * p[c];
    EXPECT_EQ(out[0], 3);
    EXPECT_EQ(out[1], -2);
    EXPECT_EQ(out[2], 0);
    EXPECT_EQ(out[3], 1);
}

}  // namespace
}  // namespace zorbil
