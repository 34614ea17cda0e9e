// SPDX-License-Identifier: GPL-3.0-or-later
// The sound generator: its three renderings of a score play in tune through
// the game's sound layer, and a looping render joins its end to its start.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "DiskAudio.h"
#include "Synth.h"
#include "Writers.h"
#include "audio/SdlSoundLibrary.h"
#include "support/TempGameFolder.h"
#include "support/GameDecoder.h"

using namespace zorbil;
using namespace zorbil::test;

namespace {

// A held A4 (440 Hz) for two seconds.
soundgen::Score HeldA()
{
    soundgen::Score score;
    score.bpm = 60;
    score.beats = 2;
    score.tracks = {{soundgen::Instrument::Lead, 73, 1.0f, 0.0f, {{0, 2, 69, 0.8f}}}};
    return score;
}

// The strongest period between 100 Hz and 2 kHz, by autocorrelation, refined
// between samples.
double Frequency(const std::vector<int16_t>& samples, long from, long count)
{
    auto correlation = [&](int lag) {
        double sum = 0;
        for (long i = from; i < from + count; ++i)
            sum += double(samples[i]) * samples[i + lag];
        return sum;
    };
    const int shortest = TestRate / 2000, longest = TestRate / 100;
    std::vector<double> values(longest + 2);
    double strongest = 0;
    for (int lag = shortest - 1; lag <= longest + 1; ++lag)
        strongest = std::max(strongest, values[lag] = correlation(lag));
    // The first peak nearly as strong as the strongest: multiples of the
    // period correlate as well as the period itself.
    int best = 0;
    for (int lag = shortest; lag <= longest && !best; ++lag)
        if (values[lag] >= 0.9 * strongest && values[lag] >= values[lag - 1] && values[lag] >= values[lag + 1])
            best = lag;
    if (best == 0)
        return 0;
    const double bestValue = values[best];
    const double before = values[best - 1], after = values[best + 1];
    const double shift = 0.5 * (before - after) / (before - 2 * bestValue + after);
    return TestRate / (best + shift);
}

bool HasSoundFont()
{
    return std::filesystem::exists("/usr/share/sounds/sf2/default-GM.sf2") ||
           std::filesystem::exists("/usr/share/sounds/sf2/TimGM6mb.sf2");
}

}  // namespace

TEST(Soundgen, EveryRenderingPlaysInTune)
{
    TempGameFolder folder;
    const std::string wav = folder.file("/a.wav"), midi = folder.file("/a.mid"), module = folder.file("/a.mod");
    soundgen::WriteWav(wav, soundgen::Render(HeldA(), {}));
    soundgen::WriteMidi(midi, HeldA());
    soundgen::WriteModule(module, HeldA());

    for (const std::string& file : {wav, midi, module}) {
        if (file == midi && !HasSoundFont())
            continue;
        DiskAudio disk(folder.file("/out.raw"));
        std::vector<int16_t> left;
        long start = 0;
        {
            SdlSoundLibrary library(GameDecoder);
            ASSERT_TRUE(library.Init(TestRate, 16, 1));
            const auto song = library.LoadSong(file);
            const auto stream = library.StreamOpenFile(file, SoundLibrary::Mode2D, 512);
            library.PlaySong(song);
            library.StreamPlay(-1, stream);
            start = WaitUntilHeard(disk, disk.Frames(), [](Level l) { return l.rms > 500; });
            ASSERT_GE(start, 0) << file;
            disk.Advance(1.5);
        }
        left = disk.Left();
        ASSERT_GT(left.size(), start + SecondsToFrames(1.4)) << file;
        // Past the attack, before the end of the note.
        EXPECT_NEAR(Frequency(left, start + SecondsToFrames(0.4), SecondsToFrames(0.5)), 440.0, 440.0 * 0.02) << file;
    }
}

TEST(Soundgen, LoopingRenderJoinsItsEndToItsStart)
{
    // A two-beat loop whose note crosses the loop point.
    soundgen::Score score = HeldA();
    score.tracks.front().notes.front() = {1.5, 1, 69, 0.8f};
    soundgen::RenderOptions loop;
    loop.loop = true;
    const soundgen::Stereo sound = soundgen::Render(score, loop);
    ASSERT_EQ(sound.Frames(), static_cast<std::size_t>(score.Seconds() * soundgen::SampleRate));

    auto rms = [&](std::size_t from) {
        double sum = 0;
        for (std::size_t i = from; i < from + soundgen::SampleRate / 100; ++i)
            sum += sound.left[i] * sound.left[i];
        return std::sqrt(sum / (soundgen::SampleRate / 100));
    };
    const double head = rms(0), tail = rms(sound.Frames() - soundgen::SampleRate / 100);
    EXPECT_GT(head, 0.05);
    EXPECT_NEAR(head, tail, 0.1 * head);
    float largestStep = 0;
    for (std::size_t i = 1; i < sound.Frames(); ++i)
        largestStep = std::max(largestStep, std::fabs(sound.left[i] - sound.left[i - 1]));
    EXPECT_LE(std::fabs(sound.left.front() - sound.left.back()), largestStep);
}
