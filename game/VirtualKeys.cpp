// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/VirtualKeys.h"

#include <Qt>

#include "game/KeyControl.h"

namespace zorbil {

uint16_t VirtualKeyFromQt(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return VkLeft;
    case Qt::Key_Up: return VkUp;
    case Qt::Key_Right: return VkRight;
    case Qt::Key_Down: return VkDown;
    case Qt::Key_Escape: return VkEscape;
    case Qt::Key_F1: return VkF1;
    case Qt::Key_F2: return VkF2;
    case Qt::Key_F3: return VkF3;
    default: return 0;
    }
}

}  // namespace zorbil
