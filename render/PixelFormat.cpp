// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/PixelFormat.h"

namespace zorbil {

bool UseDoubleBuffer = true;
bool UseColorIndex = false;

PixelFormatRequest RequestPixelFormat()
{
    PixelFormatRequest request;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if (UseDoubleBuffer)
        request.dwFlags |= PFD_DOUBLEBUFFER;
    request.iPixelType = UseColorIndex ? PFD_TYPE_COLORINDEX : PFD_TYPE_RGBA;
    UseDoubleBuffer = true;
    UseColorIndex = false;
    return request;
}

QSurfaceFormat SurfaceFormatFor(const PixelFormatRequest& request)
{
    // From the application's default format, whose swap interval is 1: the
    // swap waits for the display, as drivers expect; players who want more
    // frames have their drivers' own switches.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    const int channelBits = request.cColorBits / 3;
    format.setRedBufferSize(channelBits);
    format.setGreenBufferSize(channelBits);
    format.setBlueBufferSize(channelBits);
    format.setDepthBufferSize(request.cDepthBits);
    format.setStencilBufferSize(request.cStencilBits);
    format.setSwapBehavior((request.dwFlags & PFD_DOUBLEBUFFER) ? QSurfaceFormat::DoubleBuffer
                                                                : QSurfaceFormat::SingleBuffer);
    return format;
}

}  // namespace zorbil
