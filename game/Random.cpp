// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Random.h"

#include <chrono>

namespace zorbil {

uint32_t RandSeed = 0;

uint32_t Random(uint32_t n)
{
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(RandSeed) * n) >> 32);
}

uint32_t SeedFromTimeOfDay(int hours, int minutes, int seconds, int milliseconds)
{
    return static_cast<uint32_t>(((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds);
}

void Randomize()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    const hh_mm_ss tod{duration_cast<milliseconds>(sinceMidnight)};
    RandSeed = SeedFromTimeOfDay(static_cast<int>(tod.hours().count()), static_cast<int>(tod.minutes().count()),
                                 static_cast<int>(tod.seconds().count()),
                                 static_cast<int>(tod.subseconds().count()));
}

}  // namespace zorbil
