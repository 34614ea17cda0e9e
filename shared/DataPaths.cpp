// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/DataPaths.h"

namespace zorbil {

std::string DataPath(std::string_view folder, std::string_view tail)
{
    // The root folder keeps its separator; do not double it.
    if (folder == "/" && !tail.empty() && tail.front() == '/')
        return std::string(tail);
    return std::string(folder) + std::string(tail);
}

}  // namespace zorbil
