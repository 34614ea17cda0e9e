// SPDX-License-Identifier: GPL-3.0-or-later
// Where Debian installs the General MIDI soundfonts the decoder plays MIDI
// with, the first that exists being used.
#pragma once

namespace zorbil {

inline constexpr const char* SoundFonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
};

}  // namespace zorbil
