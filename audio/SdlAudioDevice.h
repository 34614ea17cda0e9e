// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL side of the sound device: which SDL audio drivers an output type
// stands for, and opening SDL_mixer on the first of them that works.
#pragma once

#include <string>
#include <vector>

namespace zorbil {

// The SDL audio drivers tried, in order, for one of the library's output
// types. An empty name is SDL's own automatic choice. Output 0 (no sound)
// gives no driver at all.
std::vector<std::string> SdlDriversForOutput(int outputType);

class SdlAudioDevice {
public:
    SdlAudioDevice() = default;
    ~SdlAudioDevice();
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    // Opens stereo signed 16-bit output at mixRate with `channels` mixing
    // channels for sampled sounds. SDL_AUDIODRIVER in the environment wins
    // over the drivers of the output type. `device` 0 is the driver's default
    // device, n > 0 the driver's n-th listed device.
    bool Open(int outputType, int device, int mixRate, int channels);
    void Close();
    bool IsOpen() const { return open_; }

private:
    bool OpenWith(const std::string& driver, int device, int mixRate);

    bool open_ = false;
};

}  // namespace zorbil
