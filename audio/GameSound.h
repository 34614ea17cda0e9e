// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound operations on top of a SoundLibrary. All calls come from
// the user-interface thread.
#pragma once

#include <string>

#include "audio/SoundLibrary.h"
#include "audio/SoundSwitches.h"
#include "shared/DataPaths.h"
#include "shared/ErrorBox.h"
#include "translations/Translatable.h"

namespace zorbil {

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
    // A game's first frame is on its way, or was shown: a music started
    // in between waits for it, for a tenth of a second at most.
    void HoldForFrame();
    void FrameShown();

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
    bool holding_ = false;
};

}  // namespace zorbil
