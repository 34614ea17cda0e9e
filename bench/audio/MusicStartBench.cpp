// SPDX-License-Identifier: GPL-3.0-or-later
// How soon a music starts: from the sound layer's play call to the first
// decoded sample reaching the game's mixer, for each format a player may
// pick, and for an effect already decoded. Also what the call itself costs
// the user-interface thread, and the game's resident memory while a long
// stream plays. The mixer runs on SDL's disk driver at 1 ms a buffer, so a
// sample is seen within a millisecond of reaching it. Prints figures;
// asserts nothing.
//   music_start_bench [starts per format, default 20] [seconds of the Ogg stream, default 240]
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "LongOgg.h"
#include "Songs.h"
#include "Writers.h"
#include "audio/GameSound.h"
#include "audio/SdlSoundLibrary.h"
#include "audio/SoundFiles.h"
#include "audio/WaveFile.h"
#include "support/FakeSwitches.h"
#include "support/GameDecoder.h"
#include "support/SoundSetup.h"
#include "support/TempGameFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<bool> armed{false};
std::atomic<Clock::rep> heardAt{0};

// The first buffer with a sample in it, after the bench arms the watch.
void Watch(void*, Uint8* stream, int length)
{
    if (!armed)
        return;
    const auto* samples = reinterpret_cast<const int16_t*>(stream);
    if (std::any_of(samples, samples + length / 2, [](int16_t s) { return s != 0; })) {
        heardAt = Clock::now().time_since_epoch().count();
        armed = false;
    }
}

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

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

struct Figures {
    double callMedian = 0, callWorst = 0, heardMedian = 0, heardWorst = 0;
    int silent = 0;
};

// Starts the sound `times` times, from silence each time.
Figures Measure(int times, const std::function<void()>& start, const std::function<void()>& stop)
{
    std::vector<double> calls, heard;
    Figures figures;
    for (int i = 0; i < times; ++i) {
        stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        armed = true;
        const auto before = Clock::now();
        start();
        calls.push_back(Milliseconds(Clock::now() - before));
        const auto deadline = before + std::chrono::seconds(10);
        while (armed && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        if (armed) {
            armed = false;
            ++figures.silent;
            continue;
        }
        heard.push_back(Milliseconds(Clock::duration(heardAt.load()) - before.time_since_epoch()));
    }
    stop();
    std::sort(calls.begin(), calls.end());
    std::sort(heard.begin(), heard.end());
    figures.callMedian = calls[calls.size() / 2];
    figures.callWorst = calls.back();
    if (!heard.empty()) {
        figures.heardMedian = heard[heard.size() / 2];
        figures.heardWorst = heard.back();
    }
    return figures;
}

void Print(const char* what, const Figures& f)
{
    std::printf("%-44s first sample %7.1f ms median, %7.1f ms worst; the call %5.2f ms median, %5.2f ms worst%s\n",
                what, f.heardMedian, f.heardWorst, f.callMedian, f.callWorst,
                f.silent ? " (some starts never heard)" : "");
}

}  // namespace

int main(int argc, char** argv)
{
    const int times = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 20;
    const int oggSeconds = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 240;
    const zorbil::test::TempGameFolder folder;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", folder.file("/mixed.raw").c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);

    std::printf("Writing the musics (a %d-second Ogg stream among them)...\n", oggSeconds);
    const std::string ogg = folder.file("/long.ogg.mus"), wav = folder.file("/long.wav.mus"),
                      flac = folder.file("/long.flac.mus"), mod = folder.file("/jingle.mod.mus"),
                      xm = folder.file("/tiny.xm.mus"), midi = folder.file("/jingle.mid.mus");
    WriteLongOgg(ogg, oggSeconds);
    zorbil::test::WriteTone(wav, 30);
    folder.write("/long.flac.mus", zorbil::test::Flac(2, 2, 330));
    soundgen::WriteModule(mod, soundgen::DonutJingle());
    soundgen::WriteMidi(midi, soundgen::DonutJingle());
    folder.write("/tiny.xm.mus", zorbil::test::Xm());
    zorbil::test::WriteOffset(folder.file("/Data/Donut.dat"), 0.5, 3000);
    zorbil::test::WriteTone(folder.file("/Data/Menu.dat"), 30);

    zorbil::SdlSoundLibrary library(zorbil::test::GameDecoder);
    zorbil::test::FakeSwitches switches;
    zorbil::GameSound sound(library, switches, [](const std::string& m) { std::printf("error: %s\n", m.c_str()); },
                            folder.str());
    zorbil::test::SetUpSound(library, switches);
    Mix_SetPostMix(Watch, nullptr);
    std::printf("%d starts of each, the mixer at 22050 Hz on SDL's %s driver\n", times, SDL_GetCurrentAudioDriver());

    const auto stop = [&] { sound.StopAllMusic(); };
    const struct {
        const char* what;
        std::string file;
    } musics[] = {
        {"Ogg Vorbis stream", ogg},        {"WAV stream, 30 s", wav},      {"FLAC stream, 30 s", flac},
        {"ProTracker module", mod},        {"FastTracker 2 module", xm},   {"MIDI song", midi},
    };
    for (const auto& music : musics) {
        switches.selected = music.file;
        Print(music.what, Measure(times, [&] { sound.PlayGameMusic(); }, stop));
    }
    // The effects are made ready with the menu music.
    Print("Menu music (WAV stream, 30 s)", Measure(times, [&] { sound.PlayMenuMusic(); }, stop));
    Print("Donut effect, decoded ahead", Measure(times, [&] { sound.PlayEffect(zorbil::DonutSoundTail); }, stop));
    std::printf("MP3: not measured, the bench has no encoder for a file that sounds from its start\n");

    switches.selected = ogg;
    const double before = ResidentMegabytes();
    sound.PlayGameMusic();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    std::printf("Resident memory of the game's side while the Ogg stream plays: %+.1f MB\n",
                ResidentMegabytes() - before);
    sound.StopAllMusic();
    return 0;
}
