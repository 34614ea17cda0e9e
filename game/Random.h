// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own 32-bit linear congruential generator. Donut placement is
// its only user, so a given seed always yields the same donut sequence.
#pragma once

#include <cstdint>

namespace zorbil {

extern uint32_t RandSeed;

// A draw in 0 .. n-1: advances the seed, then takes the upper 32 bits of
// seed * n.
uint32_t Random(uint32_t n);

// The seed from a UTC time of day.
uint32_t SeedFromTimeOfDay(int hours, int minutes, int seconds, int milliseconds);

// Seeds the generator from the current UTC time of day.
void Randomize();

}  // namespace zorbil
