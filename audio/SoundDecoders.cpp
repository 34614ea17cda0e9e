// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/SoundDecoders.h"

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "audio/DecoderProcess.h"

namespace zorbil {

namespace {

using Clock = std::chrono::steady_clock;

// Samples held for the game: a couple of seconds at the highest rate, so
// that a decoder starved of the processor for a moment goes unheard.
constexpr double RingSeconds = 2.0;
// How often the watchdog looks while decoders run.
constexpr int TickMilliseconds = 250;
constexpr auto ProcessorCheckEvery = std::chrono::seconds(1);
// A decoder that closed its output and still runs is ended after this.
constexpr auto LingerAfterOutput = std::chrono::seconds(2);
// The most read from one decoder per wake-up: one that floods its output
// waits its turn like the others.
constexpr std::size_t BytesPerWake = 256 * 1024;

double ThreadProcessorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double Seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

void SayOnStandardError(const char* message)
{
    std::fprintf(stderr, "zorbil: %s\n", message);
}

std::atomic<DecoderNotice> notice{SayOnStandardError};

// Said once a run: the decoders still run, with what the kernel offers.
void ReportSandbox(const DecoderHello& hello)
{
    static std::once_flag landlock, seccomp, namespaces;
    if (hello.landlockAbi <= 0)
        std::call_once(landlock, [] { notice.load()(DecoderWithoutLandlockMessage); });
    if (hello.seccomp == 0)
        std::call_once(seccomp, [] { notice.load()(DecoderWithoutFilterMessage); });
    if (hello.namespaces == 0)
        std::call_once(namespaces, [] { notice.load()(DecoderWithoutNamespacesMessage); });
}

}  // namespace

void SetDecoderNotice(DecoderNotice say)
{
    notice = say ? say : SayOnStandardError;
}

struct SoundDecoders::Running {
    enum class Stage { Hello, Tag, Length, Chunk, Music, Over };

    std::shared_ptr<Decoding> decoding;
    DecoderProcess process;
    Stage stage = Stage::Hello;
    // A header being read, and how much of it has come.
    char header[sizeof(DecoderHello)] = {};
    std::size_t got = 0;
    std::size_t delivered = 0;  // bytes of sound
    double gameSeconds = 0;     // this thread's processor time spent on its output
    bool stopped = false;       // at the game's request
    bool killed = false;        // by the watchdog
    bool outputClosed = false;
    Clock::time_point progress;
    Clock::time_point processorChecked;
    Clock::time_point closedAt;
};

SoundDecoders::SoundDecoders(std::string program, DecoderLimits limits, Listener listener)
    : program_(std::move(program)), limits_(limits), listener_(std::move(listener)),
      wake_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), thread_([this] { Run(); })
{
}

