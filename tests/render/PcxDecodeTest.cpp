// SPDX-License-Identifier: GPL-3.0-or-later
// The PCX reader on crafted files held in memory.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "PcxBuilder.h"
#include "render/PcxMemorySource.h"
#include "render/PcxPicture.h"

namespace zorbil {
namespace {

using test::PcxBuilder;

PcxRead Read(const std::string& bytes, PcxReadOptions options = {})
{
    PcxMemorySource source(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return ReadPcxPicture(source, "/t/pic.pcx", options);
}

std::array<uint8_t, 4> PixelAt(const PcxPicture& picture, size_t i)
{
    std::array<uint8_t, 4> rgba;
    std::memcpy(rgba.data(), &picture.Pixels[i], 4);
    return rgba;
}

constexpr std::array<uint8_t, 4> OpaqueBlack{0, 0, 0, 255};

TEST(PcxDecode, RunLengthBytes)
{
    PcxBuilder pcx(8, 1);
    // 0xC3 0x05: three pixels of 5; 0x3F: one pixel of 0x3F; 0xC0 0x77:
    // nothing, but the 0x77 is consumed and not read as a pixel; 0x10: one.
    pcx.Data = {0xC3, 0x05, 0x3F, 0xC0, 0x77, 0x10};
    const PcxRead read = Read(pcx.Bytes());
    ASSERT_EQ(read.Error, "");
    ASSERT_EQ(read.Picture.Width, 8);
    ASSERT_EQ(read.Picture.Height, 1);
    const auto& p = read.Picture;
    EXPECT_EQ(PixelAt(p, 0), pcx.Pixel(5));
    EXPECT_EQ(PixelAt(p, 1), pcx.Pixel(5));
    EXPECT_EQ(PixelAt(p, 2), pcx.Pixel(5));
    EXPECT_EQ(PixelAt(p, 3), pcx.Pixel(0x3F));
    EXPECT_EQ(PixelAt(p, 4), pcx.Pixel(0x10));
    // Pixels the data never reaches are opaque black.
    for (size_t i = 5; i < 8; ++i)
        EXPECT_EQ(PixelAt(p, i), OpaqueBlack) << i;
}

TEST(PcxDecode, RowsFollowEachOtherWithoutLookingAtScanLines)
{
    PcxBuilder pcx(4, 2);
    pcx.Data = {0xC6, 0x09, 0x01, 0x02};  // a run of 6 across the row break
    const PcxRead read = Read(pcx.Bytes());
    ASSERT_EQ(read.Error, "");
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(PixelAt(read.Picture, i), pcx.Pixel(9)) << i;
    EXPECT_EQ(PixelAt(read.Picture, 6), pcx.Pixel(1));
    EXPECT_EQ(PixelAt(read.Picture, 7), pcx.Pixel(2));
}

TEST(PcxDecode, RunPastTheLastPixelIsCutAndTheRestIgnored)
{
    PcxBuilder pcx(2, 2);
    pcx.Data = {0x07, 0xFF, 0x08, 0x09, 0x0A};  // a run of 63 after one pixel, then more data
    const PcxRead read = Read(pcx.Bytes());
    ASSERT_EQ(read.Error, "");
    EXPECT_EQ(PixelAt(read.Picture, 0), pcx.Pixel(7));
    for (size_t i = 1; i < 4; ++i)
        EXPECT_EQ(PixelAt(read.Picture, i), pcx.Pixel(8)) << i;
}

TEST(PcxDecode, DataSplitAnywhereDecodesTheSame)
{
    PcxBuilder pcx(16, 8);
    for (int row = 0; row < 8; ++row) {
        std::vector<uint8_t> indices(16);
        for (int x = 0; x < 16; ++x)
            indices[size_t(x)] = uint8_t(x < 5 ? 0xC8 + row : x * row);
        pcx.AddRow(indices);
    }
    const std::string bytes = pcx.Bytes();
    const PcxRead whole = Read(bytes);
    ASSERT_EQ(whole.Error, "");
    for (size_t chunk : {1, 2, 3, 7}) {
        PcxReadOptions options;
        options.ChunkBytes = chunk;
        const PcxRead split = Read(bytes, options);
        ASSERT_EQ(split.Error, "");
        EXPECT_EQ(std::memcmp(split.Picture.Pixels.get(), whole.Picture.Pixels.get(), 16 * 8 * 4), 0) << chunk;
    }
    EXPECT_EQ(PixelAt(whole.Picture, 16 * 3), pcx.Pixel(0xCB));
}

TEST(PcxDecode, PaletteIsTheLast768BytesWhateverTheMarker)
{
    for (uint8_t marker : {uint8_t(12), uint8_t(0), uint8_t(0xC5), uint8_t(0xFF)}) {
        PcxBuilder pcx(2, 1);
        pcx.Marker = marker;
        pcx.SetColor(200, 11, 22, 33);
        pcx.Data = {0xC2, 200};
        const PcxRead read = Read(pcx.Bytes());
        ASSERT_EQ(read.Error, "") << int(marker);
        EXPECT_EQ(PixelAt(read.Picture, 1), (std::array<uint8_t, 4>{11, 22, 33, 255}));
    }
}

TEST(PcxDecode, SizesMustBePowersOfTwo)
{
    PcxBuilder wide(128, 64);
    wide.Data = {0xC1, 0x01};
    const PcxRead accepted = Read(wide.Bytes());
    EXPECT_EQ(accepted.Error, "");
    EXPECT_EQ(accepted.Picture.Width, 128);
    EXPECT_EQ(accepted.Picture.Height, 64);

    EXPECT_EQ(Read(PcxBuilder(256, 200).Bytes()).Error, "PCX file incorrect size (256,200) - /t/pic.pcx");

    PcxBuilder offset(16, 16);
    offset.Xmin = 100;  // width 16 - 100 = -84
    offset.Ymin = 3;
    offset.Ymax = 10;   // height 8
    EXPECT_EQ(Read(offset.Bytes()).Error, "PCX file incorrect size (-84,8) - /t/pic.pcx");

    PcxBuilder moved(16, 16);
    moved.Xmin = 50;
    moved.Xmax = 57;  // 8 wide, stored away from the origin
    EXPECT_EQ(Read(moved.Bytes()).Error, "");
}

TEST(PcxDecode, HugePicturesFailWithoutAllocating)
{
    const PcxBuilder huge(65536, 65536);  // 16 GiB of pixels claimed by a 1 KiB file
    EXPECT_EQ(Read(huge.Bytes()).Error, "PCX file too large (65536,65536) - /t/pic.pcx");

    PcxReadOptions small;
    small.MaxPixels = 64;
    EXPECT_EQ(Read(PcxBuilder(16, 8).Bytes(), small).Error, "PCX file too large (16,8) - /t/pic.pcx");
    EXPECT_EQ(Read(PcxBuilder(8, 8).Bytes(), small).Error, "");
}

TEST(PcxDecode, TruncatedFilesAreRefused)
{
    const std::string full = PcxBuilder(4, 4).Bytes();  // 128 + 0 + 1 + 768 = 897 bytes
    ASSERT_EQ(full.size(), 897u);
    EXPECT_EQ(Read("").Error, "Not proper PCX file (Header) - /t/pic.pcx");
    EXPECT_EQ(Read(full.substr(0, 127)).Error, "Not proper PCX file (Header) - /t/pic.pcx");
    // 128 to 896 bytes: a header but no room for the palette block.
    EXPECT_EQ(Read(full.substr(0, 128)).Error, "Not proper PCX file (Pal) - /t/pic.pcx");
    EXPECT_EQ(Read(full.substr(0, 767)).Error, "Not proper PCX file (Pal) - /t/pic.pcx");
    EXPECT_EQ(Read(full.substr(0, 768)).Error, "Not proper PCX file (Data) - /t/pic.pcx");
    EXPECT_EQ(Read(full.substr(0, 896)).Error, "Not proper PCX file (Data) - /t/pic.pcx");

    // No data at all: a black picture.
    const PcxRead empty = Read(full);
    ASSERT_EQ(empty.Error, "");
    for (size_t i = 0; i < 16; ++i)
        EXPECT_EQ(PixelAt(empty.Picture, i), OpaqueBlack);
}

TEST(PcxDecode, RunByteAtTheVeryEndOfTheDataWritesNothing)
{
    PcxBuilder pcx(4, 1);
    pcx.Data = {0x02, 0xC3};  // its value byte would be the palette marker
    pcx.Marker = 0x09;
    const PcxRead read = Read(pcx.Bytes());
    ASSERT_EQ(read.Error, "");
    EXPECT_EQ(PixelAt(read.Picture, 0), pcx.Pixel(2));
    EXPECT_EQ(PixelAt(read.Picture, 1), OpaqueBlack);
}

TEST(PcxDecode, PowerOfTwo)
{
    for (int64_t n : {1, 2, 4, 8, 256, 65536})
        EXPECT_TRUE(IsPowerOfTwo(n)) << n;
    for (int64_t n : {0, -1, -2, -256, 3, 6, 200, 65535, 16777217})
        EXPECT_FALSE(IsPowerOfTwo(n)) << n;
}

}  // namespace
}  // namespace zorbil
