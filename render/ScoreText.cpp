// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/ScoreText.h"

#include <QCoreApplication>

namespace zorbil {

std::string ScoreText(int32_t score)
{
    return QCoreApplication::translate("ScoreText", "Score : %1").arg(score).toLatin1().toStdString();
}

}  // namespace zorbil
