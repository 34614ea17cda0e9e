// SPDX-License-Identifier: GPL-3.0-or-later
// The project's own pictures for the game window and the configuration
// dialog, drawn at build time and embedded in the program.
#pragma once

#include <QImage>
#include <QString>

namespace zorbil {

// The picture called name, or a null QImage for an unknown name.
//   Wallpaper tiles: "MenuTex" 64x64, "PauseTex" 64x64 (16 colours),
//     "GameOverTex" 150x150 (16 colours), "ScoresTex" 64x64, "OptionsTex"
//     64x64, "AideTex" 64x64 (16 colours, also for the help pages).
//   Titles, lettering on a transparent ground: "ImageGameOver" 240x55,
//     "ImagePause" 335x55, "ImageScores" 245x55, "ImageOptions" 335x55,
//     "ImageAide" 450x55; the same with each language's suffix after the
//     name ("En", "De", "Es", "It", "PtBR", "Pl").
//   Main menu: "ImagePrincipalDonut" 143x158 (transparent around the donut),
//     "ImagePrincipalZorbil" 305x145 (transparent ground).
//   About page: "AboutLogo" 150x220, "ImageAboutZorbil" 435x65.
//   Configuration dialog: "ImageZorbil" 433x65, "OpenGLLogo" 70x30,
//     "SoundLogo" 85x30.
QImage Artwork(const QString& name);

}  // namespace zorbil
