// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the PCX reader on whole files in memory, read in pieces of varying
// size, against a plain byte-by-byte decoder: same verdict, same pixels.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "render/PcxMemorySource.h"
#include "render/PcxPicture.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// The decoding rules, written as directly as possible.
std::vector<uint8_t> Reference(const uint8_t* file, size_t size, size_t pixels)
{
    std::vector<uint8_t> out(pixels * 4, 0);
    for (size_t i = 0; i < pixels; ++i)
        out[4 * i + 3] = 255;
    const uint8_t* palette = file + size - 768;
    const size_t end = size - 769;
    size_t at = 128, written = 0;
    auto put = [&](uint8_t index) {
        std::memcpy(&out[4 * written], palette + 3 * index, 3);
        ++written;
    };
    while (at < end && written < pixels) {
        const uint8_t b = file[at++];
        if (b < 0xC0) {
            put(b);
        } else if (at < end) {
            const uint8_t v = file[at++];
            for (int n = b & 0x3F; n > 0 && written < pixels; --n)
                put(v);
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    zorbil::PcxReadOptions options;
    options.MaxPixels = 1 << 16;  // keeps every run quick; the limit itself is tested elsewhere
    options.ChunkBytes = 1 + (size % 97);
    zorbil::PcxMemorySource source(data, size);
    const zorbil::PcxRead read = zorbil::ReadPcxPicture(source, "f.pcx", options);

    if (size < 128) {
        Check(read.Error == "Not proper PCX file (Header) - f.pcx");
        return 0;
    }
    const int32_t w = (data[8] | data[9] << 8) - (data[4] | data[5] << 8) + 1;
    const int32_t h = (data[10] | data[11] << 8) - (data[6] | data[7] << 8) + 1;
    const bool sized = zorbil::IsPowerOfTwo(w) && zorbil::IsPowerOfTwo(h);
    const bool fits = sized && uint64_t(w) * uint64_t(h) <= options.MaxPixels;
    Check(read.Error.empty() == (fits && size >= 897));
    if (!read.Error.empty())
        return 0;

    Check(read.Picture.Width == w && read.Picture.Height == h && read.Picture.Pixels);
    const size_t pixels = size_t(w) * size_t(h);
    const std::vector<uint8_t> expected = Reference(data, size, pixels);
    Check(std::memcmp(read.Picture.Pixels.get(), expected.data(), expected.size()) == 0);
    return 0;
}
