// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen's two sound boxes and its music list, as the sound
// operations see them.
#pragma once

#include <string>

#include "audio/GameSound.h"

namespace zorbil::test {

class FakeSwitches : public SoundSwitches {
public:
    bool effects = true;
    bool music = true;
    bool greyed = false;
    std::string selected;

    bool EffectsOn() const override { return effects; }
    bool MusicOn() const override { return music; }
    std::string SelectedMusic() const override { return selected; }
    void GreyAndClear() override
    {
        greyed = true;
        music = false;
        effects = false;
    }
};

}  // namespace zorbil::test
