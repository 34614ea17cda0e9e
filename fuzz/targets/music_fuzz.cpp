// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the music path as a sound probe plays a file: opened as a song and
// as a stream, played, looped and switched through the sound layer on SDL's
// disk driver. The decoders are Debian's: a crash or a hang found in them is
// what the probe process takes in the game's place; one found in our own
// code is a fault to mend.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "SoundFiles.h"
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

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

// A changed Ogg page fails its checksum and never reaches the decoder: each
// mutation sums the pages again, so that the inputs kept are files as they
// were played.
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int)
{
    size = LLVMFuzzerMutate(data, size, maxSize);
    std::string bytes(reinterpret_cast<const char*>(data), size);
    zorbil::test::ResumOggPages(bytes);
    std::memcpy(data, bytes.data(), size);
    return size;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::ofstream(MusicFile(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    zorbil::PlayThrough(MusicFile(), FuzzAudioSeconds);
    return 0;
}
