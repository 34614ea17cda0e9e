// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/KeyControl.h"

#include "game/GameState.h"

namespace zorbil {

namespace {

void Turn(uint8_t to, uint8_t opposite)
{
    if (Snake.Direction == opposite)
        return;  // refused: the allowance for this step stays
    Snake.Direction = to;
    TurnAllowed = false;
}

GameScreen Interrupt(GameScreen screen, bool gameTimerEnabled)
{
    return gameTimerEnabled ? screen : GameScreen::None;
}

}  // namespace

GameScreen GameKeyDown(uint16_t key, bool gameTimerEnabled)
{
    if (!TurnAllowed)
        return GameScreen::None;
    switch (key) {
    case VkLeft:
        Turn(DirLeft, DirRight);
        break;
    case VkUp:
        Turn(DirUp, DirDown);
        break;
    case VkRight:
        Turn(DirRight, DirLeft);
        break;
    case VkDown:
        Turn(DirDown, DirUp);
        break;
    case VkEscape:
        return Interrupt(GameScreen::Pause, gameTimerEnabled);
    case VkF1:
        return Interrupt(GameScreen::Help, gameTimerEnabled);
    case VkF2:
        return Interrupt(GameScreen::Options, gameTimerEnabled);
    case VkF3:
        return Interrupt(GameScreen::Scores, gameTimerEnabled);
    default:
        break;
    }
    return GameScreen::None;
}

}  // namespace zorbil
