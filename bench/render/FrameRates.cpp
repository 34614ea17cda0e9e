// SPDX-License-Identifier: GPL-3.0-or-later
#include <GL/gl.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QOpenGLContext>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "PcxBuilder.h"
#include "RenderBench.h"
#include "config/GameFolder.h"
#include "game/GameState.h"
#include "render/CgWindow.h"
#include "render/GLThread.h"

namespace zorbil::bench {

namespace {

// The field walked row by row, turning at each end.
void LayOutSnake(int length)
{
    std::vector<Cell> path;
    for (int y = 1; y <= FieldHeight; ++y)
        for (int i = 0; i < FieldWidth; ++i)
            path.push_back({y % 2 ? 1 + i : FieldWidth - i, y});
    SetStartValues();
    Snake.Length = length;
    Snake.Head = path[0];
    for (int k = 1; k < length; ++k)
        Snake.Body[size_t(k - 1)] = path[size_t(k)];
    Donut = {8, 10};
    Score = 1230;
    SpinAngle = 36;
}

void WriteBackground(const std::string& path)
{
    test::PcxBuilder pcx(256, 256);
    for (int y = 0; y < 256; ++y) {
        std::vector<uint8_t> row(256);
        for (int x = 0; x < 256; ++x)
            row[size_t(x)] = uint8_t((x / 8 + y / 8) % 64 + 64);
        pcx.AddRow(row);
    }
    std::ofstream(path, std::ios::binary) << pcx.Bytes();
}

double BareLoop(TWRenderer& renderer, double seconds)
{
    QElapsedTimer clock;
    clock.start();
    long frames = 0;
    while (clock.nsecsElapsed() < qint64(seconds * 1e9)) {
        renderer.DrawScene();
        ++frames;
    }
    return frames / (clock.nsecsElapsed() / 1e9);
}

double ThreadLoop(TCGForm& form, TWRenderer& renderer, double seconds)
{
    long frames = 0;
    const auto counter = QObject::connect(&form, &TCGForm::frameSwapped, [&frames] { ++frames; });
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    renderer.Resume();
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    const long counted = frames;
    const double elapsed = clock.nsecsElapsed() / 1e9;
    renderer.Suspend();
    QObject::disconnect(counter);
    // Let the request already on its way finish before the bare loop runs.
    QEventLoop drain;
    QTimer::singleShot(100, &drain, &QEventLoop::quit);
    drain.exec();
    return counted / elapsed;
}

}  // namespace

bool FrameRates(const std::string& gameFolder, double seconds)
{
    SetGameFolder(gameFolder);
    std::filesystem::create_directories(gameFolder + "/Textures");
    const std::string picture = gameFolder + "/Textures/bench.pcx";
    WriteBackground(picture);

    // The game's order: the window on screen, then SetupScene, whose new
    // context shows the surface.
    TCGForm form;
    form.setGeometry(form.screen()->availableGeometry());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the window never came on screen\n");
        return false;
    }

    TWRenderer renderer(form, [&picture] { return picture; },
                        [](const std::string& message) { std::printf("error box: %s\n", message.c_str()); });

    std::printf("Frame rates on a %d x %d window\n", form.width(), form.height());
    for (int length : {5, 120}) {
        LayOutSnake(length);
        renderer.SetupScene();
        // Frames are timed only once they reach the screen.
        if (!QOpenGLContext::currentContext() || !QTest::qWaitForWindowExposed(form.DC())) {
            std::fprintf(stderr, "no OpenGL context on the surface, or the surface never came on screen\n");
            return false;
        }
        if (length == 5)
            std::printf("  renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
        std::ofstream(gameFolder + "/Data/Temp.dat");
        for (int i = 0; i < 10; ++i)  // background load and first-use costs
            renderer.DrawScene();
        // Alternate the two loops so that a slow spell of the machine
        // weighs on both alike.
        double thread = 0, bare = 0;
        for (int round = 0; round < 2; ++round) {
            thread += ThreadLoop(form, renderer, seconds / 2);
            bare += BareLoop(renderer, seconds / 2);
        }
        thread /= 2;
        bare /= 2;
        renderer.FreeScene();
        std::printf("  Length %3d: thread-driven %7.1f fps, bare DrawScene %7.1f fps, ratio %.3f\n", length, thread,
                    bare, thread / bare);
    }
    return true;
}

}  // namespace zorbil::bench
