// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace zorbil::art {

namespace {
QString family;
}

bool LoadLetteringFont()
{
    const QStringList candidates = {
        "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
        "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    };
    for (const QString& file : candidates) {
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0) {
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty()) {
                family = families.first();
                return true;
            }
        }
    }
    return false;
}

QFont LetteringFont(int pixelSize, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace zorbil::art
