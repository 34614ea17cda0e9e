// SPDX-License-Identifier: GPL-3.0-or-later
// The sound decoder the build stages beside the game's program: tests and
// benchmarks are not beside it, so they name it.
#pragma once

namespace zorbil::test {

inline constexpr const char* GameDecoder = ZORBIL_DECODER;

}  // namespace zorbil::test
