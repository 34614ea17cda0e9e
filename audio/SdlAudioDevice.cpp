// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/SdlAudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

#include "audio/DecoderProtocol.h"
#include "audio/SoundCodes.h"

namespace zorbil {

std::vector<std::string> SdlDriversForOutput(int outputType)
{
    if (outputType == NoSoundOutput)
        return {};
    for (const DriverCode& driver : DriverCodes) {
        if (driver.outputType != outputType)
            continue;
        std::vector<std::string> names;
        for (const char* name : driver.sdlDrivers)
            if (name)
                names.emplace_back(name);
        return names;
    }
    return {""};  // an unknown type: SDL decides
}

SdlAudioDevice::~SdlAudioDevice()
{
    Close();
}

bool SdlAudioDevice::Open(int outputType, int device, int mixRate, int channels)
{
    Close();
    if (mixRate <= 0)
        return false;
    std::vector<std::string> drivers = SdlDriversForOutput(outputType);
    if (drivers.empty())
        return false;
    if (std::getenv("SDL_AUDIODRIVER"))
        drivers = {""};  // SDL reads the variable itself
    for (const std::string& driver : drivers) {
        if (OpenWith(driver, device, mixRate)) {
            open_ = true;
            break;
        }
    }
    if (!open_)
        return false;
    Mix_AllocateChannels(channels > 0 ? channels : 1);
    return true;
}

bool SdlAudioDevice::OpenWith(const std::string& driver, int device, int mixRate)
{
    if (driver.empty())
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    else
        SDL_SetHint(SDL_HINT_AUDIODRIVER, driver.c_str());
    // Audio brings up SDL's events, whose SIGINT and SIGTERM handlers would
    // turn a request to end the program into an event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    const char* name = device > 0 ? SDL_GetAudioDeviceName(device - 1, 0) : nullptr;
    // SDL converts to whatever the hardware wants, so the mixer always works
    // at the chosen rate in stereo 16-bit.
    if (Mix_OpenAudioDevice(mixRate, AUDIO_S16SYS, 2, MixBufferFrames, name, 0) == 0)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

void SdlAudioDevice::Close()
{
    if (!open_)
        return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

}  // namespace zorbil
