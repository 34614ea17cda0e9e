// SPDX-License-Identifier: GPL-3.0-or-later
// What the game controllers cost while the game sits in its main menu: the
// window thread's wake-ups per second and the CPU the whole program uses,
// first with no controller plugged in, then with one (SDL's virtual
// joystick), and how soon the new one was noticed. The window is active and
// the sound is off, so that nothing but the window itself works. Prints
// figures; asserts nothing.
//   idle_menu_bench [seconds per measure, default 10]
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "audio/SdlSoundLibrary.h"
#include "audio/SoundDevice.h"
#include "config/GameFolder.h"
#include "game/ZorbilMain.h"
#include "input/PadPoller.h"
#include "support/SoundSetup.h"
#include "support/TempGameFolder.h"
#include "support/VirtualPad.h"

using namespace zorbil;

namespace {

// Context switches of the calling thread: each time it went to sleep and
// woke up again, or was set aside for another.
long Switches()
{
    std::ifstream status("/proc/thread-self/status");
    long total = 0;
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("voluntary_ctxt_switches:") || line.starts_with("nonvoluntary_ctxt_switches:"))
            total += std::stol(line.substr(line.find(':') + 1));
    return total;
}

double CpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void Measure(const char* what, double seconds)
{
    const long switches = Switches();
    const double process = CpuSeconds(RUSAGE_SELF), thread = CpuSeconds(RUSAGE_THREAD);
    const auto start = std::chrono::steady_clock::now();
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-8s %7.1f wake-ups/s on the window thread; %5.2f %% of a core (window thread %5.2f %%) over %.1f s\n",
                what, (Switches() - switches) / wall, 100 * (CpuSeconds(RUSAGE_SELF) - process) / wall,
                100 * (CpuSeconds(RUSAGE_THREAD) - thread) / wall, wall);
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    const double seconds = argc > 1 && std::atof(argv[1]) > 0 ? std::atof(argv[1]) : 10;

    test::TempGameFolder folder;
    std::filesystem::create_directories(folder.path() / "Textures");
    std::filesystem::create_directories(folder.path() / "Musiques");
    SetGameFolder(folder.str());

    // As the program starts: the controllers first, then the window.
    PadPoller pads;
    pads.Start();
    SdlSoundLibrary sound;
    QWidget dialog;
    TZorbilForm form(sound, &dialog);
    test::SetUpSound(sound, form, {.sonAct = 0});
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "idle_menu_bench: the game window never became active\n");
        return 1;
    }
    QTest::qWait(500);  // the window settles
    Measure("no pad", seconds);

    test::VirtualPad pad;
    if (!pad.Plugged()) {
        std::fprintf(stderr, "idle_menu_bench: no virtual joystick: %s\n", SDL_GetError());
        return 1;
    }
    QElapsedTimer noticed;
    noticed.start();
    while (pads.Plugged() == 0 && noticed.elapsed() < 5000)
        QTest::qWait(5);
    std::printf("the pad was noticed after %lld ms\n", static_cast<long long>(noticed.elapsed()));
    QTest::qWait(500);
    Measure("one pad", seconds);
    form.close();
    return 0;
}
