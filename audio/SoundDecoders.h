// SPDX-License-Identifier: GPL-3.0-or-later
// The game's decoder processes and the thread that tends them.
//
// Starting a decoding never waits: the thread starts the process, reads its
// verdict and its samples as the game needs them, and hears of its end. Its
// watchdog kills a decoder that keeps the game waiting for samples without
// ending, or that uses more of a processor than the sound it delivers can
// justify. A decoder's fate reaches the sound layer through the listener,
// on this thread.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/Decoding.h"
#include "translations/Translatable.h"

namespace zorbil {

// Said once a run when the kernel lacks what locks a decoder down: the
// decoders still run, without it.
inline constexpr const char* DecoderWithoutLandlockMessage = ZORBIL_TRANSLATABLE(
    "Messages", "Les fichiers de sons sont décodés sans Landlock : le noyau ne l'offre pas.");
inline constexpr const char* DecoderWithoutFilterMessage = ZORBIL_TRANSLATABLE(
    "Messages", "Les fichiers de sons sont décodés sans filtre d'appels système : le noyau l'a refusé.");
inline constexpr const char* DecoderWithoutNamespacesMessage = ZORBIL_TRANSLATABLE(
    "Messages", "Les fichiers de sons sont décodés sans espaces de noms à eux : le noyau les a refusés.");

// How those messages reach the player: by default "zorbil: " and the French
// text on standard error; the program sets one that translates.
using DecoderNotice = void (*)(const char* message);
void SetDecoderNotice(DecoderNotice notice);

struct DecoderLimits {
    // No sample while the game waits for some, and no end either.
    double stallSeconds = 5;
    // Processor time allowed before any sound, and per second of sound.
    double processorSeconds = 10;
    double processorPerSoundSecond = 0.5;
};

class SoundDecoders {
public:
    // Told when a decoding gets its verdict, and when one ends by a fault.
    using Listener = std::function<void(const std::shared_ptr<Decoding>&)>;

    SoundDecoders(std::string program, DecoderLimits limits, Listener listener);
    // Kills every decoder.
    ~SoundDecoders();
    SoundDecoders(const SoundDecoders&) = delete;
    SoundDecoders& operator=(const SoundDecoders&) = delete;

    std::shared_ptr<Decoding> Start(const std::string& path, DecodeMode mode, int rate);
    // Kills its decoder; no fault, and the listener hears no more of it.
    void Stop(const std::shared_ptr<Decoding>& decoding);
    // From the audio thread: a ring ran low.
    void Wake(Decoding& decoding);
    // Starts no decoder for this long, or until called again with zero;
    // those asked for meanwhile start then. A decoder's start-up takes a
    // processor for a while, which a frame the player waits for needs more.
    void Hold(std::chrono::milliseconds duration);

private:
    struct Running;

    void Run();
    void Spawn(Running& running);
    void Read(Running& running, std::vector<std::shared_ptr<Decoding>>& heard);
    void Watch(Running& running, std::chrono::steady_clock::time_point now);
    bool Reap(Running& running, std::chrono::steady_clock::time_point now, std::vector<std::shared_ptr<Decoding>>& heard);
    void Kill(Running& running, bool fault);
    void Notify();

    const std::string program_;
    const DecoderLimits limits_;
    const Listener listener_;
    const int wake_;  // an eventfd

    std::mutex mutex_;  // guards the four below
    std::vector<std::shared_ptr<Decoding>> starting_;
    std::vector<std::shared_ptr<Decoding>> stopping_;
    std::chrono::steady_clock::time_point heldUntil_;
    bool quitting_ = false;

    std::vector<std::unique_ptr<Running>> running_;  // the thread's own
    std::thread thread_;
};

}  // namespace zorbil
