// SPDX-License-Identifier: GPL-3.0-or-later
// What passes between the game and a sound decoder process.
//
// The game runs `zorbil-decoder MODE RATE FILE` with a pipe as its standard
// output. The decoder opens FILE as the sound layer would, mixes it at RATE
// in stereo signed 16-bit (the machine's byte order, the game's mixer
// format) and writes, in this order:
//   - a DecoderHello, once it has locked itself down and before it reads
//     the file;
//   - then "CHNK", a 32-bit byte count and that many bytes: a short stream,
//     decoded whole, which the game plays from memory;
//   - or "MUSC" followed by samples as long as the music lasts (forever for
//     a looping one), which the game plays in its music slot;
//   - or nothing more: the file is not of that kind, or cannot be decoded.
// The game never reads a byte of the file itself.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zorbil {

inline constexpr const char* DecoderProgramName = "zorbil-decoder";

enum class DecodeMode {
    Song,           // a tracker module or a MIDI song, looping as module players do
    Stream,         // a sampled stream, played once
    LoopingStream,  // a sampled stream, looping
};

inline constexpr const char* DecodeModeArgument(DecodeMode mode)
{
    switch (mode) {
    case DecodeMode::Song: return "song";
    case DecodeMode::Stream: return "stream";
    case DecodeMode::LoopingStream: return "loop";
    }
    return "";
}

// The layers of its lock-down that a decoder has.
struct DecoderHello {
    char magic[4];
    int32_t landlockAbi;  // 0: the kernel offers no Landlock
    int32_t seccomp;      // 0: no system-call filter could be installed
    int32_t namespaces;   // 0: the kernel refused it namespaces of its own
};
// The version is in the magic: a decoder left from another build is refused.
inline constexpr char HelloMagic[4] = {'Z', 'D', 'C', '2'};
inline constexpr char ChunkTag[4] = {'C', 'H', 'N', 'K'};
inline constexpr char MusicTag[4] = {'M', 'U', 'S', 'C'};

inline constexpr int FrameBytes = 4;  // stereo, 16-bit

// Frames per mixing buffer, in the game and in its decoders alike: about
// 46 ms at the default 22050 Hz, short enough for effects to follow the
// game, long enough not to underrun.
inline constexpr int MixBufferFrames = 1024;

// A stream that ends within this length is decoded whole and played from
// memory on a channel of its own, overlapping everything else; a longer one
// plays in the single music slot.
inline constexpr double ShortSoundSeconds = 10.0;

// The most a short sound may hold: its length and a mixing buffer's slack.
inline constexpr std::size_t MaxChunkBytes(int rate)
{
    return static_cast<std::size_t>((ShortSoundSeconds + 1) * rate) * FrameBytes;
}

// How a decoder ends of its own accord.
inline constexpr int DecoderEnded = 0;     // the sound was decoded to its end
inline constexpr int DecoderUsage = 2;     // bad command line
inline constexpr int DecoderRefused = 3;   // not a sound of that kind
inline constexpr int DecoderNoDevice = 4;  // its mixer would not open

}  // namespace zorbil
