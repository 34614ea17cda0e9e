// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/decoder/Namespaces.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "audio/decoder/ProcessLimits.h"
#include "audio/decoder/SoundFonts.h"
#include "audio/decoder/SyscallFilter.h"

namespace zorbil {

namespace {

namespace fs = std::filesystem;

// The new root is a tmpfs mounted over this folder of the decoder's own
// mount namespace, as bubblewrap does: nobody else sees it. The old root
// stays beneath it while the new one is filled.
constexpr const char* NewRoot = "/tmp";
constexpr const char* OldRoot = "/oldroot";
constexpr int MaxLinks = 8;

bool WriteText(const char* path, const std::string& text)
{
    const int fd = open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    return written;
}

// The same user and group inside as outside, and no other.
bool MapIds(uid_t uid, gid_t gid)
{
    return WriteText("/proc/self/setgroups", "deny") &&
           WriteText("/proc/self/uid_map", std::to_string(uid) + " " + std::to_string(uid) + " 1") &&
           WriteText("/proc/self/gid_map", std::to_string(gid) + " " + std::to_string(gid) + " 1");
}

std::string Outside(const std::string& path)
{
    return OldRoot + path;
}

// A bind mount keeps the flags its source was mounted with: a user
// namespace may not drop them.
unsigned long KeptFlags(const std::string& path)
{
    struct statvfs info {};
    if (statvfs(path.c_str(), &info) != 0)
        return 0;
    unsigned long flags = 0;
    for (const auto& [kept, flag] : {std::pair{ST_NOSUID, MS_NOSUID}, {ST_NODEV, MS_NODEV}, {ST_NOEXEC, MS_NOEXEC},
                                    {ST_NOATIME, MS_NOATIME}, {ST_NODIRATIME, MS_NODIRATIME},
                                    {ST_RELATIME, MS_RELATIME}})
        if (info.f_flag & kept)
            flags |= flag;
    return flags;
}

// `path` seen read-only at the same place inside.
bool BindReadOnly(const std::string& path)
{
    const std::string source = Outside(path);
    struct stat info {};
    if (stat(source.c_str(), &info) != 0)
        return false;
    const std::string& target = path;
    std::error_code ec;
    if (S_ISDIR(info.st_mode)) {
        fs::create_directories(target, ec);
    } else {
        fs::create_directories(fs::path(target).parent_path(), ec);
        const int made = open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (made >= 0)
            close(made);
    }
    if (mount(source.c_str(), target.c_str(), nullptr, MS_BIND | MS_REC, nullptr) != 0)
        return false;
    const unsigned long flags = MS_BIND | MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV | KeptFlags(target);
    return mount(nullptr, target.c_str(), nullptr, flags, nullptr) == 0;
}

// `path` resolves inside as outside: each symbolic link on its way outside
// /usr (Debian's alternatives for the soundfonts) is made again, and the
// file it ends on is seen read-only.
bool Mirror(std::string path)
{
    for (int link = 0; link < MaxLinks; ++link) {
        const bool inUsr = path.starts_with("/usr/");
        struct stat info {};
        if (lstat(Outside(path).c_str(), &info) != 0)
            return false;
        if (!S_ISLNK(info.st_mode))
            return inUsr || BindReadOnly(path);
        char target[PATH_MAX];
        const ssize_t length = readlink(Outside(path).c_str(), target, sizeof target - 1);
        if (length <= 0)
            return false;
        target[length] = '\0';
        if (!inUsr) {
            std::error_code ec;
            fs::create_directories(fs::path(path).parent_path(), ec);
            if (symlink(target, path.c_str()) != 0 && errno != EEXIST)
                return false;
        }
        const fs::path next = target[0] == '/' ? fs::path(target) : fs::path(path).parent_path() / target;
        path = next.lexically_normal().string();
    }
    return false;
}

// A tmpfs holding /usr, the C library's cache, the soundfonts and the file,
// and a /proc of this PID namespace alone (for /proc/self/fd), made the root.
bool BuildRoot(const std::string& file)
{
    std::error_code ec;
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", NewRoot, "tmpfs", MS_NOSUID | MS_NODEV, "mode=0755,size=1m") != 0 ||
        !fs::create_directory(std::string(NewRoot) + OldRoot, ec) || chdir(NewRoot) != 0 ||
        syscall(SYS_pivot_root, ".", OldRoot + 1) != 0 || chdir("/") != 0)
        return false;
    bool built = BindReadOnly("/usr") && Mirror(file);
    for (const char* font : SoundFonts)
        Mirror(font);
    Mirror("/etc/ld.so.cache");
    for (const char* library : {"lib", "lib64"})
        built = symlink((std::string("usr/") + library).c_str(), (std::string("/") + library).c_str()) == 0 && built;
    built = fs::create_directory("/proc", ec) &&
            mount("proc", "/proc", "proc", MS_NOSUID | MS_NODEV | MS_NOEXEC, "subset=pid") == 0 && built;
    built = umount2(OldRoot, MNT_DETACH) == 0 && rmdir(OldRoot) == 0 && built;
    return mount(nullptr, "/", nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0 &&
           built;
}

// Hands the decoder's end to whoever started this process: its own output
// closed, so that the reader sees the end of the samples when the decoder
// ends.
[[noreturn]] void WaitFor(pid_t decoder)
{
    close_range(0, ~0U, 0);
    FilterWaiting();
    // Straight to the kernel: a sanitizer's wrappers would want more calls.
    int status = 0;
    while (syscall(SYS_wait4, decoder, &status, 0, nullptr) < 0 && errno == EINTR) {
    }
    syscall(SYS_exit_group, WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    __builtin_unreachable();
}

}  // namespace

bool EnterNamespaces(const std::string& file)
{
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWIPC | CLONE_NEWNET | CLONE_NEWNS | CLONE_NEWPID) != 0)
        return false;
    const bool mapped = MapIds(uid, gid);
    // Counted within the new user namespace: the player's other processes
    // do not count.
    LimitProcesses();
    const pid_t decoder = fork();
    if (decoder < 0)
        _exit(127);
    if (decoder > 0)
        WaitFor(decoder);
    // Its parent waits outside only for it: the decoder goes with it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    return mapped && BuildRoot(file);
}

}  // namespace zorbil
