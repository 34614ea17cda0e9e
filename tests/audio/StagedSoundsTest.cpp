// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds and musics the build stages into the game folder, played by
// the game through the real mixer.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "DecoderProcesses.h"
#include "SoundRig.h"
#include "shared/DataPaths.h"

using namespace zorbil;
using namespace zorbil::test;

namespace {

const std::filesystem::path GameDir = ZORBIL_GAME_DIR;

bool HasSoundFont()
{
    for (const char* font : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
                             "/usr/share/sounds/sf3/default-GM.sf3"})
        if (std::filesystem::exists(font))
            return true;
    return false;
}

std::vector<std::string> GameMusics()
{
    std::vector<std::string> musics;
    for (const auto& entry : std::filesystem::directory_iterator(GameDir / "Musiques"))
        if (entry.path().extension() == ".mus")
            musics.push_back(entry.path().string());
    return musics;
}

class StagedSoundsTest : public SoundRig {
protected:
    void SetUp() override
    {
        gameFolder = GameDir.string();
        StartDevice();
    }
};

}  // namespace

// Once its decoders have answered, the layer knows which kind each file is
// not: that kind then opens to nothing at once.
TEST_F(StagedSoundsTest, EveryGameMusicIsOneKindOrTheOther)
{
    int modules = 0, midis = 0, streams = 0;
    for (const std::string& music : GameMusics()) {
        const auto song = library->LoadSong(music);
        const auto stream = library->StreamOpenFile(music, SoundLibrary::Mode2D, 512);
        MixUntil(disk, [&] {
            const Opening o = OpensToNothing(*library, music);
            return o.song || o.stream;
        });
        disk.Advance(0.5);  // the other kind's answer too
        const Opening opening = OpensToNothing(*library, music);
        library->StopSong(song);
        library->StreamStop(stream);
        const bool module = !opening.song;
        EXPECT_NE(module, !opening.stream) << music;
        const bool midi = music.size() > 8 && music.compare(music.size() - 8, 8, ".mid.mus") == 0;
        (module ? (midi ? midis : modules) : streams) += 1;
    }
    EXPECT_GE(modules, 1);
    EXPECT_GE(streams, 1);
    if (HasSoundFont()) {
        EXPECT_GE(midis, 1);
    }
}

TEST_F(StagedSoundsTest, GameMusicsSoundUntilStopped)
{
    if (!HasSoundFont())
        GTEST_SKIP() << "no General MIDI soundfont: MIDI plays silently";
    for (const std::string& music : GameMusics()) {
        StartDevice();
        switches.selected = music;
        sound->PlayGameMusic();
        const long start = WaitUntilHeard(disk, disk.Frames(), [](Level l) { return l.rms > 500; });
        ASSERT_GE(start, 0) << music;
        disk.Advance(2.0);
        sound->StopAllMusic();
        const long stopped = disk.Frames();
        disk.Advance(0.5);
        const auto left = Finish();
        EXPECT_GT(LevelOf(left, start, SecondsToFrames(1.5)).rms, 500) << music;
        EXPECT_EQ(LevelOf(left, stopped + 4096, SecondsToFrames(0.3)).rms, 0) << music;
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(StagedSoundsTest, MenuMusicStreamsAndEffectsEndOnTheirOwn)
{
    const auto stream = library->StreamOpenFile(DataPath(GameDir.string(), MenuMusicTail), SoundLibrary::ModeLoopNormal, 512);
    ASSERT_NE(stream, 0u);
    library->StreamStop(stream);

    sound->PlayMenuMusic();
    const long menu = WaitUntilHeard(disk, disk.Frames(), [](Level l) { return l.rms > 500; });
    ASSERT_GE(menu, 0);
    disk.Advance(1.5);
    sound->StopAllMusic();
    const long beforeEffects = disk.Frames();
    sound->PlayEffect(DonutSoundTail);
    sound->PlayEffect(OverSoundTail);
    const long effects = WaitUntilHeard(disk, beforeEffects, [](Level l) { return l.rms > 500; });
    ASSERT_GE(effects, 0);
    disk.Advance(SdlSoundLibrary::ShortSoundSeconds + 0.5);
    const long end = disk.Frames();
    const auto left = Finish();
    EXPECT_GT(LevelOf(left, menu, SecondsToFrames(1.0)).rms, 500);
    EXPECT_GT(LevelOf(left, effects, SecondsToFrames(0.5)).rms, 500);
    // Both effects are short sounds: over well before the longest one may last.
    EXPECT_LT(LevelOf(left, end - SecondsToFrames(1.0), SecondsToFrames(1.0)).rms, 1);
}
