// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "config/GameFolder.h"
#include "config/Settings.h"
#include "shared/DataPaths.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using zorbil::test::TempGameFolder;

namespace zorbil {

void PrintTo(const StartupConfig& c, std::ostream* os)
{
    *os << "MixRate " << c.MixRate << ", Quality " << c.Quality << ", Aff " << c.Aff << ", Drv " << c.Drv << ", Mixer "
        << c.Mixer << ", Interp " << c.Interp << ", SonAct " << c.SonAct;
}

}  // namespace zorbil

namespace {

// What the configuration dialog holds before it reads: all 0, and SonAct 1
// because it has just switched its "Son" box on.
StartupConfig BeforeReading()
{
    StartupConfig c;
    c.SonAct = 1;
    return c;
}

class SettingsFile : public ::testing::Test {
protected:
    std::string path() const { return dir.file(ConfigFileTail); }
    void store(const std::string& text) const { dir.write(ConfigFileTail, text); }
    TempGameFolder dir;
};

TEST_F(SettingsFile, NoFileGivesTheDefaultsWithoutError)
{
    StartupConfig c = BeforeReading();
    EXPECT_TRUE(ReadStartupConfig(path(), c));
    EXPECT_EQ(c, (StartupConfig{.MixRate = 22050, .Quality = 16, .Aff = 1,
                                .Drv = 2, .Mixer = 11, .Interp = 1, .SonAct = 1}));
    GameOptions o{5, 0, 0};
    EXPECT_TRUE(ReadOptions(path(), o));
    EXPECT_EQ(o.Speed, 5);
    EXPECT_EQ(o.SonAct, 1);
    EXPECT_EQ(o.MusAct, 1);
    EXPECT_FALSE(std::filesystem::exists(path()));
}

TEST_F(SettingsFile, EmptyValueIsAReadErrorAndUnreadKeysFallBack)
{
    store("[Config]\nMixRate=\nQuality=8\nInterp=1\nDrv=4\n");
    StartupConfig c = BeforeReading();
    EXPECT_FALSE(ReadStartupConfig(path(), c));
    EXPECT_EQ(c, (StartupConfig{.MixRate = 22050, .Quality = 16, .Aff = 1,
                                .Drv = 2, .Mixer = 2, .Interp = 0, .SonAct = 1}));
}

TEST_F(SettingsFile, ErrorMidwayKeepsTheKeysReadBeforeIt)
{
    store("[Config]\nMixRate=44100\nQuality=8\nInterp=0\nSonAct=0\nDrv=123456789012\nMixer=21\nAff=2\n");
    StartupConfig c = BeforeReading();
    EXPECT_FALSE(ReadStartupConfig(path(), c));
    EXPECT_EQ(c, (StartupConfig{.MixRate = 44100, .Quality = 8, .Aff = 1,
                                .Drv = 2, .Mixer = 2, .Interp = 0, .SonAct = 0}));
}

TEST_F(SettingsFile, OutOfRangeValuesFallBackSilently)
{
    store("[Config]\nMixRate=12345\nQuality=24\nInterp=7\nSonAct=2\nDrv=6\nMixer=7\nAff=0\n");
    StartupConfig c = BeforeReading();
    EXPECT_TRUE(ReadStartupConfig(path(), c));
    EXPECT_EQ(c, (StartupConfig{.MixRate = 22050, .Quality = 16, .Aff = 1,
                                .Drv = 2, .Mixer = 2, .Interp = 1, .SonAct = 1}));
}

TEST_F(SettingsFile, HexCaseAndBlanks)
{
    store("[CONFIG]\nmixrate=$AC44\n  Drv  =  3   \nMIXER=0x29\n");
    StartupConfig c = BeforeReading();
    EXPECT_TRUE(ReadStartupConfig(path(), c));
    EXPECT_EQ(c.MixRate, 44100);
    EXPECT_EQ(c.Drv, 3);
    EXPECT_EQ(c.Mixer, 41);
    store("[Config]\nMixRate=0xAC44\n");
    EXPECT_TRUE(ReadStartupConfig(path(), c));
    EXPECT_EQ(c.MixRate, 44100);
}

TEST_F(SettingsFile, SaveWritesTheSevenKeysInOrderAndKeepsOptions)
{
    store("[Options]\nSpeed=3\n");
    StartupConfig c{44100, 8, 2, 3, 7, 0, 1};
    ApplyFallback(c);  // Mixer 7 becomes 2 and is written back as 2
    ASSERT_TRUE(SaveStartupConfig(path(), c));
    EXPECT_EQ(dir.read(ConfigFileTail),
              "[Options]\nSpeed=3\n[Config]\nMixRate=44100\nQuality=8\nInterp=0\nSonAct=1\nDrv=3\nMixer=2\nAff=2\n");
    StartupConfig back = BeforeReading();
    EXPECT_TRUE(ReadStartupConfig(path(), back));
    EXPECT_EQ(back.Aff, 2);
    EXPECT_EQ(back.Mixer, 2);
}

TEST_F(SettingsFile, FirstSaveCreatesConfigOnlyThenOptionsIsAdded)
{
    StartupConfig c = BeforeReading();
    ReadStartupConfig(path(), c);
    ASSERT_TRUE(SaveStartupConfig(path(), c));
    EXPECT_EQ(dir.read(ConfigFileTail),
              "[Config]\nMixRate=22050\nQuality=16\nInterp=1\nSonAct=1\nDrv=2\nMixer=11\nAff=1\n");
    ASSERT_TRUE(SaveOptions(path(), GameOptions{9, 1, 0}));
    GameOptions o{5, 0, 0};
    EXPECT_TRUE(ReadOptions(path(), o));
    EXPECT_EQ(o.Speed, 9);
    EXPECT_EQ(o.SonAct, 1);
    EXPECT_EQ(o.MusAct, 0);
    EXPECT_NE(dir.read(ConfigFileTail).find("[Options]\nSpeed=9\nSonAct=1\nMusAct=0\n"), std::string::npos);
}

TEST_F(SettingsFile, SavingWithoutDataFolderFails)
{
    TempGameFolder bare(false);
    const std::string p = bare.file(ConfigFileTail);
    EXPECT_FALSE(SaveStartupConfig(p, BeforeReading()));
    EXPECT_FALSE(SaveOptions(p, GameOptions{5, 1, 1}));
    StartupConfig c = BeforeReading();
    EXPECT_TRUE(ReadStartupConfig(p, c));  // reads as with no file, silently
}

TEST_F(SettingsFile, OptionsReadErrorStopsAtTheBadKey)
{
    store("[Options]\nSpeed=fast\nSonAct=1\nMusAct=1\n");
    GameOptions o{5, 0, 0};
    EXPECT_FALSE(ReadOptions(path(), o));
    EXPECT_EQ(o.Speed, 5);
    EXPECT_EQ(o.SonAct, 0);
    EXPECT_EQ(o.MusAct, 0);

    store("[Options]\nSpeed=12\nSonAct=2\nMusAct=\n");
    o = {5, 0, 0};
    EXPECT_FALSE(ReadOptions(path(), o));
    EXPECT_EQ(o.Speed, 12);
    EXPECT_EQ(o.SonAct, 2);
    EXPECT_EQ(o.MusAct, 0);
}

TEST(OptionValues, SpeedClampAndSwitchRule)
{
    EXPECT_EQ(ClampSpeed(12), 9);
    EXPECT_EQ(ClampSpeed(-3), 0);
    EXPECT_EQ(ClampSpeed(4), 4);
    EXPECT_FALSE(ApplySwitch(0, true));
    EXPECT_TRUE(ApplySwitch(1, false));
    EXPECT_TRUE(ApplySwitch(2, true));
    EXPECT_FALSE(ApplySwitch(-1, false));
}

TEST(GameFolderPaths, TailsFollowTheFolder)
{
    SetGameFolder("/home/p/Zorbil/");
    EXPECT_EQ(GamePath("/Data/Config.dat"), "/home/p/Zorbil/Data/Config.dat");
    SetGameFolder("/");
    EXPECT_EQ(GamePath("/Data/Config.dat"), "/Data/Config.dat");
}

}  // namespace
