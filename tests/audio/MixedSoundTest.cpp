// SPDX-License-Identifier: GPL-3.0-or-later
// The sound operations through SDL2_mixer's real mixer, heard on the disk
// audio driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "DecoderProcesses.h"
#include "SoundRig.h"
#include "WaveFile.h"

using namespace zorbil;
using namespace zorbil::test;

namespace {

constexpr long Block = TestRate / 10;  // 100 ms: a whole number of tone periods
// How far output may trail a call, or a sound first heard: the driver's
// write buffer and one mixing buffer.
constexpr long Lag = 4096;
constexpr double ToneRms = 6000 / 1.41421356;
constexpr int16_t Offset = 3000;
const double LongSound = SdlSoundLibrary::ShortSoundSeconds + 1;

using MixedSoundTest = SoundRig;

// Blocks between two frames whose level fails the check. A stretch too
// short to say anything fails as a whole.
template <typename Check>
int BadBlocks(const std::vector<int16_t>& left, long from, long to, Check check)
{
    if (to - from < 2 * Block) {
        ADD_FAILURE() << "stretch of " << to - from << " frames is too short to check";
        return 1;
    }
    int bad = 0;
    for (long f = from; f + Block <= to; f += Block)
        bad += check(LevelOf(left, f, Block)) ? 0 : 1;
    return bad;
}

bool IsTone(Level level)
{
    return level.rms > 0.8 * ToneRms && level.rms < 1.2 * ToneRms;
}

bool IsSilent(Level level)
{
    return level.rms < 1 && std::abs(level.mean) < 1;
}

bool HasOffset(Level level, int effects)
{
    return std::abs(level.mean - effects * Offset) < 300;
}

}  // namespace

