// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/PcxRunDecoder.h"

#include <algorithm>
#include <cstring>

namespace zorbil {

namespace {

uint32_t Rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    // Built from bytes so that the pixel reads R, G, B, A in memory order on
    // any byte order, which is what GL_RGBA / GL_UNSIGNED_BYTE expects.
    const uint8_t bytes[4] = {r, g, b, a};
    uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // namespace

PcxRunDecoder::PcxRunDecoder(const uint8_t* palette, uint32_t* pixels, size_t count)
    : pixels_(pixels), count_(count)
{
    for (int i = 0; i < 256; ++i)
        colors_[i] = Rgba(palette[3 * i], palette[3 * i + 1], palette[3 * i + 2], 255);
}

bool PcxRunDecoder::Feed(const uint8_t* data, size_t size)
{
    const uint8_t* p = data;
    const uint8_t* const end = data + size;
    uint32_t* out = pixels_ + written_;
    uint32_t* const last = pixels_ + count_;
    if (p < end && pendingRun_ >= 0 && out < last) {
        const size_t n = std::min<size_t>(size_t(pendingRun_), size_t(last - out));
        out = std::fill_n(out, n, colors_[*p++]);
        pendingRun_ = -1;
    }
    while (p < end && out < last) {
        const uint8_t b = *p++;
        if (b < 0xC0) {
            *out++ = colors_[b];
            continue;
        }
        const size_t run = b & 0x3F;
        if (p == end) {
            pendingRun_ = int(run);
            break;
        }
        const uint32_t color = colors_[*p++];
        const size_t n = std::min(run, size_t(last - out));
        for (size_t i = 0; i < n; ++i)
            out[i] = color;
        out += n;
    }
    written_ = size_t(out - pixels_);
    return out < last;
}

void PcxRunDecoder::FillRest()
{
    std::fill(pixels_ + written_, pixels_ + count_, Rgba(0, 0, 0, 255));
}

}  // namespace zorbil
