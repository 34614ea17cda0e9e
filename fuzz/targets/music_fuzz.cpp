// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the decoder process's work on a sound file: decoded as a song, as a
// stream and as a looping stream, exactly as zorbil-decoder does for the
// game, mixed through SDL's disk driver. The decoders are Debian's: a crash
// or a hang found in them is what the decoder process takes in the game's
// place; one found in our own code is a fault to mend.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>

#include "SoundFiles.h"
#include "audio/decoder/MixerOutput.h"
#include "audio/decoder/MusicDecoder.h"

namespace {

// Enough to pass the start and the loop of anything short; a fuzzed
// length must not make one input last minutes.
constexpr int FuzzRate = 22050;
constexpr long FuzzFrames = FuzzRate;

// One mixer for the whole run, as in a decoder process; the samples go
// nowhere.
zorbil::MixerOutput& Output()
{
    static zorbil::MixerOutput output(open("/dev/null", O_WRONLY | O_CLOEXEC));
    static const bool opened = output.Open(FuzzRate);
    (void)opened;
    return output;
}

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

// The format SDL2_mixer will take the input for, by its magic numbers.
const char* FormatOf(std::string_view bytes)
{
    auto at = [&](std::size_t offset, std::string_view magic) {
        return bytes.size() >= offset + magic.size() && bytes.substr(offset, magic.size()) == magic;
    };
    if (at(0, "RIFF"))
        return at(8, "RMID") ? "midi" : "wav";
    if (at(0, "FORM"))
        return "aiff";
    if (at(0, "OggS"))
        return at(28, "OpusHead") ? "opus" : "ogg";
    if (at(0, "fLaC"))
        return "flac";
    if (at(0, "MThd"))
        return "midi";
    if (at(0, "IMPM"))
        return "it";
    if (at(0, "Extended Module:"))
        return "xm";
    if (at(0, "ID3") || (bytes.size() > 1 && static_cast<uint8_t>(bytes[0]) == 0xff &&
                         (static_cast<uint8_t>(bytes[1]) & 0xe0) == 0xe0))
        return "mp3";
    if (at(44, "SCRM"))
        return "s3m";
    for (std::string_view mod : {"M.K.", "M!K!", "FLT4", "FLT8", "4CHN", "8CHN"})
        if (at(1080, mod))
            return "mod";
    return "other";
}

// Executions by format, added to the file named by ZORBIL_FUZZ_TALLY when
// the process ends normally, so that a run can say where its time went.
std::map<std::string, long>& Tally()
{
    static std::map<std::string, long> tally;
    static const bool written = std::atexit([] {
        if (const char* file = std::getenv("ZORBIL_FUZZ_TALLY")) {
            std::ofstream out(file, std::ios::app);
            for (const auto& [format, count] : Tally())
                out << format << ' ' << count << '\n';
        }
    }) == 0;
    (void)written;
    return tally;
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
    ++Tally()[FormatOf({reinterpret_cast<const char*>(data), size})];
    for (const auto mode : {zorbil::DecodeMode::Song, zorbil::DecodeMode::Stream, zorbil::DecodeMode::LoopingStream})
        zorbil::DecodeSound(mode, MusicFile(), Output(), FuzzFrames);
    return 0;
}
