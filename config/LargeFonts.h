// SPDX-License-Identifier: GPL-3.0-or-later
// The large-fonts screen setting: a desktop at exactly 120 dots per inch.
#pragma once

#include "translations/Translatable.h"

namespace zorbil {

inline constexpr const char* LargeFontsQuestion = ZORBIL_TRANSLATABLE(
    "Messages",
    "Vous utilisez actuellement le mode Grandes Polices de Windows. Zorbil est optimisé pour fonctionner en Petites "
    "Polices et apparaîtra fortement disproportionné si vous le lancez avec le mode Grandes Polices. Voulez-vous "
    "continuer malgré tout ?");

// The primary screen's font resolution in dots per inch, as the desktop sets it.
double ScreenFontDpi();

bool LargeFontsScreen();

}  // namespace zorbil
