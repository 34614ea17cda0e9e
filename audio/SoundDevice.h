// SPDX-License-Identifier: GPL-3.0-or-later
// The sound device set-up, once, when the configuration dialog is confirmed.
#pragma once

#include "audio/SoundLibrary.h"
#include "audio/SoundSwitches.h"
#include "shared/ErrorBox.h"
#include "translations/Translatable.h"

namespace zorbil {

inline constexpr const char* SoundSetupErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Un problème est survenu lors de la configuration avec les paramètres choisis. Votre carte son ne les supporte pas "
    "ou est peut-être occupée. Lisez le fichier Zorbil.txt pour plus de détails sur ces problèmes.");

// Starts the sound device from the configuration dialog's values, or, with
// sonAct 0, tells the library to make no sound and greys and clears the
// switches. A failed start shows SoundSetupErrorMessage.
void SetupSoundDevice(SoundLibrary& library, SoundSwitches& switches, const ErrorBox& error, int sonAct, int drv,
                      int mixer, int mixRate, int quality);

}  // namespace zorbil
