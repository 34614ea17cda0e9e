// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/ScoresFile.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "config/AtomicFile.h"

namespace zorbil {

bool ReadBestScore(const std::string& path, int32_t& best)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return !ec;
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, 4> b{};
    if (!in.read(reinterpret_cast<char*>(b.data()), b.size()))
        return false;
    best = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
    return true;
}

bool WriteBestScore(const std::string& path, int32_t best)
{
    const auto v = static_cast<uint32_t>(best);
    const unsigned char bytes[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                    static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    return ReplaceFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes), sizeof bytes));
}

}  // namespace zorbil
