// SPDX-License-Identifier: GPL-3.0-or-later
// Writes 8-bit, single-plane, run-length encoded ZSoft PCX files with the
// 256-colour palette block at the end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "IndexedPicture.h"

namespace zorbil::procgen {

// Each scan line is encoded on its own, so no run crosses the end of a line,
// and runs hold at most 63 pixels. Lines of odd width get one padding byte,
// as the format wants an even number of bytes per line.
std::vector<uint8_t> EncodePcx(const IndexedPicture& picture);

// Returns false when the file cannot be written completely.
bool WritePcx(const std::string& path, const IndexedPicture& picture);

}  // namespace zorbil::procgen
