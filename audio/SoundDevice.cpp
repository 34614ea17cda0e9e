// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/SoundDevice.h"

#include "audio/SoundCodes.h"

namespace zorbil {

namespace {

constexpr unsigned InitFlags = 1;
constexpr int FullSFXVolume = 255;

}  // namespace

void SetupSoundDevice(SoundLibrary& library, SoundSwitches& switches, const ErrorBox& error, int sonAct, int drv,
                      int mixer, int mixRate, int quality)
{
    try {
        if (sonAct == 0) {
            library.SetOutput(NoSoundOutput);
            switches.GreyAndClear();
            return;
        }
        if (const auto output = OutputTypeOf(drv))
            library.SetOutput(*output);
        // Any other value, the fallback 2 included, leaves the library its
        // own mixer.
        if (const MixerCode* code = FindMixerCode(mixer))
            library.SetMixer(code->mixerType);
        library.SetDriver(0);
        if (!library.Init(mixRate, quality, InitFlags)) {
            error(SoundSetupErrorMessage);
            return;
        }
        library.SetSFXMasterVolume(FullSFXVolume);
    } catch (...) {
        error(SoundSetupErrorMessage);
    }
}

}  // namespace zorbil
