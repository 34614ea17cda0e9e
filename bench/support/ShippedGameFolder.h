// SPDX-License-Identifier: GPL-3.0-or-later
// A benchmark's game folder with files the build ships: the grass picture,
// the tracker module (named `module`) and the menu music. The benchmark
// defines ZORBIL_GAME_DIR, the staged game folder.
#pragma once

#include <filesystem>
#include <string>

#include "support/TempGameFolder.h"

namespace zorbil::bench {

inline void CopyShippedFiles(const test::TempGameFolder& folder, const std::string& module)
{
    namespace fs = std::filesystem;
    const fs::path shipped = ZORBIL_GAME_DIR;
    fs::create_directories(folder.path() / "Textures");
    fs::create_directories(folder.path() / "Musiques");
    fs::copy_file(shipped / "Textures" / "Gazon.pcx", folder.path() / "Textures" / "Gazon.pcx");
    fs::copy_file(shipped / "Musiques" / "Zorbil Express.mus", folder.path() / "Musiques" / module);
    fs::copy_file(shipped / "Data" / "Menu.dat", folder.path() / "Data" / "Menu.dat");
}

}  // namespace zorbil::bench
