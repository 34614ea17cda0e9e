// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound operations on the real sound layer, heard through SDL's
// disk driver: a throw-away game folder with Musiques, the layer and its
// decoders, the options screen's switches, and the error boxes shown.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "DiskAudio.h"
#include "audio/SdlSoundLibrary.h"
#include "support/FakeSwitches.h"
#include "support/GameDecoder.h"
#include "support/SoundSetup.h"
#include "support/TempGameFolder.h"

namespace zorbil::test {

class SoundRig : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(folder.path() / "Musiques");
    }

    // Drv 3 asks for OSS: the disk driver named in the environment wins.
    void StartDevice(int sonAct = 1, const std::string& decoder = GameDecoder, DecoderLimits limits = {})
    {
        sound.reset();
        library.reset();
        library = std::make_unique<SdlSoundLibrary>(decoder, limits);
        SetUpSound(*library, switches, {.sonAct = sonAct, .drv = 3, .mixRate = TestRate}, ShowError());
        sound = std::make_unique<GameSound>(*library, switches, ShowError(), gameFolder);
    }

    // Everything mixed, the device closed.
    std::vector<int16_t> Finish()
    {
        sound.reset();
        library.reset();
        return disk.Left();
    }

    std::string Music(const std::string& name) const { return folder.file("/Musiques/" + name); }

    ErrorBox ShowError()
    {
        return [this](const std::string& message) { errors.push_back(message); };
    }

    TempGameFolder folder;
    // Where the game's sounds are looked for.
    std::string gameFolder = folder.str();
    DiskAudio disk{folder.file("/mixed.raw")};
    std::unique_ptr<SdlSoundLibrary> library;
    FakeSwitches switches;
    std::vector<std::string> errors;
    std::unique_ptr<GameSound> sound;
};

}  // namespace zorbil::test
