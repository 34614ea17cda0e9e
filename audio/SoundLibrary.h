// SPDX-License-Identifier: GPL-3.0-or-later
// The small sound layer the game talks to: exactly the calls the device
// set-up and the music and effect operations make, in the shape of the
// library the game was designed around. Handles are 32-bit values, 0 meaning
// "nothing opened"; every call accepts the null handle and then does nothing.
#pragma once

#include <cstdint>
#include <string>

namespace zorbil {

class SoundLibrary {
public:
    using Handle = uint32_t;

    // Stream modes.
    static constexpr unsigned Mode2D = 0x2000;
    static constexpr unsigned ModeLoopNormal = 0x2;

    virtual ~SoundLibrary() = default;

    virtual void SetOutput(int outputType) = 0;  // 0 = no sound output
    virtual void SetMixer(int mixerType) = 0;
    virtual void SetDriver(int driver) = 0;
    // maxChannels receives the configured quality (8 or 16). False on failure.
    virtual bool Init(int mixRate, int maxChannels, unsigned flags) = 0;
    virtual void SetSFXMasterVolume(int volume) = 0;  // 0..255

    virtual Handle StreamOpenFile(const std::string& path, unsigned mode, int memLength) = 0;
    virtual void StreamPlay(int channel, Handle stream) = 0;  // channel -1: any free channel
    virtual void StreamStop(Handle stream) = 0;

    virtual Handle LoadSong(const std::string& path) = 0;
    virtual void PlaySong(Handle module) = 0;
    virtual void StopSong(Handle module) = 0;

    // A stream the game will soon open: a library that must prepare a file
    // before it can play it does so now, so that the stream starts at once.
    virtual void Preload(const std::string&) {}
    // The game is about to show a frame the player waits for: a library
    // that starts helpers of its own to prepare files starts none for that
    // many milliseconds, or until called again with 0. What is opened
    // meanwhile prepares then.
    virtual void HoldStarts(int) {}
};

}  // namespace zorbil
