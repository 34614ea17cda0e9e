// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of one game step and of the animation tick.
#pragma once

#include <cstdint>

namespace zorbil {

// What the steps need from the game window: the speed track bar's position
// and the two effects a step has outside the game core.
class GameHooks {
public:
    virtual ~GameHooks() = default;
    virtual int SpeedPosition() const = 0;  // 0 (fastest) .. 9
    virtual void DonutScored() = 0;         // plays the donut sound
    virtual void EndGame() = 0;             // the game is lost
};

// One tick of the game timer: a growth step when the head reached the donut
// at the previous tick, else a plain step; a new turn is allowed afterwards.
void tmrGameTimer(GameHooks& hooks);
void MoveSnake(GameHooks& hooks);
void GrowSnake(GameHooks& hooks);

// Puts the donut on a random free cell of the inner area. Returns false, and
// draws nothing, when the snake covers the whole inner area.
bool PlaceDonut();

// One tick of the animation timer.
void tmrAnimateTimer();

// Game-timer interval and donut value for a speed position.
int StepIntervalMs(int speedPosition);
int DonutPoints(int speedPosition);

}  // namespace zorbil
