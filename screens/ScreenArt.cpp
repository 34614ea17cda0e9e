#include "screens/ScreenArt.h"

namespace zorbil {

QImage ScreenArt(const QString&)
{
    return {};
}

}  // namespace zorbil
