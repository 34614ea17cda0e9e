// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingSoundLibrary.h"
#include "audio/SoundDevice.h"

using zorbil::SetupSoundDevice;
using zorbil::SoundSetupErrorMessage;
using zorbil::test::FakeSwitches;
using zorbil::test::RecordingSoundLibrary;
using Calls = std::vector<std::string>;

namespace {

struct DeviceSetup {
    RecordingSoundLibrary library;
    FakeSwitches switches;
    std::vector<std::string> errors;

    void Run(int sonAct, int drv, int mixer, int mixRate, int quality)
    {
        SetupSoundDevice(library, switches, [this](const std::string& m) { errors.push_back(m); }, sonAct, drv,
                         mixer, mixRate, quality);
    }
};

}  // namespace

TEST(SoundDevice, SoundOnCallsTheLibraryInOrder)
{
    DeviceSetup s;
    s.Run(1, 3, 12, 44100, 8);
    EXPECT_EQ(s.library.calls,
              (Calls{"SetOutput(4)", "SetMixer(4)", "SetDriver(0)", "Init(44100,8,1)", "SetSFXMasterVolume(255)"}));
    EXPECT_TRUE(s.errors.empty());
    EXPECT_FALSE(s.switches.greyed);
    EXPECT_TRUE(s.switches.music);
    EXPECT_TRUE(s.switches.effects);
}

TEST(SoundDevice, DriverCodesMapToOutputTypes)
{
    const std::pair<int, int> table[] = {{1, 1}, {2, 2}, {3, 4}, {4, 5}, {5, 3}};
    for (auto [drv, output] : table) {
        DeviceSetup s;
        s.Run(1, drv, 11, 22050, 16);
        ASSERT_FALSE(s.library.calls.empty());
        EXPECT_EQ(s.library.calls.front(), "SetOutput(" + std::to_string(output) + ")") << "Drv " << drv;
    }
    for (int drv : {0, 6, -1}) {
        DeviceSetup s;
        s.Run(1, drv, 11, 22050, 16);
        EXPECT_EQ(s.library.calls.front(), "SetMixer(0)") << "Drv " << drv;
    }
}

TEST(SoundDevice, MixerCodesMapToMixerTypesAndOthersLeaveTheDefault)
{
    const std::pair<int, int> table[] = {{11, 0}, {12, 4}, {21, 2}, {22, 6}, {41, 3}, {42, 7}, {3, 1}, {5, 5}};
    for (auto [code, type] : table) {
        DeviceSetup s;
        s.Run(1, 2, code, 22050, 16);
        ASSERT_GE(s.library.calls.size(), 2u);
        EXPECT_EQ(s.library.calls[1], "SetMixer(" + std::to_string(type) + ")") << "Mixer " << code;
    }
    for (int code : {2, 7, 0, 1, 4, 13, 31}) {
        DeviceSetup s;
        s.Run(1, 2, code, 22050, 16);
        EXPECT_EQ(s.library.calls,
                  (Calls{"SetOutput(2)", "SetDriver(0)", "Init(22050,16,1)", "SetSFXMasterVolume(255)"}))
            << "Mixer " << code;
    }
}

TEST(SoundDevice, QualityIsTheSecondInitArgument)
{
    for (int quality : {8, 16}) {
        DeviceSetup s;
        s.Run(1, 2, 11, 11025, quality);
        EXPECT_EQ(s.library.calls[3], "Init(11025," + std::to_string(quality) + ",1)");
    }
}

TEST(SoundDevice, FailedInitShowsTheMessageAndSkipsTheVolume)
{
    DeviceSetup s;
    s.library.initResult = false;
    s.Run(1, 2, 11, 22050, 16);
    EXPECT_EQ(s.library.calls, (Calls{"SetOutput(2)", "SetMixer(0)", "SetDriver(0)", "Init(22050,16,1)"}));
    EXPECT_EQ(s.errors, (Calls{SoundSetupErrorMessage}));
    EXPECT_FALSE(s.switches.greyed);
    EXPECT_TRUE(s.switches.music);
}

TEST(SoundDevice, ErrorInAnyStepSkipsTheRest)
{
    DeviceSetup s;
    s.library.throwOn = "SetDriver";
    s.Run(1, 2, 11, 22050, 16);
    EXPECT_EQ(s.library.calls, (Calls{"SetOutput(2)", "SetMixer(0)"}));
    EXPECT_EQ(s.errors, (Calls{SoundSetupErrorMessage}));

    DeviceSetup off;
    off.library.throwOn = "SetOutput";
    off.Run(0, 2, 11, 22050, 16);
    EXPECT_EQ(off.errors, (Calls{SoundSetupErrorMessage}));
    EXPECT_FALSE(off.switches.greyed);
}

TEST(SoundDevice, SoundOffMakesNoOutputAndGreysTheSwitches)
{
    DeviceSetup s;
    s.Run(0, 3, 12, 44100, 16);
    EXPECT_EQ(s.library.calls, (Calls{"SetOutput(0)"}));
    EXPECT_TRUE(s.switches.greyed);
    EXPECT_FALSE(s.switches.music);
    EXPECT_FALSE(s.switches.effects);
    EXPECT_TRUE(s.errors.empty());
}
