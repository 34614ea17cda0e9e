// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backgrounds.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "ColourRamp.h"
#include "Noise.h"

namespace zorbil::procgen {

namespace {

constexpr int N = BackgroundSize;
constexpr int RampEntries = TintIndex;  // entries 0 .. 254 for the picture itself

// Fills the picture from a field in 0 .. 1 over (u, v) in 0 .. 1, u to the
// right and v downwards as the player sees it.
IndexedPicture Shade(const std::function<double(double, double)>& field)
{
    IndexedPicture picture(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x)
            picture.at(x, y) = static_cast<uint8_t>(RampIndex(field((x + 0.5) / N, (y + 0.5) / N), 0, RampEntries));
    return picture;
}

double Smooth(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

IndexedPicture Marble()
{
    IndexedPicture p = Shade([](double u, double v) {
        const double turbulence = Fractal(11, u * 4, v * 4, 6);
        const double cloud = 0.5 + 0.5 * Fractal(12, u * 3, v * 3, 5);
        const double vein = std::pow(Ridged(13, u * 2.5 + 0.5 * turbulence, v * 2.5 + 0.35 * turbulence, 5), 7);
        const double fine = std::pow(Ridged(14, u * 7 + 0.3 * turbulence, v * 7, 3), 12);
        return 0.42 * cloud + 0.65 * vein + 0.25 * fine;
    });
    FillRamp(p.Colours, 0, RampEntries,
             {{0.0, {6, 30, 24}}, {0.3, {18, 70, 54}}, {0.5, {40, 112, 88}}, {0.7, {120, 178, 152}},
              {0.85, {210, 236, 222}}, {1.0, {250, 255, 250}}});
    p.Colours[TintIndex] = {255, 240, 200};
    return p;
}

IndexedPicture Wood()
{
    constexpr int Boards = 6;
    IndexedPicture p = Shade([](double u, double v) {
        const int board = std::min(Boards - 1, static_cast<int>(v * Boards));
        const double local = v * Boards - board;
        const uint32_t seed = 40 + board * 7;
        // Boards are joined end to end at a different place on each row.
        const double joint = std::fmod(0.37 * board + 0.21, 1.0);
        const double along = std::fmod(u - joint + 1.0, 1.0);
        const double grain = Fractal(seed, along * 2.2, local * 3, 4);
        const double rings = 0.5 + 0.5 * std::sin(2 * M_PI * (local * 2.6 + grain * 1.6 + 0.2 * std::sin(along * 5 + board)));
        const double fibre = 0.5 + 0.5 * Fractal(seed + 1, along * 3, local * 40, 3);
        const double tone = 0.08 * std::sin(board * 2.3);
        double wood = 0.22 + 0.42 * std::pow(rings, 1.5) + 0.22 * fibre + tone;
        // Dark seams between boards and at the joints, slightly rounded edges.
        const double edge = std::min(local, 1 - local) * (static_cast<double>(N) / Boards);
        const double seamJoint = std::min(along, 1 - along) * N;
        wood *= Smooth(0.4, 2.5, edge) * Smooth(0.4, 2.0, seamJoint);
        return wood;
    });
    FillRamp(p.Colours, 0, RampEntries,
             {{0.0, {30, 14, 6}}, {0.25, {92, 48, 20}}, {0.5, {150, 88, 40}}, {0.75, {205, 145, 80}},
              {1.0, {245, 205, 140}}});
    p.Colours[TintIndex] = {205, 255, 185};
    return p;
}

IndexedPicture Water()
{
    IndexedPicture p = Shade([](double u, double v) {
        const double wu = u * 3 + 0.35 * Fractal(21, u * 2, v * 2, 3);
        const double wv = v * 3 + 0.35 * Fractal(22, u * 2, v * 2, 3);
        const double causticA = std::pow(Ridged(23, wu, wv, 2), 10);
        const double causticB = std::pow(Ridged(24, wu * 1.7 + 3, wv * 1.7 + 1, 2), 12);
        const double depth = 0.5 + 0.5 * Fractal(25, u * 1.5, v * 1.5, 4);
        return 0.18 + 0.3 * depth + 0.55 * causticA + 0.3 * causticB;
    });
    FillRamp(p.Colours, 0, RampEntries,
             {{0.0, {2, 26, 58}}, {0.3, {6, 70, 118}}, {0.55, {14, 134, 168}}, {0.75, {76, 198, 208}},
              {0.9, {190, 244, 240}}, {1.0, {255, 255, 255}}});
    p.Colours[TintIndex] = {255, 190, 150};
    return p;
}

IndexedPicture Nebula()
{
    IndexedPicture p = Shade([](double u, double v) {
        const double wu = u * 2.2 + 0.6 * Fractal(31, u * 2, v * 2, 4);
        const double wv = v * 2.2 + 0.6 * Fractal(32, u * 2, v * 2, 4);
        const double gas = 0.5 + 0.5 * Fractal(33, wu, wv, 6);
        const double filaments = std::pow(Ridged(34, wu * 1.5, wv * 1.5, 4), 5);
        double density = std::pow(std::clamp((gas - 0.32) / 0.4, 0.0, 1.0), 1.2) * 0.78 + 0.35 * filaments * gas;
        // Stars: sparse bright points scattered by a fine noise hash.
        const double sparkle = GradientNoise(35, u * 190, v * 190);
        if (sparkle > 0.78)
            density = std::max(density, 0.85 + (sparkle - 0.78));
        return density;
    });
    FillRamp(p.Colours, 0, RampEntries,
             {{0.0, {2, 1, 10}}, {0.15, {14, 11, 48}}, {0.35, {42, 17, 96}}, {0.55, {106, 30, 122}},
              {0.72, {192, 60, 124}}, {0.84, {240, 138, 106}}, {1.0, {255, 240, 215}}});
    p.Colours[TintIndex] = {180, 240, 255};
    return p;
}

IndexedPicture Lawn()
{
    // The squares follow the playing field: the picture spans 16 x 12 cell
    // units and cell centres sit on whole units.
    constexpr int Half = RampEntries / 2;
    IndexedPicture p(N, N);
    for (int y = 0; y < N; ++y) {
        for (int x = 0; x < N; ++x) {
            const double u = (x + 0.5) / N;
            const double v = (y + 0.5) / N;
            const long cellX = std::lround(u * 16);
            const long cellY = std::lround((1 - v) * 12);
            const bool dark = ((cellX + cellY) & 1) != 0;
            const double blades = std::pow(Ridged(51, u * 40, v * 10, 3), 3);
            const double patches = 0.5 + 0.5 * Fractal(52, u * 3, v * 3, 4);
            const double grass = 0.15 + 0.55 * blades + 0.3 * patches;
            p.at(x, y) = static_cast<uint8_t>(RampIndex(grass, dark ? Half : 0, Half));
        }
    }
    FillRamp(p.Colours, 0, Half, {{0.0, {58, 118, 34}}, {0.6, {112, 176, 64}}, {1.0, {176, 224, 110}}});
    FillRamp(p.Colours, Half, Half, {{0.0, {30, 82, 22}}, {0.6, {70, 134, 42}}, {1.0, {128, 184, 78}}});
    p.Colours[TintIndex] = {255, 246, 170};
    return p;
}

IndexedPicture Lava()
{
    IndexedPicture p = Shade([](double u, double v) {
        const double wu = u * 3.5 + 0.25 * Fractal(61, u * 3, v * 3, 3);
        const double wv = v * 3.5 + 0.25 * Fractal(62, u * 3, v * 3, 3);
        const double cracks = std::pow(Ridged(63, wu, wv, 3), 9);
        const double glow = 0.5 + 0.5 * Fractal(64, u * 2, v * 2, 3);
        const double crust = 0.5 + 0.5 * Fractal(65, u * 12, v * 12, 3);
        return 0.08 + 0.12 * crust + 0.75 * cracks * (0.5 + glow) + 0.12 * glow;
    });
    FillRamp(p.Colours, 0, RampEntries,
             {{0.0, {18, 6, 5}}, {0.2, {52, 14, 8}}, {0.4, {130, 26, 6}}, {0.6, {224, 80, 10}},
              {0.8, {255, 176, 32}}, {1.0, {255, 245, 170}}});
    p.Colours[TintIndex] = {200, 232, 255};
    return p;
}

void MarkTintCorners(IndexedPicture& p)
{
    for (int y = 0; y < TintPatch; ++y) {
        for (int x = 0; x < TintPatch; ++x) {
            p.at(x, y) = TintIndex;
            p.at(p.Width - 1 - x, y) = TintIndex;
            p.at(x, p.Height - 1 - y) = TintIndex;
            p.at(p.Width - 1 - x, p.Height - 1 - y) = TintIndex;
        }
    }
}

IndexedPicture StoredBottomUp(IndexedPicture p)
{
    for (int y = 0; y < p.Height / 2; ++y)
        for (int x = 0; x < p.Width; ++x)
            std::swap(p.at(x, y), p.at(x, p.Height - 1 - y));
    return p;
}

}  // namespace

std::vector<Background> DrawBackgrounds()
{
    std::vector<Background> all = {
        {"Bois.pcx", Wood()},   {"Eau.pcx", Water()},        {"Gazon.pcx", Lawn()},
        {"Lave.pcx", Lava()},   {"Marbre.pcx", Marble()},    {"Nebuleuse.pcx", Nebula()},
    };
    for (Background& b : all) {
        MarkTintCorners(b.Picture);
        b.Picture = StoredBottomUp(std::move(b.Picture));
    }
    return all;
}

}  // namespace zorbil::procgen
