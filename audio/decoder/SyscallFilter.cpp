// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/decoder/SyscallFilter.h"

#include <errno.h>
#include <fcntl.h>
#include <sched.h>
#include <seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <memory>

namespace zorbil {

namespace {

struct FilterDeleter {
    void operator()(void* filter) const { seccomp_release(filter); }
};

// Everything a decoder does once locked down, found by tracing it (strace -f)
// through every format it plays: WAV, AIFF, FLAC, MP3, Ogg Vorbis, MOD, XM,
// S3M, IT and MIDI through FluidSynth and its soundfont. Anything else fails
// with EPERM. Calls that could reach outside the process are not here: they
// are allowed below with their arguments checked.
constexpr const char* Allowed[] = {
    // memory: the C library's allocator, FluidSynth's locked sample memory
    "brk", "mmap", "munmap", "mremap", "mprotect", "madvise", "mlock", "munlock",
    // threads waiting on one another, and their set-up by the C library
    "futex", "set_robust_list", "rseq", "sched_yield",
    // clocks and sleeps: the disk driver's pacing, SDL's timers
    "clock_gettime", "clock_getres", "gettimeofday", "nanosleep", "clock_nanosleep",
    // reading the file, the soundfont and the pipe the mixer's output drains into
    "read", "readv", "pread64", "lseek", "close", "poll", "ppoll",
    // its samples to standard output, and the mixer's into its own pipe:
    // no descriptor it could open is writable
    "write", "writev",
    // looking up the file and the soundfonts: only what its file system
    // holds (Landlock, its own mount namespace)
    "fstat", "newfstatat", "statx", "access", "faccessat", "faccessat2", "getdents64", "readlink", "readlinkat",
    // pipes of its own: the sanitizers test memory through one
    "pipe", "pipe2",
    // who it is, and the machine's memory (FluidSynth sizes its cache by it)
    "getpid", "gettid", "getuid", "geteuid", "getgid", "getegid", "sysinfo", "getrandom",
    // its own signal handling
    "rt_sigaction", "rt_sigprocmask", "rt_sigreturn", "sigaltstack", "restart_syscall",
    // its end, and that of a thread
    "exit", "exit_group",
};

// Open read-only: no flag that writes, creates or truncates.
constexpr scmp_datum_t WriteFlags = O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND | O_EXCL;

// pthread_create's flags in glibc 2.36 and 2.41: a thread of this process,
// never a process.
constexpr scmp_datum_t ThreadFlags = CLONE_VM | CLONE_FS | CLONE_FILES | CLONE_SIGHAND | CLONE_THREAD |
                                     CLONE_SYSVSEM | CLONE_SETTLS | CLONE_PARENT_SETTID | CLONE_CHILD_CLEARTID;

}  // namespace

bool FilterSystemCalls()
{
    const uint32_t refuse = SCMP_ACT_ERRNO(EPERM);
    const std::unique_ptr<void, FilterDeleter> filter(seccomp_init(refuse));
    if (!filter)
        return false;
    void* f = filter.get();
    // Every thread, the audio thread that decodes above all.
    if (seccomp_attr_set(f, SCMP_FLTATR_CTL_TSYNC, 1) != 0)
        return false;
    // A call through another architecture's numbers ends the process.
    seccomp_attr_set(f, SCMP_FLTATR_ACT_BADARCH, SCMP_ACT_KILL_PROCESS);
    const uint32_t allow = SCMP_ACT_ALLOW;
    // A rule this machine's architecture cannot take leaves its call refused.
    const auto rule = [&](uint32_t action, int call, auto... checks) {
        seccomp_rule_add(f, action, call, sizeof...(checks), checks...);
    };
    for (const char* name : Allowed)
        if (const int call = seccomp_syscall_resolve_name(name); call != __NR_SCMP_ERROR)
            rule(allow, call);

    // Threads with the C library's flags. clone3 passes its flags in memory,
    // where the filter cannot look: its absence makes the C library use clone.
    rule(allow, SCMP_SYS(clone), SCMP_A0(SCMP_CMP_EQ, ThreadFlags));
    rule(SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3));
    // Files read-only; openat2 passes its flags in memory too.
    rule(allow, SCMP_SYS(openat), SCMP_A2(SCMP_CMP_MASKED_EQ, WriteFlags, 0));
    if (const int open = seccomp_syscall_resolve_name("open"); open != __NR_SCMP_ERROR)
        rule(allow, open, SCMP_A1(SCMP_CMP_MASKED_EQ, WriteFlags, 0));
    rule(SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(openat2));
    // Descriptor flags, never signals on I/O (O_ASYNC, F_SETOWN, F_SETSIG).
    for (const int command : {F_GETFD, F_SETFD, F_GETFL, F_DUPFD_CLOEXEC})
        rule(allow, SCMP_SYS(fcntl), SCMP_A1(SCMP_CMP_EQ, static_cast<scmp_datum_t>(command)));
    rule(allow, SCMP_SYS(fcntl), SCMP_A1(SCMP_CMP_EQ, F_SETFL), SCMP_A2(SCMP_CMP_MASKED_EQ, O_ASYNC, 0));
    // Thread names (SDL's); never the parent-death signal nor dumpability.
    rule(allow, SCMP_SYS(prctl), SCMP_A0(SCMP_CMP_EQ, PR_SET_NAME));
    rule(allow, SCMP_SYS(prctl), SCMP_A0(SCMP_CMP_EQ, PR_GET_NAME));
    // Signals to this process only (abort, raise), never a group.
    const auto self = static_cast<scmp_datum_t>(getpid());
    rule(allow, SCMP_SYS(kill), SCMP_A0(SCMP_CMP_EQ, self));
    rule(allow, SCMP_SYS(tgkill), SCMP_A0(SCMP_CMP_EQ, self));
    rule(allow, SCMP_SYS(rt_sigqueueinfo), SCMP_A0(SCMP_CMP_EQ, self));
    rule(allow, SCMP_SYS(rt_tgsigqueueinfo), SCMP_A0(SCMP_CMP_EQ, self));
    // Scheduling read of any thread (pthread_getattr_np asks for a thread's
    // processors, SDL for its audio thread's policy); changed for this
    // process only.
    for (const int call : {SCMP_SYS(sched_getparam), SCMP_SYS(sched_getscheduler), SCMP_SYS(sched_getaffinity)})
        rule(allow, call);
    for (const int call : {SCMP_SYS(sched_setscheduler), SCMP_SYS(sched_setparam)}) {
        rule(allow, call, SCMP_A0(SCMP_CMP_EQ, 0));
        rule(allow, call, SCMP_A0(SCMP_CMP_EQ, self));
    }
    rule(allow, SCMP_SYS(getpriority), SCMP_A0(SCMP_CMP_EQ, PRIO_PROCESS), SCMP_A1(SCMP_CMP_EQ, 0));
    rule(allow, SCMP_SYS(setpriority), SCMP_A0(SCMP_CMP_EQ, PRIO_PROCESS), SCMP_A1(SCMP_CMP_EQ, 0));
    // Its own limits, read and never raised.
    rule(allow, SCMP_SYS(prlimit64), SCMP_A0(SCMP_CMP_EQ, 0), SCMP_A2(SCMP_CMP_EQ, 0));
    rule(allow, SCMP_SYS(getrlimit));
    return seccomp_load(f) == 0;
}

void FilterWaiting()
{
    prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0);
    const std::unique_ptr<void, FilterDeleter> filter(seccomp_init(SCMP_ACT_ERRNO(EPERM)));
    if (!filter)
        return;
    for (const char* name : {"wait4", "waitid", "exit_group", "exit", "rt_sigreturn", "restart_syscall"})
        if (const int call = seccomp_syscall_resolve_name(name); call != __NR_SCMP_ERROR)
            seccomp_rule_add(filter.get(), SCMP_ACT_ALLOW, call, 0);
    seccomp_load(filter.get());
}

}  // namespace zorbil
