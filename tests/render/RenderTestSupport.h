// A Qt application for GoogleTest programs that open windows, and reading
// back what the GL surface shows on the X server.
#pragma once

#include <QApplication>
#include <QImage>
#include <QScreen>

#include "render/CgSurface.h"
#include "render/CgWindow.h"

namespace zorbil::test {

inline QApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "render-test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// What the X server shows in the surface's window: the presented frame.
inline QImage GrabSurface(const TCGForm& form)
{
    QApplication::processEvents();
    return form.screen()->grabWindow(form.Surface()->winId()).toImage().convertToFormat(QImage::Format_RGB32);
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
