// SPDX-License-Identifier: GPL-3.0-or-later
// One of the context's fixed OpenGL lights and the parameters kept for it.
// Creating or destroying it sends nothing to OpenGL: the light stays enabled
// in its context until the context goes away.
#pragma once

#include <GL/gl.h>

#include "render/CgTypes.h"

namespace zorbil {

class TCGLight {
public:
    explicit TCGLight(GLenum light);

    // These need a current context.
    void Enable();  // also turns lighting on
    void SetDiffuse(const TCGColor& c);
    void SetPosition(const TCGVector& p);  // sent as is: w 1 positional, w 0 directional

    GLenum Light;
    TCGColor Ambient = MakeColor(0, 0, 0, 1);
    TCGColor Diffuse = MakeColor(1, 1, 1, 1);
    TCGColor Specular = MakeColor(1, 1, 1, 1);
    TCGVector Position = MakeVector(0, 0, 1);
    TCGVector SpotDirection = MakeVector(0, 0, -1);
    float SpotExponent = 0;
    float SpotCutoff = 180;
    float ConstantAttenuation = 1;
    float LinearAttenuation = 0;
    float QuadraticAttenuation = 0;
};

}  // namespace zorbil
