// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/decoder/MusicDecoder.h"

#include <SDL_mixer.h>

#include <cctype>
#include <cstdint>
#include <fstream>

#include "audio/decoder/MidiCheck.h"

namespace zorbil {

namespace {

// Modules play at half volume: tracker modules come out of the module
// player near full scale and would clip with the effects on top.
constexpr int ModuleVolume = MIX_MAX_VOLUME / 2;

bool IsModule(Mix_MusicType type)
{
    return type == MUS_MOD || type == MUS_MID;
}

bool IsStream(Mix_MusicType type)
{
    return type == MUS_WAV || type == MUS_OGG || type == MUS_MP3 || type == MUS_FLAC || type == MUS_OPUS;
}

// SDL2_mixer's own signs of a MIDI file: its extension or its header.
// Opening MIDI loads a whole soundfont, far too slow just to learn that it
// is no stream.
bool LooksLikeMidi(const std::string& path)
{
    std::string extension = path.substr(path.find_last_of("./") + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "mid" || extension == "midi" || extension == "kar")
        return true;
    char header[12] = {};
    std::ifstream(path, std::ios::binary).read(header, sizeof header);
    return std::string(header, 4) == "MThd" ||
           (std::string(header, 4) == "RIFF" && std::string(header + 8, 4) == "RMID");
}

class Music {
public:
    explicit Music(const std::string& path) : music_(Mix_LoadMUS(path.c_str())) {}
    ~Music()
    {
        if (music_)
            Mix_FreeMusic(music_);
    }
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;
    Mix_Music* get() const { return music_; }

private:
    Mix_Music* music_;
};

int PlayInMusicSlot(Mix_Music* music, int loops, int volume, MixerOutput& output, long maxFrames)
{
    Mix_VolumeMusic(volume);
    if (!output.Send(MusicTag, sizeof MusicTag))
        return DecoderEnded;
    output.Play(music, loops, true, maxFrames);
    return DecoderEnded;
}

// A stream whose header says it is short is played through once, unheard,
// since headers lie about lengths: only one that really ends within the
// short length is decoded whole.
int DecodeStream(const std::string& path, bool loop, MixerOutput& output, long maxFrames)
{
    if (LooksLikeMidi(path))
        return DecoderRefused;
    const Music music(path);
    if (!music.get() || !IsStream(Mix_GetMusicType(music.get())))
        return DecoderRefused;
    const double declared = Mix_MusicDuration(music.get());
    if (declared >= 0 && declared <= ShortSoundSeconds) {
        const long shortFrames = static_cast<long>(ShortSoundSeconds * output.Rate());
        Mix_VolumeMusic(MIX_MAX_VOLUME);
        if (output.Play(music.get(), 1, false, shortFrames)) {
            if (Mix_Chunk* chunk = Mix_LoadWAV(path.c_str())) {
                const uint32_t length = chunk->alen;
                const bool fits = length <= MaxChunkBytes(output.Rate());
                if (fits)
                    output.Send(ChunkTag, sizeof ChunkTag) && output.Send(&length, sizeof length) &&
                        output.Send(chunk->abuf, length);
                Mix_FreeChunk(chunk);
                if (fits)
                    return DecoderEnded;
            }
        }
    }
    return PlayInMusicSlot(music.get(), loop ? -1 : 1, MIX_MAX_VOLUME, output, maxFrames);
}

// A song starts over at its end, as module players do.
int DecodeSong(const std::string& path, MixerOutput& output, long maxFrames)
{
    const Music music(path);
    if (!music.get())
        return DecoderRefused;
    const Mix_MusicType type = Mix_GetMusicType(music.get());
    if (!IsModule(type) || (type == MUS_MID && !IsPlayableMidi(path)))
        return DecoderRefused;
    return PlayInMusicSlot(music.get(), -1, ModuleVolume, output, maxFrames);
}

}  // namespace

int DecodeSound(DecodeMode mode, const std::string& path, MixerOutput& output, long maxFrames)
{
    switch (mode) {
    case DecodeMode::Song: return DecodeSong(path, output, maxFrames);
    case DecodeMode::Stream: return DecodeStream(path, false, output, maxFrames);
    case DecodeMode::LoopingStream: return DecodeStream(path, true, output, maxFrames);
    }
    return DecoderUsage;
}

}  // namespace zorbil
