// SPDX-License-Identifier: GPL-3.0-or-later
// "Data/Scores.dat": the best score as 4 bytes, signed 32-bit little-endian.
#pragma once

#include <cstdint>
#include <string>

namespace zorbil {

// Reads the first 4 bytes of an existing file into best; a missing file
// leaves best alone and is no error. False when the file cannot be read or
// is shorter than 4 bytes.
bool ReadBestScore(const std::string& path, int32_t& best);

// Replaces the file by one of exactly 4 bytes. The bytes go to a temporary
// file in the same folder that is then renamed over the old one, so a full
// disk or a crash never leaves a truncated score, and a write-protected file
// is refused: on failure the old file is untouched and false is returned.
bool WriteBestScore(const std::string& path, int32_t best);

}  // namespace zorbil
