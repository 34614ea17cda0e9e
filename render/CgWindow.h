// SPDX-License-Identifier: GPL-3.0-or-later
// TCGForm: a top-level window whose whole client area is an OpenGL surface.
// It only binds OpenGL to the window; it draws nothing itself. All calls
// come from the user-interface thread.
//
// The surface is shown only while it has a context. Qt's Wayland platform
// keeps a native OpenGL child above its siblings whatever their order, so a
// screen can cover the game only once the surface is hidden.
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

class QOpenGLContext;
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
    // Sets the viewport to the surface's whole client area in device pixels,
    // as it is now: the window may have been resized since the last frame.
    void FitViewport();

    QWindow* DC() const { return dc_; }
    CgSurface* Surface() const { return surface_; }

signals:
    // After every SwapFrame that presented a frame.
    void frameSwapped();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CgSurface* surface_;
    QWindow* dc_ = nullptr;
    QOpenGLContext* rc_ = nullptr;
    bool framePresented_ = false;
};

}  // namespace zorbil
