// SPDX-License-Identifier: GPL-3.0-or-later
// The installed files the launcher works with, found from its own place so
// that an install under any prefix (or into a staging DESTDIR) works.
#pragma once

#include <filesystem>

namespace zorbil::launcher {

struct InstallLayout {
    std::filesystem::path Program;  // the game's program
    std::filesystem::path Shipped;  // the game folder's shipped content
};

// The layout around a launcher installed at `launcher`.
InstallLayout LayoutAround(const std::filesystem::path& launcher);

// The layout around the running launcher.
InstallLayout InstalledLayout();

}  // namespace zorbil::launcher
