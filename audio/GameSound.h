// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound operations and the sound device set-up, on top of a
// SoundLibrary. All calls come from the user-interface thread.
#pragma once

#include <string>

#include "audio/SoundLibrary.h"
#include "shared/DataPaths.h"
#include "shared/ErrorBox.h"
#include "translations/Translatable.h"

namespace zorbil {

// What the sound operations read from, and do to, the game window's options
// screen.
class SoundSwitches {
public:
    virtual ~SoundSwitches() = default;
    virtual bool EffectsOn() const = 0;             // the "Activer les sons" box (SonAct)
    virtual bool MusicOn() const = 0;               // the "Activer les musiques" box (MusicAct)
    virtual std::string SelectedMusic() const = 0;  // full path of the music list's selection, or ""
    // Sound switched off at start-up: grey MusicAct, grey SonAct, clear
    // MusicAct, clear SonAct.
    virtual void GreyAndClear() = 0;
};

inline constexpr const char* SoundPlayErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver "
    "utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. "
    "Lisez Zorbil.txt pour infos.");
inline constexpr const char* DonutSoundErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver "
    "utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. "
    "Lisez Zorbil.txt pour info");
inline constexpr const char* SoundSetupErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Un problème est survenu lors de la configuration avec les paramètres choisis. Votre carte son ne les supporte pas "
    "ou est peut-être occupée. Lisez le fichier Zorbil.txt pour plus de détails sur ces problèmes.");

// Starts the sound device from the configuration dialog's values, or, with
// sonAct 0, tells the library to make no sound and greys and clears the
// switches. A failed start shows SoundSetupErrorMessage.
void SetupSoundDevice(SoundLibrary& library, SoundSwitches& switches, const ErrorBox& error, int sonAct, int drv,
                      int mixer, int mixRate, int quality);

// The menu music, the game music and the two effects. Their paths are the
// game folder followed by their tails.
class GameSound {
public:
    GameSound(SoundLibrary& library, SoundSwitches& switches, ErrorBox error, std::string gameFolder);

    void PlayMenuMusic();
    void PlayGameMusic();
    void SwitchGameMusic();
    void StopAllMusic();
    void PlayEffect(const std::string& tail);  // DonutSoundTail or OverSoundTail

private:
    void StopMusicBeforeStart();
    void StartSelectedMusic(unsigned streamMode);

    SoundLibrary& library_;
    SoundSwitches& switches_;
    ErrorBox error_;
    std::string gameFolder_;
    SoundLibrary::Handle EffectStream = 0;
    SoundLibrary::Handle MenuStream = 0;
    SoundLibrary::Handle MusicStream = 0;
    SoundLibrary::Handle MusicModule = 0;
};

}  // namespace zorbil
