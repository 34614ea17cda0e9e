// SPDX-License-Identifier: GPL-3.0-or-later
// The sound layer on SDL2_mixer.
//
// How the library's kinds map onto SDL2_mixer: SDL2_mixer mixes any number of
// fully decoded chunks on channels but streams only one music at a time.
// So a stream that lasts at most ShortSoundSeconds (an effect, a short loop)
// is decoded into a chunk and plays on a free channel, overlapping
// everything else; a longer stream, or one whose length is unknown, plays in
// the music slot straight from the file and starts at once however long it
// is. Modules (tracker and MIDI files) always play in the music slot.
//
// No file is opened before the judge has let it through (see ProbedSounds):
// a file it refuses is one the layer cannot open. A stream is decoded into
// memory only when the judge has seen it end within the short length, since
// headers lie about it; with no measure the header is trusted.
//
// A sound is released as soon as it has finished or been stopped; its handle
// then stays dead, so a late stop on a replaced handle does nothing. Only
// one SdlSoundLibrary may exist at a time: SDL2_mixer is global.
#pragma once

#include <SDL_mixer.h>

#include <cstddef>
#include <unordered_map>

#include "audio/SdlAudioDevice.h"
#include "audio/SoundJudge.h"
#include "audio/SoundLibrary.h"

namespace zorbil {

class SdlSoundLibrary : public SoundLibrary {
public:
    static constexpr double ShortSoundSeconds = 10.0;

    // Takes the judge enabled for the program, if any.
    SdlSoundLibrary();
    ~SdlSoundLibrary() override;
    SdlSoundLibrary(const SdlSoundLibrary&) = delete;
    SdlSoundLibrary& operator=(const SdlSoundLibrary&) = delete;

    void SetOutput(int outputType) override;
    void SetMixer(int mixerType) override;
    void SetDriver(int driver) override;
    bool Init(int mixRate, int maxChannels, unsigned flags) override;
    void SetSFXMasterVolume(int volume) override;

    Handle StreamOpenFile(const std::string& path, unsigned mode, int memLength) override;
    void StreamPlay(int channel, Handle stream) override;
    void StreamStop(Handle stream) override;

    Handle LoadSong(const std::string& path) override;
    void PlaySong(Handle module) override;
    void StopSong(Handle module) override;

    // nullptr opens every file unjudged.
    void SetJudge(SoundJudge* judge) { judge_ = judge; }

    // Sounds opened and not yet released.
    std::size_t HeldSounds() const { return sounds_.size(); }

private:
    struct Sound {
        Mix_Chunk* chunk = nullptr;
        Mix_Music* music = nullptr;
        bool module = false;
        bool loop = false;
        bool started = false;
        int channel = -1;
    };

    SoundVerdict Verdict(const std::string& path) const;
    Mix_Music* OpenMusic(const std::string& path, bool module) const;
    Handle Keep(Sound sound);
    void Start(Handle handle, int channel);
    void Stop(Handle handle);
    bool Sounding(Handle handle, const Sound& sound) const;
    void ReleaseFinished();
    void Release(Sound& sound);
    void ReleaseAll();

    SdlAudioDevice device_;
    SoundJudge* judge_;
    int outputType_ = -1;  // not chosen: SDL decides
    int driver_ = 0;
    int sfxVolume_ = 128;  // SDL2_mixer's full volume
    std::unordered_map<Handle, Sound> sounds_;
    Handle lastHandle_ = 0;
    Handle musicOwner_ = 0;  // the sound now in the music slot
};

}  // namespace zorbil
