// SPDX-License-Identifier: GPL-3.0-or-later
// Samples on their way from a decoder's pipe to the audio callback: one
// thread fills the ring straight from the pipe, the audio thread empties
// it, and neither waits for the other.
#pragma once

#include <sys/uio.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace zorbil {

class SampleRing {
public:
    explicit SampleRing(std::size_t capacity) : buffer_(capacity) {}

    std::size_t Capacity() const { return buffer_.size(); }
    std::size_t Used() const { return written_.load(std::memory_order_acquire) - taken_.load(std::memory_order_acquire); }
    bool Full() const { return Used() == Capacity(); }

    // Filling thread: reads what fits from `fd`. Returns read()'s result.
    ssize_t ReadFrom(int fd)
    {
        const std::size_t written = written_.load(std::memory_order_relaxed);
        const std::size_t room = Capacity() - (written - taken_.load(std::memory_order_acquire));
        if (room == 0)
            return -1;
        const std::size_t at = written % Capacity();
        const std::size_t first = std::min(room, Capacity() - at);
        iovec parts[2] = {{buffer_.data() + at, first}, {buffer_.data(), room - first}};
        const ssize_t got = readv(fd, parts, room > first ? 2 : 1);
        if (got > 0)
            written_.store(written + static_cast<std::size_t>(got), std::memory_order_release);
        return got;
    }

    // Audio thread: takes whole frames of `frameBytes`, at most `size` bytes.
    std::size_t Take(uint8_t* out, std::size_t size, std::size_t frameBytes)
    {
        const std::size_t taken = taken_.load(std::memory_order_relaxed);
        std::size_t count = std::min(size, written_.load(std::memory_order_acquire) - taken);
        count -= count % frameBytes;
        const std::size_t at = taken % Capacity();
        const std::size_t first = std::min(count, Capacity() - at);
        std::memcpy(out, buffer_.data() + at, first);
        std::memcpy(out + first, buffer_.data(), count - first);
        taken_.store(taken + count, std::memory_order_release);
        return count;
    }

private:
    std::vector<uint8_t> buffer_;
    std::atomic<std::size_t> written_{0};
    std::atomic<std::size_t> taken_{0};
};

}  // namespace zorbil
