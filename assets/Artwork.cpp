// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/Artwork.h"

#include <QFile>
#include <mutex>

// Resources of a static library are not registered on their own: the
// linker drops the unreferenced registration object.
static void RegisterArtworkResources() { Q_INIT_RESOURCE(zorbil_artwork); }

namespace zorbil {

QImage Artwork(const QString& name)
{
    static std::once_flag registered;
    std::call_once(registered, RegisterArtworkResources);
    // Plain names only: nothing like "../" may reach other resources.
    for (const QChar c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128))
            return {};
    const QString path = QStringLiteral(":/artwork/%1.png").arg(name);
    if (name.isEmpty() || !QFile::exists(path))
        return {};
    return QImage(path);
}

}  // namespace zorbil
