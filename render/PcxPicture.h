// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an 8-bit run-length PCX picture into an RGBA pixel buffer, with the
// loader's checks and failure messages. No GL and no toolkit here, so the
// fuzzer and the benchmark call it directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace zorbil {

// The bytes of a PCX file, read at any offset.
class PcxSource {
public:
    virtual ~PcxSource() = default;
    virtual int64_t Size() const = 0;
    // Reads exactly size bytes at offset; false when they are not all there.
    virtual bool ReadAt(int64_t offset, uint8_t* buffer, size_t size) = 0;
};

struct PcxPicture {
    int32_t Width = 0;
    int32_t Height = 0;
    // Width * Height pixels, each R, G, B, A in memory order, rows in the
    // order of the file (top row first), no padding.
    std::unique_ptr<uint32_t[]> Pixels;
};

struct PcxReadOptions {
    // Larger pictures are refused before any pixel memory is taken: a
    // header can claim up to 65536 x 65536 (16 GiB of RGBA) in a file of a
    // few hundred bytes. 8192 x 8192 is already far beyond a background.
    uint64_t MaxPixels = uint64_t{8192} * 8192;
    size_t ChunkBytes = 64 * 1024;  // compressed bytes read at a time
};

struct PcxRead {
    PcxPicture Picture;
    std::string Error;  // the failure message, empty on success
};

// 1, 2, 4, 8 ... ; false for 0 and negative numbers.
bool IsPowerOfTwo(int64_t n);

// The loader's steps after opening: header, size check, palette (the last
// 768 bytes), compressed data (everything between the header and the
// palette marker), decoding. path only goes into the messages.
PcxRead ReadPcxPicture(PcxSource& source, const std::string& path, const PcxReadOptions& options = {});

}  // namespace zorbil
