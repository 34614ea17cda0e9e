// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the one game the program plays at a time. Module-level
// variables by design: every access happens on the user-interface thread
// (timer ticks, key handler, panel handlers and the frame routine), so
// nothing is locked.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zorbil {

struct Cell {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

enum : uint8_t { DirUp = 0, DirDown = 1, DirRight = 2, DirLeft = 3 };

// The field is 15 x 11 cells; donuts only go to the inner 13 x 9.
constexpr int FieldWidth = 15;
constexpr int FieldHeight = 11;
constexpr int BodyCapacity = 192;

struct TSnake {
    Cell Head;
    uint8_t Direction = DirUp;
    int32_t Length = 0;
    std::array<Cell, BodyCapacity> Body{};  // Body[0] touches the head, Body[Length-2] is the tail
};

extern TSnake Snake;
extern Cell Donut;
extern int32_t Score;
extern int32_t BestScore;
extern int32_t SpinAngle;
extern bool DonutEaten;
extern bool TurnAllowed;
extern bool GameRunning;
extern bool GamePaused;
extern std::string MusicBeforeOptions;

// Puts every variable back to its program-start value (tests start each case
// from a fresh program).
void ResetProgramState();

// The start of a game: snake, score and step flags; the donut is placed by
// the caller afterwards.
void SetStartValues();

// True when the cell is the head or one of the snake's body cells.
bool OnSnake(Cell c);

}  // namespace zorbil
