// SPDX-License-Identifier: GPL-3.0-or-later
#include "PcxWriter.h"

#include <fstream>

namespace zorbil::procgen {

namespace {

constexpr int MaxRun = 63;
constexpr uint8_t RunFlag = 0xC0;
constexpr uint8_t PaletteMarker = 0x0C;

void PutWord(std::vector<uint8_t>& out, size_t offset, int value)
{
    out[offset] = static_cast<uint8_t>(value & 0xFF);
    out[offset + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

void EncodeLine(std::vector<uint8_t>& out, const uint8_t* line, int count)
{
    int x = 0;
    while (x < count) {
        const uint8_t value = line[x];
        int run = 1;
        while (x + run < count && run < MaxRun && line[x + run] == value)
            ++run;
        // A lone byte with both top bits set would read as a run count.
        if (run > 1 || value >= RunFlag)
            out.push_back(static_cast<uint8_t>(RunFlag | run));
        out.push_back(value);
        x += run;
    }
}

}  // namespace

std::vector<uint8_t> EncodePcx(const IndexedPicture& picture)
{
    const int bytesPerLine = picture.Width + (picture.Width & 1);
    std::vector<uint8_t> out(128, 0);
    out[0] = 0x0A;  // ZSoft
    out[1] = 5;     // version with a 256-colour palette
    out[2] = 1;     // run-length encoding
    out[3] = 8;     // bits per pixel
    PutWord(out, 4, 0);
    PutWord(out, 6, 0);
    PutWord(out, 8, picture.Width - 1);
    PutWord(out, 10, picture.Height - 1);
    PutWord(out, 12, 72);
    PutWord(out, 14, 72);
    out[65] = 1;  // one colour plane
    PutWord(out, 66, bytesPerLine);
    PutWord(out, 68, 1);  // colour palette

    std::vector<uint8_t> line(static_cast<size_t>(bytesPerLine), 0);
    for (int y = 0; y < picture.Height; ++y) {
        const uint8_t* row = picture.Pixels.data() + static_cast<size_t>(y) * picture.Width;
        std::copy(row, row + picture.Width, line.begin());
        EncodeLine(out, line.data(), bytesPerLine);
    }

    out.push_back(PaletteMarker);
    for (const Rgb& c : picture.Colours) {
        out.push_back(c.R);
        out.push_back(c.G);
        out.push_back(c.B);
    }
    return out;
}

bool WritePcx(const std::string& path, const IndexedPicture& picture)
{
    const std::vector<uint8_t> bytes = EncodePcx(picture);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace zorbil::procgen
