// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/SdlSoundLibrary.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cstdint>

namespace zorbil {

namespace {

// Short sounds kept decoded: the two effects, a short menu music, one more.
constexpr std::size_t KeptChunks = 4;

}  // namespace

// A short sound's samples and the mixer's chunk pointing into them.
class SdlSoundLibrary::Chunk {
public:
    explicit Chunk(std::vector<uint8_t> samples)
        : samples_(std::move(samples)),
          chunk_(samples_.empty() ? nullptr : Mix_QuickLoad_RAW(samples_.data(), static_cast<Uint32>(samples_.size())))
    {
    }
    // Freeing halts the channels that still play it.
    ~Chunk()
    {
        if (chunk_)
            Mix_FreeChunk(chunk_);
    }
    Chunk(const Chunk&) = delete;
    Chunk& operator=(const Chunk&) = delete;
    Mix_Chunk* get() const { return chunk_; }

private:
    std::vector<uint8_t> samples_;
    Mix_Chunk* chunk_;
};

SdlSoundLibrary::SdlSoundLibrary(std::string decoder, DecoderLimits limits)
    : decoders_(std::make_unique<SoundDecoders>(std::move(decoder), limits,
                                                [this](const std::shared_ptr<Decoding>& d) { Heard(d); }))
{
}

// The audio thread lets go of the music first, so that it no longer wakes
// the decoders' thread; that thread ends before what it reports to goes.
SdlSoundLibrary::~SdlSoundLibrary()
{
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
        ClearMusicSlot();
    }
    decoders_.reset();
    const std::lock_guard lock(mutex_);
    ReleaseAll();
    chunks_.clear();
    Mix_HookMusic(nullptr, nullptr);
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
    const std::lock_guard lock(mutex_);
    ReleaseAll();
    chunks_.clear();
    chunkOrder_.clear();
    rate_ = 0;
    if (!device_.Open(outputType_, driver_, mixRate, maxChannels))
        return false;
    rate_ = mixRate;
    Mix_HookMusic(MixMusic, this);
    return true;
}

void SdlSoundLibrary::SetSFXMasterVolume(int volume)
{
    const std::lock_guard lock(mutex_);
    sfxVolume_ = std::clamp(volume, 0, 255) * MIX_MAX_VOLUME / 255;
    if (!device_.IsOpen())
        return;
    Mix_Volume(-1, sfxVolume_);
    if (auto owner = sounds_.find(musicOwner_); owner != sounds_.end() && !owner->second.module)
        musicVolume_ = sfxVolume_;
}

SoundLibrary::Handle SdlSoundLibrary::StreamOpenFile(const std::string& path, unsigned mode, int)
{
    const std::lock_guard lock(mutex_);
    ReleaseFinished();
    const auto key = KeyOf(path);
    if (!device_.IsOpen() || !key || Refused(path, false, *key))
        return 0;
    Sound sound;
    sound.loop = (mode & ModeLoopNormal) != 0;
    if (auto kept = chunks_.find(path); kept != chunks_.end() && kept->second.key == *key)
        sound.chunk = kept->second.chunk;
    else
        sound.decoding = StreamDecoding(path, sound.loop ? DecodeMode::LoopingStream : DecodeMode::Stream);
    return Keep(std::move(sound));
}

void SdlSoundLibrary::StreamPlay(int, Handle stream)
{
    const std::lock_guard lock(mutex_);
    ReleaseFinished();
    if (auto found = sounds_.find(stream); found != sounds_.end())
        Start(stream, found->second);
}

void SdlSoundLibrary::StreamStop(Handle stream)
{
    const std::lock_guard lock(mutex_);
    ReleaseFinished();
    Stop(stream);
}

SoundLibrary::Handle SdlSoundLibrary::LoadSong(const std::string& path)
{
    const std::lock_guard lock(mutex_);
    ReleaseFinished();
    const auto key = KeyOf(path);
    if (!device_.IsOpen() || !key || Refused(path, true, *key))
        return 0;
    Sound sound;
    sound.module = true;
    sound.loop = true;  // a song starts over at its end, as module players do
    sound.decoding = decoders_->Start(path, DecodeMode::Song, rate_);
    return Keep(std::move(sound));
}

void SdlSoundLibrary::PlaySong(Handle module)
{
    StreamPlay(-1, module);
}

void SdlSoundLibrary::StopSong(Handle module)
{
    StreamStop(module);
}

// Effects are decoded as soon as the game knows it may need them, and then
// start from memory.
void SdlSoundLibrary::Preload(const std::string& path)
{
    const std::lock_guard lock(mutex_);
    const auto key = KeyOf(path);
    if (!device_.IsOpen() || !key || Refused(path, false, *key))
        return;
    if (auto kept = chunks_.find(path); kept != chunks_.end() && kept->second.key == *key)
        return;
    for (const auto& preload : preloads_)
        if (preload->path == path)
            return;
    preloads_.push_back(StreamDecoding(path, DecodeMode::Stream));
}

