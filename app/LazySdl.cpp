// SPDX-License-Identifier: GPL-3.0-or-later
// SDL and its mixer, loaded at their first use rather than at the program's
// start: with their codecs and sound servers they are some forty libraries
// that the configuration dialog does not need to show itself. Each function
// the program calls is defined here and hands the call on to the library,
// which is opened on the first call. Linked into the game program only, with
// --as-needed, so that neither library is loaded at start.
#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The mixer and, through it, the SDL it was built for.
void* Library()
{
    static void* const library = [] {
        void* opened = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!opened) {
            // What the dynamic loader would have said at start.
            std::fprintf(stderr, "zorbil: %s\n", dlerror());
            std::_Exit(127);
        }
        return opened;
    }();
    return library;
}

template <typename Function>
Function* Resolve(const char* name)
{
    void* symbol = dlsym(Library(), name);
    if (!symbol) {
        std::fprintf(stderr, "zorbil: %s\n", dlerror());
        std::_Exit(127);
    }
    return reinterpret_cast<Function*>(symbol);
}

}  // namespace

#define ZORBIL_FORWARD(name) static auto* const real = Resolve<decltype(name)>(#name)

int SDL_InitSubSystem(Uint32 flags)
{
    ZORBIL_FORWARD(SDL_InitSubSystem);
    return real(flags);
}

void SDL_QuitSubSystem(Uint32 flags)
{
    ZORBIL_FORWARD(SDL_QuitSubSystem);
    real(flags);
}

SDL_bool SDL_SetHint(const char* name, const char* value)
{
    ZORBIL_FORWARD(SDL_SetHint);
    return real(name, value);
}

SDL_bool SDL_ResetHint(const char* name)
{
    ZORBIL_FORWARD(SDL_ResetHint);
    return real(name);
}

const char* SDL_GetAudioDeviceName(int index, int iscapture)
{
    ZORBIL_FORWARD(SDL_GetAudioDeviceName);
    return real(index, iscapture);
}

void SDL_FlushEvents(Uint32 minType, Uint32 maxType)
{
    ZORBIL_FORWARD(SDL_FlushEvents);
    real(minType, maxType);
}

SDL_bool SDL_HasEvents(Uint32 minType, Uint32 maxType)
{
    ZORBIL_FORWARD(SDL_HasEvents);
    return real(minType, maxType);
}

int SDL_PeepEvents(SDL_Event* events, int numevents, SDL_eventaction action, Uint32 minType, Uint32 maxType)
{
    ZORBIL_FORWARD(SDL_PeepEvents);
    return real(events, numevents, action, minType, maxType);
}

SDL_GameController* SDL_GameControllerOpen(int joystick_index)
{
    ZORBIL_FORWARD(SDL_GameControllerOpen);
    return real(joystick_index);
}

void SDL_GameControllerClose(SDL_GameController* gamecontroller)
{
    ZORBIL_FORWARD(SDL_GameControllerClose);
    real(gamecontroller);
}

SDL_Joystick* SDL_GameControllerGetJoystick(SDL_GameController* gamecontroller)
{
    ZORBIL_FORWARD(SDL_GameControllerGetJoystick);
    return real(gamecontroller);
}

void SDL_GameControllerUpdate(void)
{
    ZORBIL_FORWARD(SDL_GameControllerUpdate);
    real();
}

const char* SDL_GameControllerPath(SDL_GameController* gamecontroller)
{
    ZORBIL_FORWARD(SDL_GameControllerPath);
    return real(gamecontroller);
}

SDL_JoystickID SDL_JoystickInstanceID(SDL_Joystick* joystick)
{
    ZORBIL_FORWARD(SDL_JoystickInstanceID);
    return real(joystick);
}

int Mix_OpenAudioDevice(int frequency, Uint16 format, int channels, int chunksize, const char* device,
                        int allowed_changes)
{
    ZORBIL_FORWARD(Mix_OpenAudioDevice);
    return real(frequency, format, channels, chunksize, device, allowed_changes);
}

void Mix_CloseAudio(void)
{
    ZORBIL_FORWARD(Mix_CloseAudio);
    real();
}

int Mix_AllocateChannels(int numchans)
{
    ZORBIL_FORWARD(Mix_AllocateChannels);
    return real(numchans);
}

Mix_Chunk* Mix_QuickLoad_RAW(Uint8* mem, Uint32 len)
{
    ZORBIL_FORWARD(Mix_QuickLoad_RAW);
    return real(mem, len);
}

void Mix_FreeChunk(Mix_Chunk* chunk)
{
    ZORBIL_FORWARD(Mix_FreeChunk);
    real(chunk);
}

Mix_Chunk* Mix_GetChunk(int channel)
{
    ZORBIL_FORWARD(Mix_GetChunk);
    return real(channel);
}

int Mix_PlayChannel(int channel, Mix_Chunk* chunk, int loops)
{
    ZORBIL_FORWARD(Mix_PlayChannel);
    return real(channel, chunk, loops);
}

int Mix_HaltChannel(int channel)
{
    ZORBIL_FORWARD(Mix_HaltChannel);
    return real(channel);
}

int Mix_Playing(int channel)
{
    ZORBIL_FORWARD(Mix_Playing);
    return real(channel);
}

int Mix_Volume(int channel, int volume)
{
    ZORBIL_FORWARD(Mix_Volume);
    return real(channel, volume);
}

void Mix_HookMusic(void (*mix_func)(void* udata, Uint8* stream, int len), void* arg)
{
    ZORBIL_FORWARD(Mix_HookMusic);
    real(mix_func, arg);
}
