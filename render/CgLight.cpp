// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/CgLight.h"

namespace zorbil {

TCGLight::TCGLight(GLenum light) : Light(light)
{
    Position.w = 0;
}

void TCGLight::Enable()
{
    glEnable(GL_LIGHTING);
    glEnable(Light);
}

void TCGLight::SetDiffuse(const TCGColor& c)
{
    Diffuse = c;
    glLightfv(Light, GL_DIFFUSE, &Diffuse.r);
}

void TCGLight::SetPosition(const TCGVector& p)
{
    Position = p;
    glLightfv(Light, GL_POSITION, &Position.x);
}

}  // namespace zorbil
