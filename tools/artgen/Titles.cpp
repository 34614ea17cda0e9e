// SPDX-License-Identifier: GPL-3.0-or-later
#include "Titles.h"

#include "Effects.h"
#include "Fonts.h"
#include "Lettering.h"

namespace zorbil::art {

namespace {

QImage Title(int width, const QString& text, const LetteringStyle& style)
{
    constexpr int Height = 55;
    QImage picture = Transparent(width, Height);
    DrawLettering(picture, QRectF(0, 0, width, Height), text, LetteringFont(48), style);
    return picture;
}

}  // namespace

QImage GameOverTitle()
{
    return Title(240, "Game Over", {QColor(255, 236, 255), QColor(150, 88, 160), QColor(58, 20, 66)});
}

QImage PauseTitle(const QString& text)
{
    return Title(335, text, {QColor(255, 214, 190), QColor(220, 40, 28), QColor(40, 0, 0)});
}

QImage ScoresTitle(const QString& text)
{
    return Title(245, text, {QColor(214, 255, 200), QColor(30, 170, 40), QColor(0, 44, 0)});
}

QImage OptionsTitle(const QString& text)
{
    return Title(335, text, {QColor(255, 255, 196), QColor(200, 176, 0), QColor(70, 56, 0)});
}

QImage HelpTitle(const QString& text)
{
    return Title(450, text, {QColor(255, 255, 255), QColor(112, 126, 142), QColor(44, 50, 60)});
}

}  // namespace zorbil::art
