// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/PadWatch.h"

#include <SDL.h>

#include <chrono>

namespace zorbil {

PadWatch::PadWatch(std::function<void()> changed) : changed_(std::move(changed)) {}

PadWatch::~PadWatch()
{
    Stop();
}

void PadWatch::Start(int intervalMs)
{
    {
        std::lock_guard lock(mutex_);
        intervalMs_ = intervalMs;
        if (Running())
            return;
        stopping_ = false;
        called_ = false;
    }
    thread_ = std::thread(&PadWatch::Watch, this);
}

int PadWatch::IntervalMs() const
{
    std::lock_guard lock(mutex_);
    return intervalMs_;
}

void PadWatch::Stop()
{
    if (!Running())
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void PadWatch::Rearm()
{
    std::lock_guard lock(mutex_);
    called_ = false;
}

void PadWatch::Watch()
{
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(intervalMs_), [this] { return stopping_; })) {
        if (called_)
            continue;
        lock.unlock();
        // Reads the devices into SDL's queue, where the controllers' events
        // wait for the reader.
        SDL_GameControllerUpdate();
        const bool something = SDL_HasEvents(SDL_CONTROLLERAXISMOTION, SDL_CONTROLLERSENSORUPDATE);
        lock.lock();
        if (something && !stopping_) {
            called_ = true;
            changed_();
        }
    }
}

}  // namespace zorbil
