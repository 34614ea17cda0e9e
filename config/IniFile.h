// SPDX-License-Identifier: GPL-3.0-or-later
// Profile-string access to one INI file: every call goes to the disk at
// once, so a later read sees all earlier writes and nothing stays open.
#pragma once

#include <string>
#include <string_view>

namespace zorbil {

// The key's value, or defaultValue when the file, the section or the key is
// missing (or the file cannot be read).
std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view defaultValue);

// Writes one key, creating the file when missing. The file is replaced
// atomically (a temporary file in the same folder renamed over it), so a
// crash or a full disk never leaves it truncated, and a write-protected file
// is refused: on failure the old file is untouched and false is returned.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace zorbil
