// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/SdlGamePads.h"

#include <SDL.h>

#include <optional>

namespace zorbil {

namespace {

std::optional<PadButton> ButtonOf(int sdlButton)
{
    switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return PadButton::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PadButton::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PadButton::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PadButton::Right;
    case SDL_CONTROLLER_BUTTON_A: return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B: return PadButton::B;
    case SDL_CONTROLLER_BUTTON_START: return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return PadButton::LeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return PadButton::RightShoulder;
    default: return std::nullopt;
    }
}

void Append(std::vector<PadEvent>& to, const std::vector<PadEvent>& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

SdlGamePads::~SdlGamePads()
{
    if (!started_)
        return;
    for (auto& [id, pad] : pads_)
        SDL_GameControllerClose(pad.controller);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlGamePads::Start()
{
    if (started_)
        return true;
    // The controllers bring up SDL's events, whose SIGINT and SIGTERM
    // handlers would turn Ctrl+C into an event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    return started_;
}

std::vector<PadEvent> SdlGamePads::Poll()
{
    std::vector<PadEvent> events;
    if (!started_)
        return events;
    // Reads the devices and notices those plugged in or out. Only the
    // controllers' own events are taken from SDL's queue: whatever else is
    // there belongs to others.
    SDL_GameControllerUpdate();
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_CONTROLLERAXISMOTION, SDL_CONTROLLERSENSORUPDATE) > 0) {
        switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            Add(e.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            Remove(e.cdevice.which, events);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (const auto button = ButtonOf(e.cbutton.button); button && pads_.contains(e.cbutton.which))
                events.push_back({e.type == SDL_CONTROLLERBUTTONDOWN ? PadEvent::Kind::Press : PadEvent::Kind::Release,
                                  *button});
            break;
        case SDL_CONTROLLERAXISMOTION: {
            const auto found = pads_.find(e.caxis.which);
            if (found == pads_.end())
                break;
            Pad& pad = found->second;
            if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
                pad.x = e.caxis.value;
            else if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
                pad.y = e.caxis.value;
            else
                break;
            Append(events, pad.stick.Move(pad.x, pad.y));
            break;
        }
        default:
            break;
        }
    }
    // The controller events are made from the joystick events, which nobody
    // reads: without this they would pile up in SDL's queue.
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED);
    return events;
}

std::vector<std::string> SdlGamePads::Files() const
{
    std::vector<std::string> files;
    for (const auto& [id, pad] : pads_) {
        const char* path = SDL_GameControllerPath(pad.controller);
        files.emplace_back(path ? path : "");
    }
    return files;
}

void SdlGamePads::Add(int deviceIndex)
{
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return;
    const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (pads_.contains(id)) {
        SDL_GameControllerClose(controller);  // announced twice: opened once
        return;
    }
    pads_.emplace(id, Pad{controller, {}});
    ++changes_;
}

void SdlGamePads::Remove(int instanceId, std::vector<PadEvent>& events)
{
    const auto found = pads_.find(instanceId);
    if (found == pads_.end())
        return;
    Append(events, found->second.stick.Reset());
    SDL_GameControllerClose(found->second.controller);
    pads_.erase(found);
    ++changes_;
    events.push_back({PadEvent::Kind::Unplugged});
}

}  // namespace zorbil
