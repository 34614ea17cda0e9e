// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Torus.h"

#include <GL/freeglut.h>

#include <cstdarg>

namespace zorbil {

namespace {

// freeglut complains about not being initialised on every shape call and
// exits the process unless an error handler returns. glutInit is no option:
// it opens its own display connection. The torus itself is drawn correctly
// into the current context either way.
void IgnoreGlutError(const char*, va_list) {}

struct QuietGlut {
    QuietGlut() { glutInitErrorFunc(IgnoreGlutError); }
};

}  // namespace

void SolidTorus(double innerRadius, double outerRadius, int sides, int rings)
{
    static const QuietGlut quiet;
    glutSolidTorus(innerRadius, outerRadius, sides, rings);
}

}  // namespace zorbil
