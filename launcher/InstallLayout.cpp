// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/InstallLayout.h"

namespace zorbil::launcher {

InstallLayout LayoutAround(const std::filesystem::path& launcher)
{
    std::filesystem::path prefix = launcher.parent_path();
    for ([[maybe_unused]] const auto& part : std::filesystem::path(ZORBIL_INSTALL_LAUNCHER))
        prefix = prefix.parent_path();
    return {prefix / ZORBIL_INSTALL_PROGRAM / "zorbil", prefix / ZORBIL_INSTALL_SHIPPED};
}

InstallLayout InstalledLayout()
{
    // The real file, so that a symbolic link to the launcher finds it too.
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return LayoutAround(ec ? std::filesystem::path("/usr/games/zorbil") : self);
}

}  // namespace zorbil::launcher
