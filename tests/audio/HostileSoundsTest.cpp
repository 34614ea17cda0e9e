// SPDX-License-Identifier: GPL-3.0-or-later
// Music files that crash, hang or swamp Debian's decoders, each picked as the
// game music: the game's probe refuses what would have brought the game
// down, and the shipped music plays after it as if nothing had happened.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DiskAudio.h"
#include "RecordingSoundLibrary.h"
#include "SoundFiles.h"
#include "Writers.h"
#include "audio/ProbedSounds.h"
#include "audio/SdlSoundLibrary.h"
#include "config/GameFolder.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using namespace zorbil::test;

namespace {

const std::filesystem::path GameDir = ZORBIL_GAME_DIR;
const std::string GameProgram = (GameDir / "zorbil").string();
const std::string ShippedMusic = (GameDir / "Musiques" / "Nuit etoilee.mus").string();

// One sound layer's probes for the whole run, as in the game: the shipped
// music is probed once.
ProbedSounds& GameProbes()
{
    static ProbedSounds probes(GameProgram, ProbeLimits{});
    return probes;
}

// A crash shows as a signal, or under the sanitizers as their exit status.
bool Refused(std::optional<ProbeOutcome> outcome)
{
    return outcome && *outcome != ProbeOutcome::PlayedLong && *outcome != ProbeOutcome::PlayedShort;
}

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// A one-second Ogg Vorbis tone whose setup header has one byte changed: the
// residue decoder then divides by zero on the first packet.
std::string CorruptOgg(const std::string& scratch)
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

enum class Expect {
    ProbeRefuses,  // the decoders crash or hang on it (SDL2_mixer 2.6): only the probe stops it;
                   // a mended decoder may turn it away itself (SDL2_mixer 2.8 does for no channels)
    LayerRefuses,  // the layer's own MIDI check turns it away
    PlaysSafely,   // Debian's decoders cope with it: it may play
};

struct Fault {
    const char* name;
    std::function<std::string(const std::string& scratch)> file;
    Expect expect;
};

void PrintTo(const Fault& fault, std::ostream* out)
{
    *out << fault.name;
}

const std::string EndOfTrack("\x00\xff\x2f\x00", 4);

const Fault Faults[] = {
    {"WavWithZeroChannels", [](const std::string&) { return Wav(0, 1000); }, Expect::ProbeRefuses},
    {"AiffWithZeroChannels", [](const std::string&) { return Aiff(0, 1000, 1000); }, Expect::ProbeRefuses},
    {"AiffCutShort", [](const std::string&) { return Aiff(2, 1000000, 0); }, Expect::PlaysSafely},
    {"Mp3WithAnId3FramePastItsTag",
     [](const std::string&) { return Id3Tag(20, "TIT2", 0x7fffff, std::string("\0title", 6)) + Mp3Frames(40); },
     Expect::ProbeRefuses},
    {"OggWithCorruptHeader", CorruptOgg, Expect::ProbeRefuses},
    {"WavWithHugeLoopCount", [](const std::string&) { return Wav(2, 22050, SamplerChunk(0x7fffffff, 1)); },
     Expect::ProbeRefuses},
    {"FlacWithMoreChannelsThanItsFrames", [](const std::string&) { return Flac(2, 1, 20); }, Expect::ProbeRefuses},
    {"MidiWithAnEmptyTrack",
     [](const std::string&) { return Midi(1, 2, 96, MidiTrack(MidiNote) + MidiTrack("")); }, Expect::PlaysSafely},
    {"MidiWithOnlyAnEndOfTrack", [](const std::string&) { return Midi(0, 1, 96, MidiTrack(EndOfTrack)); },
     Expect::LayerRefuses},
    {"MidiWithNoTrack", [](const std::string&) { return Midi(1, 0, 96, ""); }, Expect::LayerRefuses},
    {"MidiWithSmpteTiming", [](const std::string&) { return Midi(0, 1, 0xe728, MidiTrack(MidiNote)); },
     Expect::LayerRefuses},
    {"MidiWithAnUnterminatedSysEx",
     [](const std::string&) { return Midi(0, 1, 96, MidiTrack(std::string("\x00\xf0\x05\x7e\x7f", 5))); },
     Expect::LayerRefuses},
    {"MidiTrackPastTheEnd", [](const std::string&) { return Midi(0, 1, 96, MidiTrack(MidiNote, 1000)); },
     Expect::PlaysSafely},
};

class ProbedSoundsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetGameFolder(folder.str());
        std::filesystem::create_directory(folder.path() / "Musiques");
    }

    void StartDevice(SoundJudge& judge)
    {
        sound.reset();
        library = std::make_unique<SdlSoundLibrary>();
        library->SetJudge(&judge);
        const ErrorBox error = [this](const std::string& m) { errors.push_back(m); };
        SetupSoundDevice(*library, switches, error, 1, 3, 11, TestRate, 16);
        sound = std::make_unique<GameSound>(*library, switches, error);
    }

    // Picked for a new game, then again during a game (looping).
    void Pick(const std::string& music)
    {
        switches.selected = music;
        sound->PlayGameMusic();
        sound->SwitchGameMusic();
    }

    // The shipped music picked next is heard.
    void ExpectShippedMusicPlays()
    {
        Pick(ShippedMusic);
        const long start = disk.Frames();
        disk.Advance(1.0);
        sound->StopAllMusic();
        sound.reset();
        library.reset();
        EXPECT_GT(LevelOf(disk.Left(), start + 4096, SecondsToFrames(0.5)).rms, 500);
        EXPECT_TRUE(errors.empty());
    }

    std::string Music(const std::string& name) const { return folder.file("/Musiques/" + name); }

    TempGameFolder folder;
    DiskAudio disk{folder.file("/mixed.raw")};
    std::unique_ptr<SdlSoundLibrary> library;
    FakeSwitches switches;
    std::vector<std::string> errors;
    std::unique_ptr<GameSound> sound;
};

