// SPDX-License-Identifier: GPL-3.0-or-later
// What a game controller tells the game: a press or release of one of the
// buttons it plays with, or a controller unplugged.
#pragma once

namespace zorbil {

enum class PadButton { Up, Down, Left, Right, A, B, Start, LeftShoulder, RightShoulder };

struct PadEvent {
    enum class Kind { Press, Release, Unplugged };
    Kind kind;
    PadButton button = PadButton::A;  // meaningless for Unplugged

    bool operator==(const PadEvent&) const = default;
};

}  // namespace zorbil
