// SPDX-License-Identifier: GPL-3.0-or-later
// The four operations on the settings file "Data/Config.dat": section Config
// for the start-up configuration, section Options for the game options.
#pragma once

#include <cstdint>
#include <string>

#include "translations/Translatable.h"

namespace zorbil {

inline constexpr const char* ConfigReadErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Impossible de lire la configuration du jeu depuis le fichier Config.dat. Assurez-vous que le répertoire Data "
    "existe, et que le disque ne soit pas plein ou protégé en écriture.");
inline constexpr const char* SaveErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Impossible de sauvegarder la configuration ! Vérifiez que le répertoire Data existe et que le disque n'est pas "
    "plein ou protégé en écriture.");
inline constexpr const char* OptionsReadErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Impossible de lire la configuration des options depuis le fichier Config.dat ! Vérifiez que le répertoire Data "
    "existe et que le disque n'est pas plein ou protégé en écriture.");

// The seven Config values, in the order the configuration dialog declares them.
struct StartupConfig {
    int32_t MixRate = 0;
    int32_t Quality = 0;
    int32_t Aff = 0;
    int32_t Drv = 0;
    int32_t Mixer = 0;
    int32_t Interp = 0;
    int32_t SonAct = 0;
    bool operator==(const StartupConfig&) const = default;
};

struct GameOptions {
    int32_t Speed = 0;
    int32_t SonAct = 0;
    int32_t MusAct = 0;
};

// Reads MixRate, Quality, Interp, SonAct, Drv, Mixer, Aff in this order into
// config, stopping at the first value that is not a whole number (the keys
// from there on keep what config held), then applies the fallback rule.
// Returns false after a read error: show ConfigReadErrorMessage.
bool ReadStartupConfig(const std::string& path, StartupConfig& config);

// Replaces every value outside its key's valid set by the key's fallback.
void ApplyFallback(StartupConfig& config);

// Writes the seven keys in reading order; stops at the first failed write.
// Returns false on failure: show SaveErrorMessage.
bool SaveStartupConfig(const std::string& path, const StartupConfig& config);

// Reads Speed, SonAct, MusAct in this order, stopping at the first read
// error; keys not read keep what options held. Returns false after a read
// error: show OptionsReadErrorMessage.
bool ReadOptions(const std::string& path, GameOptions& options);

// Writes Speed, SonAct, MusAct; stops at the first failed write. Returns
// false on failure: show SaveErrorMessage.
bool SaveOptions(const std::string& path, const GameOptions& options);

// A stored speed clamped to the track bar's range 0..9.
int32_t ClampSpeed(int32_t stored);

// A stored switch: 0 clears, 1 sets, anything else keeps the current state.
bool ApplySwitch(int32_t stored, bool current);

}  // namespace zorbil
