// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/DataHome.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace zorbil::launcher {

namespace {

std::filesystem::path Home()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/";
}

}  // namespace

std::filesystem::path DataHome()
{
    // A relative value is invalid and must be ignored.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg && std::filesystem::path(xdg).is_absolute())
        return xdg;
    return Home() / ".local" / "share";
}

}  // namespace zorbil::launcher
