// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/SdlSoundLibrary.h"

#include <SDL_mixer.h>

#include "audio/MidiCheck.h"
#include "audio/ProbedSounds.h"

#include <algorithm>
#include <cctype>
#include <fstream>

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

}  // namespace

SdlSoundLibrary::SdlSoundLibrary() : judge_(EnabledSoundJudge()) {}

SdlSoundLibrary::~SdlSoundLibrary()
{
    ReleaseAll();
}

void SdlSoundLibrary::SetOutput(int outputType)
{
    outputType_ = outputType;
}

// SDL2_mixer has one mixer of its own; the choice has nothing to act on.
void SdlSoundLibrary::SetMixer(int) {}

void SdlSoundLibrary::SetDriver(int driver)
{
    driver_ = driver;
}

// maxChannels is the number of channels for sampled sounds; the flags ask for
// nothing SDL2_mixer does not do anyway.
bool SdlSoundLibrary::Init(int mixRate, int maxChannels, unsigned)
{
    ReleaseAll();
    return device_.Open(outputType_, driver_, mixRate, maxChannels);
}

void SdlSoundLibrary::SetSFXMasterVolume(int volume)
{
    sfxVolume_ = std::clamp(volume, 0, 255) * MIX_MAX_VOLUME / 255;
    if (!device_.IsOpen())
        return;
    Mix_Volume(-1, sfxVolume_);
    if (auto owner = sounds_.find(musicOwner_); owner != sounds_.end() && !owner->second.module)
        Mix_VolumeMusic(sfxVolume_);
}

SoundLibrary::Handle SdlSoundLibrary::StreamOpenFile(const std::string& path, unsigned mode, int)
{
    ReleaseFinished();
    if (LooksLikeMidi(path) || !device_.IsOpen())
        return 0;
    const SoundVerdict verdict = Verdict(path);
    if (!verdict.safe)
        return 0;
    Mix_Music* music = OpenMusic(path, false);
    if (!music)
        return 0;
    Sound sound;
    sound.loop = (mode & ModeLoopNormal) != 0;
    const double seconds = Mix_MusicDuration(music);
    if (seconds >= 0 && seconds <= ShortSoundSeconds && (!verdict.measured || verdict.shortStream))
        sound.chunk = Mix_LoadWAV(path.c_str());
    if (sound.chunk)
        Mix_FreeMusic(music);
    else
        sound.music = music;
    return Keep(sound);
}

void SdlSoundLibrary::StreamPlay(int channel, Handle stream)
{
    ReleaseFinished();
    Start(stream, channel);
}

void SdlSoundLibrary::StreamStop(Handle stream)
{
    ReleaseFinished();
    Stop(stream);
}

SoundLibrary::Handle SdlSoundLibrary::LoadSong(const std::string& path)
{
    ReleaseFinished();
    if (!device_.IsOpen() || !Verdict(path).safe)
        return 0;
    Mix_Music* music = OpenMusic(path, true);
    if (!music)
        return 0;
    Sound sound;
    sound.music = music;
    sound.module = true;
    sound.loop = true;  // a song starts over at its end, as module players do
    return Keep(sound);
}

void SdlSoundLibrary::PlaySong(Handle module)
{
    ReleaseFinished();
    Start(module, -1);
}

void SdlSoundLibrary::StopSong(Handle module)
{
    ReleaseFinished();
    Stop(module);
}

SoundVerdict SdlSoundLibrary::Verdict(const std::string& path) const
{
    return judge_ ? judge_->Judge(path) : SoundVerdict{};
}

// Opening as music reads only the headers, whatever the file's length.
Mix_Music* SdlSoundLibrary::OpenMusic(const std::string& path, bool module) const
{
    if (!device_.IsOpen())
        return nullptr;
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music)
        return nullptr;
    const Mix_MusicType type = Mix_GetMusicType(music);
    const bool fits = module ? IsModule(type) && (type != MUS_MID || IsPlayableMidi(path)) : IsStream(type);
    if (!fits) {
        Mix_FreeMusic(music);
        return nullptr;
    }
    return music;
}

SoundLibrary::Handle SdlSoundLibrary::Keep(Sound sound)
{
    do
        ++lastHandle_;
    while (lastHandle_ == 0 || sounds_.count(lastHandle_));
    sounds_.emplace(lastHandle_, sound);
    return lastHandle_;
}

void SdlSoundLibrary::Start(Handle handle, int channel)
{
    auto found = sounds_.find(handle);
    if (found == sounds_.end() || found->second.started)
        return;
    Sound& sound = found->second;
    sound.started = true;
    if (sound.chunk) {
        sound.channel = Mix_PlayChannel(channel, sound.chunk, sound.loop ? -1 : 0);
        if (sound.channel >= 0)
            Mix_Volume(sound.channel, sfxVolume_);
        return;
    }
    Mix_VolumeMusic(sound.module ? ModuleVolume : sfxVolume_);
    if (Mix_PlayMusic(sound.music, sound.loop ? -1 : 1) == 0)
        musicOwner_ = handle;
}

void SdlSoundLibrary::Stop(Handle handle)
{
    auto found = sounds_.find(handle);
    if (found == sounds_.end())
        return;
    Release(found->second);
    sounds_.erase(found);
    if (handle == musicOwner_)
        musicOwner_ = 0;
}

bool SdlSoundLibrary::Sounding(Handle handle, const Sound& sound) const
{
    if (sound.chunk)
        return sound.channel >= 0 && Mix_Playing(sound.channel) && Mix_GetChunk(sound.channel) == sound.chunk;
    return handle == musicOwner_ && Mix_PlayingMusic();
}

// A sound is released once it is over, on the next call into the layer:
// nothing plays a sound twice, and memory stays bounded however long the run.
void SdlSoundLibrary::ReleaseFinished()
{
    for (auto it = sounds_.begin(); it != sounds_.end();) {
        if (it->second.started && !Sounding(it->first, it->second)) {
            Release(it->second);
            it = sounds_.erase(it);
        } else {
            ++it;
        }
    }
}

void SdlSoundLibrary::Release(Sound& sound)
{
    // Freeing halts whatever still plays the sound.
    if (sound.chunk)
        Mix_FreeChunk(sound.chunk);
    if (sound.music)
        Mix_FreeMusic(sound.music);
}

void SdlSoundLibrary::ReleaseAll()
{
    for (auto& [handle, sound] : sounds_)
        Release(sound);
    sounds_.clear();
    musicOwner_ = 0;
}

}  // namespace zorbil
