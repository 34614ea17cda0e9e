// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/decoder/MixerOutput.h"

#include <SDL.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "audio/DecoderProtocol.h"
#include "audio/decoder/SoundFonts.h"
#include "shared/WriteAll.h"

namespace zorbil {

namespace {

MixerOutput* playing = nullptr;

}  // namespace

MixerOutput::MixerOutput(int output) : output_(output) {}

MixerOutput::~MixerOutput()
{
    if (open_) {
        Mix_SetPostMix(nullptr, nullptr);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    closing_ = true;
    if (drain_.joinable())
        drain_.join();
    for (const int fd : sink_)
        if (fd >= 0)
            close(fd);
    playing = nullptr;
}

bool MixerOutput::Open(int rate)
{
    if (open_ || pipe2(sink_, O_CLOEXEC) != 0)
        return false;
    // The thread stops on its own flag, not on the end of the pipe, so that
    // a device left open cannot keep it waiting.
    drain_ = std::thread([this] {
        char buffer[65536];
        pollfd reader{sink_[0], POLLIN, 0};
        while (!closing_)
            if (poll(&reader, 1, 20) > 0 && read(sink_[0], buffer, sizeof buffer) <= 0)
                break;
    });
    // SDL 2.30 and later write the disk driver's mix only into a regular file
    // or a pipe; SDL 3 under sdl2-compat reads its own names for the same.
    const std::string sink = "/proc/self/fd/" + std::to_string(sink_[1]);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", sink.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    setenv("SDL_AUDIO_DISK_OUTPUT_FILE", sink.c_str(), 1);
    setenv("SDL_AUDIO_DISK_TIMESCALE", "0", 1);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The disk driver warns on every start that it is no sound card.
    SDL_LogSetOutputFunction([](void*, int, SDL_LogPriority, const char*) {}, nullptr);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    Mix_Init(MIX_INIT_MOD | MIX_INIT_MID | MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_FLAC | MIX_INIT_OPUS);
    if (Mix_OpenAudioDevice(rate, AUDIO_S16SYS, 2, MixBufferFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // Without a General MIDI soundfont MIDI files play silently.
    for (const char* font : SoundFonts) {
        std::error_code ec;
        if (std::filesystem::exists(font, ec)) {
            Mix_SetSoundFonts(font);
            break;
        }
    }
    open_ = true;
    rate_ = rate;
    playing = this;
    Mix_SetPostMix(PostMix, this);
    return true;
}

bool MixerOutput::Send(const void* bytes, std::size_t size)
{
    return WriteAll(output_, {static_cast<const char*>(bytes), size});
}

bool MixerOutput::Play(Mix_Music* music, int loops, bool forward, long maxFrames)
{
    ended_ = false;
    done_ = false;
    stopAt_ = maxFrames == Endless ? Endless : mixed_ + maxFrames;
    forward_ = forward;
    Mix_HookMusicFinished(MusicFinished);
    const bool started = Mix_PlayMusic(music, loops) == 0;
    if (started)
        done_.wait(false);
    forward_ = false;
    const bool ended = !started || ended_;
    // Halting calls the finished hook too.
    Mix_HookMusicFinished(nullptr);
    Mix_HaltMusic();
    return ended;
}

void MixerOutput::PostMix(void* self, Uint8* stream, int length)
{
    auto& output = *static_cast<MixerOutput*>(self);
    // The buffer in which the music ended goes out, with the silence after
    // its end; none after it.
    if (output.done_)
        return;
    // Only buffers of the music go out: none of the silence mixed before it
    // starts. The buffer it ends in counts, though it no longer plays.
    // A reader gone makes the write fail: the music is over for it.
    if (output.forward_ && (output.ended_ || Mix_PlayingMusic()) &&
        !WriteAll(output.output_, {reinterpret_cast<const char*>(stream), static_cast<std::size_t>(length)}))
        output.ended_ = true;
    output.mixed_ += length / 4;
    if (output.ended_ || output.mixed_ >= output.stopAt_) {
        output.done_ = true;
        output.done_.notify_one();
    }
}

// Runs on the audio thread, within the buffer where the music ends and
// before the post-mix hook sees that buffer.
void MixerOutput::MusicFinished()
{
    if (playing)
        playing->ended_ = true;
}

}  // namespace zorbil
