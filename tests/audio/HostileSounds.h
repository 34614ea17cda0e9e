// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files that crash, hang or swamp Debian's decoders (SDL2_mixer 2.6
// and the libraries under it), each as a player could drop it into
// Musiques/. Made byte by byte here, for the tests and the benchmarks.
#pragma once

#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "SoundFiles.h"
#include "Writers.h"

namespace zorbil::test {

struct HostileSound {
    const char* name;
    std::function<std::string(const std::string& scratch)> bytes;
    // Our own check in the decoder turns it away at once: the layer lets
    // go of it as soon as the decoder has answered.
    bool refusedAtOnce = false;
};

// A one-second Ogg Vorbis tone whose setup header has one byte changed: the
// residue decoder then divides by zero on the first packet.
inline std::string CorruptOgg(const std::string& scratch)
{
    soundgen::Stereo tone;
    tone.Resize(soundgen::SampleRate);
    for (std::size_t i = 0; i < tone.Frames(); ++i)
        tone.left[i] = tone.right[i] = 0.5f * static_cast<float>(std::sin(i * 0.0627));
    soundgen::WriteOgg(scratch, tone, 0.3f);
    std::ifstream in(scratch, std::ios::binary);
    std::string ogg{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::size_t setup = ogg.find("\x05vorbis");
    if (setup == std::string::npos || setup + 3230 >= ogg.size())
        return ogg;
    ogg[setup + 3230] = static_cast<char>(ogg[setup + 3230] ^ 0xff);
    ResumOggPages(ogg);
    return ogg;
}

inline const std::vector<HostileSound>& HostileSounds()
{
    static const std::string EndOfTrack("\x00\xff\x2f\x00", 4);
    static const std::vector<HostileSound> sounds = {
        {"WavWithZeroChannels", [](const std::string&) { return Wav(0, 1000); }},
        {"AiffWithZeroChannels", [](const std::string&) { return Aiff(0, 1000, 1000); }},
        {"AiffCutShort", [](const std::string&) { return Aiff(2, 1000000, 0); }},
        {"WavOfOneSampleASecond", [](const std::string&) { return Wav(2, 1000, "", 1); }},
        {"WavWithHugeLoopCount", [](const std::string&) { return Wav(2, 22050, SamplerChunk(0x7fffffff, 1)); }},
        {"Mp3WithAnId3FramePastItsTag",
         [](const std::string&) { return Id3Tag(20, "TIT2", 0x7fffff, std::string("\0title", 6)) + Mp3Frames(40); }},
        // The library tries to hold the whole frame it claims: 4 GB.
        {"Mp3WithA4GBId3Frame",
         [](const std::string&) { return Id3Tag(20, "TIT2", 0xfffffff0, std::string("\0title", 6)) + Mp3Frames(40); }},
        // Two MP3s joined with cat: the first one's header says half a
        // second, the file holds ten minutes.
        {"Mp3LyingAboutItsLength", [](const std::string&) { return Mp3SayingFrames(20, 23000); }},
        {"OggWithCorruptHeader", CorruptOgg},
        {"FlacWithMoreChannelsThanItsFrames", [](const std::string&) { return Flac(2, 1, 20); }},
        {"MidiWithAnEmptyTrack",
         [](const std::string&) { return Midi(1, 2, 96, MidiTrack(MidiNote) + MidiTrack("")); }},
        {"MidiWithOnlyAnEndOfTrack", [](const std::string&) { return Midi(0, 1, 96, MidiTrack(EndOfTrack)); }, true},
        {"MidiWithNoTrack", [](const std::string&) { return Midi(1, 0, 96, ""); }, true},
        {"MidiWithSmpteTiming", [](const std::string&) { return Midi(0, 1, 0xe728, MidiTrack(MidiNote)); }, true},
        {"MidiWithAnUnterminatedSysEx",
         [](const std::string&) { return Midi(0, 1, 96, MidiTrack(std::string("\x00\xf0\x05\x7e\x7f", 5))); }, true},
        {"MidiTrackPastTheEnd", [](const std::string&) { return Midi(0, 1, 96, MidiTrack(MidiNote, 1000)); }},
    };
    return sounds;
}

}  // namespace zorbil::test
