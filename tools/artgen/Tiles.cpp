// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tiles.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "ColourRamp.h"
#include "Noise.h"

namespace zorbil::art {

namespace {

using procgen::Fractal;
using procgen::Rgb;
using procgen::RampStop;

struct TileRecipe {
    int Size = 64;
    int Colours = 256;
    std::function<double(double, double)> Height;  // relief, periodic over Size
    std::function<double(double, double)> Tone;    // 0 .. 1 before lighting
    double Relief = 1;                              // how strongly the relief is lit
    std::vector<RampStop> Ramp;
};

// Ordered dithering hides the steps between the few colours of a small
// palette; the 4 x 4 matrix is used only where it divides the tile.
double Threshold(int x, int y, int size)
{
    static constexpr int Bayer4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    static constexpr int Bayer2[2][2] = {{0, 2}, {3, 1}};
    if (size % 4 == 0)
        return (Bayer4[y % 4][x % 4] + 0.5) / 16.0;
    return (Bayer2[y % 2][x % 2] + 0.5) / 4.0;
}

QImage MakeTile(const TileRecipe& r)
{
    const int n = r.Size;
    auto height = [&](int x, int y) { return r.Height((x + n) % n, (y + n) % n); };
    // Light from the upper left, as on every bevel of the desktop.
    const double lx = -0.55, ly = -0.55, lz = 0.63;

    procgen::Palette palette{};
    procgen::FillRamp(palette, 0, r.Colours, r.Ramp);

    QImage tile(n, n, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < r.Colours; ++i)
        table.append(qRgb(palette[static_cast<size_t>(i)].R, palette[static_cast<size_t>(i)].G,
                          palette[static_cast<size_t>(i)].B));
    tile.setColorTable(table);
    for (int y = 0; y < n; ++y) {
        uchar* row = tile.scanLine(y);
        for (int x = 0; x < n; ++x) {
            const double dx = (height(x + 1, y) - height(x - 1, y)) * 0.5;
            const double dy = (height(x, y + 1) - height(x, y - 1)) * 0.5;
            const double len = std::sqrt(dx * dx + dy * dy + 1);
            const double lit = (-dx * lx - dy * ly + lz) / len - lz;
            const double value = std::clamp(r.Tone(x, y) + r.Relief * lit, 0.0, 1.0);
            const double level = value * (r.Colours - 1) + Threshold(x, y, n);
            row[x] = static_cast<uchar>(std::clamp(static_cast<int>(level), 0, r.Colours - 1));
        }
    }
    return tile;
}

// Noise over a tile of `size` pixels that repeats `period` times per tile.
double TileNoise(uint32_t seed, double x, double y, int size, int period, int octaves)
{
    return Fractal(seed, x / size * period, y / size * period, octaves, period);
}

double Smooth(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

}  // namespace

QImage MenuTile()
{
    // Overlapping round scales in rows of four; each row lies over the one
    // above it, like the skin of a snake.
    constexpr double Step = 16;
    constexpr double Radius = 11.8;
    auto scale = [](double x, double y, double& dist) {
        const int row = static_cast<int>(std::floor(y / Step));
        for (int j = row + 1; j >= row - 1; --j) {
            const double shift = (j & 1) ? Step / 2 : 0;
            const double cy = j * Step;
            double best = 1e9;
            for (int i = -1; i <= 5; ++i)
                best = std::min(best, std::hypot(x - (i * Step + shift), y - cy));
            if (best < Radius) {
                dist = best;
                return true;
            }
        }
        return false;
    };
    TileRecipe r;
    r.Size = 64;
    r.Colours = 256;
    r.Height = [&](double x, double y) {
        double d = 0;
        return scale(x, y, d) ? 3.2 * std::pow(1 - d / Radius, 0.45) : 0.0;
    };
    r.Tone = [&](double x, double y) {
        double d = 0;
        const double grain = 0.04 * TileNoise(7, x, y, 64, 8, 3);
        return (scale(x, y, d) ? 0.5 + 0.12 * (d / Radius) : 0.35) + grain;
    };
    r.Relief = 0.28;
    r.Ramp = {{0.0, {0, 22, 70}}, {0.35, {0, 78, 176}}, {0.55, {30, 118, 220}}, {0.8, {110, 176, 245}},
              {1.0, {215, 238, 255}}};
    return MakeTile(r);
}

QImage PauseTile()
{
    // Quilted cushions on a diagonal lattice, with a button at each corner.
    TileRecipe r;
    r.Size = 64;
    r.Colours = 16;
    r.Height = [](double x, double y) {
        const double a = (x + y) / 32.0;
        const double b = (x - y) / 32.0;
        const double fa = a - std::floor(a) - 0.5;
        const double fb = b - std::floor(b) - 0.5;
        const double cushion = std::cos(M_PI * fa) * std::cos(M_PI * fb);
        return 6 * std::sqrt(std::max(0.0, cushion));
    };
    r.Tone = [](double x, double y) { return 0.42 + 0.05 * TileNoise(17, x, y, 64, 4, 3); };
    r.Relief = 0.35;
    r.Ramp = {{0.0, {30, 0, 0}}, {0.45, {110, 4, 4}}, {0.75, {160, 40, 36}}, {1.0, {215, 120, 110}}};
    return MakeTile(r);
}

QImage GameOverTile()
{
    // Soft folds of satin running diagonally.
    TileRecipe r;
    r.Size = 150;
    r.Colours = 16;
    r.Height = [](double x, double y) {
        const double wobble = 0.35 * TileNoise(27, x, y, 150, 3, 3);
        return 5 * std::sin(2 * M_PI * ((x + 0.5 * y) / 75.0 + wobble));
    };
    r.Tone = [](double x, double y) { return 0.55 + 0.08 * TileNoise(28, x, y, 150, 5, 4); };
    r.Relief = 0.45;
    r.Ramp = {{0.0, {132, 104, 136}}, {0.5, {200, 175, 200}}, {1.0, {244, 232, 246}}};
    return MakeTile(r);
}

QImage ScoresTile()
{
    // Raised five-pointed stars on green baize.
    auto star = [](double x, double y, double cx, double cy) {
        double dx = x - cx, dy = y - cy;
        dx -= 64 * std::round(dx / 64);
        dy -= 64 * std::round(dy / 64);
        const double d = std::hypot(dx, dy);
        const double angle = std::atan2(dx, -dy);  // 0 points straight up
        const double sector = 2 * M_PI / 5;
        const double k = std::fabs(std::fmod(angle + 10 * sector, sector) / sector - 0.5) * 2;  // 1 at tips
        const double edge = 4.2 + 6.3 * std::pow(k, 2.2);
        return Smooth(edge + 0.8, edge - 0.8, d) * (1 + 0.3 * (1 - d / 10.5));
    };
    TileRecipe r;
    r.Size = 64;
    r.Colours = 256;
    r.Height = [&](double x, double y) { return 2.2 * std::max(star(x, y, 16, 16), star(x, y, 48, 48)); };
    r.Tone = [&](double x, double y) {
        const double stars = std::max(star(x, y, 16, 16), star(x, y, 48, 48));
        return 0.38 + 0.06 * TileNoise(37, x, y, 64, 16, 2) + 0.03 * TileNoise(38, x, y, 64, 4, 3) + 0.12 * stars;
    };
    r.Relief = 0.4;
    r.Ramp = {{0.0, {0, 34, 0}}, {0.4, {0, 104, 8}}, {0.7, {40, 160, 50}}, {1.0, {170, 230, 150}}};
    return MakeTile(r);
}

QImage OptionsTile()
{
    // Tread plate: lozenges in a 16-pixel grid, turned alternately left and
    // right, over brushed metal.
    TileRecipe r;
    r.Size = 64;
    r.Colours = 256;
    r.Height = [](double x, double y) {
        const int cx = static_cast<int>(std::floor(x / 16));
        const int cy = static_cast<int>(std::floor(y / 16));
        const double u = x - (cx * 16 + 8);
        const double v = y - (cy * 16 + 8);
        const double s = ((cx + cy) & 1) ? 1 : -1;
        const double along = (u + s * v) / std::sqrt(2.0);
        const double across = (u - s * v) / std::sqrt(2.0);
        const double bump = 1 - (along / 6.5) * (along / 6.5) - (across / 2.1) * (across / 2.1);
        return bump > 0 ? 2.5 * std::sqrt(bump) : 0.0;
    };
    r.Tone = [](double x, double y) {
        const double brushed = Fractal(47, x / 64 * 2, y / 64 * 32, 3, 2, 32);
        return 0.5 + 0.06 * brushed + 0.04 * TileNoise(48, x, y, 64, 4, 2);
    };
    r.Relief = 0.45;
    r.Ramp = {{0.0, {70, 66, 0}}, {0.45, {176, 172, 8}}, {0.7, {210, 206, 60}}, {1.0, {250, 250, 190}}};
    return MakeTile(r);
}

QImage HelpTile()
{
    // Plain-woven linen, kept pale and quiet under the help texts.
    TileRecipe r;
    r.Size = 64;
    r.Colours = 16;
    r.Height = [](double x, double y) {
        const int i = static_cast<int>(std::floor(x / 4));
        const int j = static_cast<int>(std::floor(y / 4));
        const double fx = x / 4 - i;
        const double fy = y / 4 - j;
        // Over-and-under: alternate cells show the horizontal or the vertical thread.
        return ((i + j) & 1) ? std::sin(M_PI * fy) : std::sin(M_PI * fx);
    };
    r.Tone = [](double x, double y) { return 0.55 + 0.25 * TileNoise(57, x, y, 64, 8, 3); };
    r.Relief = 0.6;
    // A narrow ramp: the sixteen colours all stay close to the button face.
    r.Ramp = {{0.0, {206, 204, 196}}, {0.6, {232, 231, 225}}, {1.0, {250, 249, 245}}};
    return MakeTile(r);
}

}  // namespace zorbil::art
