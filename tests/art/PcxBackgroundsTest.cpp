// SPDX-License-Identifier: GPL-3.0-or-later
// The background pictures staged in the game folder: an independent decoder
// (SDL2_image) must read back exactly what the generator drew, and the
// run-length stream must suit both that decoder and the game's own loader,
// which ignores scan lines and counts (file size - 897) compressed bytes.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "Backgrounds.h"
#include "render/PcxFileSource.h"
#include "render/PcxPicture.h"

namespace {

using namespace zorbil::procgen;

std::vector<uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Word(const std::vector<uint8_t>& b, size_t at) { return b[at] | (b[at + 1] << 8); }

std::string Staged(const Background& b) { return std::string(ZORBIL_TEXTURES_DIR) + "/" + b.FileName; }

class PcxBackgrounds : public ::testing::Test {
protected:
    static void SetUpTestSuite() { backgrounds = new std::vector<Background>(DrawBackgrounds()); }
    static void TearDownTestSuite() { delete backgrounds; }
    static std::vector<Background>* backgrounds;
};
std::vector<Background>* PcxBackgrounds::backgrounds = nullptr;

TEST_F(PcxBackgrounds, IndependentDecoderReadsBackWhatWasDrawn)
{
    ASSERT_GE(backgrounds->size(), 4u);
    for (const Background& b : *backgrounds) {
        SCOPED_TRACE(b.FileName);
        SDL_Surface* surface = IMG_Load(Staged(b).c_str());
        ASSERT_NE(surface, nullptr) << IMG_GetError();
        EXPECT_EQ(surface->w, 256);
        EXPECT_EQ(surface->h, 256);
        ASSERT_EQ(surface->format->BitsPerPixel, 8);
        ASSERT_NE(surface->format->palette, nullptr);
        ASSERT_EQ(surface->format->palette->ncolors, 256);
        for (int i = 0; i < 256; ++i) {
            const SDL_Color c = surface->format->palette->colors[i];
            ASSERT_EQ((Rgb{c.r, c.g, c.b}), b.Picture.Colours[static_cast<size_t>(i)]) << "palette entry " << i;
        }
        int wrong = 0;
        for (int y = 0; y < 256; ++y) {
            const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
            for (int x = 0; x < 256; ++x)
                wrong += row[x] != b.Picture.at(x, y);
        }
        EXPECT_EQ(wrong, 0);
        SDL_FreeSurface(surface);
    }
}

TEST_F(PcxBackgrounds, GamesOwnLoaderShowsExactlyWhatWasDrawn)
{
    for (const Background& b : *backgrounds) {
        SCOPED_TRACE(b.FileName);
        zorbil::PcxFileSource source;
        ASSERT_TRUE(source.Open(Staged(b)));
        const zorbil::PcxRead read = zorbil::ReadPcxPicture(source, Staged(b));
        ASSERT_EQ(read.Error, "");
        ASSERT_EQ(read.Picture.Width, 256);
        ASSERT_EQ(read.Picture.Height, 256);
        const auto* rgba = reinterpret_cast<const uint8_t*>(read.Picture.Pixels.get());
        int wrong = 0;
        for (int i = 0; i < 256 * 256; ++i) {
            const Rgb c = b.Picture.Colours[b.Picture.Pixels[static_cast<size_t>(i)]];
            wrong += rgba[4 * i] != c.R || rgba[4 * i + 1] != c.G || rgba[4 * i + 2] != c.B || rgba[4 * i + 3] != 255;
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(PcxBackgrounds, RunLengthStreamSuitsTheGamesLoader)
{
    for (const Background& b : *backgrounds) {
        SCOPED_TRACE(b.FileName);
        const std::vector<uint8_t> file = ReadFile(Staged(b));
        ASSERT_GT(file.size(), 897u);
        EXPECT_EQ(file[0], 0x0A);
        EXPECT_EQ(file[2], 1) << "run-length encoded";
        EXPECT_EQ(file[3], 8) << "8 bits per pixel";
        EXPECT_EQ(file[65], 1) << "one plane";
        EXPECT_EQ(Word(file, 8) - Word(file, 4) + 1, 256);
        EXPECT_EQ(Word(file, 10) - Word(file, 6) + 1, 256);
        EXPECT_EQ(Word(file, 66), 256) << "bytes per line";
        EXPECT_EQ(file[file.size() - 769], 0x0C) << "palette marker";

        // Exactly the bytes between header and marker, decoded line by line.
        const size_t end = file.size() - 769;
        size_t pos = 128;
        int pixels = 0, column = 0;
        while (pos < end) {
            const uint8_t byte = file[pos++];
            int count = 1;
            if (byte >= 0xC0) {
                count = byte & 0x3F;
                ASSERT_LT(pos, end) << "run without its value";
                ++pos;
                ASSERT_GE(count, 1) << "empty run at byte " << pos;
            }
            ASSERT_LE(count, 63);
            ASSERT_LE(column + count, 256) << "run crosses the end of a scan line at byte " << pos;
            column = (column + count) % 256;
            pixels += count;
        }
        EXPECT_EQ(pixels, 256 * 256);
    }
}

TEST_F(PcxBackgrounds, CornersCarryALightTintThatStandsOut)
{
    for (const Background& b : *backgrounds) {
        SCOPED_TRACE(b.FileName);
        const IndexedPicture& p = b.Picture;
        for (auto [x, y] : {std::pair{0, 0}, {255, 0}, {0, 255}, {255, 255}})
            EXPECT_EQ(p.at(x, y), TintIndex);

        const Rgb tint = p.Colours[TintIndex];
        const double tintLuma = 0.299 * tint.R + 0.587 * tint.G + 0.114 * tint.B;
        EXPECT_GE(tintLuma, 170) << "the snake would be drawn dark";

        // The tint must not blend into the picture: compare with its mean colour.
        double r = 0, g = 0, bl = 0;
        for (uint8_t index : p.Pixels) {
            r += p.Colours[index].R;
            g += p.Colours[index].G;
            bl += p.Colours[index].B;
        }
        const double n = static_cast<double>(p.Pixels.size());
        const double distance = std::abs(tint.R - r / n) + std::abs(tint.G - g / n) + std::abs(tint.B - bl / n);
        EXPECT_GT(distance, 120);
    }
}

TEST_F(PcxBackgrounds, LawnSquaresLieUnderTheCellsOfTheField)
{
    const auto lawn = std::find_if(backgrounds->begin(), backgrounds->end(),
                                   [](const Background& b) { return b.FileName == "Gazon.pcx"; });
    ASSERT_NE(lawn, backgrounds->end());
    // The picture spans 16 x 12 cell units, file row 0 along the bottom;
    // cell (X, Y) is centred on (X, Y). Light squares use the first half of
    // the palette, dark ones the second.
    const int half = TintIndex / 2;
    for (int X = 1; X <= 15; ++X) {
        for (int Y = 1; Y <= 11; ++Y) {
            const bool dark = (X + Y) & 1;
            for (double dx : {-0.35, 0.0, 0.35}) {
                for (double dy : {-0.35, 0.0, 0.35}) {
                    const int col = static_cast<int>((X + dx) / 16 * 256);
                    const int row = static_cast<int>((Y + dy) / 12 * 256);
                    const int index = lawn->Picture.at(col, row);
                    ASSERT_EQ(index >= half, dark) << "cell " << X << "," << Y;
                }
            }
        }
    }
}

TEST_F(PcxBackgrounds, EachPictureIsRichAndDifferent)
{
    for (size_t i = 0; i < backgrounds->size(); ++i) {
        const IndexedPicture& p = (*backgrounds)[i].Picture;
        std::vector<bool> used(256, false);
        for (uint8_t index : p.Pixels)
            used[index] = true;
        EXPECT_GE(std::count(used.begin(), used.end(), true), 64) << (*backgrounds)[i].FileName;
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(p.Pixels, (*backgrounds)[j].Picture.Pixels);
    }
}

}  // namespace
