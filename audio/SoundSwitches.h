// SPDX-License-Identifier: GPL-3.0-or-later
// What the sound operations read from, and do to, the game window's options
// screen.
#pragma once

#include <string>

namespace zorbil {

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

}  // namespace zorbil
