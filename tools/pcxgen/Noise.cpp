// SPDX-License-Identifier: GPL-3.0-or-later
#include "Noise.h"

#include <cmath>

namespace zorbil::procgen {

namespace {

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B1u ^ x * 0x85EBCA77u ^ y * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

int Wrap(int i, int period)
{
    if (period <= 0)
        return i;
    const int m = i % period;
    return m < 0 ? m + period : m;
}

double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

// Dot product of a corner's pseudo-random unit gradient with the offset.
double Corner(uint32_t seed, int ix, int iy, int periodX, int periodY, double dx, double dy)
{
    const uint32_t h = Hash(static_cast<uint32_t>(Wrap(ix, periodX)), static_cast<uint32_t>(Wrap(iy, periodY)), seed);
    const double angle = (h & 0xFFFF) * (2.0 * M_PI / 65536.0);
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

}  // namespace

double GradientNoise(uint32_t seed, double x, double y, int period)
{
    return GradientNoise(seed, x, y, period, period);
}

double GradientNoise(uint32_t seed, double x, double y, int periodX, int periodY)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double dx = x - fx;
    const double dy = y - fy;
    const double n00 = Corner(seed, ix, iy, periodX, periodY, dx, dy);
    const double n10 = Corner(seed, ix + 1, iy, periodX, periodY, dx - 1, dy);
    const double n01 = Corner(seed, ix, iy + 1, periodX, periodY, dx, dy - 1);
    const double n11 = Corner(seed, ix + 1, iy + 1, periodX, periodY, dx - 1, dy - 1);
    const double u = Fade(dx);
    const double v = Fade(dy);
    const double top = n00 + (n10 - n00) * u;
    const double bottom = n01 + (n11 - n01) * u;
    // Unit gradients give at most sqrt(1/2); stretch to about -1 .. 1.
    return (top + (bottom - top) * v) * 1.41421356;
}

double Fractal(uint32_t seed, double x, double y, int octaves, int period)
{
    return Fractal(seed, x, y, octaves, period, period);
}

double Fractal(uint32_t seed, double x, double y, int octaves, int periodX, int periodY)
{
    double sum = 0;
    double amplitude = 1;
    double total = 0;
    for (int k = 0; k < octaves; ++k) {
        sum += amplitude * GradientNoise(seed + 977u * k, x, y, periodX, periodY);
        total += amplitude;
        amplitude *= 0.5;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / total;
}

double Ridged(uint32_t seed, double x, double y, int octaves, int period)
{
    double sum = 0;
    double amplitude = 1;
    double total = 0;
    for (int k = 0; k < octaves; ++k) {
        sum += amplitude * (1.0 - std::fabs(GradientNoise(seed + 977u * k, x, y, period)));
        total += amplitude;
        amplitude *= 0.5;
        x *= 2;
        y *= 2;
        period *= 2;
    }
    return sum / total;
}

}  // namespace zorbil::procgen
