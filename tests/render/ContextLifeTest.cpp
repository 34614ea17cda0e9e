// SPDX-License-Identifier: GPL-3.0-or-later
// The window's context kept from game to game: every game and every resumed
// one starts from the same picture as in a brand-new context, nothing is
// drawn while play is stopped, and a window closed in any state leaves no
// context behind.
#include <QElapsedTimer>
#include <QOpenGLContext>
#include <QPointer>
#include <QSignalSpy>
#include <filesystem>

#include "PcxBuilder.h"
#include "SceneFixture.h"
#include "render/FontLists.h"

namespace zorbil {
namespace {

using ContextLife = test::SceneFixture;

// The first frame the renderer presents after Resume, read back as it is
// presented.
QImage FirstFrame(TCGForm& form, TWRenderer& renderer)
{
    QImage first;
    const auto read = QObject::connect(&form, &TCGForm::frameSwapped, [&] {
        if (first.isNull())
            first = test::ReadFrame(form);
    });
    renderer.Resume();
    QElapsedTimer clock;
    clock.start();
    while (first.isNull() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QObject::disconnect(read);
    return first;
}

void PlaceGame()
{
    ResetProgramState();
    Snake.Head = {6, 5};
    Snake.Length = 3;
    Snake.Body[0] = {5, 5};
    Snake.Body[1] = {4, 5};
    Donut = {10, 7};
    SpinAngle = 30;
    Score = 42;
}

TEST_F(ContextLife, EveryStartAndResumeDrawsTheFirstFrameOfANewContext)
{
    std::filesystem::create_directory(folder.file("/Textures"));
    folder.write("/Textures/grey.pcx", test::PlainPicture(90, 140, 200));
    texture = folder.file("/Textures/grey.pcx");
    PlaceGame();

    // The picture of a brand-new context.
    renderer->FreeScene();
    form->ReleaseContext();
    renderer->SetupScene();
    Signal();
    const QImage fresh = FirstFrame(*form, *renderer);
    ASSERT_FALSE(fresh.isNull());
    renderer->Suspend();
    renderer->FreeScene();

    // As the menu warms the context up, then games started, paused, resumed
    // and ended in a row.
    renderer->WarmUp();
    QSignalSpy frames(form.get(), &TCGForm::frameSwapped);
    for (int game = 0; game < 3; ++game) {
        for (const char* step : {"start", "resume"}) {
            renderer->SetupScene();
            Signal();
            EXPECT_EQ(FirstFrame(*form, *renderer), fresh) << "game " << game << ", " << step;
            renderer->Suspend();
            renderer->FreeScene();
            EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
            // Stopped: at most the frame already on its way, then nothing.
            QTest::qWait(30);
            const qsizetype stopped = frames.count();
            QTest::qWait(100);
            EXPECT_EQ(frames.count(), stopped) << "game " << game << ", " << step;
        }
    }
}

TEST_F(ContextLife, WindowClosedInEveryStateLeavesNoContext)
{
    renderer.reset();
    form.reset();
    PlaceGame();
    for (const char* state : {"never shown", "menu", "playing", "stopped"}) {
        auto window = std::make_unique<TCGForm>();
        window->resize(320, 240);
        auto thread = std::make_unique<TWRenderer>(*window, [] { return std::string(); }, [](const std::string&) {});
        if (std::string(state) != "never shown") {
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
            thread->WarmUp();
        }
        if (std::string(state) == "playing" || std::string(state) == "stopped") {
            thread->SetupScene();
            ASSERT_FALSE(FirstFrame(*window, *thread).isNull()) << state;
        }
        if (std::string(state) == "stopped") {
            thread->Suspend();
            thread->FreeScene();
        }
        const QPointer<QOpenGLContext> context = window->RC();
        EXPECT_EQ(context.isNull(), std::string(state) == "never shown") << state;
        window->close();
        thread.reset();
        window.reset();
        EXPECT_TRUE(context.isNull()) << state;
        EXPECT_EQ(QOpenGLContext::currentContext(), nullptr) << state;
    }
}

// Ink rows of "Score" drawn from the font lists of a pixel ratio.
int TextHeight(TCGForm& form, double ratio)
{
    BuildFontLists(ratio);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 1);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRasterPos2f(-0.9f, 0);
    const char text[] = "Score";
    glCallLists(GLsizei(sizeof text - 1), GL_UNSIGNED_BYTE, text);
    glFinish();
    const QImage image = test::ReadFrame(form);
    DeleteFontLists();
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return bottom - top + 1;
}

TEST_F(ContextLife, GlyphsFollowThePixelRatioOfEachGame)
{
    renderer->FreeScene();
    ASSERT_TRUE(form->KeepContext());
    const int plain = TextHeight(*form, 1);
    const int doubled = TextHeight(*form, 2);
    const int plainAgain = TextHeight(*form, 1);
    const int half = TextHeight(*form, 1.5);
    EXPECT_GT(plain, 8);
    EXPECT_NEAR(doubled, 2 * plain, 2);
    EXPECT_EQ(plainAgain, plain);
    EXPECT_NEAR(half, 1.5 * plain, 2);
}

}  // namespace
}  // namespace zorbil
