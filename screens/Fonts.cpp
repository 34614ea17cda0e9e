// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Fonts.h"

namespace zorbil {

QFont ArialFont(int pixelHeight, unsigned styles)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelHeight);
    f.setBold(styles & Bold);
    f.setItalic(styles & Italic);
    f.setUnderline(styles & Underline);
    return f;
}

// The design's 11-pixel "MS Sans Serif" is narrower than Arial: at 10 pixels
// Arial lays the help texts out in the same lines.
QFont WindowFont()
{
    return ArialFont(10, Plain);
}

}  // namespace zorbil
