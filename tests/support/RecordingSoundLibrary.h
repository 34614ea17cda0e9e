// SPDX-License-Identifier: GPL-3.0-or-later
// A sound layer that records every call with its arguments instead of
// making a sound; it can be told to refuse files or to fail.
#pragma once

#include <cstdio>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "audio/SoundLibrary.h"

namespace zorbil::test {

class RecordingSoundLibrary : public SoundLibrary {
public:
    std::vector<std::string> calls;
    std::set<std::string> notStreams;  // paths that give null stream handles
    std::set<std::string> notModules;  // paths that give null module handles
    std::string throwOn;               // a call name that raises an error
    bool initResult = true;

    void SetOutput(int outputType) override { Record("SetOutput(" + std::to_string(outputType) + ")"); }
    void SetMixer(int mixerType) override { Record("SetMixer(" + std::to_string(mixerType) + ")"); }
    void SetDriver(int driver) override { Record("SetDriver(" + std::to_string(driver) + ")"); }
    bool Init(int mixRate, int maxChannels, unsigned flags) override
    {
        Record("Init(" + std::to_string(mixRate) + "," + std::to_string(maxChannels) + "," + std::to_string(flags) +
               ")");
        return initResult;
    }
    void SetSFXMasterVolume(int volume) override { Record("SetSFXMasterVolume(" + std::to_string(volume) + ")"); }

    Handle StreamOpenFile(const std::string& path, unsigned mode, int memLength) override
    {
        Record("StreamOpenFile(" + path + "," + Hex(mode) + "," + std::to_string(memLength) + ")");
        return notStreams.count(path) ? 0 : ++lastHandle_;
    }
    void StreamPlay(int channel, Handle stream) override
    {
        Record("StreamPlay(" + std::to_string(channel) + "," + std::to_string(stream) + ")");
    }
    void StreamStop(Handle stream) override { Record("StreamStop(" + std::to_string(stream) + ")"); }

    Handle LoadSong(const std::string& path) override
    {
        Record("LoadSong(" + path + ")");
        return notModules.count(path) ? 0 : ++lastHandle_;
    }
    void PlaySong(Handle module) override { Record("PlaySong(" + std::to_string(module) + ")"); }
    void StopSong(Handle module) override { Record("StopSong(" + std::to_string(module) + ")"); }

private:
    void Record(const std::string& call)
    {
        if (!throwOn.empty() && call.rfind(throwOn + "(", 0) == 0)
            throw std::runtime_error("sound layer failure");
        calls.push_back(call);
    }
    static std::string Hex(unsigned value)
    {
        char text[16];
        std::snprintf(text, sizeof text, "0x%x", value);
        return text;
    }

    Handle lastHandle_ = 0;
};

}  // namespace zorbil::test
