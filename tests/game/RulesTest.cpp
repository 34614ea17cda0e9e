// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "game/GameRules.h"
#include "game/GameState.h"
#include "game/Random.h"

using namespace zorbil;

namespace {

struct RecordingHooks : GameHooks {
    int speed = 5;
    int donuts = 0;
    int ends = 0;
    int SpeedPosition() const override { return speed; }
    void DonutScored() override { ++donuts; }
    void EndGame() override { ++ends; }
};

std::vector<Cell> SnakeCells()
{
    std::vector<Cell> cells{Snake.Head};
    for (int i = 0; i <= Snake.Length - 2; ++i)
        cells.push_back(Snake.Body[i]);
    return cells;
}

class Rules : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        SetStartValues();
        Donut = {14, 10};  // out of the way unless a test moves it
    }
    RecordingHooks hooks;
};

TEST_F(Rules, FreshGameIgnoresLeftoversOfTheLastOne)
{
    Snake.Length = 40;
    Snake.Body[100] = {3, 3};
    Snake.Direction = DirUp;
    Score = 77;
    DonutEaten = true;
    TurnAllowed = false;
    SetStartValues();
    EXPECT_EQ(SnakeCells(), (std::vector<Cell>{{8, 6}, {7, 6}, {6, 6}, {5, 6}, {4, 6}}));
    EXPECT_EQ(Snake.Direction, DirRight);
    EXPECT_EQ(Snake.Body[100], (Cell{0, 0}));
    EXPECT_EQ(Score, 0);
    EXPECT_FALSE(DonutEaten);
    EXPECT_TRUE(TurnAllowed);
}

TEST_F(Rules, TurnTakesEffectAtTheNextStep)
{
    Snake.Direction = DirUp;
    tmrGameTimer(hooks);
    EXPECT_EQ(SnakeCells(), (std::vector<Cell>{{8, 7}, {8, 6}, {7, 6}, {6, 6}, {5, 6}}));
    EXPECT_EQ(hooks.ends, 0);
}

TEST_F(Rules, WallEndsTheGameWithTheHeadStillInside)
{
    for (int step = 1; step <= 7; ++step) {
        tmrGameTimer(hooks);
        ASSERT_EQ(hooks.ends, 0) << "step " << step;
    }
    EXPECT_EQ(Snake.Head, (Cell{15, 6}));
    const auto before = SnakeCells();
    TurnAllowed = false;
    tmrGameTimer(hooks);
    EXPECT_EQ(hooks.ends, 1);
    EXPECT_EQ(SnakeCells(), before);
    EXPECT_EQ(Snake.Length, 5);
    EXPECT_TRUE(TurnAllowed);  // set again even after the losing step
}

TEST_F(Rules, WallsOnEverySide)
{
    struct Case { Cell head; uint8_t dir; };
    for (const auto& c : {Case{{5, 11}, DirUp}, Case{{5, 1}, DirDown}, Case{{1, 5}, DirLeft}, Case{{15, 5}, DirRight}}) {
        RecordingHooks h;
        Snake.Head = c.head;
        Snake.Length = 1;
        Snake.Direction = c.dir;
        MoveSnake(h);
        EXPECT_EQ(h.ends, 1);
        EXPECT_EQ(Snake.Head, c.head);
    }
}

TEST_F(Rules, DonutIsReachedAtOneTickAndPaidAtTheNext)
{
    Donut = {9, 6};
    hooks.speed = 3;
    tmrGameTimer(hooks);
    EXPECT_TRUE(DonutEaten);
    EXPECT_EQ(Donut, (Cell{9, 6}));
    EXPECT_EQ(Snake.Body[3], (Cell{5, 6}));
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(hooks.donuts, 0);

    tmrGameTimer(hooks);
    EXPECT_EQ(Score, 7);
    EXPECT_EQ(hooks.donuts, 1);
    EXPECT_EQ(Snake.Head, (Cell{10, 6}));
    EXPECT_EQ(Snake.Length, 6);
    EXPECT_EQ(Snake.Body[4], (Cell{5, 6}));
    EXPECT_FALSE(DonutEaten);
    EXPECT_NE(Donut, (Cell{9, 6}));
    EXPECT_EQ(hooks.ends, 0);
}

TEST_F(Rules, PointsFollowTheSpeedInForceAtTheGrowthTick)
{
    for (int speed = 0; speed <= 9; ++speed) {
        SetStartValues();
        RecordingHooks h;
        h.speed = speed;
        DonutEaten = true;
        tmrGameTimer(h);
        EXPECT_EQ(Score, 10 - speed);
    }
}

// A six-cell snake circling the ring of a 3 x 2 block always moves into the
// cell its tail is leaving.
void MakeRingSnake()
{
    Snake = TSnake{};
    Snake.Length = 6;
    Snake.Head = {2, 3};
    const Cell body[] = {{3, 3}, {4, 3}, {4, 2}, {3, 2}, {2, 2}};
    for (int i = 0; i < 5; ++i)
        Snake.Body[i] = body[i];
}

TEST_F(Rules, PlainStepMayEnterTheCellTheTailLeaves)
{
    MakeRingSnake();
    const uint8_t laps[] = {DirDown, DirRight, DirRight, DirUp, DirLeft, DirLeft};
    for (int lap = 0; lap < 2; ++lap)
        for (uint8_t d : laps) {
            Snake.Direction = d;
            tmrGameTimer(hooks);
            ASSERT_EQ(hooks.ends, 0);
        }
    EXPECT_EQ(Snake.Head, (Cell{2, 3}));
}

