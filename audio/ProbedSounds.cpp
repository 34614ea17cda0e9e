// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/ProbedSounds.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "audio/GameSound.h"

namespace zorbil {

ProbedSounds::ProbedSounds(std::string program, ProbeLimits limits)
    : program_(std::move(program)), limits_(limits), worker_([this] { Work(); })
{
}

ProbedSounds::~ProbedSounds()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void ProbedSounds::Foresee(const std::vector<std::string>& paths)
{
    {
        const std::lock_guard lock(mutex_);
        waiting_.insert(waiting_.begin(), paths.begin(), paths.end());
    }
    changed_.notify_all();
}

SoundVerdict ProbedSounds::Judge(const std::string& path)
{
    const auto key = KeyOf(path);
    if (!key)
        return {};
    std::unique_lock lock(mutex_);
    // Waited for, a file is probed at once on the caller's thread, whatever
    // the background probes are busy with; one already running is awaited.
    while (!Known(path, *key)) {
        if (running_.count(path)) {
            changed_.wait(lock);
            continue;
        }
        std::erase(waiting_, path);
        Probe(path, *key, lock);
    }
    switch (probed_.at(path).outcome) {
    case ProbeOutcome::PlayedShort: return {true, true, true};
    case ProbeOutcome::PlayedLong: return {true, true, false};
    default: return {false, false, false};
    }
}

void ProbedSounds::Probe(const std::string& path, const Key& key, std::unique_lock<std::mutex>& lock)
{
    running_.insert(path);
    lock.unlock();
    const ProbeOutcome outcome = RunProbeProcess(program_, path, limits_, stop_);
    lock.lock();
    running_.erase(path);
    probed_[path] = Probed{key, outcome};
    changed_.notify_all();
}

std::optional<ProbeOutcome> ProbedSounds::Outcome(const std::string& path)
{
    const std::lock_guard lock(mutex_);
    const auto found = probed_.find(path);
    if (found == probed_.end())
        return std::nullopt;
    return found->second.outcome;
}

std::optional<ProbedSounds::Key> ProbedSounds::KeyOf(const std::string& path)
{
    std::error_code ec;
    Key key;
    key.size = std::filesystem::file_size(path, ec);
    if (ec)
        return std::nullopt;
    key.modified = std::filesystem::last_write_time(path, ec);
    if (ec)
        return std::nullopt;
    return key;
}

bool ProbedSounds::Known(const std::string& path, const Key& key) const
{
    const auto found = probed_.find(path);
    return found != probed_.end() && found->second.key == key;
}

void ProbedSounds::Work()
{
    std::unique_lock lock(mutex_);
    while (!stop_) {
        if (waiting_.empty()) {
            changed_.wait(lock);
            continue;
        }
        const std::string path = waiting_.front();
        waiting_.pop_front();
        const auto key = KeyOf(path);
        if (key && !Known(path, *key) && !running_.count(path))
            Probe(path, *key, lock);
    }
}

namespace {

std::unique_ptr<ProbedSounds> enabled;

// The shipped files are probed like the player's own: the launcher never
// replaces a player's copy, so what lies under a shipped name may be anything.
// The menu music goes first: it starts as soon as the game window shows.
std::vector<std::string> GameFolderSounds(const std::filesystem::path& folder)
{
    std::vector<std::string> sounds;
    for (const char* tail : {MenuMusicTail, DonutSoundTail, OverSoundTail})
        sounds.push_back(folder.string() + tail);
    std::vector<std::string> musics;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "Musiques", ec))
        if (entry.path().extension() == ".mus")
            musics.push_back(entry.path().string());
    std::sort(musics.begin(), musics.end());
    sounds.insert(sounds.end(), musics.begin(), musics.end());
    return sounds;
}

}  // namespace

void EnableSoundProbes()
{
    // The running program itself, even if its file has been replaced since.
    enabled = std::make_unique<ProbedSounds>("/proc/self/exe", ProbeLimits{});
    std::error_code ec;
    const auto folder = std::filesystem::current_path(ec);
    if (!ec)
        enabled->Foresee(GameFolderSounds(folder));
}

SoundJudge* EnabledSoundJudge()
{
    return enabled.get();
}

}  // namespace zorbil
