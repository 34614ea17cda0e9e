// SPDX-License-Identifier: GPL-3.0-or-later
// Looks at the game controllers every few milliseconds on a thread of its
// own, and calls back only when they did something: whoever reads them can
// then sleep while a controller lies untouched. It takes nothing from SDL's
// queue; the reader's own SdlGamePads::Poll does. SDL's game controllers
// must be up for as long as it watches.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace zorbil {

class PadWatch {
public:
    // changed runs on the watching thread, at most once until Rearm.
    explicit PadWatch(std::function<void()> changed);
    ~PadWatch();
    PadWatch(const PadWatch&) = delete;
    PadWatch& operator=(const PadWatch&) = delete;

    // Starts watching every intervalMs, or goes on at that pace.
    void Start(int intervalMs);
    // Waits for the thread to end.
    void Stop();
    bool Running() const { return thread_.joinable(); }
    int IntervalMs() const;
    // The reader has read: the next change calls back again.
    void Rearm();

private:
    void Watch();

    int intervalMs_ = 0;
    std::function<void()> changed_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    bool called_ = false;
    std::thread thread_;
};

}  // namespace zorbil
