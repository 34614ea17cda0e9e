// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/GLThread.h"

#include <GL/glu.h>

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QWindow>
#include <numbers>

#include "config/GameFolder.h"
#include "render/CgWindow.h"
#include "render/FontLists.h"
#include "render/mwTex.h"
#include "shared/DataPaths.h"

namespace zorbil {

TWRenderer::TWRenderer(TCGForm& window, std::function<std::string()> selectedTexture, ErrorBox errorBox)
    : window_(window), selectedTexture_(std::move(selectedTexture)), errorBox_(std::move(errorBox))
{
    SegmentColors.fill(MakeColor(256, 256, 256, 256));
    ShadowMatrix = IdentityMatrix();
    ShadowMatrix[10] = 0;
}

TWRenderer::~TWRenderer()
{
    {
        QMutexLocker lock(&gateMutex_);
        terminated_ = true;
        gate_.wakeAll();
    }
    // The thread may be blocked in a frame request queued to this (the
    // user-interface) thread: deliver it, it returns at once, and the loop
    // then sees the flag. A plain wait() would deadlock here.
    while (!wait(2))
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    // The window keeps its context for a renderer of its next life: leave
    // nothing of this one in it.
    FinishWarmUp();
    FreeScene();
}

void TWRenderer::SetupScene()
{
    FinishWarmUp();
    if (sceneReady_)
        FreeScene();

    window_.KeepContext();
    window_.ShowSurface();
    // Some platforms bind a context to a surface only once it is shown.
    sceneInContext_ = window_.RC() && QOpenGLContext::currentContext() == window_.RC();
    if (QWindow* surface = window_.DC()) {
        surface->installEventFilter(this);
        // A surface just shown: the first frames go out before its first
        // exposure reaches us.
        QMutexLocker lock(&gateMutex_);
        unexposed_ = false;
    }
    BuildScene();
    signalPath_ = GamePath(ReloadSignalTail);
    backgroundFailed_ = false;
    ++sceneGeneration_;
    sceneReady_ = true;
}

void TWRenderer::BuildScene()
{
    // Everything below changes state that FreeScene must put back.
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    textPixel_ = window_.DC() ? float(window_.DC()->devicePixelRatio()) : 1.0f;
    BuildFontLists(textPixel_);
    glEnable(GL_DEPTH_TEST);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-8, 7, -6, 5, -4, 4);
    glMatrixMode(GL_MODELVIEW);
    SphereQuadric = gluNewQuadric();

    // Four white lights at distance 8 around the view's centre, slightly
    // behind the field, a quarter turn apart.
    for (int i = 1; i <= 4; ++i) {
        TCGLight& light = SceneLights[size_t(i - 1)].emplace(GLenum(GL_LIGHT0 + i - 1));
        TCGVector p = MakeVector(8, 0, -1);
        RotateVectorZ(p, static_cast<float>(i * std::numbers::pi_v<long double> / 2));
        light.SetPosition(p);
        light.SetDiffuse(SegmentColors[size_t(i)]);
        light.Enable();
    }
}

void TWRenderer::FreeScene()
{
    if (!sceneReady_)
        return;
    sceneReady_ = false;
    window_.MakeCurrent();
    ReleaseScene();
    window_.HideSurface();
}

void TWRenderer::ReleaseScene()
{
    if (sceneInContext_) {
        DeleteFontLists();
        if (!sceneTextures_.empty())
            glDeleteTextures(GLsizei(sceneTextures_.size()), sceneTextures_.data());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glPopClientAttrib();
        glPopAttrib();
    }
    sceneTextures_.clear();
    sceneInContext_ = false;
    SceneLights = {};
    gluDeleteQuadric(SphereQuadric);
    SphereQuadric = nullptr;
}

void TWRenderer::WarmUp()
{
    if (warmUp_ && warmUp_->isFinished())
        FinishWarmUp();
    if (sceneReady_ || warmUp_)
        return;
    if (!window_.KeepContext() || window_.ContextsMade() == warmedContext_) {
        window_.HideSurface();
        return;
    }
    warmedContext_ = window_.ContextsMade();
    QOpenGLContext* context = window_.RC();
    if (!QOpenGLContext::supportsThreadedOpenGL()) {
        DrawUnseenFrame();
        window_.HideSurface();
        return;
    }
    window_.HideSurface();
    QWindow* surface = window_.DC();
    DrawFontGlyphs(float(surface->devicePixelRatio()));  // as BuildScene takes it
    QThread* const home = thread();
    warmUp_.reset(QThread::create([this, context, surface, home] {
        if (context->makeCurrent(surface)) {
            DrawUnseenFrame();
            context->doneCurrent();
        }
        context->moveToThread(home);
    }));
    context->moveToThread(warmUp_.get());
    warmUp_->start();
}

void TWRenderer::FinishWarmUp()
{
    if (!warmUp_)
        return;
    warmUp_->wait();
    warmUp_.reset();
}

void TWRenderer::DrawUnseenFrame()
{
    sceneInContext_ = true;
    BuildScene();
    // What the driver compiles depends on the texture's kind, not on its
    // picture: a blank background of the pictures' size and format.
    const std::vector<GLubyte> blank(256 * 256 * 4, 0);
    sceneTextures_.push_back(UploadTexture(256, 256, blank.data()));
    BeginFrame();
    DrawContent();
    glFinish();
    ReleaseScene();
}

void TWRenderer::Resume()
{
    QMutexLocker lock(&gateMutex_);
    suspended_ = false;
    gate_.wakeAll();
    if (!started_) {
        started_ = true;
        start();
    }
}

void TWRenderer::Suspend()
{
    QMutexLocker lock(&gateMutex_);
    suspended_ = true;
}

void TWRenderer::run()
{
    for (;;) {
        {
            QMutexLocker lock(&gateMutex_);
            while ((suspended_ || unexposed_) && !terminated_)
                gate_.wait(&gateMutex_);
            if (terminated_)
                return;
        }
        QMetaObject::invokeMethod(this, &TWRenderer::Frame, Qt::BlockingQueuedConnection);
    }
}

bool TWRenderer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && watched == window_.DC()) {
        QMutexLocker lock(&gateMutex_);
        unexposed_ = !window_.DC()->isExposed();
        gate_.wakeAll();
    }
    return QThread::eventFilter(watched, event);
}

void TWRenderer::Frame()
{
    if (!terminated_)
        DrawScene();
}

}  // namespace zorbil
