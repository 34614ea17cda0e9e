// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/ProbeProcess.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace zorbil {

namespace {

// AddressSanitizer reserves terabytes of address space up front: under it
// an address-space limit would stop every probe before it starts.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool LimitAddressSpace = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool LimitAddressSpace = false;
#else
constexpr bool LimitAddressSpace = true;
#endif
#else
constexpr bool LimitAddressSpace = true;
#endif

// Between fork and exec only async-signal-safe calls: the parent has threads.
[[noreturn]] void StartChild(const char* program, const char* path, const ProbeLimits& limits, int devNull)
{
    dup2(devNull, STDIN_FILENO);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    const rlimit cpu{static_cast<rlim_t>(limits.cpuSeconds), static_cast<rlim_t>(limits.cpuSeconds)};
    setrlimit(RLIMIT_CPU, &cpu);
    if (LimitAddressSpace) {
        const rlimit memory{static_cast<rlim_t>(limits.memoryBytes), static_cast<rlim_t>(limits.memoryBytes)};
        setrlimit(RLIMIT_AS, &memory);
    }
    // No core file of a decoder's crash in the player's folder.
    const rlimit core{0, 0};
    setrlimit(RLIMIT_CORE, &core);
    char* const argv[] = {const_cast<char*>(program), const_cast<char*>("--probe-sound"), const_cast<char*>(path),
                          nullptr};
    execv(program, argv);
    _exit(127);
}

}  // namespace

ProbeOutcome RunProbeProcess(const std::string& program, const std::string& path, const ProbeLimits& limits,
                             const std::atomic<bool>& cancel)
{
    const int devNull = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (devNull < 0)
        return ProbeOutcome::Refused;
    const pid_t child = fork();
    if (child == 0)
        StartChild(program.c_str(), path.c_str(), limits, devNull);
    close(devNull);
    if (child < 0)
        return ProbeOutcome::Refused;

    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::duration<double>(limits.wallSeconds);
    int status = 0;
    for (;;) {
        const pid_t ended = waitpid(child, &status, WNOHANG);
        if (ended == child)
            break;
        if (ended < 0 && errno != EINTR)
            return ProbeOutcome::Refused;
        const bool late = std::chrono::steady_clock::now() >= deadline;
        if (late || cancel) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return late ? ProbeOutcome::Overran : ProbeOutcome::Cancelled;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (WIFSIGNALED(status))
        return ProbeOutcome::Crashed;
    if (!WIFEXITED(status))
        return ProbeOutcome::Refused;
    switch (WEXITSTATUS(status)) {
    case ProbePlayedLong: return ProbeOutcome::PlayedLong;
    case ProbePlayedShort: return ProbeOutcome::PlayedShort;
    default: return ProbeOutcome::Refused;
    }
}

}  // namespace zorbil
