// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/decoder/ProcessLimits.h"

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zorbil {

namespace {

// AddressSanitizer reserves terabytes of address space up front: under it
// an address-space limit would stop the decoder before it starts.
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

// Room for the largest General MIDI soundfont Debian has (140 MB) and the
// libraries; a 4 GB tag or a 1 Hz file's conversion buffer fails in here.
constexpr rlim_t AddressSpace = 1UL << 30;
// A backstop only: the game's watchdog holds each decoder to a share of a
// processor per second of sound it delivers.
constexpr rlim_t ProcessorSeconds = 3600;
constexpr rlim_t Descriptors = 64;
// Its threads (the mixer's, FluidSynth's) with room to spare; a thread bomb
// stops here.
constexpr rlim_t Processes = 32;

void Limit(int resource, rlim_t value)
{
    const rlimit limit{value, value};
    setrlimit(resource, &limit);
}

}  // namespace

void LimitResources()
{
    Limit(RLIMIT_CORE, 0);
    Limit(RLIMIT_FSIZE, 0);
    Limit(RLIMIT_NOFILE, Descriptors);
    Limit(RLIMIT_CPU, ProcessorSeconds);
    if (LimitAddressSpace)
        Limit(RLIMIT_AS, AddressSpace);
}

void LimitProcesses()
{
    Limit(RLIMIT_NPROC, Processes);
}

bool DropPrivileges()
{
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return false;
    // Root's, or those its own user namespace gave it.
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3] = {};
    syscall(SYS_capset, &header, none);
    return true;
}

}  // namespace zorbil
