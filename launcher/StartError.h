// SPDX-License-Identifier: GPL-3.0-or-later
// How the launcher tells a player that the game cannot start: on standard
// error, and in a message box when there is a desktop to show it on.
#pragma once

#include <string>

namespace zorbil::launcher {

void ReportStartError(const std::string& message);

}  // namespace zorbil::launcher
