// SPDX-License-Identifier: GPL-3.0-or-later
// The sound device set-up of tests and benchmarks: by default the one the
// configuration dialog makes without a settings file (a test there checks
// that they agree).
#pragma once

#include <string>

#include "audio/SoundDevice.h"

namespace zorbil::test {

struct DeviceChoice {
    int sonAct = 1;
    int drv = 2;      // the dialog's DirectSound
    int mixer = 11;   // automatic
    int mixRate = 22050;
    int quality = 16;
};

inline void SetUpSound(SoundLibrary& library, SoundSwitches& switches, DeviceChoice choice = {},
                       const ErrorBox& error = [](const std::string&) {})
{
    SetupSoundDevice(library, switches, error, choice.sonAct, choice.drv, choice.mixer, choice.mixRate,
                     choice.quality);
}

}  // namespace zorbil::test
