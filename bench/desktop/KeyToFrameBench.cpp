// SPDX-License-Identifier: GPL-3.0-or-later
// Time from a key, sent through XTEST as a keyboard would, to the first
// frame on screen on the real game window (needs $DISPLAY, best a
// 1280 x 1024 Xvfb): Alt+J to the first frame of a new game, and Alt+C on
// the pause screen to the first frame of the game resumed. The first game of
// the run, which meets whatever the driver still has to compile, has a line
// of its own; the other games give medians. The whole measure runs twice, in
// a new process each: with Mesa's shader cache as it is, then with the
// cache off (MESA_SHADER_CACHE_DISABLE=true), as on a first run. Prints
// figures; asserts nothing.
//   key_to_frame_bench [games, default 20]
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/GameFolder.h"
#include "game/GameState.h"
#include "game/ZorbilMain.h"
#include "screens/GameOverPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresPanel.h"
#include "support/BenchGameWindow.h"
#include "support/ShippedGameFolder.h"
#include "support/TempGameFolder.h"

// Last: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace zorbil;

namespace {

constexpr const char* MeasureSwitch = "--one-process";

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Press(Display* display, KeySym modifier, KeySym key)
{
    const KeyCode mod = XKeysymToKeycode(display, modifier), code = XKeysymToKeycode(display, key);
    XTestFakeKeyEvent(display, mod, True, CurrentTime);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XTestFakeKeyEvent(display, mod, False, CurrentTime);
    XFlush(display);
}

void Report(const char* what, const std::vector<double>& millis)
{
    std::printf("  %-34s median %6.1f ms (min %6.1f, max %6.1f) over %zu\n", what, Median(millis),
                *std::min_element(millis.begin(), millis.end()), *std::max_element(millis.begin(), millis.end()),
                millis.size());
}

// One process: the first game, then the given number of games, each paused
// once and resumed.
int MeasureOneProcess(int argc, char** argv, int games)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    Display* keyboard = XOpenDisplay(nullptr);
    int event, error, major, minor;
    if (!keyboard || !XTestQueryExtension(keyboard, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "needs an X server with XTEST\n");
        return 1;
    }

    test::TempGameFolder folder;
    bench::CopyShippedFiles(folder, "module.mus");
    SetGameFolder(folder.str());

    bench::BenchGameWindow window;
    if (!window.Exposed())
        return 1;
    TZorbilForm& form = window.form;
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        return 1;
    form.MenuOptions->Speed->setValue(9);
    // The player reaches for the keys a moment after the menu shows.
    QTest::qWait(1000);

    QElapsedTimer clock;
    qint64 frame = -1;
    QObject::connect(&form, &TCGForm::frameSwapped, [&] {
        if (frame < 0) {
            // On screen: the X server has taken the picture.
            XSync(qApp->nativeInterface<QNativeInterface::QX11Application>()->display(), False);
            frame = clock.nsecsElapsed();
        }
    });
    // Milliseconds from the key to the next frame; negative when none came.
    auto keyToFrame = [&](KeySym key) {
        frame = -1;
        // A plain event loop, as the program runs: no polling delay.
        QEventLoop loop;
        const auto quit = QObject::connect(&form, &TCGForm::frameSwapped, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        clock.start();
        Press(keyboard, XK_Alt_L, key);
        loop.exec();
        QObject::disconnect(quit);
        return frame < 0 ? -1.0 : frame / 1e6;
    };

    double first = 0;
    std::vector<double> starts, resumes;
    for (int game = 0; game <= games; ++game) {
        form.MenuOptions->TexList->setCurrentRow(0);
        form.MenuOptions->ModList->setCurrentRow(0);
        const double start = keyToFrame(XK_j);
        if (start < 0) {
            std::fprintf(stderr, "no frame after Alt+J\n");
            return 1;
        }
        (game == 0 ? first : starts.emplace_back()) = start;
        QTest::qWait(200);
        if (GameRunning) {
            Press(keyboard, XK_Alt_L, XK_Escape);
            if (!QTest::qWaitFor([] { return GamePaused; }, 3000))
                return 1;
            QTest::qWait(100);
            const double resume = keyToFrame(XK_c);
            if (resume < 0) {
                std::fprintf(stderr, "no frame after Alt+C on the pause screen\n");
                return 1;
            }
            resumes.push_back(resume);
            QTest::qWait(100);
        }
        if (GameRunning) {
            Press(keyboard, XK_Alt_L, XK_Escape);
            if (!QTest::qWaitFor([] { return GamePaused; }, 3000))
                return 1;
            form.MenuPause->MenuPauseQuitter->click();
        }
        form.GameOver->GameOverOK->click();
        form.MenuScores->MenuScoresOK->click();
        QTest::qWait(100);
    }
    std::printf("  first game of the run (Alt+J)     %6.1f ms, on %dx%d\n", first, form.width(), form.height());
    if (!starts.empty())
        Report("later games (Alt+J)", starts);
    if (!resumes.empty())
        Report("resumed from the pause (Alt+C)", resumes);
    std::fflush(stdout);
    form.close();
    XCloseDisplay(keyboard);
    return 0;
}

// The same program in a new process, with the environment given.
bool MeasureInChild(const char* self, const std::string& games, const char* assignment)
{
    const pid_t child = fork();
    if (child == 0) {
        if (assignment)
            putenv(const_cast<char*>(assignment));
        execl(self, self, MeasureSwitch, games.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::string(argv[1]) == MeasureSwitch)
        return MeasureOneProcess(argc, argv, std::max(0, std::atoi(argv[2])));
    const int games = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 20;
    const std::string count = std::to_string(games);
    std::printf("Key to the first frame on screen, through XTEST:\nshader cache as it is\n");
    std::fflush(stdout);
    if (!MeasureInChild("/proc/self/exe", count, nullptr))
        return 1;
    std::printf("shader cache off (MESA_SHADER_CACHE_DISABLE=true)\n");
    std::fflush(stdout);
    static char off[] = "MESA_SHADER_CACHE_DISABLE=true";
    return MeasureInChild("/proc/self/exe", count, off) ? 0 : 1;
}
