// SPDX-License-Identifier: GPL-3.0-or-later
// The game's title: the application's name, the title of the general error
// box, and the head of the about page.
#pragma once

namespace zorbil {

inline constexpr const char* ApplicationTitle = "Zorbil - Version 1.0";

}  // namespace zorbil
