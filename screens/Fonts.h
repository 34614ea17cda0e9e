// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the screens. "Arial" reaches Liberation Sans through
// fontconfig, which has the same metrics, so the 640 x 480 layout holds.
#pragma once

#include <QFont>

namespace zorbil {

enum FontStyle : unsigned { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

QFont ArialFont(int pixelHeight, unsigned styles);

// The game window's default font, used by the help texts.
QFont WindowFont();

}  // namespace zorbil
