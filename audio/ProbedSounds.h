// SPDX-License-Identifier: GPL-3.0-or-later
// The running game's judge of sound files: each file is played once by a
// probe process before the sound layer may open it, and the verdict is kept
// for the rest of the run by path, size and modification time. Files foreseen
// are probed one at a time on a thread of their own, ahead of need; a file
// asked for before its turn is probed at once, beside them.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "audio/ProbeProcess.h"
#include "audio/SoundJudge.h"

namespace zorbil {

class ProbedSounds : public SoundJudge {
public:
    // `program` is a program that takes the private --probe-sound option.
    ProbedSounds(std::string program, ProbeLimits limits);
    ~ProbedSounds() override;
    ProbedSounds(const ProbedSounds&) = delete;
    ProbedSounds& operator=(const ProbedSounds&) = delete;

    // Probes these files in the background, in this order, before those
    // already waiting: the latest need comes first.
    void Foresee(const std::vector<std::string>& paths) override;
    // Waits for the file's probe. A missing file needs none: it fails to open.
    SoundVerdict Judge(const std::string& path) override;
    // How the file's latest probe ended, if it has been probed.
    std::optional<ProbeOutcome> Outcome(const std::string& path);

private:
    struct Key {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        bool operator==(const Key&) const = default;
    };
    struct Probed {
        Key key;
        ProbeOutcome outcome;
    };

    static std::optional<Key> KeyOf(const std::string& path);
    bool Known(const std::string& path, const Key& key) const;
    // Runs the file's probe with the lock released, and keeps its outcome.
    void Probe(const std::string& path, const Key& key, std::unique_lock<std::mutex>& lock);
    void Work();

    const std::string program_;
    const ProbeLimits limits_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> waiting_;
    std::set<std::string> running_;
    std::map<std::string, Probed> probed_;
    std::atomic<bool> stop_{false};
    std::thread worker_;
};

// For the game's own program: probes through the program itself, and starts
// on the shipped and the player's sounds and musics of the game folder (the
// current directory). The sound layers made after this use it.
void EnableSoundProbes();
// The judge enabled for the program, or none.
SoundJudge* EnabledSoundJudge();

}  // namespace zorbil
