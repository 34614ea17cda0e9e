// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/PlayerFolder.h"

#include <unistd.h>

#include <string>

namespace zorbil::launcher {

namespace fs = std::filesystem;

namespace {

// Through a hidden temporary, so that a full disk never leaves a truncated
// file that later starts would take for the player's own.
void CopyWhole(const fs::path& from, const fs::path& to)
{
    // Appended rather than "." + ...: GCC 12 takes a prepend to a string for
    // an overlapping copy (-Wrestrict).
    const fs::path temp =
        to.parent_path() / std::string(".").append(to.filename().string()).append(".").append(std::to_string(::getpid()));
    try {
        fs::copy_file(from, temp, fs::copy_options::overwrite_existing);
        fs::rename(temp, to);
    } catch (const fs::filesystem_error&) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw;
    }
}

}  // namespace

void AddShippedFiles(const fs::path& shipped, const fs::path& folder)
{
    fs::create_directories(folder);
    if (!fs::is_directory(folder))
        throw fs::filesystem_error("not a folder", folder, std::make_error_code(std::errc::not_a_directory));
    for (const fs::directory_entry& entry : fs::directory_iterator(shipped)) {
        const fs::path target = folder / entry.path().filename();
        if (entry.is_directory())
            AddShippedFiles(entry.path(), target);
        else if (!fs::exists(fs::symlink_status(target)))
            CopyWhole(entry.path(), target);
    }
}

}  // namespace zorbil::launcher
