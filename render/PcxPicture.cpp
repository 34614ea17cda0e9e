// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/PcxPicture.h"

#include <algorithm>
#include <new>
#include <vector>

#include "render/PcxRunDecoder.h"

namespace zorbil {

namespace {

constexpr int64_t HeaderBytes = 128;
constexpr int64_t PaletteBytes = 768;
constexpr int64_t PaletteBlockBytes = PaletteBytes + 1;  // with its marker byte

int32_t Word(const uint8_t* p)
{
    return p[0] | (p[1] << 8);
}

PcxRead Failed(std::string message)
{
    PcxRead result;
    result.Error = std::move(message);
    return result;
}

std::string SizeText(int32_t w, int32_t h)
{
    // Appended rather than "(" + ...: GCC 12 takes a prepend to a string for
    // an overlapping copy (-Wrestrict).
    return std::string("(").append(std::to_string(w)).append(",").append(std::to_string(h)).append(") - ");
}

}  // namespace

bool IsPowerOfTwo(int64_t n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

PcxRead ReadPcxPicture(PcxSource& source, const std::string& path, const PcxReadOptions& options)
{
    const int64_t fileSize = source.Size();

    uint8_t header[HeaderBytes];
    if (!source.ReadAt(0, header, sizeof header))
        return Failed("Not proper PCX file (Header) - " + path);

    const int32_t w = Word(header + 8) - Word(header + 4) + 1;
    const int32_t h = Word(header + 10) - Word(header + 6) + 1;
    if (!IsPowerOfTwo(w) || !IsPowerOfTwo(h))
        return Failed("PCX file incorrect size " + SizeText(w, h) + path);

    const uint64_t count = uint64_t(w) * uint64_t(h);
    PcxRead result;
    if (count <= options.MaxPixels)
        result.Picture.Pixels.reset(new (std::nothrow) uint32_t[count]);
    if (!result.Picture.Pixels)
        return Failed("PCX file too large " + SizeText(w, h) + path);
    result.Picture.Width = w;
    result.Picture.Height = h;

    uint8_t palette[PaletteBytes];
    if (fileSize < PaletteBytes || !source.ReadAt(fileSize - PaletteBytes, palette, sizeof palette))
        return Failed("Not proper PCX file (Pal) - " + path);

    // A file of 128 to 896 bytes leaves no room for any data: refused here.
    const int64_t dataBytes = fileSize - HeaderBytes - PaletteBlockBytes;
    if (dataBytes < 0)
        return Failed("Not proper PCX file (Data) - " + path);

    PcxRunDecoder decoder(palette, result.Picture.Pixels.get(), count);
    std::vector<uint8_t> chunk(std::clamp<int64_t>(dataBytes, 1, int64_t(std::max<size_t>(options.ChunkBytes, 1))));
    for (int64_t offset = 0; offset < dataBytes;) {
        const size_t n = size_t(std::min<int64_t>(dataBytes - offset, int64_t(chunk.size())));
        if (!source.ReadAt(HeaderBytes + offset, chunk.data(), n))
            return Failed("Not proper PCX file (Data) - " + path);
        offset += int64_t(n);
        if (!decoder.Feed(chunk.data(), n))
            break;
    }
    decoder.FillRest();
    return result;
}

}  // namespace zorbil
