// SPDX-License-Identifier: GPL-3.0-or-later
// A lit torus drawn by tracing rays through each pixel, for the donut
// pictures: the same shape as the game's donut (ring radius 0.9, tube 0.5),
// with real shading rather than a painted imitation.
#pragma once

#include <QColor>
#include <QImage>

namespace zorbil::art {

struct TorusView {
    double TiltX = 60;     // degrees about the horizontal axis (0 = seen edge on)
    double TurnY = 0;      // degrees about the vertical axis
    double Scale = 1;      // picture pixels per unit, as a fraction of the best fit
    QColor Colour = QColor(150, 150, 150);
    QColor Icing;          // when valid, the top of the donut is glazed in this colour
};

// An ARGB picture of the given size, transparent around the donut and in
// its hole; edges antialiased by 4 x 4 samples per pixel.
QImage RenderTorus(int width, int height, const TorusView& view);

}  // namespace zorbil::art
