// SPDX-License-Identifier: GPL-3.0-or-later
// Time from a click on "&Jouer" to the first frame the game window presents,
// with a long Ogg stream as the chosen music, against the shipped module and
// against no music at all; and the resident memory one second of play adds.
// Runs the real game window (needs $DISPLAY). Prints figures; asserts
// nothing.
//   jouer_bench [rounds, default 8] [seconds of the Ogg stream, default 240]
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "LongOgg.h"
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

using namespace zorbil;
namespace fs = std::filesystem;

namespace {

double ResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024;
    return 0;
}

struct Round {
    double handlerMs = 0;  // the click's handler: game set-up and the music's start
    double firstFrameMs = 0;
    double addedMegabytes = 0;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    const int rounds = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 8;
    const int streamSeconds = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 240;

    test::TempGameFolder folder;
    bench::CopyShippedFiles(folder, "b module.mus");
    std::printf("Writing a %d-second Ogg stream... ", streamSeconds);
    std::fflush(stdout);
    WriteLongOgg(folder.file("/Musiques/a longue.mus"), streamSeconds);
    std::printf("%.1f MB\n", fs::file_size(folder.file("/Musiques/a longue.mus")) / 1e6);
    SetGameFolder(folder.str());

    bench::BenchGameWindow window;
    if (!window.Exposed())
        return 1;
    TZorbilForm& form = window.form;
    form.MenuOptions->Speed->setValue(9);  // slowest: the snake lives through the second of play

    QElapsedTimer clock;
    qint64 firstFrame = -1;
    QObject::connect(&form, &TCGForm::frameSwapped, [&] {
        if (firstFrame < 0)
            firstFrame = clock.nsecsElapsed();
    });

    // music: the row of ModList to choose, or -1 for none.
    auto play = [&](int music) {
        form.MenuOptions->TexList->setCurrentRow(0);
        if (music < 0)
            form.MenuOptions->ModList->clearSelection();
        else
            form.MenuOptions->ModList->setCurrentRow(music);
        const double before = ResidentMegabytes();
        firstFrame = -1;
        clock.start();
        form.MenuPrincipal->BtnJouer->click();
        const double handlerMs = clock.nsecsElapsed() / 1e6;
        if (!QTest::qWaitFor([&] { return firstFrame >= 0; }, 10000)) {
            std::fprintf(stderr, "no frame drawn after &Jouer\n");
            std::exit(1);
        }
        Round round{handlerMs, firstFrame / 1e6, 0};
        QTest::qWait(1000);
        round.addedMegabytes = ResidentMegabytes() - before;
        if (GameRunning) {
            QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
            QTest::qWait(50);
            form.MenuPause->MenuPauseQuitter->click();
        }
        form.GameOver->GameOverOK->click();
        form.MenuScores->MenuScoresOK->click();
        QTest::qWait(100);
        return round;
    };

    const struct {
        const char* name;
        int row;
    } cases[] = {{"long Ogg stream", 0}, {"shipped tracker module", 1}, {"no music", -1}};
    for (const auto& c : cases)
        play(c.row);  // warm-up: first contexts, fonts, decoders

    std::vector<Round> played[3];
    for (int r = 0; r < rounds; ++r)
        for (int c = 0; c < 3; ++c)
            played[c].push_back(play(cases[c].row));

    for (int c = 0; c < 3; ++c) {
        std::vector<double> handler, ms, mb;
        for (const Round& round : played[c]) {
            handler.push_back(round.handlerMs);
            ms.push_back(round.firstFrameMs);
            mb.push_back(round.addedMegabytes);
        }
        std::printf("&Jouer to first frame, %-23s median %6.1f ms (handler %5.1f ms), worst %6.1f ms; "
                    "resident memory after 1 s of play: median %+5.1f MB\n",
                    cases[c].name, Median(ms), Median(handler), *std::max_element(ms.begin(), ms.end()),
                    Median(mb));
    }
    form.close();
    return 0;
}
