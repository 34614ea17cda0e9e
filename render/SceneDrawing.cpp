// SPDX-License-Identifier: GPL-3.0-or-later
// The frame routine of the render thread.
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sys/stat.h>

#include "game/GameState.h"
#include "render/CgWindow.h"
#include "render/GLThread.h"
#include "render/ScoreText.h"
#include "render/Torus.h"

namespace zorbil {

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

bool FileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

const TCGColor& ColorAt(const std::array<TCGColor, 8>& colors, int32_t index)
{
    return colors[static_cast<uint32_t>(index) % colors.size()];
}

}  // namespace

void TWRenderer::DrawScene()
{
    if (!sceneReady_)
        return;

    window_.FitViewport();
    BeginFrame();

    if (!backgroundFailed_ && FileExists(signalPath_)) {
        const unsigned generation = sceneGeneration_;
        LoadBackground();
        // An error box runs the event loop: the game may have been stopped,
        // and the drawing state released or rebuilt, meanwhile.
        if (!sceneReady_ || generation != sceneGeneration_)
            return;
    }

    DrawContent();
    glFinish();
    window_.SwapFrame();
}

void TWRenderer::BeginFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Far above 1: lighting saturates it to white whatever the lights and
    // the normal, so the picture shows at its own brightness.
    glColor4f(256, 256, 256, 256);
    glTranslatef(-8.5f, -6.5f, 0);
}

void TWRenderer::DrawContent()
{
    // Background: the picture's first row along the bottom edge.
    glPushMatrix();
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(0, 0, -1);
    glTexCoord2f(1, 0);
    glVertex3f(16, 0, -1);
    glTexCoord2f(1, 1);
    glVertex3f(16, 12, -1);
    glTexCoord2f(0, 1);
    glVertex3f(0, 12, -1);
    glEnd();
    glPopMatrix();

    DrawDonut(false);
    DrawDonut(true);
    DrawSnake(true);
    DrawSnake(false);

    glDisable(GL_DEPTH_TEST);
    glLoadIdentity();
    const std::string text = ScoreText(Score);
    const auto length = static_cast<GLsizei>(text.size());
    // The lit raster colour: 0 gives black, 255 saturates to white.
    glColor3f(0, 0, 0);
    glRasterPos2f(5, 4);
    glCallLists(length, GL_UNSIGNED_BYTE, text.data());
    // The white copy one text pixel left of and below the black one, which
    // shows as a thin dark edge at its upper right at any pixel density.
    glColor3f(255, 255, 255);
    glRasterPos2f(5, 4);
    glBitmap(0, 0, 0, 0, -textPixel_, -textPixel_, nullptr);
    glCallLists(length, GL_UNSIGNED_BYTE, text.data());
    glEnable(GL_DEPTH_TEST);
}

void TWRenderer::DrawDonut(bool shadow)
{
    glPushMatrix();
    float x = float(Donut.X);
    float y = float(Donut.Y);
    if (shadow) {
        glColor4f(0, 0, 0, 0.6f);
        glMultMatrixf(ShadowMatrix.data());
        x -= 0.2f;
        y -= 0.2f;
    } else {
        glColor4fv(&ColorAt(SegmentColors, Snake.Length).r);
    }
    glTranslatef(x, y, 0);
    glRotatef(float(SpinAngle), float(std::sin(SpinAngle * Pi / 180)), 1, 0);
    SolidTorus(0.5, 0.9, 8, 16);
    glPopMatrix();
}

void TWRenderer::DrawSnake(bool shadow)
{
    glPushMatrix();
    if (shadow) {
        // The flattening removes the z of the offset as well: the shadow
        // lies at z = 0, 0.2 left and 0.2 down.
        glMultMatrixf(ShadowMatrix.data());
        glTranslatef(-0.2f, -0.2f, -3);
        glColor4f(0, 0, 0, 0.6f);
    } else {
        glColor4f(1, 1, 1, 1);
    }

    glPushMatrix();
    glTranslatef(float(Snake.Head.X), float(Snake.Head.Y), 0);
    gluSphere(SphereQuadric, 0.8, 20, 8);
    glPopMatrix();

    // Body spheres circle their cell centres, neighbours in opposite phase.
    const long double a = SpinAngle * Pi / 180;
    const float dx = float(std::cos(a) / 15.0f);
    const float dy = float(std::sin(a) / 15.0f);
    const int32_t segments = std::min<int32_t>(Snake.Length - 1, BodyCapacity);
    for (int32_t k = 1; k <= segments; ++k) {
        const Cell& c = Snake.Body[size_t(k - 1)];
        if (!shadow)
            glColor4fv(&ColorAt(SegmentColors, k).r);
        glPushMatrix();
        glTranslatef(float(c.X), float(c.Y), 0);
        if (((c.X & 1) ^ (c.Y & 1)) == 1)
            glTranslatef(dx, dy, 0);
        else
            glTranslatef(-dx, -dy, 0);
        gluSphere(SphereQuadric, 0.65, 16, 4);
        glPopMatrix();
    }

    glPopMatrix();
    glColor4f(1, 1, 1, 1);
}

}  // namespace zorbil
