// SPDX-License-Identifier: GPL-3.0-or-later
// A PCX file on disk, read with plain POSIX calls.
#pragma once

#include <string>

#include "render/PcxPicture.h"

namespace zorbil {

class PcxFileSource : public PcxSource {
public:
    PcxFileSource() = default;
    ~PcxFileSource() override;
    PcxFileSource(const PcxFileSource&) = delete;
    PcxFileSource& operator=(const PcxFileSource&) = delete;

    // Only regular files open: a folder or a pipe chosen by mistake must not
    // hang or be read as a picture.
    bool Open(const std::string& path);
    // Throws std::system_error when the system reports a failure on close.
    void Close();

    int64_t Size() const override { return size_; }
    bool ReadAt(int64_t offset, uint8_t* buffer, size_t size) override;

private:
    int fd_ = -1;
    int64_t size_ = 0;
};

}  // namespace zorbil
