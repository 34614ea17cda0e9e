// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/GameFolder.h"

#include "shared/DataPaths.h"

namespace zorbil {

namespace {
std::string gameFolder;
}

const std::string& GameFolder()
{
    return gameFolder;
}

void SetGameFolder(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    gameFolder = std::move(folder);
}

std::string GamePath(std::string_view tail)
{
    return DataPath(gameFolder, tail);
}

}  // namespace zorbil
