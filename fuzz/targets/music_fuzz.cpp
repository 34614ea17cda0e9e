// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the music path as a sound probe plays a file: opened as a song and
// as a stream, played, looped and switched through the sound layer on SDL's
// disk driver. The decoders are Debian's: a crash or a hang found in them is
// what the probe process takes in the game's place; one found in our own
// code is a fault to mend.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "audio/SoundProbe.h"

namespace {

// Enough to pass the start and the loop of anything short; a fuzzed
// length must not make one input last minutes.
constexpr double FuzzAudioSeconds = 1.0;

const std::string& MusicFile()
{
    // The layer opens files by name, as the game does with its "*.mus".
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("zorbil-music-fuzz-" + std::to_string(getpid()) + ".mus"))
            .string();
    static const bool cleaned = std::atexit([] { std::filesystem::remove(MusicFile()); }) == 0;
    (void)cleaned;
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        std::ofstream out(MusicFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    zorbil::PlayThrough(MusicFile(), FuzzAudioSeconds);
    return 0;
}