void SdlSoundLibrary::HoldStarts(int milliseconds)
{
    decoders_->Hold(std::chrono::milliseconds(milliseconds));
}

// Looking at a file's size and time tells whether it changed, without
// reading it.
std::optional<SdlSoundLibrary::FileKey> SdlSoundLibrary::KeyOf(const std::string& path)
{
    std::error_code ec;
    FileKey key;
    key.size = std::filesystem::file_size(path, ec);
    if (ec)
        return std::nullopt;
    key.modified = std::filesystem::last_write_time(path, ec);
    if (ec)
        return std::nullopt;
    return key;
}

bool SdlSoundLibrary::Refused(const std::string& path, bool song, const FileKey& key) const
{
    const auto found = refused_.find({path, song});
    return found != refused_.end() && found->second == key;
}

// Two openings of one stream before its decoder has spoken share it: two
// effects asked for at once start together.
std::shared_ptr<Decoding> SdlSoundLibrary::StreamDecoding(const std::string& path, DecodeMode mode)
{
    auto waiting = [&](const std::shared_ptr<Decoding>& d) {
        return d && d->path == path && d->mode == mode && d->result == Decoding::Result::Pending;
    };
    for (const auto& [handle, sound] : sounds_)
        if (waiting(sound.decoding))
            return sound.decoding;
    for (const auto& preload : preloads_)
        if (waiting(preload))
            return preload;
    return decoders_->Start(path, mode, rate_);
}

SoundLibrary::Handle SdlSoundLibrary::Keep(Sound sound)
{
    do
        ++lastHandle_;
    while (lastHandle_ == 0 || sounds_.count(lastHandle_));
    sounds_.emplace(lastHandle_, std::move(sound));
    return lastHandle_;
}

// A sound whose decoder has not spoken yet starts when it does.
void SdlSoundLibrary::Start(Handle handle, Sound& sound)
{
    if (sound.started)
        return;
    sound.started = true;
    if (sound.chunk)
        PlayChunk(sound);
    else if (sound.decoding && sound.decoding->result == Decoding::Result::Music)
        TakeMusicSlot(handle, sound);
}

void SdlSoundLibrary::PlayChunk(Sound& sound)
{
    if (!sound.chunk->get())
        return;
    sound.channel = Mix_PlayChannel(-1, sound.chunk->get(), sound.loop ? -1 : 0);
    if (sound.channel >= 0)
        Mix_Volume(sound.channel, sfxVolume_);
}

// The sound that had the slot falls silent, and is released on the next call.
void SdlSoundLibrary::TakeMusicSlot(Handle handle, const Sound& sound)
{
    musicOwner_ = handle;
    musicVolume_ = sound.module ? MIX_MAX_VOLUME : sfxVolume_;
    Feed(sound.decoding);
}

void SdlSoundLibrary::ClearMusicSlot()
{
    musicOwner_ = 0;
    Feed(nullptr);
}

// SDL2_mixer 2.6 keeps its audio lock to itself, but holds it while it sets
// the music hook: once that is done, the audio thread has left the old feed.
void SdlSoundLibrary::Feed(std::shared_ptr<Decoding> decoding)
{
    feed_ = decoding.get();
    if (device_.IsOpen())
        Mix_HookMusic(MixMusic, this);
    musicFeed_ = std::move(decoding);
}

void SdlSoundLibrary::Stop(Handle handle)
{
    auto found = sounds_.find(handle);
    if (found == sounds_.end())
        return;
    Sound sound = std::move(found->second);
    sounds_.erase(found);
    if (handle == musicOwner_)
        ClearMusicSlot();
    Release(sound);
}

// Halts what still plays the sound; its decoder, unless another sound still
// waits on it, is ended.
void SdlSoundLibrary::Release(Sound& sound)
{
    if (sound.chunk && sound.channel >= 0 && Mix_Playing(sound.channel) &&
        Mix_GetChunk(sound.channel) == sound.chunk->get())
        Mix_HaltChannel(sound.channel);
    if (decoders_ && sound.decoding && !sound.decoding->exhausted && !InUse(sound.decoding))
        decoders_->Stop(sound.decoding);
}

bool SdlSoundLibrary::InUse(const std::shared_ptr<Decoding>& decoding) const
{
    if (decoding == musicFeed_ || std::find(preloads_.begin(), preloads_.end(), decoding) != preloads_.end())
        return true;
    return std::any_of(sounds_.begin(), sounds_.end(),
                       [&](const auto& entry) { return entry.second.decoding == decoding; });
}

