// SPDX-License-Identifier: GPL-3.0-or-later
// Looks at the game controllers on a thread of its own, and calls back only
// when they did something: whoever reads them can then sleep while a
// controller lies untouched. It reads them every so many milliseconds, or,
// on files, sleeps until one of the controllers' device files has something
// to read (the kernel gives each open its own copy of the events, so its copy
// takes nothing from SDL's), and reads them then, no sooner than that many
// milliseconds after the last reading. On files only where every controller
// has a file it can open: SDL's virtual joysticks and files it may not read
// keep it to the interval. It takes nothing from SDL's queue; the reader's
// own SdlGamePads::Poll does. SDL's game controllers must be up for as long
// as it watches.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zorbil {

class PadWatch {
public:
    // changed runs on the watching thread, at most once until Rearm.
    explicit PadWatch(std::function<void()> changed);
    ~PadWatch();
    PadWatch(const PadWatch&) = delete;
    PadWatch& operator=(const PadWatch&) = delete;

    // Starts watching at that pace, or goes on at it.
    void Start(int intervalMs, bool onFiles);
    // Waits for the thread to end.
    void Stop();
    bool Running() const { return thread_.joinable(); }
    int IntervalMs() const;
    // The reader has read: the next change calls back again.
    void Rearm();
    // The device file of each controller plugged in now, as SDL names it;
    // empty where it has none.
    void SetFiles(std::vector<std::string> files);

private:
    void Watch();
    void Wake();

    int intervalMs_ = 0;
    bool onFiles_ = false;
    std::vector<std::string> files_;
    bool filesChanged_ = false;
    std::function<void()> changed_;
    mutable std::mutex mutex_;
    // Written to wake the thread from its poll.
    int wake_ = -1;
    bool stopping_ = false;
    bool called_ = false;
    std::thread thread_;
};

}  // namespace zorbil
