// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/Settings.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "audio/SoundCodes.h"
#include "config/IniFile.h"
#include "config/IniInteger.h"

namespace zorbil {

namespace {

struct Key {
    const char* name;
    int32_t defaultValue;
    int32_t* value;
};

bool ReadKeys(const std::string& path, const char* section, std::initializer_list<Key> keys)
{
    for (const Key& k : keys)
        if (!ParseIniInteger(ReadProfileString(path, section, k.name, std::to_string(k.defaultValue)), *k.value))
            return false;
    return true;
}

bool WriteKeys(const std::string& path, const char* section, std::initializer_list<std::pair<const char*, int32_t>> keys)
{
    for (const auto& [name, value] : keys)
        if (!WriteProfileString(path, section, name, std::to_string(value)))
            return false;
    return true;
}

void Fallback(int32_t& value, std::initializer_list<int32_t> valid, int32_t fallback)
{
    if (std::find(valid.begin(), valid.end(), value) == valid.end())
        value = fallback;
}

}  // namespace

bool ReadStartupConfig(const std::string& path, StartupConfig& c)
{
    const bool ok = ReadKeys(path, "Config",
                             {{"MixRate", DefaultMixRate, &c.MixRate},
                              {"Quality", 16, &c.Quality},
                              {"Interp", 1, &c.Interp},
                              {"SonAct", 1, &c.SonAct},
                              {"Drv", DefaultDriverCode, &c.Drv},
                              {"Mixer", DefaultMixerCode, &c.Mixer},
                              {"Aff", 1, &c.Aff}});
    ApplyFallback(c);
    return ok;
}

void ApplyFallback(StartupConfig& c)
{
    if (!IsMixRate(c.MixRate))
        c.MixRate = DefaultMixRate;
    Fallback(c.Quality, {8, 16}, 16);
    Fallback(c.Interp, {0, 1}, 1);
    Fallback(c.SonAct, {0, 1}, 1);
    if (!DriverButton(c.Drv))
        c.Drv = DefaultDriverCode;
    if (!FindMixerCode(c.Mixer))
        c.Mixer = FallbackMixerCode;
    Fallback(c.Aff, {1, 2}, 1);
}

bool SaveStartupConfig(const std::string& path, const StartupConfig& c)
{
    return WriteKeys(path, "Config",
                     {{"MixRate", c.MixRate},
                      {"Quality", c.Quality},
                      {"Interp", c.Interp},
                      {"SonAct", c.SonAct},
                      {"Drv", c.Drv},
                      {"Mixer", c.Mixer},
                      {"Aff", c.Aff}});
}

bool ReadOptions(const std::string& path, GameOptions& o)
{
    return ReadKeys(path, "Options",
                    {{"Speed", 5, &o.Speed}, {"SonAct", 1, &o.SonAct}, {"MusAct", 1, &o.MusAct}});
}

bool SaveOptions(const std::string& path, const GameOptions& o)
{
    return WriteKeys(path, "Options", {{"Speed", o.Speed}, {"SonAct", o.SonAct}, {"MusAct", o.MusAct}});
}

int32_t ClampSpeed(int32_t stored)
{
    return std::clamp(stored, 0, 9);
}

bool ApplySwitch(int32_t stored, bool current)
{
    if (stored == 0)
        return false;
    if (stored == 1)
        return true;
    return current;
}

}  // namespace zorbil
