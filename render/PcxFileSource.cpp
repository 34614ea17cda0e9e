// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/PcxFileSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace zorbil {

PcxFileSource::~PcxFileSource()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool PcxFileSource::Open(const std::string& path)
{
    if (fd_ >= 0 || path.empty())
        return false;
    // Non-blocking so that opening a named pipe returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    size_ = st.st_size;
    return true;
}

void PcxFileSource::Close()
{
    if (fd_ < 0)
        return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        throw std::system_error(errno, std::generic_category(), "close");
}

bool PcxFileSource::ReadAt(int64_t offset, uint8_t* buffer, size_t size)
{
    if (fd_ < 0 || offset < 0)
        return false;
    while (size > 0) {
        const ssize_t n = ::pread(fd_, buffer, size, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        buffer += n;
        size -= size_t(n);
        offset += n;
    }
    return true;
}

}  // namespace zorbil
