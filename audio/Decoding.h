// SPDX-License-Identifier: GPL-3.0-or-later
// One sound file being decoded for the game, as the game sees it: what the
// decoder has made of the file so far, and the samples on their way.
// SoundDecoders fills it; the sound layer and its audio callback read it.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "audio/DecoderProtocol.h"
#include "audio/SampleRing.h"

namespace zorbil {

class Decoding {
public:
    enum class Result {
        Pending,  // no verdict yet
        Chunk,    // a short sound, whole in `chunk`
        Music,    // samples keep coming through `ring`
        Failed,   // refused, crashed or killed: nothing will ever come
    };

    Decoding(std::string path, DecodeMode mode, int rate, std::size_t ringBytes)
        : path(std::move(path)), mode(mode), rate(rate), ring(ringBytes)
    {
    }

    const std::string path;
    const DecodeMode mode;
    const int rate;

    std::atomic<Result> result{Result::Pending};
    // Written once before `result` becomes Chunk, never after.
    std::vector<uint8_t> chunk;
    SampleRing ring;
    // No more samples will come than those in the ring.
    std::atomic<bool> exhausted{false};
    // It ended by a fault of its own (after its verdict, too): a crash, a
    // failed status or the watchdog. Set before the listener hears of it.
    std::atomic<bool> faulted{false};
    // The audio thread asked for more; cleared as the ring is filled again.
    std::atomic<bool> wanted{false};

    bool Drained() const { return exhausted && ring.Used() < FrameBytes; }
};

}  // namespace zorbil
