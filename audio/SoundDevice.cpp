// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/GameSound.h"

namespace zorbil {

namespace {

// The dialog numbers its drivers differently from the library's output types.
int OutputType(int drv)
{
    switch (drv) {
    case 1: return 1;
    case 2: return 2;
    case 3: return 4;
    case 4: return 5;
    case 5: return 3;
    default: return -1;
    }
}

// The mixer codes: the first digit picks the mixer, the second digit 2 adds
// interpolation. The stored fallback 2 is no code: the library keeps its own.
int MixerType(int mixer)
{
    switch (mixer) {
    case 11: return 0;
    case 12: return 4;
    case 21: return 2;
    case 22: return 6;
    case 41: return 3;
    case 42: return 7;
    case 3: return 1;
    case 5: return 5;
    default: return -1;
    }
}

constexpr int NoSoundOutput = 0;
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
        if (const int output = OutputType(drv); output >= 0)
            library.SetOutput(output);
        if (const int mixerType = MixerType(mixer); mixerType >= 0)
            library.SetMixer(mixerType);
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
