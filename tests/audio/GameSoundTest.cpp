// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingSoundLibrary.h"

using zorbil::DonutSoundErrorMessage;
using zorbil::DonutSoundTail;
using zorbil::GameSound;
using zorbil::OverSoundTail;
using zorbil::SoundPlayErrorMessage;
using zorbil::test::FakeSwitches;
using zorbil::test::RecordingSoundLibrary;
using Calls = std::vector<std::string>;

namespace {

class GameSoundTest : public ::testing::Test {
protected:
    // The calls made since the previous Take().
    Calls Take()
    {
        Calls taken = library.calls;
        library.calls.clear();
        return taken;
    }

    RecordingSoundLibrary library;
    FakeSwitches switches;
    std::vector<std::string> errors;
    GameSound sound{library, switches, [this](const std::string& m) { errors.push_back(m); }, "/jeu"};
};

}  // namespace

TEST_F(GameSoundTest, MenuMusicRestartsFromTheBeginningEachTime)
{
    sound.PlayMenuMusic();
    EXPECT_EQ(Take(), (Calls{"StopSong(0)", "StreamStop(0)", "StreamStop(0)",
                             "StreamOpenFile(/jeu/Data/Menu.dat,0x2,512)", "StreamPlay(-1,1)"}));
    sound.PlayMenuMusic();
    EXPECT_EQ(Take(), (Calls{"StopSong(0)", "StreamStop(0)", "StreamStop(1)",
                             "StreamOpenFile(/jeu/Data/Menu.dat,0x2,512)", "StreamPlay(-1,2)"}));
    EXPECT_TRUE(errors.empty());
}

TEST_F(GameSoundTest, GameMusicOffersTheFileAsModuleAndStream)
{
    switches.selected = "/jeu/Musiques/Balade.mid.mus";
    library.notStreams.insert(switches.selected);
    sound.PlayMenuMusic();
    Take();
    sound.PlayGameMusic();
    EXPECT_EQ(Take(), (Calls{"StopSong(0)", "StreamStop(0)", "StreamStop(1)",
                             "LoadSong(/jeu/Musiques/Balade.mid.mus)",
                             "StreamOpenFile(/jeu/Musiques/Balade.mid.mus,0x2000,512)", "PlaySong(2)",
                             "StreamPlay(-1,0)"}));

    // Switching in another music from the options screen opens its stream looping.
    switches.selected = "/jeu/Musiques/Nuit.mus";
    library.notModules.insert("/jeu/Musiques/Nuit.mus");
    sound.SwitchGameMusic();
    EXPECT_EQ(Take(), (Calls{"StopSong(2)", "StreamStop(0)", "StreamStop(1)", "LoadSong(/jeu/Musiques/Nuit.mus)",
                             "StreamOpenFile(/jeu/Musiques/Nuit.mus,0x2,512)", "PlaySong(0)", "StreamPlay(-1,3)"}));

    sound.StopAllMusic();
    EXPECT_EQ(Take(), (Calls{"StreamStop(1)", "StreamStop(3)", "StopSong(0)"}));
}

TEST_F(GameSoundTest, EmptySelectionIsOfferedToTheLibraryAndStopsTheMenuMusic)
{
    library.notModules.insert("");
    library.notStreams.insert("");
    sound.PlayMenuMusic();
    Take();
    sound.PlayGameMusic();
    EXPECT_EQ(Take(), (Calls{"StopSong(0)", "StreamStop(0)", "StreamStop(1)", "LoadSong()",
                             "StreamOpenFile(,0x2000,512)", "PlaySong(0)", "StreamPlay(-1,0)"}));
}

TEST_F(GameSoundTest, MusicSwitchIsReadWhenAMusicStartsAndNeverStopsOne)
{
    switches.music = false;
    sound.PlayMenuMusic();
    sound.PlayGameMusic();
    sound.SwitchGameMusic();
    EXPECT_EQ(Take(), (Calls{"StopSong(0)", "StreamStop(0)", "StreamStop(0)", "StopSong(0)", "StreamStop(0)",
                             "StreamStop(0)", "StopSong(0)", "StreamStop(0)", "StreamStop(0)"}));

    switches.music = true;
    sound.PlayMenuMusic();
    Take();
    switches.music = false;  // clearing it stops nothing by itself
    switches.selected = "/jeu/Musiques/a.mus";
    sound.SwitchGameMusic();
    EXPECT_EQ(Take(), (Calls{"StopSong(0)", "StreamStop(0)", "StreamStop(1)"}));
}

TEST_F(GameSoundTest, EffectsOverlapAndFollowTheEffectsSwitch)
{
    sound.PlayEffect(DonutSoundTail);
    sound.PlayEffect(DonutSoundTail);
    sound.PlayEffect(OverSoundTail);
    EXPECT_EQ(Take(), (Calls{"StreamOpenFile(/jeu/Data/Donut.dat,0x2000,512)", "StreamPlay(-1,1)",
                             "StreamOpenFile(/jeu/Data/Donut.dat,0x2000,512)", "StreamPlay(-1,2)",
                             "StreamOpenFile(/jeu/Data/Over.dat,0x2000,512)", "StreamPlay(-1,3)"}));
    switches.effects = false;
    sound.PlayEffect(DonutSoundTail);
    EXPECT_TRUE(Take().empty());
}

TEST_F(GameSoundTest, ErrorsShowTheirMessageAndKeepTheHandlesAlreadySet)
{
    switches.selected = "/jeu/Musiques/m.mus";
    library.throwOn = "StreamOpenFile";
    sound.PlayGameMusic();
    EXPECT_EQ(errors, (Calls{SoundPlayErrorMessage}));
    Take();
    // The module loaded before the error is what the next stop reaches.
    sound.StopAllMusic();
    EXPECT_EQ(Take(), (Calls{"StreamStop(0)", "StreamStop(0)", "StopSong(1)"}));

    errors.clear();
    sound.PlayEffect(DonutSoundTail);
    sound.PlayEffect(OverSoundTail);
    sound.PlayMenuMusic();
    EXPECT_EQ(errors, (Calls{DonutSoundErrorMessage, SoundPlayErrorMessage, SoundPlayErrorMessage}));
    EXPECT_EQ(std::string(DonutSoundErrorMessage) + "s.", SoundPlayErrorMessage);
}
