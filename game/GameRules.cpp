// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameRules.h"

#include "game/GameState.h"
#include "game/Random.h"

namespace zorbil {

namespace {

// Moves the head one cell along Direction; false when that would leave the
// field (the head then stays where it is).
bool HeadMove()
{
    Cell& h = Snake.Head;
    switch (Snake.Direction) {
    case DirUp:
        if (h.Y >= FieldHeight) return false;
        ++h.Y;
        break;
    case DirDown:
        if (h.Y <= 1) return false;
        --h.Y;
        break;
    case DirRight:
        if (h.X >= FieldWidth) return false;
        ++h.X;
        break;
    case DirLeft:
        if (h.X <= 1) return false;
        --h.X;
        break;
    }
    return true;
}

void ShiftBody(Cell oldHead)
{
    for (int i = Snake.Length - 2; i >= 1; --i)
        Snake.Body[i] = Snake.Body[i - 1];
    Snake.Body[0] = oldHead;
}

bool HeadBitesBody()
{
    for (int i = 0; i <= Snake.Length - 2; ++i)
        if (Snake.Head == Snake.Body[i])
            return true;
    return false;
}

// A snake of 117 cells or more can cover the whole inner area; drawing would
// then never find a free cell.
bool InnerAreaHasFreeCell()
{
    bool taken[FieldWidth + 1][FieldHeight + 1] = {};
    int takenInner = 0;
    auto mark = [&](Cell c) {
        if (c.X < 2 || c.X > FieldWidth - 1 || c.Y < 2 || c.Y > FieldHeight - 1 || taken[c.X][c.Y])
            return;
        taken[c.X][c.Y] = true;
        ++takenInner;
    };
    mark(Snake.Head);
    for (int i = 0; i <= Snake.Length - 2; ++i)
        mark(Snake.Body[i]);
    return takenInner < (FieldWidth - 2) * (FieldHeight - 2);
}

}  // namespace

void tmrGameTimer(GameHooks& hooks)
{
    if (DonutEaten)
        GrowSnake(hooks);
    else
        MoveSnake(hooks);
    TurnAllowed = true;
}

void MoveSnake(GameHooks& hooks)
{
    const Cell oldHead = Snake.Head;
    if (!HeadMove()) {
        hooks.EndGame();
        return;
    }
    ShiftBody(oldHead);
    if (Snake.Head == Donut)
        DonutEaten = true;
    if (HeadBitesBody())
        hooks.EndGame();
}

void GrowSnake(GameHooks& hooks)
{
    Score += DonutPoints(hooks.SpeedPosition());
    hooks.DonutScored();
    const Cell oldHead = Snake.Head;
    if (!HeadMove()) {
        hooks.EndGame();
        return;
    }
    ++Snake.Length;
    ShiftBody(oldHead);
    DonutEaten = false;
    // The snake has filled the whole inner area: nothing is left to eat, so
    // the game ends there, as a finished board, instead of searching forever.
    if (!PlaceDonut()) {
        hooks.EndGame();
        return;
    }
    if (HeadBitesBody())
        hooks.EndGame();
}

bool PlaceDonut()
{
    if (!InnerAreaHasFreeCell())
        return false;
    do {
        const int32_t y = static_cast<int32_t>(Random(9)) + 2;
        const int32_t x = static_cast<int32_t>(Random(13)) + 2;
        Donut = {x, y};
    } while (OnSnake(Donut));
    return true;
}

void tmrAnimateTimer()
{
    SpinAngle = (SpinAngle + 2) % 360;
}

int StepIntervalMs(int speedPosition)
{
    return speedPosition <= 0 ? 50 : 50 * speedPosition;
}

int DonutPoints(int speedPosition)
{
    return 10 - speedPosition;
}

}  // namespace zorbil