bool SdlSoundLibrary::Sounding(Handle handle, const Sound& sound) const
{
    if (sound.chunk)
        return sound.channel >= 0 && Mix_Playing(sound.channel) && Mix_GetChunk(sound.channel) == sound.chunk->get();
    if (!sound.decoding)
        return false;
    switch (sound.decoding->result.load()) {
    case Decoding::Result::Pending:
    case Decoding::Result::Chunk: return true;  // starts as soon as it is heard of
    case Decoding::Result::Music: return !sound.heard || (handle == musicOwner_ && !sound.decoding->Drained());
    case Decoding::Result::Failed: return false;
    }
    return false;
}

// A sound is released once it is over, on the next call into the layer:
// nothing plays a sound twice, and memory stays bounded however long the run.
// One whose decoder failed is over before it starts.
void SdlSoundLibrary::ReleaseFinished()
{
    std::vector<Handle> over;
    for (const auto& [handle, sound] : sounds_)
        if ((sound.started || (sound.decoding && sound.decoding->result == Decoding::Result::Failed)) &&
            !Sounding(handle, sound))
            over.push_back(handle);
    for (const Handle handle : over)
        Stop(handle);
}

void SdlSoundLibrary::ReleaseAll()
{
    ClearMusicSlot();
    std::vector<Sound> sounds;
    for (auto& [handle, sound] : sounds_)
        sounds.push_back(std::move(sound));
    sounds_.clear();
    const std::vector<std::shared_ptr<Decoding>> preloads = std::move(preloads_);
    preloads_.clear();
    for (Sound& sound : sounds)
        Release(sound);
    for (const auto& preload : preloads)
        if (decoders_ && !preload->exhausted)
            decoders_->Stop(preload);
}

// On the decoders' thread.
void SdlSoundLibrary::Heard(const std::shared_ptr<Decoding>& decoding)
{
    const std::lock_guard lock(mutex_);
    // Decoded for a device that has been opened again, or is closing.
    if (closing_ || decoding->rate != rate_)
        return;
    const bool song = decoding->mode == DecodeMode::Song;
    if (decoding->faulted)
        if (const auto key = KeyOf(decoding->path))
            refused_[{decoding->path, song}] = *key;
    if (decoding->result != Decoding::Result::Pending)
        std::erase(preloads_, decoding);

    std::vector<Handle> waiting;
    for (auto& [handle, sound] : sounds_)
        if (sound.decoding == decoding) {
            sound.heard = true;
            waiting.push_back(handle);
        }
    std::sort(waiting.begin(), waiting.end());

    if (decoding->result == Decoding::Result::Chunk && !decoding->faulted) {
        auto chunk = std::make_shared<Chunk>(std::move(decoding->chunk));
        if (const auto key = KeyOf(decoding->path)) {
            std::erase(chunkOrder_, decoding->path);
            chunkOrder_.push_back(decoding->path);
            chunks_[decoding->path] = Kept{*key, chunk};
            while (chunkOrder_.size() > KeptChunks) {
                chunks_.erase(chunkOrder_.front());
                chunkOrder_.erase(chunkOrder_.begin());
            }
        }
        for (const Handle handle : waiting) {
            Sound& sound = sounds_.at(handle);
            sound.decoding.reset();
            sound.chunk = chunk;
            if (sound.started)
                PlayChunk(sound);
        }
    } else if (decoding->result == Decoding::Result::Music && !decoding->faulted) {
        // The latest of the sounds started from it has the slot.
        for (auto handle = waiting.rbegin(); handle != waiting.rend(); ++handle)
            if (sounds_.at(*handle).started) {
                TakeMusicSlot(*handle, sounds_.at(*handle));
                break;
            }
        // A stream decoded ahead of need turned out long: it will be streamed
        // from its file when it plays.
        if (!InUse(decoding))
            decoders_->Stop(decoding);
    }
}

void SdlSoundLibrary::MixMusic(void* self, Uint8* stream, int length)
{
    auto& library = *static_cast<SdlSoundLibrary*>(self);
    Decoding* feed = library.feed_.load(std::memory_order_acquire);
    if (!feed)
        return;
    // The mixer hands over a silent buffer: what the decoder has not
    // delivered yet stays silent.
    const std::size_t got = feed->ring.Take(stream, static_cast<std::size_t>(length), FrameBytes);
    if (const int volume = library.musicVolume_; volume < MIX_MAX_VOLUME) {
        auto* samples = reinterpret_cast<int16_t*>(stream);
        for (std::size_t i = 0; i < got / sizeof(int16_t); ++i)
            samples[i] = static_cast<int16_t>(samples[i] * volume / MIX_MAX_VOLUME);
    }
    if (!feed->exhausted && feed->ring.Used() < feed->ring.Capacity() / 2)
        library.decoders_->Wake(*feed);
}

}  // namespace zorbil
