// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap glyphs of the score text: character code c is display list c
// (1..255), drawn by Qt and compiled with glBitmap. Needs a current context;
// call it before anything generates list names in the context, or generated
// names would collide with 1..255.
#pragma once

namespace zorbil {

// GL draws bitmaps in device pixels: the glyphs are drawn at the surface's
// device pixel ratio so the text keeps its size on a high-DPI screen. Qt
// draws them once for each ratio in a run; later calls only compile them.
void BuildFontLists(double devicePixelRatio);

// Qt's part of BuildFontLists, which needs no context: done ahead on the
// user-interface thread, it leaves a later BuildFontLists only GL's part.
void DrawFontGlyphs(double devicePixelRatio);

// Deletes the lists BuildFontLists made in the current context.
void DeleteFontLists();

}  // namespace zorbil
