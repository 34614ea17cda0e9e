// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ReloadSignal.h"

#include <fcntl.h>
#include <unistd.h>

#include "config/GameFolder.h"
#include "shared/DataPaths.h"

namespace zorbil {

bool WriteReloadSignal()
{
    const int fd = ::open(GamePath(ReloadSignalTail).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    return ::close(fd) == 0;
}

void DeleteReloadSignal()
{
    ::unlink(GamePath(ReloadSignalTail).c_str());
}

}  // namespace zorbil
