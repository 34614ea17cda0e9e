// SPDX-License-Identifier: GPL-3.0-or-later
// "Data/Temp.dat": an empty file whose presence makes the next frame load
// the selected background picture into the current drawing context.
#pragma once

namespace zorbil {

// Creates the file, or empties an existing one. False when that fails.
bool WriteReloadSignal();
// Removes the file; a missing file is no error.
void DeleteReloadSignal();

}  // namespace zorbil
