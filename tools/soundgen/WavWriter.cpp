// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

#include "Writers.h"

namespace soundgen {

namespace {

void Put32(std::ofstream& out, uint32_t v)
{
    const char bytes[] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    out.write(bytes, 4);
}

void Put16(std::ofstream& out, uint16_t v)
{
    const char bytes[] = {char(v), char(v >> 8)};
    out.write(bytes, 2);
}

int16_t ToPcm(float s)
{
    return static_cast<int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767));
}

}  // namespace

void WriteWav(const std::string& path, const Stereo& sound)
{
    std::ofstream out(path, std::ios::binary);
    const auto dataBytes = static_cast<uint32_t>(sound.Frames() * 4);
    out.write("RIFF", 4);
    Put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 2);
    Put32(out, SampleRate);
    Put32(out, SampleRate * 4);
    Put16(out, 4);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, dataBytes);
    for (std::size_t i = 0; i < sound.Frames(); ++i) {
        Put16(out, static_cast<uint16_t>(ToPcm(sound.left[i])));
        Put16(out, static_cast<uint16_t>(ToPcm(sound.right[i])));
    }
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

}  // namespace soundgen
