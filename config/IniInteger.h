// SPDX-License-Identifier: GPL-3.0-or-later
// Whole numbers as the settings file stores them.
#pragma once

#include <cstdint>
#include <string_view>

namespace zorbil {

// Accepts, after optional leading blanks, either an optional sign and decimal
// digits within the signed 32-bit range, or "$", "x", "X", "0x" or "0X"
// followed by one to eight hexadecimal digits taken as a 32-bit pattern.
// Anything else, the empty text included, is refused and leaves value alone.
bool ParseIniInteger(std::string_view text, int32_t& value);

}  // namespace zorbil
