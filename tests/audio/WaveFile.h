// SPDX-License-Identifier: GPL-3.0-or-later
// Small sounds for the tests, written as 16-bit stereo WAV files.
#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>

#include "DiskAudio.h"

namespace zorbil::test {

inline void WriteWave(const std::string& path, double seconds, const std::function<int16_t(long)>& sample)
{
    const uint32_t frames = static_cast<uint32_t>(seconds * TestRate);
    const uint32_t dataBytes = frames * 4;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(2);
    u32(TestRate);
    u32(TestRate * 4);
    u16(4);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (uint32_t i = 0; i < frames; ++i) {
        const int16_t s = sample(i);
        u16(static_cast<uint16_t>(s));
        u16(static_cast<uint16_t>(s));
    }
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