SoundDecoders::~SoundDecoders()
{
    {
        const std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    Notify();
    thread_.join();
    close(wake_);
}

std::shared_ptr<Decoding> SoundDecoders::Start(const std::string& path, DecodeMode mode, int rate)
{
    const auto ringBytes = static_cast<std::size_t>(RingSeconds * rate) * FrameBytes;
    auto decoding = std::make_shared<Decoding>(path, mode, rate, ringBytes);
    {
        const std::lock_guard lock(mutex_);
        starting_.push_back(decoding);
    }
    Notify();
    return decoding;
}

void SoundDecoders::Stop(const std::shared_ptr<Decoding>& decoding)
{
    {
        const std::lock_guard lock(mutex_);
        stopping_.push_back(decoding);
    }
    Notify();
}

void SoundDecoders::Hold(std::chrono::milliseconds duration)
{
    {
        const std::lock_guard lock(mutex_);
        heldUntil_ = Clock::now() + duration;
    }
    Notify();
}

void SoundDecoders::Wake(Decoding& decoding)
{
    if (!decoding.wanted.exchange(true))
        Notify();
}

void SoundDecoders::Notify()
{
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
}

void SoundDecoders::Run()
{
    std::vector<std::shared_ptr<Decoding>> heard;
    std::vector<pollfd> polled;
    std::vector<Running*> readers;
    for (;;) {
        heard.clear();
        int timeout = -1;
        {
            const std::lock_guard lock(mutex_);
            if (quitting_)
                break;
            // One stopped before it started never starts.
            for (const auto& decoding : stopping_)
                std::erase(starting_, decoding);
            const auto held = heldUntil_ - Clock::now();
            if (held <= Clock::duration::zero()) {
                for (auto& decoding : starting_) {
                    running_.push_back(std::make_unique<Running>());
                    running_.back()->decoding = std::move(decoding);
                    Spawn(*running_.back());
                }
                starting_.clear();
            } else if (!starting_.empty()) {
                timeout = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(held).count());
            }
            for (const auto& decoding : stopping_)
                for (auto& running : running_)
                    if (running->decoding == decoding && !running->stopped) {
                        running->stopped = true;
                        Kill(*running, false);
                    }
            stopping_.clear();
        }
        if (!running_.empty())
            timeout = timeout < 0 ? TickMilliseconds : std::min(timeout, TickMilliseconds);

        polled.assign(1, pollfd{wake_, POLLIN, 0});
        readers.clear();
        for (auto& running : running_) {
            const bool wants = running->stage != Running::Stage::Music || !running->decoding->ring.Full();
            if (!running->outputClosed && wants) {
                polled.push_back(pollfd{running->process.samples, POLLIN, 0});
                readers.push_back(running.get());
            }
        }
        poll(polled.data(), polled.size(), timeout);
        uint64_t wakes = 0;
        [[maybe_unused]] const ssize_t drained = read(wake_, &wakes, sizeof wakes);

        for (std::size_t i = 0; i < readers.size(); ++i)
            if (polled[i + 1].revents != 0) {
                const double before = ThreadProcessorSeconds();
                Read(*readers[i], heard);
                readers[i]->gameSeconds += ThreadProcessorSeconds() - before;
            }
        const auto now = Clock::now();
        for (auto& running : running_)
            Watch(*running, now);
        std::erase_if(running_, [&](const auto& running) { return Reap(*running, now, heard); });

        for (const auto& decoding : heard)
            listener_(decoding);
    }
    for (auto& running : running_) {
        Kill(*running, false);
        waitpid(running->process.pid, nullptr, 0);
    }
}

void SoundDecoders::Spawn(Running& running)
{
    const Decoding& decoding = *running.decoding;
    running.process = StartDecoder(program_, decoding.path, decoding.mode, decoding.rate);
    running.progress = running.processorChecked = Clock::now();
    if (running.process.pid < 0) {
        running.outputClosed = true;
        running.closedAt = running.progress;
    }
}

