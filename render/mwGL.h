// SPDX-License-Identifier: GPL-3.0-or-later
// The texture loader's log: "log.txt" in the game folder, lines ended by
// CR LF.
#pragma once

#include <string>
#include <string_view>

namespace zorbil {

// Program start, before any window exists: creates or truncates "log.txt"
// in the game folder and writes the four-line banner. A file that cannot be
// created is silently left alone.
void CreateLog(const std::string& gameFolder);

// The log file's full name; empty before CreateLog.
std::string LogPath();

// Appends one line. A log file that cannot be opened (for example because a
// load has moved it into Data) drops the line silently; a failure while
// writing throws std::system_error.
void LogLine(std::string_view text);

}  // namespace zorbil
