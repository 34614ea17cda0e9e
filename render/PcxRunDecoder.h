// SPDX-License-Identifier: GPL-3.0-or-later
// Run-length decoding of 8-bit PCX pixel data into RGBA. The data may come
// in pieces of any size: a run byte at the end of one piece takes its value
// from the next.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zorbil {

class PcxRunDecoder {
public:
    // palette: 256 entries of red, green, blue. pixels: count RGBA pixels,
    // written row after row with no regard for the format's scan lines.
    PcxRunDecoder(const uint8_t* palette, uint32_t* pixels, size_t count);

    // Decodes the next compressed bytes. Returns false once every pixel is
    // written; the rest of the data is not needed then, and the part of a
    // run that would go past the last pixel is dropped.
    bool Feed(const uint8_t* data, size_t size);

    // Pixels the data never reached become opaque black.
    void FillRest();

private:
    uint32_t colors_[256];
    uint32_t* pixels_;
    size_t count_;
    size_t written_ = 0;
    int pendingRun_ = -1;  // run length waiting for its value byte, or -1
};

}  // namespace zorbil
