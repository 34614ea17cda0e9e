// SPDX-License-Identifier: GPL-3.0-or-later
// An 8-bit picture with its 256-colour palette, rows top first in the order
// they are stored.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zorbil::procgen {

struct Rgb {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

using Palette = std::array<Rgb, 256>;

struct IndexedPicture {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels;  // Width * Height indices, row after row
    Palette Colours{};

    IndexedPicture() = default;
    IndexedPicture(int width, int height)
        : Width(width), Height(height), Pixels(static_cast<std::size_t>(width) * height, 0)
    {
    }
    uint8_t& at(int x, int y) { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
    uint8_t at(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

}  // namespace zorbil::procgen
