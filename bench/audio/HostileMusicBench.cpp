// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own peak memory with each hostile music file, and whether it
// survives it: each file is picked as the game music (at a game's start,
// then again during a game) in a fresh process that plays it as the game
// does, on SDL's dummy driver in real time; the shipped musics give the
// measure to compare with. Prints figures; asserts nothing.
//   hostile_music_bench [seconds each file plays, default 5]
#include <signal.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "audio/GameSound.h"
#include "audio/HostileSounds.h"
#include "audio/SdlSoundLibrary.h"
#include "support/FakeSwitches.h"
#include "support/GameDecoder.h"
#include "support/SoundSetup.h"
#include "support/TempGameFolder.h"

namespace {

long PeakKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// In the child: plays the file as the game music, then reports its peak.
[[noreturn]] void Play(const std::string& folder, const std::string& music, double seconds, int report)
{
    {
        zorbil::SdlSoundLibrary library(zorbil::test::GameDecoder);
        zorbil::test::FakeSwitches switches;
        zorbil::GameSound sound(library, switches, [](const std::string&) {}, folder);
        zorbil::test::SetUpSound(library, switches);
        switches.selected = music;
        sound.PlayGameMusic();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds / 2));
        sound.SwitchGameMusic();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds / 2));
        sound.StopAllMusic();
    }
    const long peak = PeakKilobytes();
    [[maybe_unused]] const ssize_t written = write(report, &peak, sizeof peak);
    _exit(0);
}

void Measure(const std::string& folder, const std::string& name, const std::string& music, double seconds)
{
    int report[2];
    if (pipe(report) != 0)
        return;
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        Play(folder, music, seconds, report[1]);
    }
    close(report[1]);
    long peak = 0;
    const bool reported = read(report[0], &peak, sizeof peak) == sizeof peak;
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (reported)
        std::printf("%-36s alive, peak %6.1f MiB (%.1f s)\n", name.c_str(), peak / 1024.0, took);
    else if (WIFSIGNALED(status))
        std::printf("%-36s DIED of %s (%.1f s)\n", name.c_str(), strsignal(WTERMSIG(status)), took);
    else
        std::printf("%-36s DIED, status %d (%.1f s)\n", name.c_str(), WEXITSTATUS(status), took);
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 && std::atof(argv[1]) > 0 ? std::atof(argv[1]) : 5;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const zorbil::test::TempGameFolder folder;
    std::filesystem::create_directory(folder.path() / "Musiques");
    std::printf("Each music plays %.1f s as the game music; the game's process:\n", seconds);
    for (const char* shipped : {"Nuit etoilee.mus", "Zorbil Express.mus", "Balade du serpent.mid.mus"})
        Measure(folder.str(), std::string("(shipped) ") + shipped,
                (std::filesystem::path(ZORBIL_GAME_DIR) / "Musiques" / shipped).string(), seconds);
    for (const auto& hostile : zorbil::test::HostileSounds()) {
        const std::string music = folder.file("/Musiques/" + std::string(hostile.name) + ".mus");
        std::ofstream(music, std::ios::binary) << hostile.bytes(folder.file("/scratch"));
        Measure(folder.str(), hostile.name, music, seconds);
    }
    return 0;
}
