// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's pictures, the help screen's about pictures and the
// configuration dialog's banner and badges.
#pragma once

#include <QImage>

namespace zorbil::art {

QImage MenuDonut();    // 143 x 158: a grey donut, transparent around it and in its hole
QImage MenuName();     // 305 x 145: the game's name over a snake, transparent ground
QImage AboutLogo();    // 150 x 220: a box-cover style card
QImage AboutName();    // 435 x 65: banner with the game's name
QImage DialogBanner(); // 433 x 65: the configuration dialog's title banner
QImage OpenGLBadge();  // 70 x 30: our own badge for the OpenGL renderer
QImage SoundBadge();   // 85 x 30: our own badge for the SDL_mixer sound library

}  // namespace zorbil::art
