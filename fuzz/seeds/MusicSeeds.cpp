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

using zorbil::test::Bytes;
namespace fs = std::filesystem;

namespace {

std::string Padded(const std::string& text, std::size_t size)
{
    std::string padded = text.substr(0, size);
    padded.resize(size, '\0');
    return padded;
}

// 64 bytes of a square wave, as 8-bit samples.
std::string SampleData(bool deltas, bool isSigned)
{
    std::string data;
    int previous = 0;
    for (int i = 0; i < 64; ++i) {
        const int value = (i / 8) % 2 ? 60 : -60;
        const int stored = deltas ? value - previous : value;
        previous = value;
        data += static_cast<char>(isSigned ? stored : stored + 128);
    }
    return data;
}

// FastTracker 2: two channels, one pattern of 16 rows, one instrument.
std::string Xm()
{
    Bytes xm;
    xm.Text("Extended Module: ").Text(Padded("seed", 20)).Be(0x1a, 1).Text(Padded("zorbil", 20)).Le(0x0104, 2);
    xm.Le(276, 4).Le(1, 2).Le(0, 2).Le(2, 2).Le(1, 2).Le(1, 2).Le(1, 2).Le(6, 2).Le(125, 2).Zeros(256);
    Bytes rows;
    rows.Be(0x83, 1).Be(49, 1).Be(1, 1).Be(0x80, 1);  // C-4 of instrument 1, an empty channel
    for (int row = 1; row < 16; ++row)
        rows.Be(0x80, 1).Be(0x80, 1);
    xm.Le(9, 4).Le(0, 1).Le(16, 2).Le(static_cast<uint32_t>(rows.size()), 2).Text(rows.str());
    xm.Le(243, 4).Text(Padded("square", 22)).Le(0, 1).Le(1, 2).Le(40, 4).Zeros(96 + 48 + 48);
    xm.Le(1, 1).Le(1, 1).Zeros(6).Le(0, 1).Le(0, 1).Zeros(4).Le(0, 2).Zeros(2);
    xm.Le(64, 4).Le(0, 4).Le(0, 4).Le(64, 1).Le(0, 1).Le(0, 1).Le(128, 1).Le(0, 1).Le(0, 1).Text(Padded("", 22));
    return xm.str() + SampleData(true, true);
}

// Scream Tracker 3: one pattern of 64 rows, one sample; parts at 16-byte
// paragraphs.
std::string S3m()
{
    Bytes s3m;
    s3m.Text(Padded("seed", 28)).Be(0x1a, 1).Be(16, 1).Zeros(2);
    s3m.Le(2, 2).Le(1, 2).Le(1, 2).Le(0, 2).Le(0x1320, 2).Le(2, 2).Text("SCRM");
    s3m.Le(64, 1).Le(6, 1).Le(125, 1).Le(0xb0, 1).Le(0, 1).Le(0, 1).Zeros(8).Le(0, 2);
    s3m.Le(0, 1).Le(8, 1);
    for (int c = 2; c < 32; ++c)
        s3m.Le(255, 1);
    s3m.Le(0, 1).Le(255, 1);  // orders
    s3m.Le(7, 2).Le(12, 2);   // instrument at 0x70, pattern at 0xc0
    s3m.Zeros(0x70 - s3m.size());
    s3m.Le(1, 1).Text(Padded("square.raw", 12)).Le(0, 1).Le(0x11, 2);  // sample data at 0x110
    s3m.Le(64, 4).Le(0, 4).Le(0, 4).Le(64, 1).Le(0, 1).Le(0, 1).Le(0, 1).Le(8363, 4).Zeros(12);
    s3m.Text(Padded("square", 28)).Text("SCRS");
    Bytes rows;
    rows.Be(0x20, 1).Be(0x40, 1).Be(1, 1).Be(0, 1);  // C-4 of sample 1 on channel 0
    for (int row = 1; row < 64; ++row)
        rows.Be(0, 1);
    s3m.Zeros(0xc0 - s3m.size()).Le(static_cast<uint32_t>(rows.size() + 2), 2).Text(rows.str());
    s3m.Zeros(0x110 - s3m.size());
    return s3m.str() + SampleData(false, false);
}

// Impulse Tracker: samples without instruments, one pattern of 64 rows.
std::string It()
{
    Bytes it;
    it.Text("IMPM").Text(Padded("seed", 26)).Le(0x1004, 2).Le(2, 2).Le(0, 2).Le(1, 2).Le(1, 2);
    it.Le(0x0214, 2).Le(0x0200, 2).Le(1, 2).Le(0, 2).Le(128, 1).Le(48, 1).Le(6, 1).Le(125, 1).Le(128, 1).Le(0, 1);
    it.Le(0, 2).Le(0, 4).Zeros(4);
    for (int c = 0; c < 64; ++c)
        it.Le(32, 1);
    for (int c = 0; c < 64; ++c)
        it.Le(64, 1);
    it.Le(0, 1).Le(255, 1);  // orders
    const uint32_t sampleAt = 0xd0, patternAt = sampleAt + 80, dataAt = patternAt + 8 + 68;
    it.Le(sampleAt, 4).Le(patternAt, 4).Zeros(sampleAt - it.size());
    it.Text("IMPS").Text(Padded("square.raw", 12)).Le(0, 1).Le(64, 1).Le(1, 1).Le(64, 1).Text(Padded("square", 26));
    it.Le(1, 1).Le(0, 1).Le(64, 4).Le(0, 4).Le(0, 4).Le(8363, 4).Le(0, 4).Le(0, 4).Le(dataAt, 4).Zeros(4);
    it.Le(68, 2).Le(64, 2).Zeros(4).Le(0x81, 1).Le(0x03, 1).Le(60, 1).Le(1, 1).Le(0, 1);
    for (int row = 1; row < 64; ++row)
        it.Le(0, 1);
    return it.str() + SampleData(false, true);
}

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
