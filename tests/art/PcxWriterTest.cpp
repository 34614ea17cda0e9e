// SPDX-License-Identifier: GPL-3.0-or-later
// The PCX encoder on the cases its pictures rarely hit: long runs, lone
// bytes that look like run counts, odd widths, decoded by SDL2_image.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

#include "PcxWriter.h"
#include "support/TempGameFolder.h"

namespace {

using namespace zorbil::procgen;

std::vector<uint8_t> Stream(const std::vector<uint8_t>& file) { return {file.begin() + 128, file.end() - 769}; }

TEST(PcxWriter, SplitsLongRunsAndEscapesBytesThatLookLikeCounts)
{
    IndexedPicture line(256, 1);
    std::fill(line.Pixels.begin(), line.Pixels.begin() + 200, 7);
    line.Pixels[200] = 0xC5;  // alone, but would read as a run of 5
    line.Pixels[201] = 0x3F;  // alone and below 0xC0: written as it is
    std::fill(line.Pixels.begin() + 202, line.Pixels.end(), 0xFF);
    const std::vector<uint8_t> expected = {0xFF, 7, 0xFF, 7, 0xFF, 7, 0xCB, 7, 0xC1, 0xC5, 0x3F, 0xF6, 0xFF};
    EXPECT_EQ(Stream(EncodePcx(line)), expected);
}

TEST(PcxWriter, RunsStopAtTheEndOfEachLine)
{
    IndexedPicture picture(4, 2);
    std::fill(picture.Pixels.begin(), picture.Pixels.end(), 9);
    const std::vector<uint8_t> expected = {0xC4, 9, 0xC4, 9};
    EXPECT_EQ(Stream(EncodePcx(picture)), expected);
}

TEST(PcxWriter, OddWidthsAreReadBackByAnIndependentDecoder)
{
    IndexedPicture picture(5, 3);
    const uint8_t pixels[] = {0xC0, 0xC0, 1, 2, 0xFF, 3, 3, 3, 3, 3, 0xD0, 4, 0xD0, 4, 0xD0};
    std::copy(std::begin(pixels), std::end(pixels), picture.Pixels.begin());
    for (int i = 0; i < 256; ++i)
        picture.Colours[static_cast<size_t>(i)] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 17};

    const std::vector<uint8_t> file = EncodePcx(picture);
    EXPECT_EQ(file[66] | (file[67] << 8), 6) << "bytes per line are even";

    zorbil::test::TempGameFolder folder;
    const std::string path = folder.file("/odd.pcx");
    ASSERT_TRUE(WritePcx(path, picture));
    SDL_Surface* surface = IMG_Load(path.c_str());
    ASSERT_NE(surface, nullptr) << IMG_GetError();
    ASSERT_EQ(surface->w, 5);
    ASSERT_EQ(surface->h, 3);
    ASSERT_EQ(surface->format->BitsPerPixel, 8);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(static_cast<const uint8_t*>(surface->pixels)[y * surface->pitch + x], picture.at(x, y))
                << x << "," << y;
    EXPECT_EQ(surface->format->palette->colors[200].g, 55);
    SDL_FreeSurface(surface);
}

TEST(PcxWriter, ReportsAFileThatCannotBeWritten)
{
    IndexedPicture picture(2, 2);
    EXPECT_FALSE(WritePcx("/nonexistent-folder/x.pcx", picture));
}

}  // namespace
