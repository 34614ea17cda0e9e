// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/CgWindow.h"

#include <GL/gl.h>

#include <QOpenGLContext>
#include <QResizeEvent>
#include <QWindow>

#include "render/CgSurface.h"
#include "render/PixelFormat.h"
#include "render/WaylandCommit.h"

namespace zorbil {

TCGForm::TCGForm(QWidget* parent) : QWidget(parent), surface_(new CgSurface(this))
{
    surface_->setGeometry(rect());
    surface_->hide();
}

TCGForm::~TCGForm()
{
    ReleaseContext();
}

void TCGForm::CreateContext()
{
    ReleaseContext();  // a context made twice would otherwise be lost
    surface_->show();
    MakeContext(RequestPixelFormat());
    // The surface's window is made anew for OpenGL on first use, which puts
    // it above the panels: keep it under them, so a screen opened later
    // covers the game without changing the panels' own order. (The surface
    // is already the widgets' first child, so QWidget::lower would leave the
    // window system's order alone.)
    dc_->lower();
    if (!rc_)
        return;
    MakeCurrent();
    // GL's default viewport is the drawable's size at the first make-current,
    // but Qt first makes a new context current on a small probe surface of
    // its own: give the context the client area it would have had.
    FitViewport();
}

void TCGForm::MakeContext(const PixelFormatRequest& request)
{
    dc_ = surface_->OpenGLWindow(SurfaceFormatFor(request));
    framePresented_ = false;
    auto* context = new QOpenGLContext;
    context->setFormat(dc_->format());
    if (!context->create()) {
        delete context;
        return;
    }
    rc_ = context;
    request_ = request;
    screen_ = dc_->screen();
    size_ = DeviceSize();
    ++contextsMade_;
}

QSize TCGForm::DeviceSize() const
{
    const qreal ratio = dc_ ? dc_->devicePixelRatio() : 1;
    return {int(surface_->width() * ratio), int(surface_->height() * ratio)};
}

bool TCGForm::KeepContext()
{
    const PixelFormatRequest request = RequestPixelFormat();
    const bool sameRequest = request.dwFlags == request_.dwFlags && request.iPixelType == request_.iPixelType;
    if (!rc_ || !rc_->isValid() || !sameRequest || dc_->screen() != screen_ || DeviceSize() != size_) {
        const bool shown = surface_->isVisible();
        ReleaseContext();
        MakeContext(request);
        if (shown)
            ShowSurface();
    }
    if (!rc_)
        return false;
    // Qt moves a hidden native window only once it is shown again, but the
    // driver takes the window's size from the window system when it binds.
    if (dc_->geometry() != surface_->geometry())
        dc_->setGeometry(surface_->geometry());
    if (!rc_->makeCurrent(dc_))
        return false;
    FitViewport();
    return true;
}

void TCGForm::ShowSurface()
{
    surface_->show();
    if (!dc_)
        return;
    dc_->lower();  // as in CreateContext
    framePresented_ = false;
    MakeCurrent();
    FitViewport();
}

void TCGForm::HideSurface()
{
    if (rc_)
        rc_->doneCurrent();
    surface_->hide();
}

void TCGForm::FitViewport()
{
    if (!dc_ || !rc_)
        return;
    const QSize size = DeviceSize();
    glViewport(0, 0, size.width(), size.height());
}

void TCGForm::MakeCurrent()
{
    if (dc_ && rc_)
        rc_->makeCurrent(dc_);
}

void TCGForm::SwapFrame()
{
    if (!dc_ || !rc_)
        return;
    rc_->swapBuffers(dc_);
    // A Wayland compositor shows a new sub-surface only once its parent
    // commits after the sub-surface's first frame.
    if (!framePresented_) {
        framePresented_ = true;
        CommitParentSurface(*dc_);
    }
    emit frameSwapped();
}

void TCGForm::ReleaseContext()
{
    if (rc_) {
        rc_->doneCurrent();
        delete rc_;
    }
    rc_ = nullptr;
    dc_ = nullptr;
    screen_ = nullptr;
    surface_->hide();
}

void TCGForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    surface_->setGeometry(rect());
}

}  // namespace zorbil
