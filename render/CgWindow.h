// SPDX-License-Identifier: GPL-3.0-or-later
// TCGForm: a top-level window whose whole client area is an OpenGL surface.
// It only binds OpenGL to the window; it draws nothing itself. All calls
// come from the user-interface thread.
//
// The surface is shown only while a game draws on it. Qt's Wayland platform
// keeps a native OpenGL child above its siblings whatever their order, so a
// screen can cover the game only once the surface is hidden. Its context may
// outlive the showing (KeepContext): making one costs the driver a new
// compile of everything the frames use.
//
// Panels over the surface (how the game window adds its screens):
// - make each panel a direct child of the TCGForm-derived window, a sibling
//   of Surface(), created after the TCGForm constructor has run;
// - make it opaque (setAutoFillBackground(true), or a style sheet with a
//   background, or its own paintEvent filling its rectangle): the surface is
//   a native window and nothing blends with it;
// - give it a native window of its own (Qt::WA_NativeWindow) and show it
//   with show(), setEnabled(true), raise(): only a native panel's raise()
//   puts it above the surface's window.
// - A derived class that overrides resizeEvent calls TCGForm::resizeEvent,
//   which keeps the surface over the whole client area. Do not give the
//   window a layout that would manage the surface.
#pragma once

#include <QWidget>

#include "render/PixelFormat.h"

class QOpenGLContext;
class QScreen;
class QWindow;

namespace zorbil {

class CgSurface;

class TCGForm : public QWidget {
    Q_OBJECT
public:
    explicit TCGForm(QWidget* parent = nullptr);
    ~TCGForm() override;

    // Shows the surface, under the window's other native children, and
    // makes a new context on it (pixel format from UseDoubleBuffer and
    // UseColorIndex, which are then reset), current. Replaces the context of
    // an earlier call.
    void CreateContext();
    // Binds the context to the surface; nothing when there is none.
    void MakeCurrent();
    // Presents the finished frame.
    void SwapFrame();
    // Unbinds and deletes the context with everything in it (display lists,
    // textures), and hides the surface. Harmless without a context.
    void ReleaseContext();
    // Keeps the context there is, when it was made for the same pixel
    // format request (UseDoubleBuffer, UseColorIndex, reset as by
    // CreateContext), the screen the window is on now and the surface's
    // size now; otherwise makes a new one. (Mesa's software drivers take a
    // window's new size only at a swap or in a new context: kept, the
    // context would draw the first frame at the old size.) Leaves the
    // surface shown or hidden as it was, and the context current on it: a
    // hidden surface is drawn on offscreen. False when there is no context
    // or it cannot be made current.
    bool KeepContext();
    // How many contexts the window has made: a new number, a new context.
    unsigned ContextsMade() const { return contextsMade_; }
    // Shows the surface under the window's other native children and binds
    // the context to it, viewport fitted. Nothing without a context.
    void ShowSurface();
    // Unbinds the context and hides the surface; the context stays.
    void HideSurface();
    // Sets the viewport to the surface's whole client area in device pixels,
    // as it is now: the window may have been resized since the last frame.
    void FitViewport();

    QWindow* DC() const { return dc_; }
    QOpenGLContext* RC() const { return rc_; }
    CgSurface* Surface() const { return surface_; }

signals:
    // After every SwapFrame that presented a frame.
    void frameSwapped();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void MakeContext(const PixelFormatRequest& request);
    // The surface's size in device pixels.
    QSize DeviceSize() const;

    CgSurface* surface_;
    QWindow* dc_ = nullptr;
    QOpenGLContext* rc_ = nullptr;
    bool framePresented_ = false;
    // What the context was made for.
    PixelFormatRequest request_;
    QScreen* screen_ = nullptr;
    QSize size_;
    unsigned contextsMade_ = 0;
};

}  // namespace zorbil
