// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

#include "PcxBuilder.h"
#include "RenderBench.h"
#include "render/PcxFileSource.h"
#include "render/PcxMemorySource.h"
#include "render/PcxPicture.h"

namespace zorbil::bench {

namespace {

// Like a drawn background: bands of colour in short runs, with speckles
// breaking them up.
std::string BigPicture()
{
    constexpr int size = 2048;
    test::PcxBuilder pcx(size, size);
    uint32_t noise = 12345;
    std::vector<uint8_t> row(size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int base = (x / 12 + y / 9) % 200;
            row[size_t(x)] = uint8_t((noise >> 16) % 7 == 0 ? base + 1 + (noise >> 8) % 40 : base);
        }
        pcx.AddRow(row);
    }
    return pcx.Bytes();
}

// Runs each variant once per round, round after round, so that a busy
// spell of the machine weighs on all of them alike; medians in milliseconds.
std::vector<double> InterleavedMedians(int repeats, const std::vector<std::function<void()>>& variants)
{
    std::vector<std::vector<double>> times(variants.size());
    for (int round = 0; round < repeats; ++round)
        for (size_t v = 0; v < variants.size(); ++v) {
            const auto start = std::chrono::steady_clock::now();
            variants[v]();
            times[v].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    std::vector<double> medians;
    for (auto& t : times) {
        std::sort(t.begin(), t.end());
        medians.push_back(t[t.size() / 2]);
    }
    return medians;
}

void Require(bool ok, const char* what)
{
    if (!ok) {
        std::printf("  %s failed\n", what);
        std::exit(1);
    }
}

}  // namespace

void PcxDecodeTimes(const std::string& gameFolder, int repeats)
{
    const std::string bytes = BigPicture();
    const std::string path = gameFolder + "/big.pcx";
    std::ofstream(path, std::ios::binary) << bytes;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    std::printf("PCX decoding, 2048 x 2048, %zu bytes (%.2f bytes per pixel), median of %d\n", bytes.size(),
                double(bytes.size()) / (2048.0 * 2048.0), repeats);

    const std::vector<double> ms = InterleavedMedians(
        repeats,
        {
            [&] {
                PcxMemorySource source(data, bytes.size());
                Require(ReadPcxPicture(source, path).Error.empty(), "our reader");
            },
            [&] {
                PcxFileSource source;
                Require(source.Open(path) && ReadPcxPicture(source, path).Error.empty(), "our reader");
            },
            [&] {
                SDL_Surface* s = IMG_LoadPCX_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())));
                Require(s != nullptr, "SDL2_image");
                SDL_FreeSurface(s);
            },
            [&] {
                SDL_Surface* s = IMG_Load(path.c_str());
                Require(s != nullptr, "SDL2_image");
                SDL_FreeSurface(s);
            },
            [&] {
                SDL_Surface* s = IMG_Load(path.c_str());
                Require(s != nullptr, "SDL2_image");
                SDL_Surface* rgba = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGBA32, 0);
                Require(rgba != nullptr, "SDL conversion");
                SDL_FreeSurface(rgba);
                SDL_FreeSurface(s);
            },
        });
    const double oursMemory = ms[0], oursFile = ms[1], sdlMemory = ms[2], sdlFile = ms[3], sdlRgba = ms[4];

    std::printf("  ours, from memory, to RGBA        %8.2f ms\n", oursMemory);
    std::printf("  ours, from the file, to RGBA      %8.2f ms\n", oursFile);
    std::printf("  SDL2_image, from memory, 8-bit    %8.2f ms\n", sdlMemory);
    std::printf("  SDL2_image, from the file, 8-bit  %8.2f ms\n", sdlFile);
    std::printf("  SDL2_image, file, then to RGBA    %8.2f ms\n", sdlRgba);
    std::printf("  SDL2_image / ours, from the file  %8.2f x\n", sdlFile / oursFile);
    std::printf("  SDL2_image / ours, from memory    %8.2f x\n", sdlMemory / oursMemory);
}

}  // namespace zorbil::bench
