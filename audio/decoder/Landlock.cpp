// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/decoder/Landlock.h"

#include <fcntl.h>
#include <linux/landlock.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace zorbil {

namespace {

// The access rights of later ABIs, by the kernel's numbering: Debian 12's
// headers know only the first two ABIs.
constexpr uint64_t AccessFsTruncate = 1ULL << 14;  // ABI 3
constexpr uint64_t AccessFsIoctlDev = 1ULL << 15;  // ABI 5
constexpr uint64_t AccessNetBindTcp = 1ULL << 0;   // ABI 4
constexpr uint64_t AccessNetConnectTcp = 1ULL << 1;
constexpr uint64_t ScopeAbstractUnixSocket = 1ULL << 0;  // ABI 6
constexpr uint64_t ScopeSignal = 1ULL << 1;

// The ruleset's attributes as of ABI 6; an older kernel takes the longer
// structure as long as what it does not know is zero.
struct RulesetAttributes {
    uint64_t handledAccessFs = 0;
    uint64_t handledAccessNet = 0;
    uint64_t scoped = 0;
};

constexpr uint64_t ReadAccess = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;

uint64_t FileSystemRights(int abi)
{
    uint64_t rights = LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_READ_FILE |
                      LANDLOCK_ACCESS_FS_READ_DIR | LANDLOCK_ACCESS_FS_REMOVE_DIR | LANDLOCK_ACCESS_FS_REMOVE_FILE |
                      LANDLOCK_ACCESS_FS_MAKE_CHAR | LANDLOCK_ACCESS_FS_MAKE_DIR | LANDLOCK_ACCESS_FS_MAKE_REG |
                      LANDLOCK_ACCESS_FS_MAKE_SOCK | LANDLOCK_ACCESS_FS_MAKE_FIFO |
                      LANDLOCK_ACCESS_FS_MAKE_BLOCK | LANDLOCK_ACCESS_FS_MAKE_SYM;
    if (abi >= 2)
        rights |= 1ULL << 13;  // refer
    if (abi >= 3)
        rights |= AccessFsTruncate;
    if (abi >= 5)
        rights |= AccessFsIoctlDev;
    return rights;
}

// Grants `access` beneath a folder, or on a file; a path that does not
// exist grants nothing.
void Allow(int ruleset, const char* path, uint64_t access)
{
    const int fd = open(path, O_PATH | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info {};
    if (fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode))
        access &= LANDLOCK_ACCESS_FS_READ_FILE;
    landlock_path_beneath_attr beneath{};
    beneath.allowed_access = access;
    beneath.parent_fd = fd;
    syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &beneath, 0);
    close(fd);
}

}  // namespace

int RestrictFileSystem(const std::string& file, int highestAbi)
{
    const long abi = std::min<long>(highestAbi,
                                    syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION));
    if (abi <= 0)
        return 0;
    RulesetAttributes attributes;
    attributes.handledAccessFs = FileSystemRights(static_cast<int>(abi));
    // Sockets are refused outright by the system-call filter; this is for a
    // kernel where that filter could not be installed.
    if (abi >= 4)
        attributes.handledAccessNet = AccessNetBindTcp | AccessNetConnectTcp;
    if (abi >= 6)
        attributes.scoped = ScopeAbstractUnixSocket | ScopeSignal;
    const int ruleset =
        static_cast<int>(syscall(SYS_landlock_create_ruleset, &attributes, sizeof attributes, 0));
    if (ruleset < 0)
        return 0;
    Allow(ruleset, file.c_str(), LANDLOCK_ACCESS_FS_READ_FILE);
    // Libraries and their plug-ins, and the soundfonts.
    for (const char* folder : {"/usr/lib", "/usr/lib64", "/usr/share/sounds"})
        Allow(ruleset, folder, ReadAccess);
    Allow(ruleset, "/etc/ld.so.cache", LANDLOCK_ACCESS_FS_READ_FILE);
    const bool restricted = syscall(SYS_landlock_restrict_self, ruleset, 0) == 0;
    close(ruleset);
    return restricted ? static_cast<int>(abi) : 0;
}

}  // namespace zorbil
