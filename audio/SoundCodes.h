// SPDX-License-Identifier: GPL-3.0-or-later
// The sound driver and mixer codes of the settings file (keys Drv and
// Mixer): which of the configuration dialog's buttons each stands for, and
// what it asks of the sound library and of SDL; and the mixing rates the
// dialog offers (key MixRate).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace zorbil {

struct DriverCode {
    int32_t code;
    // The library's output type: the dialog numbers its drivers otherwise.
    int outputType;
    // The SDL audio drivers tried for it, in order; "" is SDL's own choice.
    std::array<const char*, 2> sdlDrivers;
};

// In the order of the dialog's driver buttons, top to bottom.
inline constexpr std::array<DriverCode, 5> DriverCodes = {{
    {1, 1, {"alsa"}},                    // Windows Multimedia: the plain system device
    {2, 2, {""}},                        // Microsoft DirectSound
    {3, 4, {"dsp", "alsa"}},             // Open Sound System
    {4, 5, {"pulseaudio", "pipewire"}},  // Enlightenment Sound Daemon: a sound server
    {5, 3, {"pipewire", "pulseaudio"}},  // A3D
}};

// Read when Drv is absent, and put in place of any other value.
inline constexpr int32_t DefaultDriverCode = 2;

// Sound off: the library makes no sound at all.
inline constexpr int NoSoundOutput = 0;

// The dialog's mixer buttons, top to bottom.
enum class MixerChoice { Auto, PentiumMmx, PentiumNoMmx, PentiumPro, Fpu };
inline constexpr std::size_t MixerChoices = 5;

enum class Interpolation { Without, With, NotOffered, Always };

struct MixerCode {
    int32_t code;
    MixerChoice choice;
    Interpolation interpolation;
    int mixerType;  // the library's
};

// In a two-digit code the first digit is the mixer, the second 1 without and
// 2 with interpolation.
inline constexpr std::array<MixerCode, 8> MixerCodes = {{
    {11, MixerChoice::Auto, Interpolation::Without, 0},
    {12, MixerChoice::Auto, Interpolation::With, 4},
    {21, MixerChoice::PentiumMmx, Interpolation::Without, 2},
    {22, MixerChoice::PentiumMmx, Interpolation::With, 6},
    {41, MixerChoice::PentiumPro, Interpolation::Without, 3},
    {42, MixerChoice::PentiumPro, Interpolation::With, 7},
    {3, MixerChoice::PentiumNoMmx, Interpolation::NotOffered, 1},
    {5, MixerChoice::Fpu, Interpolation::Always, 5},
}};

// Read when Mixer is absent.
inline constexpr int32_t DefaultMixerCode = 11;
// Put in place of any value that is no code. It is none itself: the dialog
// keeps its designed Auto selection, the library its own mixer, and the
// settings keep 2 until the player picks a mixer.
inline constexpr int32_t FallbackMixerCode = 2;

// In Hz, in the order the dialog's spin button steps through them.
inline constexpr std::array<int32_t, 6> MixRates = {8000, 11025, 16000, 22050, 32000, 44100};
// Read when MixRate is absent, and put in place of any other value.
inline constexpr int32_t DefaultMixRate = 22050;

constexpr bool IsMixRate(int32_t rate)
{
    for (const int32_t offered : MixRates)
        if (offered == rate)
            return true;
    return false;
}

// The position of a driver code among the dialog's buttons.
constexpr std::optional<std::size_t> DriverButton(int32_t code)
{
    for (std::size_t i = 0; i < DriverCodes.size(); ++i)
        if (DriverCodes[i].code == code)
            return i;
    return std::nullopt;
}

constexpr std::optional<int> OutputTypeOf(int32_t driverCode)
{
    if (const auto button = DriverButton(driverCode))
        return DriverCodes[*button].outputType;
    return std::nullopt;
}

constexpr const MixerCode* FindMixerCode(int32_t code)
{
    for (const MixerCode& mixer : MixerCodes)
        if (mixer.code == code)
            return &mixer;
    return nullptr;
}

// Whether the dialog's Interpolation box goes with this mixer.
constexpr bool OffersInterpolation(MixerChoice choice)
{
    for (const MixerCode& mixer : MixerCodes)
        if (mixer.choice == choice && mixer.interpolation == Interpolation::With)
            return true;
    return false;
}

// The code a mixer button gives, by the Interpolation box.
constexpr int32_t MixerCodeFor(MixerChoice choice, bool interpolated)
{
    for (const MixerCode& mixer : MixerCodes)
        if (mixer.choice == choice && (!OffersInterpolation(choice) ||
                                       (mixer.interpolation == Interpolation::With) == interpolated))
            return mixer.code;
    return FallbackMixerCode;
}

}  // namespace zorbil
