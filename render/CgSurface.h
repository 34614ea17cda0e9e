// SPDX-License-Identifier: GPL-3.0-or-later
// The native child window that OpenGL draws into. Qt paints nothing here.
#pragma once

#include <QSurfaceFormat>
#include <QWidget>

class QWindow;

namespace zorbil {

class CgSurface : public QWidget {
public:
    explicit CgSurface(QWidget* parent);

    QPaintEngine* paintEngine() const override { return nullptr; }

    // The native window, turned into an OpenGL surface of the given format
    // on the first call. Like a window's pixel format, which can be set only
    // once, later calls keep the first format.
    QWindow* OpenGLWindow(const QSurfaceFormat& format);

protected:
    void paintEvent(QPaintEvent*) override {}

private:
    bool madeOpenGL_ = false;
};

}  // namespace zorbil
