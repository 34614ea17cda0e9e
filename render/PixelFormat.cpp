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
    QSurfaceFormat format;
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
    // Frames are paced by the render thread's hand-over, not by the display.
    format.setSwapInterval(0);
    return format;
}

}  // namespace zorbil
