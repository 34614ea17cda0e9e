// SPDX-License-Identifier: GPL-3.0-or-later
// Frames a second and the game's CPU time during a game, with the swap paced
// by the display (the game as shipped, swap interval 1) against unpaced
// (swap interval 0), in one run: the real game window as a native Wayland
// client of a private weston (headless, about 60 Hz) at 800 x 600, Mesa's
// software renderer. Games of the two kinds alternate; each is measured for
// 3 s from its first frame. Then a paced game minimised while it runs: the
// compositor sends no more frame callbacks. Prints the rows; asserts
// nothing, but fails when the minimised game no longer takes Esc.
//   pacing_bench [games of each kind, default 3]
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QSurfaceFormat>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>

#include "config/GameFolder.h"
#include "desktop/PrivateWeston.h"
#include "game/GameState.h"
#include "game/ZorbilMain.h"
#include "screens/GameOverPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/ScoresPanel.h"
#include "support/BenchGameWindow.h"
#include "support/ShippedGameFolder.h"
#include "support/TempGameFolder.h"

using namespace zorbil;

namespace {

constexpr int MeasuredMs = 3000;

double ProcessCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Row {
    long frames = 0;
    double seconds = 0;
    double cpu = 0;
    QSize window;
};

// Runs until the condition holds or the time is up, as the program's own
// loop does: no polling sleep that would hold the frames back.
bool RunUntil(const std::function<bool()>& done, int timeoutMs)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(20);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

// The game window in "Plein Ecran" (the whole output), its next context
// with the given swap interval: a window keeps the format of its first.
struct FullScreenGame {
    explicit FullScreenGame(int swapInterval)
    {
        QSurfaceFormat format = QSurfaceFormat::defaultFormat();
        format.setSwapInterval(swapInterval);
        QSurfaceFormat::setDefaultFormat(format);
        window.emplace(Qt::Window | Qt::FramelessWindowHint);
        QObject::connect(&form(), &TCGForm::frameSwapped, [this] { ++frames; });
    }
    TZorbilForm& form() { return window->form; }

    // Until the first frame of a game at the slowest speed (the longest).
    bool Start()
    {
        if (!window->Exposed() || !RunUntil([&] { return form().size() == QSize(800, 600); }, 5000)) {
            std::fprintf(stderr, "the game window is %dx%d, not full screen\n", form().width(), form().height());
            return false;
        }
        form().MenuOptions->Speed->setValue(9);
        form().MenuOptions->TexList->setCurrentRow(0);
        form().MenuOptions->ModList->setCurrentRow(0);
        form().MenuPrincipal->BtnJouer->click();
        if (!RunUntil([&] { return frames > 0; }, 10000)) {
            std::fprintf(stderr, "no frame after \"Jouer\"\n");
            return false;
        }
        return true;
    }

    long frames = 0;
    std::optional<bench::BenchGameWindow> window;
};

bool PlayOne(int swapInterval, Row& row)
{
    FullScreenGame game(swapInterval);
    if (!game.Start())
        return false;
    TZorbilForm& form = game.form();
    long& frames = game.frames;
    frames = 0;
    const double cpu = ProcessCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RunUntil([&] { return wall.elapsed() >= MeasuredMs || !GameRunning || GamePaused; }, MeasuredMs + 1000);
    row.frames += frames;
    row.seconds += wall.nsecsElapsed() / 1e9;
    row.cpu += ProcessCpuSeconds() - cpu;
    row.window = form.size();
    if (GamePaused) {
        std::fprintf(stderr, "the game paused: its window lost the keyboard\n");
        return false;
    }
    if (!RunUntil([] { return !GameRunning; }, 20000)) {
        std::fprintf(stderr, "the game did not end\n");
        return false;
    }
    form.GameOver->GameOverOK->click();
    form.MenuScores->MenuScoresOK->click();
    return true;
}

// A game whose window is minimised once it runs: the compositor sends no
// more frame callbacks. Measures the frames, the CPU, the longest hold of
// the user-interface thread (a 5 ms timer's worst lateness) and how long Esc
// takes to pause the game.
bool PlayMinimised(Row& row, double& worstLateMs, double& escMs)
{
    FullScreenGame game(1);
    if (!game.Start())
        return false;
    TZorbilForm& form = game.form();
    long& frames = game.frames;
    form.showMinimized();
    RunUntil([] { return false; }, 500);
    frames = 0;
    QElapsedTimer wall, tick;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    worstLateMs = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        worstLateMs = std::max(worstLateMs, tick.nsecsElapsed() / 1e6 - 5);
        tick.start();
    });
    const double cpu = ProcessCpuSeconds();
    wall.start();
    tick.start();
    probe.start(5);
    RunUntil([&] { return wall.elapsed() >= 1500 || !GameRunning; }, 3000);
    probe.stop();
    row.frames = frames;
    row.seconds = wall.nsecsElapsed() / 1e9;
    row.cpu = ProcessCpuSeconds() - cpu;
    row.window = form.size();
    if (!GameRunning) {
        std::fprintf(stderr, "the minimised game ended before Esc\n");
        return false;
    }
    QElapsedTimer esc;
    esc.start();
    QCoreApplication::postEvent(form.windowHandle(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    QCoreApplication::postEvent(form.windowHandle(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier));
    const bool paused = RunUntil([] { return GamePaused; }, 5000);
    escMs = esc.nsecsElapsed() / 1e6;
    if (!paused) {
        std::fprintf(stderr, "Esc did not pause the minimised game\n");
        return false;
    }
    return true;
}

void Print(const char* name, const Row& row)
{
    std::printf("%-26s %6.1f frames/s, CPU %5.1f %% of a core; %ld frames in %.1f s, window %dx%d\n", name,
                row.frames / row.seconds, 100 * row.cpu / row.seconds, row.frames, row.seconds, row.window.width(),
                row.window.height());
}

}  // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 3;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // The compositor has no GPU to share buffers with.
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    bench::PrivateWeston weston(800, 600, "desktop-shell.so");
    if (!weston.Started()) {
        std::fprintf(stderr, "%s\n", weston.Error().c_str());
        return 1;
    }
    weston.UseForThisProcess();
    QApplication app(argc, argv);

    test::TempGameFolder folder;
    bench::CopyShippedFiles(folder, "module.mus");
    SetGameFolder(folder.str());

    Row paced, unpaced;
    for (int game = 0; game < games; ++game) {
        if (!PlayOne(1, paced) || !PlayOne(0, unpaced))
            return 1;
    }
    std::printf("A game on weston (headless, about 60 Hz), native Wayland, %d games of each kind:\n", games);
    Print("paced (swap interval 1):", paced);
    Print("unpaced (swap interval 0):", unpaced);
    std::printf("paced CPU time / unpaced: %.2f\n", (paced.cpu / paced.seconds) / (unpaced.cpu / unpaced.seconds));
    Row hidden;
    double worstLateMs = 0, escMs = 0;
    if (!PlayMinimised(hidden, worstLateMs, escMs))
        return 1;
    Print("minimised, playing:", hidden);
    std::printf("minimised: the user-interface thread held up to %.0f ms; Esc paused the game after %.0f ms\n",
                worstLateMs, escMs);
    return 0;
}
