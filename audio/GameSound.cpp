// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/GameSound.h"

#include <utility>

namespace zorbil {

namespace {

// Longer than a first frame takes even without a shader cache; the music,
// which takes about as long to come anyway, is not heard to wait.
constexpr int FrameHoldMs = 100;

}  // namespace

GameSound::GameSound(SoundLibrary& library, SoundSwitches& switches, ErrorBox error, std::string gameFolder)
    : library_(library), switches_(switches), error_(std::move(error)), gameFolder_(std::move(gameFolder))
{
}

void GameSound::StopMusicBeforeStart()
{
    library_.StopSong(MusicModule);
    library_.StreamStop(MusicStream);
    library_.StreamStop(MenuStream);
}

// The effects are made ready here, long before the first donut: whatever the
// switches say now, the player may turn the sounds on in the options.
void GameSound::PlayMenuMusic()
{
    try {
        library_.Preload(DataPath(gameFolder_, DonutSoundTail));
        library_.Preload(DataPath(gameFolder_, OverSoundTail));
        StopMusicBeforeStart();
        if (switches_.MusicOn()) {
            MenuStream =
                library_.StreamOpenFile(DataPath(gameFolder_, MenuMusicTail), SoundLibrary::ModeLoopNormal, 512);
            library_.StreamPlay(-1, MenuStream);
        }
    } catch (...) {
        error_(SoundPlayErrorMessage);
    }
}

// The music file is offered both as a module and as a stream: the library
// refuses the kind that does not fit, so exactly one of the two sounds and
// any supported format works under the "*.mus" name.
void GameSound::StartSelectedMusic(unsigned streamMode)
{
    try {
        StopMusicBeforeStart();
        if (switches_.MusicOn()) {
            const std::string path = switches_.SelectedMusic();
            MusicModule = library_.LoadSong(path);
            MusicStream = library_.StreamOpenFile(path, streamMode, 512);
            library_.PlaySong(MusicModule);
            library_.StreamPlay(-1, MusicStream);
        }
    } catch (...) {
        error_(SoundPlayErrorMessage);
    }
}

void GameSound::PlayGameMusic()
{
    StartSelectedMusic(SoundLibrary::Mode2D);
}

// A stream picked during a game loops, unlike the same one started with a
// new game.
void GameSound::SwitchGameMusic()
{
    StartSelectedMusic(SoundLibrary::ModeLoopNormal);
}

void GameSound::StopAllMusic()
{
    library_.StreamStop(MenuStream);
    library_.StreamStop(MusicStream);
    library_.StopSong(MusicModule);
}

// Every effect gets a fresh stream and the previous one is left to finish,
// so effects overlap each other and the music.
void GameSound::PlayEffect(const std::string& tail)
{
    try {
        if (switches_.EffectsOn()) {
            EffectStream = library_.StreamOpenFile(DataPath(gameFolder_, tail), SoundLibrary::Mode2D, 512);
            library_.StreamPlay(-1, EffectStream);
        }
    } catch (...) {
        error_(tail == DonutSoundTail ? DonutSoundErrorMessage : SoundPlayErrorMessage);
    }
}

void GameSound::HoldForFrame()
{
    holding_ = true;
    library_.HoldStarts(FrameHoldMs);
}

void GameSound::FrameShown()
{
    if (!holding_)
        return;
    holding_ = false;
    library_.HoldStarts(0);
}

}  // namespace zorbil
