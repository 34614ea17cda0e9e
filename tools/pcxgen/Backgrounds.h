// SPDX-License-Identifier: GPL-3.0-or-later
// The background pictures shipped in the game folder's Textures folder.
#pragma once

#include <string>
#include <vector>

#include "IndexedPicture.h"

namespace zorbil::procgen {

inline constexpr int BackgroundSize = 256;

// The game tints the snake, the donut and the score with the colour that the
// texture filter reads at the picture's corners, where the four corners of
// the stretched quad meet (they lie outside the visible field). Each picture
// keeps palette entry TintIndex for those corner pixels: a light colour that
// stands out against the picture.
inline constexpr int TintIndex = 255;
inline constexpr int TintPatch = 4;  // corner squares of TintPatch x TintPatch

struct Background {
    std::string FileName;
    // Rows in file order: the game lays the first row along the bottom of
    // the field, so the picture is stored bottom row first.
    IndexedPicture Picture;
};

// Draws every background; the same pictures on every run.
std::vector<Background> DrawBackgrounds();

}  // namespace zorbil::procgen
