// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the key press Alt+J, sent through XTEST as a keyboard would, to
// the first frame of the new game on screen, median over 20 games on the
// real game window (needs $DISPLAY, best a 1280 x 1024 Xvfb). Also splits it
// into key to the "&Jouer" handler's start and from there to the frame.
// Prints figures; asserts nothing.
//   key_to_frame_bench [games, default 20]
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

}  // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    const int games = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 20;
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

    QElapsedTimer clock;
    qint64 handler = -1, frame = -1;
    // A click presses the button just before its handler runs.
    QObject::connect(form.MenuPrincipal->BtnJouer, &QAbstractButton::pressed, [&] { handler = clock.nsecsElapsed(); });
    QObject::connect(&form, &TCGForm::frameSwapped, [&] {
        if (frame < 0) {
            // On screen: the X server has taken the picture.
            XSync(qApp->nativeInterface<QNativeInterface::QX11Application>()->display(), False);
            frame = clock.nsecsElapsed();
        }
    });

    std::vector<double> total, toHandler, toFrame;
    for (int game = 0; game <= games; ++game) {  // game 0 warms up
        form.MenuOptions->TexList->setCurrentRow(0);
        form.MenuOptions->ModList->setCurrentRow(0);
        handler = frame = -1;
        // A plain event loop, as the program runs: no polling delay.
        QEventLoop loop;
        const auto quit = QObject::connect(&form, &TCGForm::frameSwapped, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        clock.start();
        Press(keyboard, XK_Alt_L, XK_j);
        loop.exec();
        QObject::disconnect(quit);
        if (frame < 0) {
            std::fprintf(stderr, "no frame after Alt+J\n");
            return 1;
        }
        if (game > 0) {
            total.push_back(frame / 1e6);
            toHandler.push_back(handler / 1e6);
            toFrame.push_back((frame - handler) / 1e6);
        }
        QTest::qWait(200);
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
    std::printf("Alt+J (XTEST) to the first frame on screen, %d games on %dx%d: median %.1f ms "
                "(min %.1f, max %.1f); key to handler %.1f ms, handler's start to frame %.1f ms\n",
                games, form.width(), form.height(), Median(total), *std::min_element(total.begin(), total.end()),
                *std::max_element(total.begin(), total.end()), Median(toHandler), Median(toFrame));
    form.close();
    XCloseDisplay(keyboard);
    return 0;
}
