// SPDX-License-Identifier: GPL-3.0-or-later
// The two halves of the render benchmark.
#pragma once

#include <string>

namespace zorbil::bench {

// Frames per second of the thread-driven loop and of DrawScene in a bare
// loop, on a window covering the screen, for a snake of 5 and of 120.
// False, with a message, when nothing could be drawn on screen.
bool FrameRates(const std::string& gameFolder, double seconds);

// Decoding of a 2048 x 2048 run-length PCX: our reader against SDL2_image.
void PcxDecodeTimes(const std::string& gameFolder, int repeats);

}  // namespace zorbil::bench
