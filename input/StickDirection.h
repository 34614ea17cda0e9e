// SPDX-License-Identifier: GPL-3.0-or-later
// An analogue stick as four direction buttons. A direction is pressed when
// the stick leans far enough along one axis and released only once it comes
// most of the way back: the gap between the two keeps a stick held near the
// threshold from pressing again and again, so one push gives one turn.
#pragma once

#include <optional>
#include <vector>

#include "input/PadEvent.h"

namespace zorbil {

class StickDirection {
public:
    // Axis values as SDL reports them: -32768..32767, y growing downwards.
    static constexpr int PressAt = 16000;
    static constexpr int ReleaseBelow = 8000;

    // The presses and releases that the stick's new position makes.
    std::vector<PadEvent> Move(int x, int y);
    // The stick is gone: releases what it held.
    std::vector<PadEvent> Reset();

private:
    int x_ = 0;
    int y_ = 0;
    std::optional<PadButton> held_;
};

}  // namespace zorbil
