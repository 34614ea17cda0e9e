// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt application for GoogleTest programs that open windows, and reading
// back the frames the GL surface presents.
#pragma once

#include <GL/gl.h>

#include <QApplication>
#include <QImage>

#include "render/CgSurface.h"
#include "render/CgWindow.h"

namespace zorbil::test {

inline QApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "render-test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: closing the display at exit would unload Mesa's
    // driver before LeakSanitizer looks, leaving its leftovers unnamed.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A member that makes sure the application exists before the members
// declared after it.
struct QtApp {
    QtApp() { TestApp(); }
};

// The frame just presented, read from the context. Mesa's software
// renderer keeps the back buffer through a swap, so it still holds that
// frame; unlike a screen grab it cannot be hidden by other test windows on
// the shared display. Needs the form's context current.
inline QImage ReadFrame(const TCGForm& form)
{
    const int w = form.Surface()->width();
    const int h = form.Surface()->height();
    QImage image(w, h, QImage::Format_RGBA8888);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return image.mirrored().convertToFormat(QImage::Format_RGB32);
}

// Window pixel of a point of the field (cell (X, Y) is centred on (X, Y);
// the view covers 0.5..15.5 by 0.5..11.5).
inline QPoint FieldPixel(const QImage& image, double x, double y)
{
    return {int((x - 0.5) / 15 * image.width()), int(image.height() - (y - 0.5) / 11 * image.height())};
}

inline int Gray(const QImage& image, QPoint p)
{
    return qGray(image.pixel(p));
}

}  // namespace zorbil::test
