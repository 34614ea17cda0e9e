// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/SoundProbe.h"

#include <SDL_log.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "audio/ProbeProcess.h"
#include "audio/SdlSoundLibrary.h"
#include "audio/SoundJudge.h"

namespace zorbil {

namespace {

constexpr int ProbeRate = 22050;
constexpr int ProbeNoDevice = 2;

std::atomic<long> mixedFrames{0};
std::atomic<long> musicEnd{-1};

void CountFrames(void*, Uint8*, int bytes)
{
    mixedFrames += bytes / 4;  // stereo, 16-bit
}

// Called by the mixer as it mixes: the disk driver mixes far faster than
// anyone polling could notice the end.
void MarkMusicEnd()
{
    musicEnd = mixedFrames.load();
}

// Waits until the mixer has mixed that much more. A decoder stuck in the
// audio callback stops the count: the parent's clock ends the process.
void Mix(double seconds)
{
    const long target = mixedFrames + static_cast<long>(seconds * ProbeRate);
    while (mixedFrames < target)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

bool IsStream(Mix_MusicType type)
{
    return type == MUS_WAV || type == MUS_OGG || type == MUS_MP3 || type == MUS_FLAC || type == MUS_OPUS;
}

// Learns how long the file really lasts by playing it once through in the
// music slot, where SDL2_mixer decodes a block at a time: a header that lies
// about the length then costs nothing. The sound layer asks before it opens
// the file.
class MeasuringJudge : public SoundJudge {
public:
    explicit MeasuringJudge(double maxSeconds) : maxSeconds_(maxSeconds) {}

    SoundVerdict Judge(const std::string& path) override
    {
        if (judged_)
            return verdict_;
        judged_ = true;
        Mix_Music* music = Mix_LoadMUS(path.c_str());
        if (!music)
            return verdict_;
        const double declared = Mix_MusicDuration(music);
        if (declared > 0)
            playSeconds_ = declared;
        musicEnd = -1;
        Mix_HookMusicFinished(MarkMusicEnd);
        if (IsStream(Mix_GetMusicType(music)) && Mix_PlayMusic(music, 1) == 0) {
            const long start = mixedFrames;
            const long limit = start + static_cast<long>(maxSeconds_ * ProbeRate);
            while (musicEnd < 0 && mixedFrames < limit)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            const long end = musicEnd;
            verdict_.measured = true;
            playSeconds_ = end >= 0 ? static_cast<double>(end - start) / ProbeRate : maxSeconds_;
            verdict_.shortStream = end >= 0 && playSeconds_ <= SdlSoundLibrary::ShortSoundSeconds;
            Mix_HaltMusic();
        }
        Mix_HookMusicFinished(nullptr);
        Mix_FreeMusic(music);
        return verdict_;
    }

    // Enough to pass the end of the first time through.
    double LoopSeconds() const { return std::min(playSeconds_ + 1, maxSeconds_); }
    bool ShortStream() const { return verdict_.shortStream; }

private:
    double maxSeconds_;
    double playSeconds_ = ProbeAudioSeconds;
    bool judged_ = false;
    SoundVerdict verdict_;
};

// SDL 2.30 and later write the disk driver's mix only into a regular file or
// a pipe, no longer into /dev/null: it goes into a pipe that a thread
// empties. The thread stops on its own flag, not on the end of the pipe, so
// an audio device left open cannot keep it waiting.
class DrainedPipe {
public:
    DrainedPipe()
    {
        if (pipe2(fds_, O_CLOEXEC) != 0) {
            fds_[0] = fds_[1] = -1;
            return;
        }
        drain_ = std::thread([this] {
            char buffer[65536];
            pollfd reader{fds_[0], POLLIN, 0};
            while (!stop_) {
                if (poll(&reader, 1, 10) > 0 && read(fds_[0], buffer, sizeof buffer) <= 0)
                    break;
            }
        });
    }
    ~DrainedPipe()
    {
        stop_ = true;
        if (drain_.joinable())
            drain_.join();
        for (const int fd : fds_)
            if (fd >= 0)
                close(fd);
    }
    DrainedPipe(const DrainedPipe&) = delete;
    DrainedPipe& operator=(const DrainedPipe&) = delete;

    std::string Path() const
    {
        return fds_[1] >= 0 ? "/proc/self/fd/" + std::to_string(fds_[1]) : "/dev/null";
    }

private:
    int fds_[2];
    std::atomic<bool> stop_{false};
    std::thread drain_;
};

}  // namespace

int PlayThrough(const std::string& path, double maxSeconds)
{
    const DrainedPipe output;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.Path().c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    // The same for SDL 3 under sdl2-compat: never a raw file in the game
    // folder, never a pause.
    setenv("SDL_AUDIO_DISK_OUTPUT_FILE", output.Path().c_str(), 1);
    setenv("SDL_AUDIO_DISK_TIMESCALE", "0", 1);
    // The disk driver warns on every start that it is no sound card.
    SDL_LogSetOutputFunction([](void*, int, SDL_LogPriority, const char*) {}, nullptr);
    SdlSoundLibrary library;
    if (!library.Init(ProbeRate, 16, 0))
        return ProbeNoDevice;
    Mix_SetPostMix(CountFrames, nullptr);
    MeasuringJudge judge(maxSeconds);
    library.SetJudge(&judge);
    // A game start with this music, then the same music picked in the
    // options during a game: the stream loops then.
    for (const unsigned mode : {SoundLibrary::Mode2D, SoundLibrary::ModeLoopNormal}) {
        const auto song = library.LoadSong(path);
        const auto stream = library.StreamOpenFile(path, mode, 512);
        if (!song && !stream)
            break;  // neither kind opens: nothing will ever be mixed
        library.PlaySong(song);
        library.StreamPlay(-1, stream);
        Mix(mode == SoundLibrary::ModeLoopNormal ? judge.LoopSeconds() : std::min(1.0, maxSeconds));
        library.StopSong(song);
        library.StreamStop(stream);
    }
    Mix_SetPostMix(nullptr, nullptr);
    return judge.ShortStream() ? ProbePlayedShort : ProbePlayedLong;
}

std::optional<int> RunSoundProbeIfAsked(int argc, char** argv)
{
    if (argc != 3 || std::strcmp(argv[1], "--probe-sound") != 0)
        return std::nullopt;
    return PlayThrough(argv[2]);
}

}  // namespace zorbil
