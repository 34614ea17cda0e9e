// SPDX-License-Identifier: GPL-3.0-or-later
// Rendered sound: stereo float samples in -1..1.
#pragma once

#include <cstddef>
#include <vector>

namespace soundgen {

inline constexpr int SampleRate = 44100;

struct Stereo {
    std::vector<float> left;
    std::vector<float> right;

    std::size_t Frames() const { return left.size(); }
    void Resize(std::size_t frames)
    {
        left.resize(frames);
        right.resize(frames);
    }
    // Scales so that the loudest sample reaches `peak`.
    void Normalize(float peak);
};

}  // namespace soundgen
