// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "game/GameRules.h"
#include "game/GameState.h"
#include "game/KeyControl.h"

using namespace zorbil;

namespace {

struct NoHooks : GameHooks {
    int SpeedPosition() const override { return 5; }
    void DonutScored() override {}
    void EndGame() override {}
};

class Keys : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        SetStartValues();  // heading right
        Donut = {14, 10};
    }
    GameScreen Press(uint16_t key) { return GameKeyDown(key, timerOn); }
    bool timerOn = true;
};

TEST_F(Keys, ReversalIsRefusedAndKeepsTheAllowance)
{
    EXPECT_EQ(Press(VkLeft), GameScreen::None);
    EXPECT_EQ(Snake.Direction, DirRight);
    EXPECT_TRUE(TurnAllowed);
    Press(VkUp);
    EXPECT_EQ(Snake.Direction, DirUp);
    EXPECT_FALSE(TurnAllowed);
}

TEST_F(Keys, OnlyTheFirstTurnBeforeAStepCounts)
{
    Press(VkUp);
    Press(VkLeft);
    EXPECT_EQ(Snake.Direction, DirUp);
    NoHooks hooks;
    tmrGameTimer(hooks);
    EXPECT_EQ(Snake.Head, (Cell{8, 7}));
    EXPECT_TRUE(TurnAllowed);
    Press(VkLeft);
    EXPECT_EQ(Snake.Direction, DirLeft);
}

TEST_F(Keys, CurrentDirectionUsesUpTheAllowance)
{
    Press(VkRight);
    EXPECT_FALSE(TurnAllowed);
    Press(VkUp);
    EXPECT_EQ(Snake.Direction, DirRight);
}

TEST_F(Keys, EveryArrowAndItsOpposite)
{
    struct Case { uint16_t key; uint8_t from, to; };
    for (auto c : {Case{VkUp, DirLeft, DirUp}, Case{VkDown, DirLeft, DirDown}, Case{VkLeft, DirUp, DirLeft},
                   Case{VkRight, DirUp, DirRight}}) {
        Snake.Direction = c.from;
        TurnAllowed = true;
        Press(c.key);
        EXPECT_EQ(Snake.Direction, c.to);
    }
    for (auto c : {Case{VkUp, DirDown, DirDown}, Case{VkDown, DirUp, DirUp}, Case{VkLeft, DirRight, DirRight},
                   Case{VkRight, DirLeft, DirLeft}}) {
        Snake.Direction = c.from;
        TurnAllowed = true;
        Press(c.key);
        EXPECT_EQ(Snake.Direction, c.to);
        EXPECT_TRUE(TurnAllowed);
    }
}

TEST_F(Keys, ScreenKeysNameTheirScreen)
{
    EXPECT_EQ(Press(VkEscape), GameScreen::Pause);
    EXPECT_EQ(Press(VkF1), GameScreen::Help);
    EXPECT_EQ(Press(VkF2), GameScreen::Options);
    EXPECT_EQ(Press(VkF3), GameScreen::Scores);
    EXPECT_TRUE(TurnAllowed);
    EXPECT_EQ(Snake.Direction, DirRight);
}

TEST_F(Keys, ScreenKeysWaitForTheStepAfterATurn)
{
    Press(VkUp);
    for (uint16_t k : {VkEscape, VkF1, VkF2, VkF3})
        EXPECT_EQ(Press(k), GameScreen::None);
    NoHooks hooks;
    tmrGameTimer(hooks);
    EXPECT_EQ(Press(VkEscape), GameScreen::Pause);
}

TEST_F(Keys, ScreenKeysDoNothingWhileAScreenIsOpen)
{
    timerOn = false;  // a screen interrupted the game
    for (uint16_t k : {VkEscape, VkF1, VkF2, VkF3})
        EXPECT_EQ(Press(k), GameScreen::None);
    // Steering still works: the turn is made at the first step after resuming.
    Press(VkDown);
    EXPECT_EQ(Snake.Direction, DirDown);
    EXPECT_FALSE(TurnAllowed);
}

TEST_F(Keys, OtherKeysAreIgnored)
{
    for (uint16_t k : {uint16_t{0}, uint16_t{16}, uint16_t{17}, uint16_t{18}, uint16_t{32}, uint16_t{65},
                       uint16_t{115}, uint16_t{0xFFFF}})
        EXPECT_EQ(Press(k), GameScreen::None);
    EXPECT_TRUE(TurnAllowed);
    EXPECT_EQ(Snake.Direction, DirRight);
}

}  // namespace
