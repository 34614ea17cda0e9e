// SPDX-License-Identifier: GPL-3.0-or-later
// SDL2_mixer mixing one music as fast as its reader takes the samples.
//
// SDL's disk driver runs the mixer with no pause between buffers; it writes
// into a pipe that a thread empties. The samples that matter leave through
// the mixer's post-mix hook, which writes them to the output descriptor
// while the mixer lock is held: a music's first and last samples leave
// exactly, and a reader that stops taking them stops the mixing.
// Only one MixerOutput may exist at a time: SDL2_mixer is global.
#pragma once

#include <SDL_mixer.h>

#include <atomic>
#include <climits>
#include <cstddef>
#include <thread>

namespace zorbil {

class MixerOutput {
public:
    static constexpr long Endless = LONG_MAX;

    explicit MixerOutput(int output);
    ~MixerOutput();
    MixerOutput(const MixerOutput&) = delete;
    MixerOutput& operator=(const MixerOutput&) = delete;

    // Opens the mixer at `rate` in stereo 16-bit, every decoder loaded.
    bool Open(int rate);
    int Rate() const { return rate_; }

    // Writes bytes of the output's own (a header), not samples.
    bool Send(const void* bytes, std::size_t size);

    // Plays the music `loops` times (-1: without end) until it ends or
    // `maxFrames` frames have been mixed; its samples are written out when
    // `forward`. Returns whether it ended.
    bool Play(Mix_Music* music, int loops, bool forward, long maxFrames);

private:
    static void PostMix(void* self, Uint8* stream, int length);
    static void MusicFinished();

    int output_;
    int rate_ = 0;
    int sink_[2] = {-1, -1};
    std::thread drain_;
    std::atomic<bool> closing_{false};
    bool open_ = false;

    // Shared with the audio thread, which runs the hooks.
    std::atomic<bool> forward_{false};
    std::atomic<bool> ended_{false};
    std::atomic<bool> done_{false};
    std::atomic<long> mixed_{0};
    std::atomic<long> stopAt_{Endless};
};

}  // namespace zorbil
