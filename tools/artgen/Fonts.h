// SPDX-License-Identifier: GPL-3.0-or-later
// The lettering font of every picture. Loaded from its file so that the
// pictures do not depend on what the font configuration of the build
// machine prefers.
#pragma once

#include <QFont>

namespace zorbil::art {

// Liberation Sans Bold, or DejaVu Sans Bold when it is missing. Returns
// false when neither can be loaded.
bool LoadLetteringFont();

QFont LetteringFont(int pixelSize, bool italic = false);

}  // namespace zorbil::art
