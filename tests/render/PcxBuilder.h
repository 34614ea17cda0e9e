// SPDX-License-Identifier: GPL-3.0-or-later
// Crafted 8-bit PCX files: a real 128-byte header, the given compressed
// bytes, a palette marker and a 768-byte palette.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zorbil::test {

struct PcxBuilder {
    uint16_t Xmin = 0, Ymin = 0, Xmax = 0, Ymax = 0;
    std::vector<uint8_t> Data;
    uint8_t Marker = 12;
    std::array<uint8_t, 768> Palette{};

    PcxBuilder(int width, int height)
        : Xmax(uint16_t(width - 1)), Ymax(uint16_t(height - 1))
    {
        for (int i = 0; i < 256; ++i)
            SetColor(i, uint8_t(i), uint8_t(i * 7), uint8_t(255 - i));
    }

    void SetColor(int index, uint8_t r, uint8_t g, uint8_t b)
    {
        Palette[size_t(3 * index)] = r;
        Palette[size_t(3 * index + 1)] = g;
        Palette[size_t(3 * index + 2)] = b;
    }

    // Index i of the palette as the decoder writes it: R, G, B, 255.
    std::array<uint8_t, 4> Pixel(int index) const
    {
        return {Palette[size_t(3 * index)], Palette[size_t(3 * index + 1)], Palette[size_t(3 * index + 2)], 255};
    }

    // One row of indices, run-length encoded the usual way.
    void AddRow(const std::vector<uint8_t>& indices)
    {
        for (size_t i = 0; i < indices.size();) {
            size_t run = 1;
            while (i + run < indices.size() && indices[i + run] == indices[i] && run < 63)
                ++run;
            if (run > 1 || indices[i] >= 0xC0)
                Data.push_back(uint8_t(0xC0 | run));
            Data.push_back(indices[i]);
            i += run;
        }
    }

    std::string Bytes() const
    {
        std::string out(128, '\0');
        auto word = [&out](size_t at, uint16_t v) {
            out[at] = char(v & 0xFF);
            out[at + 1] = char(v >> 8);
        };
        out[0] = 10;  // ZSoft
        out[1] = 5;   // version 3.0 with palette
        out[2] = 1;   // run-length encoding
        out[3] = 8;   // bits per pixel
        word(4, Xmin);
        word(6, Ymin);
        word(8, Xmax);
        word(10, Ymax);
        word(12, 72);
        word(14, 72);
        out[65] = 1;  // one colour plane
        word(66, uint16_t(Xmax - Xmin + 1));
        word(68, 1);
        out.append(Data.begin(), Data.end());
        out.push_back(char(Marker));
        out.append(Palette.begin(), Palette.end());
        return out;
    }
};

// A 64 x 64 picture of one colour whose four corner texels are white: the
// spheres, tori and text take the texture coordinate (0, 1), where linear
// filtering mixes exactly those four corners, so they keep their own colour
// while the background shows the picture's.
inline std::string PlainPicture(uint8_t r, uint8_t g, uint8_t b)
{
    PcxBuilder pcx(64, 64);
    pcx.SetColor(1, r, g, b);
    pcx.SetColor(2, 255, 255, 255);
    for (int row = 0; row < 64; ++row) {
        std::vector<uint8_t> line(64, 1);
        if (row == 0 || row == 63)
            line.front() = line.back() = 2;
        pcx.AddRow(line);
    }
    return pcx.Bytes();
}

}  // namespace zorbil::test
