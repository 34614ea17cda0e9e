// SPDX-License-Identifier: GPL-3.0-or-later
// The calls the sound device set-up and the game's sound operations make
// to the sound layer.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/FakeSwitches.h"
#include "support/RecordingSoundLibrary.h"
#include "support/SoundSetup.h"

using namespace zorbil;
using namespace zorbil::test;
using Calls = std::vector<std::string>;

namespace {

class SoundCalls : public ::testing::Test {
protected:
    // The calls made since the previous Take().
    Calls Take()
    {
        Calls taken = library.calls;
        library.calls.clear();
        return taken;
    }
    ErrorBox ShowError()
    {
        return [this](const std::string& m) { errors.push_back(m); };
    }

    RecordingSoundLibrary library;
    FakeSwitches switches;
    std::vector<std::string> errors;
    GameSound sound{library, switches, ShowError(), "/jeu"};
};

}  // namespace

TEST_F(SoundCalls, DeviceSetUpCallsTheLibraryInOrder)
{
    SetUpSound(library, switches, {}, ShowError());  // the tests' usual device
    EXPECT_EQ(Take(),
              (Calls{"SetOutput(2)", "SetMixer(0)", "SetDriver(0)", "Init(22050,16,1)", "SetSFXMasterVolume(255)"}));
    SetUpSound(library, switches, {.drv = 3, .mixer = 12, .mixRate = 44100, .quality = 8}, ShowError());
    EXPECT_EQ(Take(),
              (Calls{"SetOutput(4)", "SetMixer(4)", "SetDriver(0)", "Init(44100,8,1)", "SetSFXMasterVolume(255)"}));
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(switches.greyed);
    EXPECT_TRUE(switches.music && switches.effects);
}

TEST_F(SoundCalls, DriverAndMixerCodesMapToTheLibrarysTypes)
{
    for (auto [drv, output] : {std::pair{1, 1}, {2, 2}, {3, 4}, {4, 5}, {5, 3}}) {
        SetUpSound(library, switches, {.drv = drv});
        EXPECT_EQ(Take().front(), "SetOutput(" + std::to_string(output) + ")") << "Drv " << drv;
    }
    for (int drv : {0, 6, -1}) {
        SetUpSound(library, switches, {.drv = drv});
        EXPECT_EQ(Take().front(), "SetMixer(0)") << "Drv " << drv;
    }
    for (auto [code, type] : {std::pair{11, 0}, {12, 4}, {21, 2}, {22, 6}, {41, 3}, {42, 7}, {3, 1}, {5, 5}}) {
        SetUpSound(library, switches, {.mixer = code});
        EXPECT_EQ(Take().at(1), "SetMixer(" + std::to_string(type) + ")") << "Mixer " << code;
    }
    // Others, the stored fallback 2 among them, leave the library's own.
    for (int code : {2, 7, 0, 1, 4, 13, 31}) {
        SetUpSound(library, switches, {.mixer = code});
        EXPECT_EQ(Take(), (Calls{"SetOutput(2)", "SetDriver(0)", "Init(22050,16,1)", "SetSFXMasterVolume(255)"}))
            << "Mixer " << code;
    }
}

TEST_F(SoundCalls, FailedDeviceSetUpShowsItsMessageAndGoesNoFurther)
{
    library.initResult = false;
    SetUpSound(library, switches, {}, ShowError());
    EXPECT_EQ(Take(), (Calls{"SetOutput(2)", "SetMixer(0)", "SetDriver(0)", "Init(22050,16,1)"}));
    library.initResult = true;
    library.throwOn = "SetDriver";
    SetUpSound(library, switches, {}, ShowError());
    EXPECT_EQ(Take(), (Calls{"SetOutput(2)", "SetMixer(0)"}));
    library.throwOn = "SetOutput";
    SetUpSound(library, switches, {.sonAct = 0}, ShowError());
    EXPECT_EQ(errors, (Calls{SoundSetupErrorMessage, SoundSetupErrorMessage, SoundSetupErrorMessage}));
    EXPECT_FALSE(switches.greyed);
    EXPECT_TRUE(switches.music);
}

TEST_F(SoundCalls, SoundOffMakesNoOutputAndGreysTheSwitches)
{
    SetUpSound(library, switches, {.sonAct = 0, .drv = 3, .mixer = 12, .mixRate = 44100}, ShowError());
    EXPECT_EQ(Take(), Calls{"SetOutput(0)"});
    EXPECT_TRUE(switches.greyed);
    EXPECT_FALSE(switches.music);
    EXPECT_FALSE(switches.effects);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SoundCalls, MenuMusicRestartsFromTheBeginningEachTime)
{
    sound.PlayMenuMusic();
    EXPECT_EQ(Take(), (Calls{"StopSong(0)", "StreamStop(0)", "StreamStop(0)",
                             "StreamOpenFile(/jeu/Data/Menu.dat,0x2,512)", "StreamPlay(-1,1)"}));
    sound.PlayMenuMusic();
    EXPECT_EQ(Take(), (Calls{"StopSong(0)", "StreamStop(0)", "StreamStop(1)",
                             "StreamOpenFile(/jeu/Data/Menu.dat,0x2,512)", "StreamPlay(-1,2)"}));
    EXPECT_TRUE(errors.empty());
}

TEST_F(SoundCalls, GameMusicOffersTheFileAsModuleAndStream)
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

TEST_F(SoundCalls, EmptySelectionIsOfferedToTheLibraryAndStopsTheMenuMusic)
{
    library.notModules.insert("");
    library.notStreams.insert("");
    sound.PlayMenuMusic();
    Take();
    sound.PlayGameMusic();
    EXPECT_EQ(Take(), (Calls{"StopSong(0)", "StreamStop(0)", "StreamStop(1)", "LoadSong()",
                             "StreamOpenFile(,0x2000,512)", "PlaySong(0)", "StreamPlay(-1,0)"}));
}

TEST_F(SoundCalls, MusicSwitchIsReadWhenAMusicStartsAndNeverStopsOne)
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

TEST_F(SoundCalls, EffectsOverlapAndFollowTheEffectsSwitch)
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

TEST_F(SoundCalls, ErrorsShowTheirMessageAndKeepTheHandlesAlreadySet)
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
