// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/CgSurface.h"

#include <QWindow>

namespace zorbil {

CgSurface::CgSurface(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QWindow* CgSurface::OpenGLWindow(const QSurfaceFormat& format)
{
    winId();
    QWindow* window = windowHandle();
    if (!madeOpenGL_) {
        // A native widget's window is created as a raster surface, on which
        // every makeCurrent fails: it must be created again as an OpenGL one.
        const bool shown = window->isVisible();
        window->destroy();
        window->setSurfaceType(QSurface::OpenGLSurface);
        window->setFormat(format);
        window->create();
        if (shown)
            window->setVisible(true);
        madeOpenGL_ = true;
    }
    return window;
}

}  // namespace zorbil
