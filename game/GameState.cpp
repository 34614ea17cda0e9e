// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameState.h"

namespace zorbil {

TSnake Snake;
Cell Donut;
int32_t Score = 0;
int32_t BestScore = 0;
int32_t SpinAngle = 0;
bool DonutEaten = false;
bool TurnAllowed = true;
bool GameRunning = false;
bool GamePaused = false;
std::string MusicBeforeOptions;

void ResetProgramState()
{
    Snake = TSnake{};
    Donut = Cell{};
    Score = 0;
    BestScore = 0;
    SpinAngle = 0;
    DonutEaten = false;
    TurnAllowed = true;
    GameRunning = false;
    GamePaused = false;
    MusicBeforeOptions.clear();
}

void SetStartValues()
{
    Snake = TSnake{};
    Snake.Head = {8, 6};
    Snake.Direction = DirRight;
    Snake.Length = 5;
    Snake.Body[0] = {7, 6};
    Snake.Body[1] = {6, 6};
    Snake.Body[2] = {5, 6};
    Snake.Body[3] = {4, 6};
    Score = 0;
    DonutEaten = false;
    TurnAllowed = true;
}

bool OnSnake(Cell c)
{
    if (c == Snake.Head)
        return true;
    for (int i = 0; i <= Snake.Length - 2; ++i)
        if (c == Snake.Body[i])
            return true;
    return false;
}

}  // namespace zorbil
