// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/PadWatch.h"

#include <SDL.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>

namespace zorbil {

namespace {

using Clock = std::chrono::steady_clock;

// The controllers' device files, open on the watching thread only.
class Files {
public:
    ~Files() { Close(); }

    void Open(const std::vector<std::string>& paths)
    {
        Close();
        complete_ = !paths.empty();
        for (const std::string& path : paths) {
            const int fd = path.empty() ? -1 : open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                fds_.push_back(fd);
            else
                complete_ = false;
        }
    }
    void Close()
    {
        for (int fd : fds_)
            close(fd);
        fds_.clear();
        complete_ = false;
    }
    // Whether every controller has one open.
    bool Complete() const { return complete_; }
    const std::vector<int>& Fds() const { return fds_; }
    // Gone with its controller: until the files are set again, the others
    // are read at the interval.
    void Drop(int fd)
    {
        close(fd);
        std::erase(fds_, fd);
        complete_ = false;
    }

private:
    std::vector<int> fds_;
    bool complete_ = false;
};

// Empties our copy of what a controller sent. Bounded: a controller that
// streams its state cannot keep the thread here.
void Drain(int fd)
{
    char buffer[4096];
    for (int i = 0; i < 16 && read(fd, buffer, sizeof buffer) > 0; ++i) {
    }
}

int Milliseconds(Clock::duration d)
{
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(d).count());
}

}  // namespace

PadWatch::PadWatch(std::function<void()> changed)
    : changed_(std::move(changed)), wake_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
}

PadWatch::~PadWatch()
{
    Stop();
    if (wake_ >= 0)
        close(wake_);
}

void PadWatch::Start(int intervalMs, bool onFiles)
{
    {
        std::lock_guard lock(mutex_);
        const bool same = intervalMs == intervalMs_ && onFiles == onFiles_;
        intervalMs_ = intervalMs;
        onFiles_ = onFiles;
        if (Running()) {
            if (!same)
                Wake();
            return;
        }
        stopping_ = false;
        called_ = false;
        filesChanged_ = true;
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
    Wake();
    thread_.join();
}

void PadWatch::Rearm()
{
    std::lock_guard lock(mutex_);
    if (!called_)
        return;
    called_ = false;
    Wake();
}

void PadWatch::SetFiles(std::vector<std::string> files)
{
    std::lock_guard lock(mutex_);
    files_ = std::move(files);
    filesChanged_ = true;
    if (Running())
        Wake();
}

void PadWatch::Wake()
{
    if (wake_ < 0)
        return;
    const std::uint64_t one = 1;
    // A full counter is a thread already due to wake.
    [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
}

void PadWatch::Watch()
{
    Files files;
    Clock::time_point last{};
    std::vector<pollfd> polled;
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (filesChanged_) {
            filesChanged_ = false;
            const std::vector<std::string> paths = files_;
            lock.unlock();
            files.Open(paths);
            lock.lock();
            continue;
        }
        const Clock::duration interval = std::chrono::milliseconds(intervalMs_);
        // Without a way to wake it, the thread looks at its orders at every
        // interval.
        const bool wakeable = wake_ >= 0;
        const bool onFiles = onFiles_ && files.Complete() && wakeable;
        const bool waiting = called_ && wakeable;
        lock.unlock();

        polled.assign(1, pollfd{wake_, POLLIN, 0});
        int timeoutMs = Milliseconds(interval);
        if (waiting) {
            timeoutMs = -1;  // for Rearm
        } else if (onFiles) {
            // A controller that streams is read at the interval at most.
            const Clock::duration left = last + interval - Clock::now();
            timeoutMs = left > Clock::duration::zero() ? Milliseconds(left) : -1;
            if (timeoutMs < 0)
                for (int fd : files.Fds())
                    polled.push_back({fd, POLLIN, 0});
        }
        const int ready = poll(polled.data(), polled.size(), timeoutMs);
        if (ready > 0 && polled[0].revents) {
            std::uint64_t count;
            [[maybe_unused]] const ssize_t taken = read(wake_, &count, sizeof count);
        }
        bool due = false;
        if (!waiting && !onFiles && ready == 0) {
            due = true;
            for (int fd : files.Fds())
                Drain(fd);
        }
        for (std::size_t i = 1; i < polled.size(); ++i) {
            if (polled[i].revents & POLLIN)
                Drain(polled[i].fd);
            if (polled[i].revents & (POLLERR | POLLHUP | POLLNVAL))
                files.Drop(polled[i].fd);
            due = due || polled[i].revents;
        }

        lock.lock();
        if (!due || called_ || stopping_)
            continue;
        lock.unlock();
        // Reads the devices into SDL's queue, where the controllers' events
        // wait for the reader. Our copy of the files was emptied first, so
        // that whatever SDL has not read yet wakes us again.
        SDL_GameControllerUpdate();
        const bool something = SDL_HasEvents(SDL_CONTROLLERAXISMOTION, SDL_CONTROLLERSENSORUPDATE);
        last = Clock::now();
        lock.lock();
        if (something && !stopping_) {
            called_ = true;
            changed_();
        }
    }
}

}  // namespace zorbil
