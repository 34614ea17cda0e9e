// SPDX-License-Identifier: GPL-3.0-or-later
// The sound layer on SDL2_mixer, which only ever mixes samples: every sound
// file is opened and decoded by a decoder process (audio/DecoderProtocol.h).
//
// How the library's kinds map onto SDL2_mixer: SDL2_mixer mixes any number of
// chunks on channels but one music at a time. A stream that really ends
// within ShortSoundSeconds (an effect, a short loop) comes back whole and
// plays from memory on a free channel, overlapping everything else; it is
// kept, so that the next effect from the same file starts at once. A longer
// stream, or a module (tracker and MIDI files), plays in the music slot:
// the music hook feeds the decoder's samples to the mixer as they come.
//
// Opening never waits for a decoder: a handle is given at once and the
// sound starts when its decoder has said what the file is. A file its
// decoder refuses, crashes on or is killed over stays silent for the rest
// of the run, as a file that cannot be opened: the next opening of it gives
// a null handle at once.
//
// A sound is released as soon as it has finished or been stopped; its handle
// then stays dead, so a late stop on a replaced handle does nothing. Only
// one SdlSoundLibrary may exist at a time: SDL2_mixer is global.
#pragma once

#include <SDL_mixer.h>

#include <atomic>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "audio/DecoderProcess.h"
#include "audio/SdlAudioDevice.h"
#include "audio/SoundDecoders.h"
#include "audio/SoundLibrary.h"

namespace zorbil {

class SdlSoundLibrary : public SoundLibrary {
public:
    static constexpr double ShortSoundSeconds = zorbil::ShortSoundSeconds;

    // `decoder` is the decoder program; by default the one installed beside
    // the running program.
    explicit SdlSoundLibrary(std::string decoder = DecoderBesideProgram(), DecoderLimits limits = {});
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

    void Preload(const std::string& path) override;
    void HoldStarts(int milliseconds) override;

private:
    class Chunk;
    struct FileKey {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        bool operator==(const FileKey&) const = default;
    };
    struct Sound {
        std::shared_ptr<Decoding> decoding;  // until it is known to be short
        std::shared_ptr<Chunk> chunk;        // once it is
        bool module = false;
        bool loop = false;
        bool started = false;
        // The decoders' thread sets a verdict before the layer hears of it:
        // until then a music has not had its chance at the slot.
        bool heard = false;
        int channel = -1;
    };
    struct Kept {
        FileKey key;
        std::shared_ptr<Chunk> chunk;
    };

    static std::optional<FileKey> KeyOf(const std::string& path);
    bool Refused(const std::string& path, bool song, const FileKey& key) const;
    std::shared_ptr<Decoding> StreamDecoding(const std::string& path, DecodeMode mode);
    Handle Keep(Sound sound);
    void Start(Handle handle, Sound& sound);
    void PlayChunk(Sound& sound);
    void TakeMusicSlot(Handle handle, const Sound& sound);
    void ClearMusicSlot();
    void Feed(std::shared_ptr<Decoding> decoding);
    void Stop(Handle handle);
    void Release(Sound& sound);
    bool InUse(const std::shared_ptr<Decoding>& decoding) const;
    bool Sounding(Handle handle, const Sound& sound) const;
    void ReleaseFinished();
    void ReleaseAll();
    void Heard(const std::shared_ptr<Decoding>& decoding);
    static void MixMusic(void* self, Uint8* stream, int length);

    mutable std::mutex mutex_;  // the decoders' thread reports here too
    SdlAudioDevice device_;
    int outputType_ = -1;  // not chosen: SDL decides
    int driver_ = 0;
    int rate_ = 0;
    int sfxVolume_ = MIX_MAX_VOLUME;
    bool closing_ = false;
    std::unordered_map<Handle, Sound> sounds_;
    Handle lastHandle_ = 0;
    Handle musicOwner_ = 0;  // the sound now in the music slot
    std::shared_ptr<Decoding> musicFeed_;
    std::map<std::string, Kept> chunks_;            // short sounds, by path
    std::vector<std::string> chunkOrder_;           // oldest first
    std::map<std::pair<std::string, bool>, FileKey> refused_;  // by path and song-or-stream
    std::vector<std::shared_ptr<Decoding>> preloads_;

    // Read by the audio thread.
    std::atomic<Decoding*> feed_{nullptr};
    std::atomic<int> musicVolume_{MIX_MAX_VOLUME};

    std::unique_ptr<SoundDecoders> decoders_;
};

}  // namespace zorbil
