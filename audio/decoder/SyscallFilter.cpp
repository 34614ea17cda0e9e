// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/decoder/SyscallFilter.h"

#include <errno.h>
#include <fcntl.h>
#include <sched.h>
#include <seccomp.h>
#include <unistd.h>

#include <memory>

namespace zorbil {

namespace {

struct FilterDeleter {
    void operator()(void* filter) const { seccomp_release(filter); }
};

// Refused outright.
constexpr const char* Refused[] = {
    // programs and processes
    "execve", "execveat", "fork", "vfork",
    // sockets
    "socket", "socketpair", "connect", "bind", "listen", "accept", "accept4",
    // other processes
    "ptrace", "process_vm_readv", "process_vm_writev", "kcmp", "pidfd_open", "pidfd_getfd",
    "pidfd_send_signal", "tkill", "rt_sigqueueinfo", "rt_tgsigqueueinfo",
    // limits
    "setrlimit",
    // the file system, should Landlock be missing
    "creat", "unlink", "unlinkat", "rename", "renameat", "renameat2", "mkdir", "mkdirat", "rmdir", "link",
    "linkat", "symlink", "symlinkat", "chmod", "fchmod", "fchmodat", "chown", "fchown", "lchown", "fchownat",
    "truncate", "mknod", "mknodat", "utime", "utimes", "futimesat", "utimensat", "setxattr", "lsetxattr",
    "fsetxattr", "removexattr", "lremovexattr", "fremovexattr", "open_by_handle_at", "name_to_handle_at",
    // the machine
    "mount", "umount2", "pivot_root", "chroot", "unshare", "setns", "reboot", "kexec_load", "kexec_file_load",
    "init_module", "finit_module", "delete_module", "bpf", "perf_event_open", "keyctl", "add_key", "request_key",
    "swapon", "swapoff", "settimeofday", "clock_settime", "adjtimex", "clock_adjtime", "userfaultfd",
    "io_uring_setup", "io_uring_enter", "io_uring_register", "fanotify_init", "acct", "quotactl",
    "sethostname", "setdomainname", "iopl", "ioperm", "syslog", "personality", "vhangup",
};

// Opening for writing, creating or truncating: each flag on its own, since
// the filter compares one masked value at a time.
constexpr int WriteFlags[] = {O_WRONLY, O_RDWR, O_CREAT, O_TRUNC, O_APPEND};

}  // namespace

bool FilterSystemCalls()
{
    const std::unique_ptr<void, FilterDeleter> filter(seccomp_init(SCMP_ACT_ALLOW));
    if (!filter)
        return false;
    void* f = filter.get();
    // Every thread, the audio thread that decodes above all.
    if (seccomp_attr_set(f, SCMP_FLTATR_CTL_TSYNC, 1) != 0)
        return false;
    // A call this machine's architecture lacks gets no rule: nothing to refuse.
    const uint32_t refuse = SCMP_ACT_ERRNO(EPERM);
    for (const char* name : Refused) {
        const int call = seccomp_syscall_resolve_name(name);
        if (call != __NR_SCMP_ERROR)
            seccomp_rule_add(f, refuse, call, 0);
    }
    // Threads may be made, processes not. clone3 passes its flags in memory,
    // where the filter cannot look: its absence makes the C library use clone.
    seccomp_rule_add(f, refuse, SCMP_SYS(clone), 1, SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, 0));
    seccomp_rule_add(f, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0);
    // Signals to this process only.
    const auto self = static_cast<scmp_datum_t>(getpid());
    seccomp_rule_add(f, refuse, SCMP_SYS(kill), 1, SCMP_A0(SCMP_CMP_NE, self));
    seccomp_rule_add(f, refuse, SCMP_SYS(tgkill), 1, SCMP_A0(SCMP_CMP_NE, self));
    // Limits may be read, not raised.
    seccomp_rule_add(f, refuse, SCMP_SYS(prlimit64), 1, SCMP_A2(SCMP_CMP_NE, 0));
    for (const int flag : WriteFlags) {
        const auto bit = static_cast<scmp_datum_t>(flag);
        seccomp_rule_add(f, SCMP_ACT_ERRNO(EACCES), SCMP_SYS(open), 1,
                                     SCMP_A1(SCMP_CMP_MASKED_EQ, bit, bit));
        seccomp_rule_add(f, SCMP_ACT_ERRNO(EACCES), SCMP_SYS(openat), 1,
                                     SCMP_A2(SCMP_CMP_MASKED_EQ, bit, bit));
    }
    // openat2 passes its flags in memory too.
    seccomp_rule_add(f, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(openat2), 0);
    return seccomp_load(f) == 0;
}

}  // namespace zorbil
