// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "screens/AnchorLayout.h"

using namespace zorbil;

namespace {
const QSize design{640, 480};
const QSize wide{1280, 1024};  // 640 wider, 544 taller
}  // namespace

TEST(AnchoredRect, DesignSizeKeepsEveryRectangle)
{
    for (Anchors a : {Anchors{0}, AnchorsLeftTop, AnchorsAll, Anchors{AnchorRight | AnchorBottom}})
        EXPECT_EQ(AnchoredRect({8, 192, 625, 41}, a, design, design), QRect(8, 192, 625, 41));
}

TEST(AnchoredRect, EachAnchorKeepsItsDistanceToItsEdge)
{
    // Left and right: the width follows the window.
    EXPECT_EQ(AnchoredRect({8, 8, 625, 57}, AnchorLeft | AnchorTop | AnchorRight, design, wide),
              QRect(8, 8, 1265, 57));
    // Right only: moves with the right edge.
    EXPECT_EQ(AnchoredRect({488, 8, 145, 161}, AnchorTop | AnchorRight, design, wide), QRect(1128, 8, 145, 161));
    // Bottom only: moves with the bottom edge; top and bottom: grows.
    EXPECT_EQ(AnchoredRect({8, 440, 625, 30}, AnchorLeft | AnchorRight | AnchorBottom, design, wide),
              QRect(8, 984, 1265, 30));
    EXPECT_EQ(AnchoredRect({8, 244, 305, 104}, AnchorLeft | AnchorTop | AnchorBottom, design, wide),
              QRect(8, 244, 305, 648));
}

TEST(AnchoredRect, UnanchoredAxisKeepsSizeAndPlaceToTheCentre)
{
    // The main menu's buttons are anchored left and right only.
    EXPECT_EQ(AnchoredRect({8, 192, 625, 41}, AnchorLeft | AnchorRight, design, wide), QRect(8, 464, 1265, 41));
    // The help pages' control is not anchored at all.
    EXPECT_EQ(AnchoredRect({8, 72, 628, 361}, 0, design, wide), QRect(328, 344, 628, 361));
}

TEST(AnchoredRect, ASmallerParentNeverGivesANegativeSize)
{
    const QRect r = AnchoredRect({8, 244, 305, 104}, AnchorsAll, design, {100, 100});
    EXPECT_GE(r.width(), 0);
    EXPECT_GE(r.height(), 0);
}
