// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the music fuzzer's seeds into a folder: a small, well-formed file of
// each format the sound layer may be handed, so that the fuzzer starts inside
// every decoder rather than at its first magic number.
//   music_seeds <folder>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Songs.h"
#include "Writers.h"
#include "SoundFiles.h"

namespace fs = std::filesystem;

namespace {

soundgen::Stereo Tone(double seconds)
{
    soundgen::Stereo tone;
    tone.Resize(static_cast<std::size_t>(seconds * soundgen::SampleRate));
    for (std::size_t i = 0; i < tone.Frames(); ++i)
        tone.left[i] = tone.right[i] = 0.5f * static_cast<float>(std::sin(i * 0.0627));
    return tone;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: music_seeds <folder>\n");
        return 2;
    }
    using namespace zorbil::test;
    const fs::path folder = argv[1];
    fs::create_directories(folder);
    auto write = [&](const char* name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    };
    write("tone.wav", Wav(2, 11025));
    write("loop.wav", Wav(1, 4000, SamplerChunk(1, 1)));
    write("tone.aiff", Aiff(2, 11025, 11025));
    write("tone.flac", Flac(2, 2, 8));
    write("mono.flac", Flac(1, 1, 4));
    const std::string tag = Id3Tag(30, "TIT2", 20, std::string("\0seed", 5) + std::string(15, ' '));
    write("tagged.mp3", tag + Mp3Frames(40) + "TAG" + std::string(125, ' '));
    write("xing.mp3", Mp3SayingFrames(40, 40));
    write("ape.mp3", Mp3Frames(20) + Bytes().Text("APETAGEX").Le(2000, 4).Le(32, 4).Le(0, 4).Le(0x80000000, 4)
                                          .Zeros(8).str());
    write("note.mid", Midi(0, 1, 96, MidiTrack(MidiNote)));
    write("tiny.xm", Xm());
    write("tiny.s3m", S3m());
    write("tiny.it", It());
    soundgen::WriteOgg((folder / "tone.ogg").string(), Tone(0.5), 0.2f);
    soundgen::WriteMidi((folder / "jingle.mid").string(), soundgen::DonutJingle());
    soundgen::WriteModule((folder / "jingle.mod").string(), soundgen::DonutJingle());
    return 0;
}
