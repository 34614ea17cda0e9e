// SPDX-License-Identifier: GPL-3.0-or-later
// What the game controllers cost while the game sits in its main menu: the
// wake-ups per second of the window thread and of the whole program, and the
// CPU the whole program uses, first with no controller plugged in, then with
// one without a device file (SDL's virtual joystick), then with one with a
// device file (a fake evdev pad), and how soon each was noticed. The window
// is active and the sound is off, so that nothing but the window itself
// works. Last, whether a press on the fake pad's D-pad still moves the
// menu's focus. Prints figures; asserts nothing.
//   idle_menu_bench [seconds per measure, default 10]
#include <dirent.h>
#include <linux/input-event-codes.h>
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
#include <memory>
#include <string>

#include "audio/SdlSoundLibrary.h"
#include "audio/SoundDevice.h"
#include "config/GameFolder.h"
#include "game/ZorbilMain.h"
#include "input/PadPoller.h"
#include "support/FakeEvdevPad.h"
#include "support/SoundSetup.h"
#include "support/TempGameFolder.h"
#include "support/VirtualPad.h"

using namespace zorbil;

namespace {

// Context switches of a thread: each time it went to sleep and woke up
// again, or was set aside for another.
long Switches(const std::string& statusFile)
{
    std::ifstream status(statusFile);
    long total = 0;
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("voluntary_ctxt_switches:") || line.starts_with("nonvoluntary_ctxt_switches:"))
            total += std::stol(line.substr(line.find(':') + 1));
    return total;
}

// Of every thread of the program alive now.
long ProgramSwitches()
{
    long total = 0;
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks)
        return 0;
    while (const dirent* task = readdir(tasks))
        if (task->d_name[0] != '.')
            total += Switches(std::string("/proc/self/task/") + task->d_name + "/status");
    closedir(tasks);
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
    const long switches = Switches("/proc/thread-self/status"), program = ProgramSwitches();
    const double process = CpuSeconds(RUSAGE_SELF), thread = CpuSeconds(RUSAGE_THREAD);
    const auto start = std::chrono::steady_clock::now();
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s:\n  %7.1f wake-ups/s on the window thread, %7.1f in the whole program; %5.2f %% of a core "
                "(window thread %5.2f %%) over %.1f s\n",
                what, (Switches("/proc/thread-self/status") - switches) / wall, (ProgramSwitches() - program) / wall,
                100 * (CpuSeconds(RUSAGE_SELF) - process) / wall, 100 * (CpuSeconds(RUSAGE_THREAD) - thread) / wall,
                wall);
}

bool WaitPlugged(const PadPoller& pads, int plugged)
{
    QElapsedTimer waited;
    waited.start();
    while (pads.Plugged() != plugged && waited.elapsed() < 5000)
        QTest::qWait(5);
    return pads.Plugged() == plugged;
}

// The new pad is noticed, and its fast pace of a controller just plugged in
// is over.
bool Noticed(const PadPoller& pads)
{
    QElapsedTimer noticed;
    noticed.start();
    if (!WaitPlugged(pads, 1))
        return false;
    std::printf("the pad was noticed after %lld ms\n", static_cast<long long>(noticed.elapsed()));
    while (pads.IntervalMs() != PadPoller::MenuMs && noticed.elapsed() < 5000)
        QTest::qWait(5);
    QTest::qWait(100);
    return true;
}

QString FocusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString("nothing");
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
    auto pads = std::make_unique<PadPoller>();
    pads->Start();
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

    {
        test::VirtualPad pad;
        if (!pad.Plugged() || !Noticed(*pads)) {
            std::fprintf(stderr, "idle_menu_bench: no virtual joystick: %s\n", SDL_GetError());
            return 1;
        }
        Measure("one pad without a device file (SDL's virtual joystick)", seconds);
    }
    WaitPlugged(*pads, 0);

    // SDL's joysticks look at the fake's path when they start: they start
    // again with a new reading of the controllers.
    pads.reset();
    test::FakeEvdevPad fake;
    test::FakeEvdevPad::OfferToSdl();
    pads = std::make_unique<PadPoller>();
    pads->Start();
    if (!Noticed(*pads)) {
        std::printf("the fake evdev pad was not taken by this SDL (%s): no figure with a device file\n",
                    SDL_GetError());
        return 0;
    }
    Measure("one pad with a device file (a fake evdev pad)", seconds);

    const QString before = FocusName();
    QElapsedTimer pressed;
    pressed.start();
    fake.Axis(ABS_HAT0Y, 1);
    fake.Axis(ABS_HAT0Y, 0);
    while (FocusName() == before && pressed.elapsed() < 2000)
        QTest::qWait(1);
    if (FocusName() == before)
        std::printf("down on the fake pad's D-pad did NOT move the focus from %s\n", qPrintable(before));
    else
        std::printf("down on the fake pad's D-pad moved the focus from %s to %s after %lld ms\n", qPrintable(before),
                    qPrintable(FocusName()), static_cast<long long>(pressed.elapsed()));
    form.close();
    return 0;
}
