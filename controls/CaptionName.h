// SPDX-License-Identifier: GPL-3.0-or-later
// A caption as the name of the control it stands by, for assistive
// technology: "Vitesse de Zorbil :" names the slider "Vitesse de Zorbil".
#pragma once

#include <QRegularExpression>
#include <QString>

namespace zorbil {

inline QString CaptionName(QString caption)
{
    static const QRegularExpression colon(QStringLiteral("\\s*:\\s*$"));
    return caption.remove(colon).replace("&&", "\x01").remove('&').replace('\x01', '&');
}

}  // namespace zorbil