TEST_F(MixedSoundTest, MenuMusicLoopsPastItsLength)
{
    // A short one plays from memory, a long one streams: both loop.
    for (double seconds : {2.0, LongSound}) {
        WriteTone(folder.file("/Data/Menu.dat"), seconds);
        StartDevice();
        sound->PlayMenuMusic();
        const long playing = WaitUntilHeard(disk, disk.Frames(), IsTone);
        ASSERT_GE(playing, 0) << seconds << " s";
        disk.Advance(1.5 * seconds + 0.5);
        const auto left = Finish();
        EXPECT_EQ(BadBlocks(left, playing, playing + SecondsToFrames(1.5 * seconds), IsTone), 0) << seconds << " s";
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(MixedSoundTest, GameMusicPlaysOnceAtAGameStartAndLoopsWhenSwitchedIn)
{
    for (double seconds : {2.0, LongSound}) {
        switches.selected = Music("tone" + std::to_string(int(seconds)) + ".mus");
        WriteTone(switches.selected, seconds);
        StartDevice();
        sound->PlayGameMusic();
        const long start = WaitUntilHeard(disk, disk.Frames(), IsTone);
        ASSERT_GE(start, 0) << seconds << " s";
        const long length = SecondsToFrames(seconds);
        disk.Advance((start + length - disk.Frames()) / double(TestRate) + 1);
        const long beforeSwitch = disk.Frames();
        sound->SwitchGameMusic();
        const long switched = WaitUntilHeard(disk, beforeSwitch, IsTone);
        ASSERT_GE(switched, 0) << seconds << " s";
        disk.Advance(1.5 * seconds + 0.5);
        const auto left = Finish();
        EXPECT_EQ(BadBlocks(left, start, start + length - Block, IsTone), 0) << seconds << " s";
        EXPECT_EQ(BadBlocks(left, start + length + Lag, beforeSwitch, IsSilent), 0) << seconds << " s";
        EXPECT_EQ(BadBlocks(left, switched, switched + length * 3 / 2, IsTone), 0) << seconds << " s";
    }
}

// A game's first frame holds the music's decoder back: the frame releases
// it, a music stopped meanwhile never starts, and a frame that never comes
// holds it only briefly.
TEST_F(MixedSoundTest, GameMusicWaitsForTheFirstFrameOnly)
{
    switches.selected = Music("tone.mus");
    WriteTone(switches.selected, LongSound);
    StartDevice();
    // Held far longer than the game holds it, as by a frame that takes long.
    auto holdLong = [this] {
        sound->HoldForFrame();
        library->HoldStarts(60000);
    };

    holdLong();
    sound->PlayGameMusic();
    const long held = disk.Frames();
    disk.Advance(0.5);
    EXPECT_TRUE(Decoders(GameDecoder).empty());
    const long released = disk.Frames();
    sound->FrameShown();
    const long shown = WaitUntilHeard(disk, released, IsTone);
    ASSERT_GE(shown, 0);
    sound->StopAllMusic();
    ASSERT_TRUE(MixUntil(disk, [] { return Decoders(GameDecoder).empty(); }));

    holdLong();
    sound->PlayGameMusic();
    sound->StopAllMusic();
    const long stoppedHeld = disk.Frames();
    sound->FrameShown();
    disk.Advance(0.5);
    EXPECT_TRUE(Decoders(GameDecoder).empty());
    const long neverStarted = disk.Frames();

    sound->HoldForFrame();
    sound->PlayGameMusic();
    EXPECT_GE(WaitUntilHeard(disk, neverStarted, IsTone), 0);
    const auto left = Finish();

    EXPECT_EQ(BadBlocks(left, held, released, IsSilent), 0);
    EXPECT_EQ(BadBlocks(left, stoppedHeld + Lag, neverStarted, IsSilent), 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MixedSoundTest, EffectsOverlapEachOtherAndTheMusicAndStartAtOnceOnceDecoded)
{
    constexpr double EffectSeconds = 2.0;
    switches.selected = Music("tone.mus");
    WriteTone(switches.selected, LongSound);
    WriteOffset(folder.file("/Data/Donut.dat"), EffectSeconds, Offset);
    WriteOffset(folder.file("/Data/Over.dat"), EffectSeconds, Offset);
    StartDevice();
    sound->PlayGameMusic();
    ASSERT_GE(WaitUntilHeard(disk, disk.Frames(), IsTone), 0);
    // Two donuts at once, before their file is decoded: they start together.
    const long beforeDonuts = disk.Frames();
    sound->PlayEffect(DonutSoundTail);
    sound->PlayEffect(DonutSoundTail);
    const long donuts = WaitUntilHeard(disk, beforeDonuts, [](Level l) { return HasOffset(l, 2); });
    ASSERT_GE(donuts, 0);
    disk.Advance(EffectSeconds + 0.5);
    // The game over, then a donut from memory: it sounds within the mixer's lag.
    const long beforeOver = disk.Frames();
    sound->PlayEffect(OverSoundTail);
    const long over = WaitUntilHeard(disk, beforeOver, [](Level l) { return HasOffset(l, 1); });
    ASSERT_GE(over, 0);
    disk.Advance(EffectSeconds + 0.5);
    const long beforeDonut = disk.Frames();
    sound->PlayEffect(DonutSoundTail);
    const long afterDonut = disk.Frames();
    disk.Advance(EffectSeconds + 0.5);
    const long musicAlone = disk.Frames();
    disk.Advance(0.5);
    const auto left = Finish();

    const long effect = SecondsToFrames(EffectSeconds);
    EXPECT_EQ(BadBlocks(left, donuts, donuts + effect - Block, [](Level l) { return IsTone(l) && HasOffset(l, 2); }),
              0);
    EXPECT_EQ(BadBlocks(left, over, over + effect - Block, [](Level l) { return IsTone(l) && HasOffset(l, 1); }), 0);
    EXPECT_EQ(BadBlocks(left, afterDonut + Lag, beforeDonut + effect - Lag,
                        [](Level l) { return IsTone(l) && HasOffset(l, 1); }),
              0);
    EXPECT_EQ(BadBlocks(left, musicAlone, musicAlone + SecondsToFrames(0.4),
                        [](Level l) { return IsTone(l) && HasOffset(l, 0); }),
              0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MixedSoundTest, StopAllMusicSilencesMenuAndGameMusic)
{
    WriteTone(folder.file("/Data/Menu.dat"), LongSound);
    switches.selected = Music("loop.mus");
    WriteTone(switches.selected, 2.0);
    StartDevice();
    sound->PlayMenuMusic();
    ASSERT_GE(WaitUntilHeard(disk, disk.Frames(), IsTone), 0);
    sound->StopAllMusic();
    const long menuStopped = disk.Frames();
    disk.Advance(0.5);
    const long beforeGame = disk.Frames();
    sound->SwitchGameMusic();
    const long game = WaitUntilHeard(disk, beforeGame, IsTone);
    ASSERT_GE(game, 0);
    sound->StopAllMusic();
    const long gameStopped = disk.Frames();
    disk.Advance(0.5);
    const long end = disk.Frames();
    // The streamed menu music's decoder ended with it.
    EXPECT_TRUE(MixUntil(disk, [] { return Decoders(GameDecoder).empty(); }));
    const auto left = Finish();

    EXPECT_EQ(BadBlocks(left, menuStopped + Lag, beforeGame, IsSilent), 0);
    EXPECT_EQ(BadBlocks(left, gameStopped + Lag, end, IsSilent), 0);
}

TEST_F(MixedSoundTest, SoundOffWritesNothingButSilence)
{
    WriteTone(folder.file("/Data/Menu.dat"), 2.0);
    WriteOffset(folder.file("/Data/Donut.dat"), 1.0, Offset);
    switches.selected = folder.file("/Data/Menu.dat");
    StartDevice(0);
    sound->PlayMenuMusic();
    sound->PlayGameMusic();
    sound->PlayEffect(DonutSoundTail);
    // The library itself refuses to open anything without a device.
    EXPECT_EQ(library->StreamOpenFile(folder.file("/Data/Menu.dat"), SoundLibrary::ModeLoopNormal, 512), 0u);
    const auto left = Finish();
    EXPECT_TRUE(std::all_of(left.begin(), left.end(), [](int16_t s) { return s == 0; }));
    EXPECT_TRUE(errors.empty());
}

TEST_F(MixedSoundTest, UnplayableFilesGiveSilence)
{
    std::mt19937 random(7);
    auto junk = [&random](std::size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        return bytes;
    };
    folder.write("/Musiques/corrupt.mus", "Extended Module: " + junk(4000));
    folder.write("/Musiques/random.mid", junk(4000));
    folder.write("/Musiques/random.mid.mus", "MThd" + junk(4000));
    // A well-formed MIDI file that lasts no time, and one cut short.
    const std::string header("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk", 18);
    folder.write("/Musiques/empty.mid.mus", header + std::string("\0\0\0\x04\0\xff\x2f\0", 8));
    folder.write("/Musiques/cut.mid.mus", header + std::string("\0\0\0\x28\0\x90\x3c\x40\x60", 9));
    folder.write("/Musiques/bad.ogg.mus", "OggS" + junk(4000));
    folder.write("/Musiques/short.wav.mus", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    folder.write("/Musiques/empty.mus", "");
    folder.write("/Data/Donut.dat", "OggS" + junk(500));
    StartDevice();
    const long start = disk.Frames();
    // Each file gets mixed for a while: a looping song that cannot play
    // must not lock up the mixer.
    for (const char* name : {"corrupt.mus", "random.mid", "random.mid.mus", "empty.mid.mus", "cut.mid.mus",
                             "bad.ogg.mus", "short.wav.mus", "empty.mus", "missing.mus"}) {
        switches.selected = Music(name);
        sound->PlayGameMusic();
        sound->SwitchGameMusic();
        disk.Advance(0.05);
    }
    switches.selected = "";
    sound->PlayGameMusic();
    sound->PlayEffect(DonutSoundTail);
    sound->PlayEffect(OverSoundTail);  // no such file
    disk.Advance(0.5);
    sound->StopAllMusic();
    EXPECT_TRUE(MixUntil(disk, [] { return Decoders(GameDecoder).empty(); }));
    // Refused once, a file opens to nothing at once from then on.
    switches.selected = Music("empty.mid.mus");
    sound->PlayGameMusic();
    EXPECT_TRUE(RefusedBothWays(*library, disk, switches.selected));
    const long end = disk.Frames();
    const auto left = Finish();
    EXPECT_EQ(BadBlocks(left, start, end, IsSilent), 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MixedSoundTest, FinishedAndReplacedSoundsAreReleased)
{
    WriteTone(folder.file("/Data/Menu.dat"), LongSound);
    WriteOffset(folder.file("/Data/Donut.dat"), 0.05, Offset);
    switches.selected = Music("tone.mus");
    WriteTone(switches.selected, LongSound);
    StartDevice();
    for (int i = 0; i < 5; ++i)
        sound->PlayMenuMusic();
    // The menu music's decoder alone runs on.
    EXPECT_TRUE(MixUntil(disk, [] { return Decoders(GameDecoder).size() == 1; }));
    for (int i = 0; i < 30; ++i) {
        sound->PlayEffect(DonutSoundTail);
        disk.Advance(0.02);
    }
    disk.Advance(0.2);
    const long beforeGame = disk.Frames();
    sound->PlayGameMusic();
    // The song its decoder turns down goes; the stream plays.
    EXPECT_TRUE(MixUntil(disk, [&] { return OpensToNothing(*library, switches.selected).song; }));
    ASSERT_GE(WaitUntilHeard(disk, beforeGame, IsTone), 0);

    // A stop on a handle that was replaced leaves the music now playing alone.
    const auto old = library->StreamOpenFile(folder.file("/Data/Menu.dat"), SoundLibrary::ModeLoopNormal, 512);
    library->StreamStop(old);
    library->StreamPlay(-1, old);
    library->StreamStop(old);
    const long stale = disk.Frames();
    disk.Advance(0.5);
    const auto left = Finish();
    EXPECT_EQ(BadBlocks(left, stale, stale + SecondsToFrames(0.4), IsTone), 0);
}
