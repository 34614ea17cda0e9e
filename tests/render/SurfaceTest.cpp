// SPDX-License-Identifier: GPL-3.0-or-later
// TCGForm: contexts made and released on a real X window, and panels over it.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QOpenGLContext>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "RenderTestSupport.h"
#include "config/GameFolder.h"
#include "game/GameState.h"
#include "render/GLThread.h"
#include "render/PixelFormat.h"
#include "support/TempGameFolder.h"

namespace zorbil {
namespace {

class Surface : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.resize(320, 240);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    test::QtApp app;  // before the form
    TCGForm form;
};

TEST(SurfaceUnshown, FormWithoutContextGoesAwayQuietly)
{
    test::TestApp();
    auto form = std::make_unique<TCGForm>();
    form->ReleaseContext();
    EXPECT_EQ(form->DC(), nullptr);
    form.reset();
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
}

TEST_F(Surface, ContextCycles)
{
    form.CreateContext();
    const QOpenGLContext* context = QOpenGLContext::currentContext();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(context->surface(), form.DC());
    const QSurfaceFormat format = context->format();
    EXPECT_GE(format.redBufferSize(), 8);
    EXPECT_GE(format.greenBufferSize(), 8);
    EXPECT_GE(format.blueBufferSize(), 8);
    EXPECT_GE(format.depthBufferSize(), 24);
    EXPECT_GE(format.stencilBufferSize(), 8);
    EXPECT_EQ(format.swapBehavior(), QSurfaceFormat::DoubleBuffer);
    EXPECT_NE(format.profile(), QSurfaceFormat::CoreProfile);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 320);
    EXPECT_EQ(viewport[3], 240);
    // Fixed function works: a display list of the old context.
    glNewList(500, GL_COMPILE);
    glEndList();
    EXPECT_TRUE(glIsList(500));

    form.ReleaseContext();
    form.ReleaseContext();
    EXPECT_EQ(form.DC(), nullptr);
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
    form.MakeCurrent();  // nothing to bind
    form.SwapFrame();    // nothing to present
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);

    form.CreateContext();
    ASSERT_NE(QOpenGLContext::currentContext(), nullptr);
    EXPECT_FALSE(glIsList(500));  // a new context, the same pixel format
    const QSurfaceFormat again = QOpenGLContext::currentContext()->format();
    EXPECT_EQ(again.depthBufferSize(), format.depthBufferSize());
    EXPECT_EQ(again.stencilBufferSize(), format.stencilBufferSize());
    EXPECT_EQ(again.redBufferSize(), format.redBufferSize());
}

// A colour-index request gets RGBA: X visuals have no such kind.
TEST_F(Surface, SwitchesLastForOneContext)
{
    UseDoubleBuffer = false;
    UseColorIndex = true;
    form.CreateContext();
    EXPECT_TRUE(UseDoubleBuffer);
    EXPECT_FALSE(UseColorIndex);
    ASSERT_NE(QOpenGLContext::currentContext(), nullptr);
    EXPECT_EQ(QOpenGLContext::currentContext()->format().swapBehavior(), QSurfaceFormat::SingleBuffer);
    EXPECT_GE(QOpenGLContext::currentContext()->format().redBufferSize(), 8);

    // Asked for double buffering again, the window keeps its first format,
    // as a pixel format is set only once.
    form.ReleaseContext();
    form.CreateContext();
    ASSERT_NE(QOpenGLContext::currentContext(), nullptr);
    EXPECT_EQ(QOpenGLContext::currentContext()->format().swapBehavior(), QSurfaceFormat::SingleBuffer);
}

TEST_F(Surface, LightsSitAQuarterTurnApartBehindTheField)
{
    test::TempGameFolder folder;
    SetGameFolder(folder.str());
    TWRenderer renderer(form, [] { return std::string(); }, [](const std::string&) {});
    renderer.SetupScene();
    const float expected[4][2] = {{0, 8}, {-8, 0}, {0, -8}, {8, 0}};
    for (int i = 0; i < 4; ++i) {
        GLfloat position[4];
        glGetLightfv(GL_LIGHT0 + i, GL_POSITION, position);
        EXPECT_NEAR(position[0], expected[i][0], 1e-5) << i;
        EXPECT_NEAR(position[1], expected[i][1], 1e-5) << i;
        EXPECT_EQ(position[2], -1) << i;
        EXPECT_EQ(position[3], 1) << i;  // positional: w sent as given
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + i)) << i;
    }
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    renderer.FreeScene();
}

TEST_F(Surface, OpaquePanelsCoverTheSurface)
{
    test::TempGameFolder folder;
    SetGameFolder(folder.str());
    ResetProgramState();
    Snake.Length = 1;
    Snake.Head = {1, 1};
    TWRenderer renderer(form, [] { return std::string(); }, [](const std::string&) {});
    renderer.SetupScene();

    // As the game window adds its screens: a child of the window, opaque,
    // shown, enabled and raised.
    QWidget panel(&form);
    panel.setAutoFillBackground(true);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, QColor(200, 0, 0));
    panel.setPalette(palette);
    panel.setGeometry(100, 60, 120, 80);
    panel.show();
    panel.setEnabled(true);
    panel.raise();

    // What the screen shows. Other tests' windows may come and go on the
    // shared display: look again until this window is on top.
    QImage shown;
    QElapsedTimer clock;
    clock.start();
    bool covered = false;
    while (!covered && clock.elapsed() < 5000) {
        form.raise();
        renderer.DrawScene();
        QTest::qWait(20);
        const QPoint origin = form.Surface()->mapToGlobal(QPoint(0, 0));
        shown = form.screen()->grabWindow(0, origin.x(), origin.y(), 320, 240).toImage();
        covered = shown.pixel(160, 100) == qRgb(200, 0, 0) && shown.pixel(300, 200) == qRgb(255, 255, 255);
    }
    EXPECT_TRUE(covered);
    EXPECT_EQ(shown.pixel(101, 61), qRgb(200, 0, 0));
    EXPECT_EQ(shown.pixel(218, 138), qRgb(200, 0, 0));
    EXPECT_EQ(shown.pixel(98, 58), qRgb(255, 255, 255));  // the frame around it
    renderer.FreeScene();
}

}  // namespace
}  // namespace zorbil
