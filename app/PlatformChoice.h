// SPDX-License-Identifier: GPL-3.0-or-later
// Which of Qt's window-system platforms the game runs on.
#pragma once

namespace zorbil {

// On a Wayland session that also offers an X server (Xwayland), runs the game
// on X11: Qt's Wayland platform keeps the OpenGL child surface above the
// screens laid over it, where X11 stacks them as they are raised. A player's
// own QT_QPA_PLATFORM always wins. Call before the application is made.
void ChooseWindowPlatform();

}  // namespace zorbil
