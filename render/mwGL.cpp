// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/mwGL.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "shared/DataPaths.h"
#include "shared/WriteAll.h"

namespace zorbil {

namespace {

std::string logPath;

}  // namespace

// The game folder, not the program's: for the installed game that is the
// player's own folder, as the program's folder is not the player's to write.
void CreateLog(const std::string& gameFolder)
{
    logPath = DataPath(gameFolder, LogFileTail);
    const int fd = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const std::string banner = std::string(" mwGL Library - 2000 Zorbil team\r\n") +
                               std::string(21, ' ') + "zorbil@example.org\r\n" + std::string(40, '-') +
                               "v0.01-\r\n"
                               "\r\n";
    WriteAll(fd, banner);  // nothing is reported at start-up
    ::close(fd);
}

std::string LogPath()
{
    return logPath;
}

void LogLine(std::string_view text)
{
    // No O_CREAT: once a load has moved the log into Data, later lines of
    // the run are dropped rather than starting a headless log.
    const int fd = ::open(LogPath().c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return;
    std::string line(text);
    line += "\r\n";
    if (!WriteAll(fd, line)) {
        const int error = errno;
        ::close(fd);
        throw std::system_error(error, std::generic_category(), "log.txt");
    }
    if (::close(fd) != 0)
        throw std::system_error(errno, std::generic_category(), "log.txt");
}

}  // namespace zorbil
