// SPDX-License-Identifier: GPL-3.0-or-later
// What probing one sound file costs, per format: the game's own program
// started on the file with its private option, as the sound layer has it done
// once per file and run. Wall-clock time and the probe's processor time,
// median over the rounds. Then what probing adds to a game start: the game
// music started with and without probes once the verdict is known (the
// verdict of the music picked is ready before the game starts), and the
// first start of a music nobody has probed yet. Prints figures; asserts
// nothing.
//   probe_bench [rounds, default 5]
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "SoundFiles.h"
#include "audio/GameSound.h"
#include "audio/ProbeProcess.h"
#include "audio/ProbedSounds.h"
#include "audio/SdlSoundLibrary.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using namespace zorbil::test;
namespace fs = std::filesystem;

namespace {

const fs::path GameDir = ZORBIL_GAME_DIR;

double ChildrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

class Switches : public SoundSwitches {
public:
    std::string selected;
    bool EffectsOn() const override { return true; }
    bool MusicOn() const override { return true; }
    std::string SelectedMusic() const override { return selected; }
    void GreyAndClear() override {}
};

// Median time of PlayGameMusic over the rounds, the music stopped between.
double GameStart(SoundJudge* judge, const std::string& music, int rounds)
{
    SdlSoundLibrary library;
    library.SetJudge(judge);
    Switches switches;
    switches.selected = music;
    GameSound sound(library, switches, [](const std::string&) {});
    SetupSoundDevice(library, switches, [](const std::string&) {}, 1, 2, 11, 22050, 16);
    std::vector<double> ms;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        sound.PlayGameMusic();
        ms.push_back(Since(start));
        sound.StopAllMusic();
    }
    return Median(ms);
}

const char* Verdict(ProbeOutcome outcome)
{
    switch (outcome) {
    case ProbeOutcome::PlayedLong: return "played, long";
    case ProbeOutcome::PlayedShort: return "played, short";
    case ProbeOutcome::Refused: return "could not try";
    case ProbeOutcome::Crashed: return "crashed";
    case ProbeOutcome::Overran: return "overran";
    case ProbeOutcome::Cancelled: return "cancelled";
    }
    return "?";
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 5;
    TempGameFolder folder;
    struct Case {
        std::string name;
        std::string path;
    };
    std::vector<Case> cases;
    auto made = [&](const std::string& name, const std::string& file, const std::string& bytes) {
        folder.write("/" + file, bytes);
        cases.push_back({name, folder.file("/" + file)});
    };
    auto shipped = [&](const std::string& name, const std::string& tail) {
        cases.push_back({name, (GameDir / tail).string()});
    };
    made("WAV, 10 s", "ten.wav", Wav(2, 220500));
    shipped("WAV, shipped effect", "Data/Donut.dat");
    made("AIFF, 10 s", "ten.aiff", Aiff(2, 220500, 220500));
    shipped("Ogg Vorbis, shipped menu music", "Data/Menu.dat");
    shipped("Ogg Vorbis, shipped song", "Musiques/Nuit etoilee.mus");
    made("FLAC, 10 s", "ten.flac", Flac(2, 2, 108));
    made("MP3, 60 s", "sixty.mp3", Mp3Frames(2300));
    made("MP3 that says 0.5 s and holds 10 min", "joined.mp3", Mp3SayingFrames(20, 23000));
    made("MIDI, one note", "note.mid", Midi(0, 1, 96, MidiTrack(MidiNote)));
    shipped("MIDI, shipped song (synthesised)", "Musiques/Balade du serpent.mid.mus");
    shipped("MOD, shipped song", "Musiques/Zorbil Express.mus");
    made("XM, one pattern", "tiny.xm", Xm());
    made("S3M, one pattern", "tiny.s3m", S3m());
    made("IT, one pattern", "tiny.it", It());

    const std::string program = (GameDir / "zorbil").string();
    const std::atomic<bool> never{false};
    std::printf("Probe of one file through %s, median of %d rounds:\n", program.c_str(), rounds);
    for (const Case& c : cases) {
        std::vector<double> wall, cpu;
        ProbeOutcome outcome = ProbeOutcome::Refused;
        for (int round = 0; round < rounds; ++round) {
            const double cpuBefore = ChildrenCpuMs();
            const auto start = std::chrono::steady_clock::now();
            outcome = RunProbeProcess(program, c.path, ProbeLimits{}, never);
            wall.push_back(Since(start));
            cpu.push_back(ChildrenCpuMs() - cpuBefore);
        }
        std::printf("  %-40s %7.0f ms wall, %7.0f ms CPU  (%s)\n", c.name.c_str(), Median(wall), Median(cpu),
                    Verdict(outcome));
    }

    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::printf("PlayGameMusic, median of %d rounds:\n", std::max(rounds, 10));
    for (const char* tail : {"Musiques/Nuit etoilee.mus", "Musiques/Zorbil Express.mus",
                             "Musiques/Balade du serpent.mid.mus"}) {
        const std::string music = (GameDir / tail).string();
        ProbedSounds probes(program, ProbeLimits{});
        const double unprobed = GameStart(nullptr, music, std::max(rounds, 10));
        const double first = GameStart(&probes, music, 1);
        const double probed = GameStart(&probes, music, std::max(rounds, 10));
        std::printf("  %-40s %6.2f ms without probes, %6.2f ms with the verdict known; "
                    "%6.0f ms the first time, waiting for its probe\n",
                    tail, unprobed, probed, first);
    }
    return 0;
}
