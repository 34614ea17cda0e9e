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
    dc_ = surface_->OpenGLWindow(SurfaceFormatFor(RequestPixelFormat()));
    // The surface's window is made anew for OpenGL on first use, which puts
    // it above the panels: keep it under them, so a screen opened later
    // covers the game without changing the panels' own order. (The surface
    // is already the widgets' first child, so QWidget::lower would leave the
    // window system's order alone.)
    dc_->lower();
    framePresented_ = false;
    auto* context = new QOpenGLContext;
    context->setFormat(dc_->format());
    if (!context->create()) {
        delete context;
        return;
    }
    rc_ = context;
    MakeCurrent();
    // GL's default viewport is the drawable's size at the first make-current,
    // but Qt first makes a new context current on a small probe surface of
    // its own: give the context the client area it would have had.
    FitViewport();
}

void TCGForm::FitViewport()
{
    if (!dc_ || !rc_)
        return;
    const qreal ratio = dc_->devicePixelRatio();
    glViewport(0, 0, GLsizei(surface_->width() * ratio), GLsizei(surface_->height() * ratio));
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
    surface_->hide();
}

void TCGForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    surface_->setGeometry(rect());
}

}  // namespace zorbil
