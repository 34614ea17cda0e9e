// The screens' pictures by name.
#pragma once

#include <QImage>
#include <QString>

namespace zorbil {

QImage ScreenArt(const QString& name);

}  // namespace zorbil
