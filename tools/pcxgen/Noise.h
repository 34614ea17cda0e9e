// SPDX-License-Identifier: GPL-3.0-or-later
// Gradient noise for procedural pictures. With a period the noise repeats
// every `period` units in x and y, so pictures made from it tile seamlessly.
#pragma once

#include <cstdint>

namespace zorbil::procgen {

// Smooth noise in about -1 .. 1; a period <= 0 means it never repeats.
double GradientNoise(uint32_t seed, double x, double y, int period = 0);
double GradientNoise(uint32_t seed, double x, double y, int periodX, int periodY);

// Sum of `octaves` layers of noise, each at twice the frequency and half the
// strength of the one before; scaled back to about -1 .. 1.
double Fractal(uint32_t seed, double x, double y, int octaves, int period = 0);
// The same with separate periods across and down, for streaked grain.
double Fractal(uint32_t seed, double x, double y, int octaves, int periodX, int periodY);

// Like Fractal but folds every layer (1 - |n|), which gives sharp ridges:
// marble veins, light caustics. In 0 .. 1.
double Ridged(uint32_t seed, double x, double y, int octaves, int period = 0);

}  // namespace zorbil::procgen