TEST_F(Rules, GrowthStepIntoTheTailCellIsABiteButStillScores)
{
    MakeRingSnake();
    Snake.Direction = DirDown;
    DonutEaten = true;
    hooks.speed = 0;
    tmrGameTimer(hooks);
    EXPECT_EQ(hooks.ends, 1);
    EXPECT_EQ(Score, 10);
    EXPECT_EQ(Snake.Length, 7);
}

TEST_F(Rules, BiteIntoTheBodyEndsTheGameOnce)
{
    // Head turning back into its own neck region: a U-shaped snake.
    Snake = TSnake{};
    Snake.Length = 5;
    Snake.Head = {5, 5};
    const Cell body[] = {{5, 6}, {6, 6}, {6, 5}, {6, 4}};
    for (int i = 0; i < 4; ++i)
        Snake.Body[i] = body[i];
    Snake.Direction = DirRight;  // into (6, 5), which stays occupied
    MoveSnake(hooks);
    EXPECT_EQ(hooks.ends, 1);
    EXPECT_EQ(Snake.Head, (Cell{6, 5}));
}

TEST_F(Rules, SeedZeroPlacesTheKnownDonuts)
{
    Snake = TSnake{};
    Snake.Head = {1, 1};
    Snake.Length = 1;
    RandSeed = 0;
    std::vector<Cell> placed;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(PlaceDonut());
        placed.push_back(Donut);
    }
    EXPECT_EQ(placed, (std::vector<Cell>{{2, 2}, {4, 9}, {10, 4}}));
}

TEST_F(Rules, DonutNeverLandsOnTheSnakeOrTheOuterRing)
{
    // A long snake snaking over most of the inner area leaves few free cells.
    Snake = TSnake{};
    Snake.Length = 0;
    std::vector<Cell> path;
    for (int y = 2; y <= 10; ++y)
        for (int i = 0; i < 13; ++i)
            path.push_back({(y % 2 == 0) ? 2 + i : 14 - i, y});
    path.resize(110);  // seven inner cells stay free
    Snake.Head = path.back();
    Snake.Length = static_cast<int32_t>(path.size());
    for (size_t i = 0; i + 1 < path.size(); ++i)
        Snake.Body[i] = path[path.size() - 2 - i];
    for (uint32_t seed = 0; seed < 500; ++seed) {
        RandSeed = seed * 7919u;
        ASSERT_TRUE(PlaceDonut());
        EXPECT_GE(Donut.X, 2);
        EXPECT_LE(Donut.X, 14);
        EXPECT_GE(Donut.Y, 2);
        EXPECT_LE(Donut.Y, 10);
        EXPECT_FALSE(OnSnake(Donut)) << Donut.X << "," << Donut.Y;
    }
}

TEST_F(Rules, FullInnerAreaEndsTheGameInsteadOfHanging)
{
    // 118 cells: the whole inner area boustrophedon, then one ring cell, with
    // the head about to step onto the ring; the growth step has nowhere to
    // put the next donut.
    std::vector<Cell> path;
    for (int y = 2; y <= 10; ++y)
        for (int i = 0; i < 13; ++i)
            path.push_back({(y % 2 == 0) ? 2 + i : 14 - i, y});
    // even rows run left to right, so the path ends at (14, 10)
    Snake = TSnake{};
    Snake.Head = path.back();
    Snake.Length = static_cast<int32_t>(path.size());
    for (size_t i = 0; i + 1 < path.size(); ++i)
        Snake.Body[i] = path[path.size() - 2 - i];
    EXPECT_FALSE(PlaceDonut());

    Snake.Direction = DirUp;  // onto (14, 11), a ring cell
    DonutEaten = true;
    tmrGameTimer(hooks);
    EXPECT_EQ(hooks.ends, 1);
    EXPECT_EQ(Snake.Length, 118);
    EXPECT_EQ(Snake.Head, (Cell{14, 11}));
}

TEST_F(Rules, SpinAngleWrapsAfter180Ticks)
{
    for (int i = 0; i < 179; ++i)
        tmrAnimateTimer();
    EXPECT_EQ(SpinAngle, 358);
    tmrAnimateTimer();
    EXPECT_EQ(SpinAngle, 0);
}

TEST(Speed, IntervalsAndPoints)
{
    const int expected[] = {50, 50, 100, 150, 200, 250, 300, 350, 400, 450};
    for (int p = 0; p <= 9; ++p) {
        EXPECT_EQ(StepIntervalMs(p), expected[p]);
        EXPECT_EQ(DonutPoints(p), 10 - p);
    }
}

TEST(RandomGenerator, SeedAndDrawArithmetic)
{
    EXPECT_EQ(SeedFromTimeOfDay(0, 0, 0, 0), 0u);
    EXPECT_EQ(SeedFromTimeOfDay(23, 59, 59, 999), 86399999u);
    EXPECT_EQ(SeedFromTimeOfDay(1, 2, 3, 4), 3723004u);
    RandSeed = 0xFFFFFFFFu;
    // (0xFFFFFFFF * 134775813 + 1) mod 2^32, then the high half of seed * 10.
    const uint32_t next = 0xFFFFFFFFu * 134775813u + 1u;
    EXPECT_EQ(Random(10), static_cast<uint32_t>((uint64_t{next} * 10) >> 32));
    EXPECT_EQ(RandSeed, next);
    for (int i = 0; i < 1000; ++i)
        EXPECT_LT(Random(13), 13u);
}

}  // namespace
