// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel format a new context asks for, kept in the terms of the
// descriptor the game was designed around, and its Qt equivalent.
#pragma once

#include <QSurfaceFormat>
#include <cstdint>

namespace zorbil {

// Read by the next CreateContext and put back to true / false by it, so a
// caller that wants something else sets them again before every context.
extern bool UseDoubleBuffer;
extern bool UseColorIndex;

constexpr uint32_t PFD_DOUBLEBUFFER = 0x01;
constexpr uint32_t PFD_DRAW_TO_WINDOW = 0x04;
constexpr uint32_t PFD_SUPPORT_OPENGL = 0x20;
constexpr uint8_t PFD_TYPE_RGBA = 0;
constexpr uint8_t PFD_TYPE_COLORINDEX = 1;

struct PixelFormatRequest {
    uint32_t dwFlags = 0;
    uint8_t iPixelType = PFD_TYPE_RGBA;
    uint8_t cColorBits = 24;
    uint8_t cDepthBits = 24;
    uint8_t cStencilBits = 8;
};

// Builds the request from the two switches and resets them.
PixelFormatRequest RequestPixelFormat();

// RGBA 8/8/8, depth 24, stencil 8, compatibility profile (fixed function),
// on the application's default format (swap interval 1 unless changed).
// X visuals here have no colour-index kind: a colour-index request gets
// RGBA like every other.
QSurfaceFormat SurfaceFormatFor(const PixelFormatRequest& request);

}  // namespace zorbil
