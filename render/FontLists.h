// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap glyphs of the score text: character code c is display list c
// (1..255), drawn by Qt and compiled with glBitmap. Needs a current context;
// call it right after the context is made, before anything generates list
// names, or generated names would collide with 1..255.
#pragma once

namespace zorbil {

// GL draws bitmaps in device pixels: the glyphs are drawn at the surface's
// device pixel ratio so the text keeps its size on a high-DPI screen.
void BuildFontLists(double devicePixelRatio);

}  // namespace zorbil
