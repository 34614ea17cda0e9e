// SPDX-License-Identifier: GPL-3.0-or-later
// Every game controller plugged in, through SDL's game-controller API: the
// mappings of SDL's own database and of SDL_GAMECONTROLLERCONFIG in the
// environment (where Steam passes its own). Controllers plugged in before
// Start or at any time after join at the next Poll.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "input/PadEvent.h"
#include "input/StickDirection.h"

struct _SDL_GameController;

namespace zorbil {

class SdlGamePads {
public:
    SdlGamePads() = default;
    ~SdlGamePads();
    SdlGamePads(const SdlGamePads&) = delete;
    SdlGamePads& operator=(const SdlGamePads&) = delete;

    // Brings up SDL's game controllers, leaving the program's signal
    // handlers alone. False where SDL has no joystick support: there are
    // then no controllers, and Poll gives nothing.
    bool Start();
    // What the controllers did since the last call, in order.
    std::vector<PadEvent> Poll();
    int Count() const { return static_cast<int>(pads_.size()); }
    // The device file of each controller, as SDL names it: an evdev or a
    // hidraw node; empty where there is none (SDL's virtual joysticks).
    std::vector<std::string> Files() const;
    // Goes up whenever a controller is plugged in or out.
    int Changes() const { return changes_; }

private:
    struct Pad {
        _SDL_GameController* controller;
        StickDirection stick;
        int x = 0;
        int y = 0;
    };

    void Add(int deviceIndex);
    void Remove(int instanceId, std::vector<PadEvent>& events);

    bool started_ = false;
    int changes_ = 0;
    std::map<int, Pad> pads_;  // by SDL's joystick instance id
};

}  // namespace zorbil
