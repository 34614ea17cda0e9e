// SPDX-License-Identifier: GPL-3.0-or-later
// A PCX file already in memory (fuzzer, benchmark, tests).
#pragma once

#include <cstring>

#include "render/PcxPicture.h"

namespace zorbil {

class PcxMemorySource : public PcxSource {
public:
    PcxMemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    int64_t Size() const override { return int64_t(size_); }

    bool ReadAt(int64_t offset, uint8_t* buffer, size_t size) override
    {
        if (offset < 0 || uint64_t(offset) > size_ || size > size_ - uint64_t(offset))
            return false;
        if (size > 0)
            std::memcpy(buffer, data_ + offset, size);
        return true;
    }

private:
    const uint8_t* data_;
    size_t size_;
};

}  // namespace zorbil
