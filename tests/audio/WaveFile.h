// SPDX-License-Identifier: GPL-3.0-or-later
// Small sounds for the tests, written as 16-bit stereo WAV files.
#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>

#include "DiskAudio.h"
#include "SoundFiles.h"

namespace zorbil::test {

inline void WriteWave(const std::string& path, double seconds, const std::function<int16_t(long)>& sample)
{
    Bytes data;
    for (long i = 0; i < static_cast<long>(seconds * TestRate); ++i) {
        const auto both = static_cast<uint16_t>(sample(i));
        data.Le(both, 2).Le(both, 2);
    }
    std::ofstream(path, std::ios::binary) << WavOf(2, TestRate, data.str());
}

// A 440 Hz tone: music in the tests.
inline void WriteTone(const std::string& path, double seconds, double amplitude = 6000)
{
    WriteWave(path, seconds, [amplitude](long i) {
        return static_cast<int16_t>(amplitude * std::sin(2 * M_PI * 440.0 * i / TestRate));
    });
}

// A constant offset: effects in the tests. Offsets add up whatever their
// timing, so overlapping effects show as a doubled mean.
inline void WriteOffset(const std::string& path, double seconds, int16_t offset)
{
    WriteWave(path, seconds, [offset](long) { return offset; });
}

}  // namespace zorbil::test
