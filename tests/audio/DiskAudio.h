// SPDX-License-Identifier: GPL-3.0-or-later
// SDL's disk audio driver as a test's sound card: everything the mixer
// mixes (stereo, signed 16-bit) lands in a file the test reads back.
#pragma once

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace zorbil::test {

inline constexpr int TestRate = 22050;

class DiskAudio {
public:
    // Sets the environment before the device opens. The driver sleeps
    // `delayMs` per 1024-frame buffer of 46 ms: 23 ms mixes twice as fast as
    // real time, which a decoder process keeps ahead of even while a loaded
    // machine keeps it from a processor for half a second.
    explicit DiskAudio(std::string file, int delayMs = 23) : file_(std::move(file))
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", file_.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", std::to_string(delayMs).c_str(), 1);
    }

    bool Exists() const { return std::filesystem::exists(file_); }

    // Frames mixed so far, give or take the driver's write buffer.
    long Frames() const
    {
        std::error_code ec;
        const auto bytes = std::filesystem::file_size(file_, ec);
        return ec ? 0 : static_cast<long>(bytes / 4);
    }

    // Waits until `frames` more frames than now have been mixed.
    void Advance(double seconds) const
    {
        const long target = Frames() + static_cast<long>(seconds * TestRate);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (Frames() < target && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    // The left channel of everything written from frame `from` on (all of
    // it once the device is closed).
    std::vector<int16_t> Left(long from = 0) const
    {
        std::ifstream in(file_, std::ios::binary);
        in.seekg(from * 4);
        std::vector<int16_t> left;
        int16_t frame[2];
        while (in.read(reinterpret_cast<char*>(frame), sizeof frame))
            left.push_back(frame[0]);
        return left;
    }

private:
    std::string file_;
};

// Level of a stretch of samples: its mean (a constant offset) and the
// loudness of what moves around that mean.
struct Level {
    double mean = 0;
    double rms = 0;
};

inline Level LevelOf(const std::vector<int16_t>& samples, long from, long count)
{
    Level level;
    if (from < 0 || count <= 0 || from + count > static_cast<long>(samples.size()))
        return level;
    for (long i = from; i < from + count; ++i)
        level.mean += samples[i];
    level.mean /= count;
    for (long i = from; i < from + count; ++i)
        level.rms += (samples[i] - level.mean) * (samples[i] - level.mean);
    level.rms = std::sqrt(level.rms / count);
    return level;
}

inline long SecondsToFrames(double seconds)
{
    return static_cast<long>(seconds * TestRate);
}

// A sound starts once its decoder has answered, a moment after the call:
// mixes until a block of `block` frames from `from` on passes `check`, and
// returns the frame that block starts at, or -1 after 20 s of waiting.
template <typename Check>
long WaitUntilHeard(const DiskAudio& disk, long from, Check check, long block = TestRate / 10)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    long at = from;
    while (std::chrono::steady_clock::now() < deadline) {
        const std::vector<int16_t> left = disk.Left(at);
        long b = 0;
        for (; b + block <= static_cast<long>(left.size()); b += block)
            if (check(LevelOf(left, b, block)))
                return at + b;
        at += b;
        disk.Advance(0.1);
    }
    return -1;
}

}  // namespace zorbil::test
