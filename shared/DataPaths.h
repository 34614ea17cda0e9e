// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game keeps its files: every data path is the game folder
// (config/GameFolder.h) followed by one of these tails.
#pragma once

#include <string>
#include <string_view>

#include "translations/Translatable.h"

namespace zorbil {

// The player's own files.
inline constexpr const char* ConfigFileTail = "/Data/Config.dat";
inline constexpr const char* ScoresFileTail = "/Data/Scores.dat";
// Present, it makes the next frame load the selected background.
inline constexpr const char* ReloadSignalTail = "/Data/Temp.dat";

// The shipped menu music and the two effects.
inline constexpr const char* MenuMusicTail = "/Data/Menu.dat";
inline constexpr const char* DonutSoundTail = "/Data/Donut.dat";
inline constexpr const char* OverSoundTail = "/Data/Over.dat";

// What the options screen lists: "*.pcx" pictures and "*.mus" musics.
inline constexpr const char* TexturesFolderTail = "/Textures/";
inline constexpr const char* MusicsFolderTail = "/Musiques/";

// The texture loader's log, and where each load moves it.
inline constexpr const char* LogFileTail = "/log.txt";
inline constexpr const char* MovedLogTail = "/Data/Log.txt";

// The notes on the help screen's last page, in the player's language.
inline constexpr const char* NotesFileTail =
    //: The notes file in this language, beside the French "Zorbil.txt"
    ZORBIL_TRANSLATABLE("HelpPanel", "/Zorbil.txt");

// The game folder followed by a tail.
std::string DataPath(std::string_view folder, std::string_view tail);

}  // namespace zorbil
