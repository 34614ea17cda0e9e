// SPDX-License-Identifier: GPL-3.0-or-later
// What a test sees of the sound layer's decoders from outside: the
// processes that run, and the files they have turned down, which open to
// nothing at once from then on.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DiskAudio.h"
#include "audio/SoundLibrary.h"

namespace zorbil::test {

// The decoder processes this test runs now; a script runs under its
// interpreter, named second.
inline std::vector<pid_t> Decoders(const std::string& program)
{
    std::vector<pid_t> found;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream children(task.path() / "children");
        pid_t pid;
        while (children >> pid) {
            std::ifstream command("/proc/" + std::to_string(pid) + "/cmdline");
            std::string first, second;
            std::getline(command, first, '\0');
            std::getline(command, second, '\0');
            if (first == program || second == program)
                found.push_back(pid);
        }
    }
    return found;
}

// Mixes until `done` holds, for 20 s at most; false when it never does.
template <typename Done>
bool MixUntil(const DiskAudio& disk, Done done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        disk.Advance(0.05);
    }
    return true;
}

// Whether the file opens to nothing as a song, and as a stream.
struct Opening {
    bool song = false;
    bool stream = false;
};

inline Opening OpensToNothing(SoundLibrary& library, const std::string& path)
{
    const auto song = library.LoadSong(path);
    const auto stream = library.StreamOpenFile(path, SoundLibrary::Mode2D, 512);
    library.StopSong(song);
    library.StreamStop(stream);
    return {song == 0, stream == 0};
}

// Mixes until the decoders have turned the file down both ways.
inline bool RefusedBothWays(SoundLibrary& library, const DiskAudio& disk, const std::string& path)
{
    return MixUntil(disk, [&] {
        const Opening o = OpensToNothing(library, path);
        return o.song && o.stream;
    });
}

}  // namespace zorbil::test