void SoundDecoders::Read(Running& running, std::vector<std::shared_ptr<Decoding>>& heard)
{
    Decoding& decoding = *running.decoding;
    using Stage = Running::Stage;
    std::size_t taken = 0;
    for (;;) {
        ssize_t got = 0;
        switch (running.stage) {
        case Stage::Hello:
        case Stage::Tag:
        case Stage::Length: {
            const std::size_t size = running.stage == Stage::Hello ? sizeof(DecoderHello)
                                     : running.stage == Stage::Tag ? sizeof MusicTag
                                                                   : sizeof(uint32_t);
            got = read(running.process.samples, running.header + running.got, size - running.got);
            if (got > 0 && (running.got += static_cast<std::size_t>(got)) == size) {
                running.got = 0;
                if (running.stage == Stage::Hello) {
                    DecoderHello hello;
                    std::memcpy(&hello, running.header, sizeof hello);
                    if (std::memcmp(hello.magic, HelloMagic, sizeof HelloMagic) != 0 || hello.landlockAbi < 0 ||
                        (hello.seccomp != 0 && hello.seccomp != 1) ||
                        (hello.namespaces != 0 && hello.namespaces != 1)) {
                        Kill(running, true);
                        return;
                    }
                    ReportSandbox(hello);
                    running.stage = Stage::Tag;
                } else if (running.stage == Stage::Tag && std::memcmp(running.header, MusicTag, 4) == 0) {
                    running.stage = Stage::Music;
                    decoding.result = Decoding::Result::Music;
                    heard.push_back(running.decoding);
                } else if (running.stage == Stage::Tag && std::memcmp(running.header, ChunkTag, 4) == 0) {
                    running.stage = Stage::Length;
                } else if (running.stage == Stage::Length) {
                    uint32_t length = 0;
                    std::memcpy(&length, running.header, sizeof length);
                    if (length > MaxChunkBytes(decoding.rate) || length % FrameBytes != 0) {
                        Kill(running, true);
                        return;
                    }
                    decoding.chunk.resize(length);
                    running.stage = Stage::Chunk;
                } else {
                    Kill(running, true);
                    return;
                }
            }
            break;
        }
        case Stage::Chunk:
            got = read(running.process.samples, decoding.chunk.data() + running.got,
                       decoding.chunk.size() - running.got);
            if (got > 0) {
                running.got += static_cast<std::size_t>(got);
                running.delivered += static_cast<std::size_t>(got);
            }
            break;
        case Stage::Music:
            decoding.wanted = false;
            if (decoding.ring.Full())
                return;
            got = decoding.ring.ReadFrom(running.process.samples);
            if (got > 0)
                running.delivered += static_cast<std::size_t>(got);
            break;
        case Stage::Over: {
            // Nothing may follow a short sound but the end of the output.
            char extra;
            got = read(running.process.samples, &extra, sizeof extra);
            if (got > 0) {
                Kill(running, true);
                return;
            }
            break;
        }
        }
        if (running.stage == Stage::Chunk && running.got == decoding.chunk.size()) {
            running.stage = Stage::Over;
            decoding.result = Decoding::Result::Chunk;
            heard.push_back(running.decoding);
        }
        if (got > 0) {
            running.progress = Clock::now();
            taken += static_cast<std::size_t>(got);
            if (taken >= BytesPerWake)
                return;
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && errno == EAGAIN)
            return;
        // The end of its output: the decoder has ended, or is about to.
        close(running.process.samples);
        running.outputClosed = true;
        running.closedAt = Clock::now();
        decoding.exhausted = true;
        return;
    }
}

void SoundDecoders::Watch(Running& running, Clock::time_point now)
{
    if (running.outputClosed)
        return;
    const Decoding& decoding = *running.decoding;
    // A full ring waits for the game, not for the decoder.
    if (running.stage == Running::Stage::Music && decoding.ring.Full())
        running.progress = now;
    if (Seconds(now - running.progress) > limits_.stallSeconds) {
        // One that has handed over its whole sound owes nothing more.
        Kill(running, running.stage != Running::Stage::Over);
        return;
    }
    if (now - running.processorChecked >= ProcessorCheckEvery) {
        running.processorChecked = now;
        const double sound = static_cast<double>(running.delivered) / (decoding.rate * FrameBytes);
        // The game's own time on its output counts as the decoder's.
        if (ProcessorSeconds(running.process.pid) + running.gameSeconds >
            limits_.processorSeconds + limits_.processorPerSoundSecond * sound)
            Kill(running, true);
    }
}

bool SoundDecoders::Reap(Running& running, Clock::time_point now, std::vector<std::shared_ptr<Decoding>>& heard)
{
    if (!running.outputClosed)
        return false;
    Decoding& decoding = *running.decoding;
    std::optional<int> status = -1;
    if (running.process.pid >= 0) {
        status = Reaped(running.process.pid);
        if (!status) {
            if (now - running.closedAt > LingerAfterOutput)
                KillGroup(running.process.pid);
            return false;
        }
    }
    decoding.exhausted = true;
    if (running.stopped)
        return true;
    const bool verdict = decoding.result != Decoding::Result::Pending;
    if (running.killed || *status != DecoderEnded || !verdict) {
        decoding.faulted = true;
        if (!verdict)
            decoding.result = Decoding::Result::Failed;
        heard.push_back(running.decoding);
    }
    return true;
}

void SoundDecoders::Kill(Running& running, bool fault)
{
    if (running.process.pid >= 0)
        KillGroup(running.process.pid);
    if (fault)
        running.killed = true;
    if (!running.outputClosed) {
        close(running.process.samples);
        running.outputClosed = true;
        running.closedAt = Clock::now();
    }
}

}  // namespace zorbil
