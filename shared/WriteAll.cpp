// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/WriteAll.h"

#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace zorbil {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace zorbil
