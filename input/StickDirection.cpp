// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/StickDirection.h"

#include <cstdlib>

namespace zorbil {

std::vector<PadEvent> StickDirection::Move(int x, int y)
{
    x_ = x;
    y_ = y;
    std::vector<PadEvent> events;
    if (held_) {
        const bool horizontal = *held_ == PadButton::Left || *held_ == PadButton::Right;
        const int along = horizontal ? (*held_ == PadButton::Left ? -x_ : x_) : (*held_ == PadButton::Up ? -y_ : y_);
        if (along >= ReleaseBelow)
            return events;
        events.push_back({PadEvent::Kind::Release, *held_});
        held_.reset();
    }
    // The axis the stick leans furthest along decides; a diagonal turns once.
    const bool horizontal = std::abs(x_) >= std::abs(y_);
    const int lean = horizontal ? x_ : y_;
    if (std::abs(lean) < PressAt)
        return events;
    held_ = horizontal ? (lean < 0 ? PadButton::Left : PadButton::Right) : (lean < 0 ? PadButton::Up : PadButton::Down);
    events.push_back({PadEvent::Kind::Press, *held_});
    return events;
}

std::vector<PadEvent> StickDirection::Reset()
{
    return Move(0, 0);
}

}  // namespace zorbil
