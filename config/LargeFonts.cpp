// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/LargeFonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace zorbil {

double ScreenFontDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    // Qt 6 turns the desktop's font resolution (Xft.dpi) into a device pixel
    // ratio and reports 96 logical dpi; the product is the desktop's setting.
    return screen->logicalDotsPerInchX() * screen->devicePixelRatio();
}

bool LargeFontsScreen()
{
    return std::lround(ScreenFontDpi()) == 120;
}

}  // namespace zorbil
