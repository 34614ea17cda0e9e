// SPDX-License-Identifier: GPL-3.0-or-later
// The donut's torus from freeglut, which is never initialised here.
#pragma once

namespace zorbil {

void SolidTorus(double innerRadius, double outerRadius, int sides, int rings);

}  // namespace zorbil