class FaultyMusicTest : public ProbedSoundsTest, public ::testing::WithParamInterface<Fault> {};

}  // namespace

TEST_P(FaultyMusicTest, IsRefusedAndTheGameMusicGoesOn)
{
    const Fault& fault = GetParam();
    const std::string bad = Music(std::string(fault.name) + ".mus");
    folder.write("/Musiques/" + std::string(fault.name) + ".mus", fault.file(folder.file("/scratch")));
    StartDevice(GameProbes());
    Pick(bad);
    const auto outcome = GameProbes().Outcome(bad);
    ASSERT_TRUE(outcome.has_value());
    if (fault.expect != Expect::ProbeRefuses) {
        EXPECT_FALSE(Refused(outcome));
    }
    if (fault.expect != Expect::PlaysSafely) {
        EXPECT_EQ(library->HeldSounds(), 0u);
    }
    ExpectShippedMusicPlays();
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultyMusicTest, ::testing::ValuesIn(Faults),
                         [](const auto& info) { return std::string(info.param.name); });

// Two MP3s joined with cat: the first one's header says half a second, the
// file holds ten minutes. Decoded whole it would take tens of megabytes; it
// streams from the file like any long music.
TEST_F(ProbedSoundsTest, StreamLyingAboutItsLengthIsNotDecodedWhole)
{
    folder.write("/Musiques/joined.mus", Mp3SayingFrames(20, 23000));
    StartDevice(GameProbes());
    const long before = ResidentKilobytes();
    const auto stream = library->StreamOpenFile(Music("joined.mus"), SoundLibrary::Mode2D, 512);
    EXPECT_NE(stream, 0u);
    EXPECT_LT(ResidentKilobytes() - before, 10 * 1024);
    EXPECT_EQ(GameProbes().Outcome(Music("joined.mus")), ProbeOutcome::PlayedLong);
    library->StreamStop(stream);
    ExpectShippedMusicPlays();
}

// A probe that never ends is killed at its wall-clock limit, one that spins
// at its processor-time limit; either way the file is refused.
TEST_F(ProbedSoundsTest, HungProbesAreKilledAtTheirLimits)
{
    struct Hang {
        const char* script;
        ProbeLimits limits;
    };
    for (const Hang& hang : {Hang{"exec sleep 600", ProbeLimits{2, 60, 1L << 30}},
                             Hang{"while :; do :; done", ProbeLimits{60, 1, 1L << 30}}}) {
        const std::string program = folder.file("/probe.sh");
        folder.write("/probe.sh", std::string("#!/bin/sh\n") + hang.script + "\n");
        ::chmod(program.c_str(), 0755);
        ProbedSounds probes(program, hang.limits);
        StartDevice(probes);
        switches.selected = ShippedMusic;
        sound->PlayGameMusic();
        EXPECT_EQ(library->HeldSounds(), 0u) << hang.script;
        EXPECT_EQ(probes.Outcome(ShippedMusic),
                  hang.limits.wallSeconds < 10 ? ProbeOutcome::Overran : ProbeOutcome::Crashed)
            << hang.script;
        sound.reset();
        library.reset();
    }
    StartDevice(GameProbes());
    ExpectShippedMusicPlays();
}

// The fuzzer's findings (ZORBIL_MUSIC_FINDINGS: a folder of them), each
// picked as the game music like the faults above.
TEST_F(ProbedSoundsTest, FuzzerFindingsAreRefused)
{
    const char* findings = std::getenv("ZORBIL_MUSIC_FINDINGS");
    if (!findings) {
        GTEST_SKIP() << "no ZORBIL_MUSIC_FINDINGS folder given";
    }
    StartDevice(GameProbes());
    for (const auto& entry : std::filesystem::directory_iterator(findings)) {
        const std::string music = Music(entry.path().filename().string() + ".mus");
        std::filesystem::copy_file(entry.path(), music);
        Pick(music);
        EXPECT_EQ(library->HeldSounds(), 0u) << entry.path();
        EXPECT_TRUE(Refused(GameProbes().Outcome(music))) << entry.path();
    }
    ExpectShippedMusicPlays();
}
