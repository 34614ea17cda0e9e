// SPDX-License-Identifier: GPL-3.0-or-later
// What starting the sounds of a game costs on the user-interface thread:
// the game music with a long Ogg stream (against decoding it whole), the
// shipped module and MIDI musics, and one effect; with the resident memory
// each adds. Prints figures; asserts nothing.
//   music_start_bench [seconds of the Ogg stream, default 240]
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "LongOgg.h"
#include "audio/GameSound.h"
#include "audio/SdlSoundLibrary.h"
#include "config/GameFolder.h"
#include "support/TempGameFolder.h"
#include "support/GameDecoder.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double ResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

double Milliseconds(const std::function<void()>& step)
{
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
    double median = 0, worst = 0;
};

Figures Repeat(int times, const std::function<void()>& step, const std::function<void()>& between)
{
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        ms.push_back(Milliseconds(step));
        between();
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

class Switches : public zorbil::SoundSwitches {
public:
    std::string selected;
    bool EffectsOn() const override { return true; }
    bool MusicOn() const override { return true; }
    std::string SelectedMusic() const override { return selected; }
    void GreyAndClear() override {}
};

void Pause(int ms)
{
    SDL_Delay(ms);
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const int streamSeconds = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 240;
    const zorbil::test::TempGameFolder folder;
    const std::string longOgg = folder.file("/long.ogg.mus");
    std::printf("Writing a %d-second Ogg stream... ", streamSeconds);
    std::fflush(stdout);
    const double written = Milliseconds([&] { WriteLongOgg(longOgg, streamSeconds); });
    std::printf("%.0f ms, %.1f MB\n", written, fs::file_size(longOgg) / 1e6);

    zorbil::SdlSoundLibrary library(zorbil::test::GameDecoder);
    Switches switches;
    zorbil::GameSound sound(library, switches, [](const std::string& m) { std::printf("error: %s\n", m.c_str()); });
    const double setup = Milliseconds(
        [&] { zorbil::SetupSoundDevice(library, switches, [](const std::string&) {}, 1, 2, 11, 22050, 16); });
    std::printf("Sound device set-up (%s driver): %.1f ms\n", SDL_GetCurrentAudioDriver(), setup);

    switches.selected = longOgg;
    double before = ResidentMegabytes();
    const double first = Milliseconds([&] { sound.PlayGameMusic(); });
    Pause(1000);
    const double streamed = ResidentMegabytes() - before;
    sound.StopAllMusic();
    const Figures start = Repeat(20, [&] { sound.PlayGameMusic(); }, [&] { sound.StopAllMusic(); });
    std::printf("PlayGameMusic, %d-second Ogg: first %.2f ms, then median %.2f ms, worst %.2f ms; "
                "resident memory +%.1f MB while it plays\n",
                streamSeconds, first, start.median, start.worst, streamed);

    before = ResidentMegabytes();
    Mix_Chunk* whole = nullptr;
    const double decode = Milliseconds([&] { whole = Mix_LoadWAV(longOgg.c_str()); });
    std::printf("For comparison, decoding the same file whole (Mix_LoadWAV): %.0f ms, +%.1f MB\n", decode,
                ResidentMegabytes() - before);
    Mix_FreeChunk(whole);

    zorbil::SetGameFolder(ZORBIL_GAME_DIR);
    for (const char* name : {"Musiques/Zorbil Express.mus", "Musiques/Balade du serpent.mid.mus",
                             "Musiques/Nuit etoilee.mus"}) {
        switches.selected = std::string(ZORBIL_GAME_DIR) + "/" + name;
        const Figures f = Repeat(5, [&] { sound.PlayGameMusic(); }, [&] { sound.StopAllMusic(); });
        std::printf("PlayGameMusic, %s: median %.2f ms, worst %.2f ms\n", name, f.median, f.worst);
    }
    const Figures effect =
        Repeat(20, [&] { sound.PlayEffect(zorbil::DonutSoundTail); }, [&] { Pause(20); });
    std::printf("PlayEffect, donut: median %.2f ms, worst %.2f ms\n", effect.median, effect.worst);

    return 0;
}
