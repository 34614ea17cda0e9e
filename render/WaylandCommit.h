// SPDX-License-Identifier: GPL-3.0-or-later
// The one Wayland call Qt does not make for the game's OpenGL surface.
#pragma once

class QWindow;

namespace zorbil {

// On Qt's Wayland platform, commits the surface of the top-level window that
// holds child (a sub-surface), so the compositor takes in the sub-surface's
// new frame and place. Does nothing on other platforms.
void CommitParentSurface(const QWindow& child);

}  // namespace zorbil
