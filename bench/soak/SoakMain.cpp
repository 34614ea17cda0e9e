// SPDX-License-Identifier: GPL-3.0-or-later
// Soak run of the game window: each game starts from the main menu with a
// picture and a music, is paused and resumed, visits the help screen, is
// steered at random until it hits a wall or bites itself, and goes through
// the game-over and scores screens back to the menu.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "config/GameFolder.h"
#include "game/GameState.h"
#include "game/ZorbilMain.h"
#include "render/PcxBuilder.h"
#include "screens/GameOverPanel.h"
#include "screens/HelpPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresPanel.h"
#include "support/BenchGameWindow.h"
#include "support/TempGameFolder.h"

using namespace zorbil;

namespace {

struct Usage {
    long threads = 0;
    long files = 0;
    long residentKb = 0;
};

long CountEntries(const char* dir)
{
    long n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

Usage Measure()
{
    Usage u;
    u.threads = CountEntries("/proc/self/task");
    u.files = CountEntries("/proc/self/fd");
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            u.residentKb = std::stol(line.substr(6));
    return u;
}

void Report(const char* when, int games, const Usage& u)
{
    std::printf("%-6s games %4d  threads %3ld  fds %3ld  rss %7ld kB\n", when, games, u.threads, u.files,
                u.residentKb);
    std::fflush(stdout);
}

std::string SolidPcx(uint8_t index)
{
    test::PcxBuilder pcx(256, 256);
    for (int y = 0; y < 256; ++y)
        pcx.AddRow(std::vector<uint8_t>(256, uint8_t(index + y / 8)));
    return pcx.Bytes();
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    const int games = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 300;

    test::TempGameFolder folder;
    std::filesystem::create_directories(folder.path() / "Textures");
    std::filesystem::create_directories(folder.path() / "Musiques");
    folder.write("/Textures/a.pcx", SolidPcx(10));
    folder.write("/Textures/b.pcx", SolidPcx(120));
    folder.write("/Musiques/a.mus", "no music");
    SetGameFolder(folder.str());

    bench::BenchGameWindow window;
    if (!window.Exposed())
        return 1;
    TZorbilForm& form = window.form;
    form.MenuOptions->Speed->setValue(0);

    std::mt19937 random(12345);
    const Qt::Key arrows[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
    QWindow* handle = form.windowHandle();
    int frames = 0;
    QObject::connect(&form, &TCGForm::frameSwapped, [&frames] { ++frames; });

    const Usage start = Measure();
    Report("start", 0, start);
    long totalScore = 0;
    for (int g = 1; g <= games; ++g) {
        form.MenuOptions->TexList->setCurrentRow(g % 2);
        form.MenuOptions->ModList->setCurrentRow(0);
        form.MenuPrincipal->BtnJouer->click();
        if (!GameRunning) {
            std::fprintf(stderr, "game %d did not start\n", g);
            return 1;
        }
        const int before = frames;
        if (!QTest::qWaitFor([&] { return frames > before + 2; }, 3000)) {
            std::fprintf(stderr, "game %d draws nothing\n", g);
            return 1;
        }
        QTest::keyClick(handle, Qt::Key_Escape);
        QTest::qWait(20);
        form.MenuPause->MenuPauseContinuer->click();
        QTest::keyClick(handle, Qt::Key_F1);
        QTest::qWait(20);
        form.MenuAide->MenuAideOK->click();
        while (GameRunning) {
            QTest::keyClick(handle, arrows[random() % 4]);
            QTest::qWait(int(random() % 120));
        }
        totalScore += Score;
        form.GameOver->GameOverOK->click();
        form.MenuScores->MenuScoresOK->click();
        if (g % 50 == 0)
            Report("after", g, Measure());
    }
    const Usage end = Measure();
    Report("end", games, end);
    std::printf("frames %d, points %ld, best %d\n", frames, totalScore, BestScore);
    form.close();
    return 0;
}
