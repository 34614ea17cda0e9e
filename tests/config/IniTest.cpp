// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <climits>

#include "config/IniDocument.h"
#include "config/IniFile.h"
#include "config/IniInteger.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using zorbil::test::TempGameFolder;

namespace {

std::optional<int32_t> Int(std::string_view s)
{
    int32_t v = 12345;
    if (!ParseIniInteger(s, v))
        return std::nullopt;
    return v;
}

TEST(IniInteger, AcceptsDecimalWithinThirtyTwoBits)
{
    EXPECT_EQ(Int("0"), 0);
    EXPECT_EQ(Int("22050"), 22050);
    EXPECT_EQ(Int("+7"), 7);
    EXPECT_EQ(Int("-3"), -3);
    EXPECT_EQ(Int("  \t 42"), 42);
    EXPECT_EQ(Int("007"), 7);
    EXPECT_EQ(Int("2147483647"), INT32_MAX);
    EXPECT_EQ(Int("-2147483648"), INT32_MIN);
}

TEST(IniInteger, AcceptsTheFiveHexPrefixes)
{
    for (const char* s : {"$AC44", "xac44", "XAc44", "0xAC44", "0Xac44"})
        EXPECT_EQ(Int(s), 44100) << s;
    EXPECT_EQ(Int("$FFFFFFFF"), -1);
    EXPECT_EQ(Int("0x80000000"), INT32_MIN);
    EXPECT_EQ(Int("$0"), 0);
}

TEST(IniInteger, RefusesEverythingElse)
{
    for (const char* s : {"", " ", "+", "-", "abc", "12 ", "1.5", "1e3", "2147483648", "-2147483649", "123456789012",
                          "$", "0x", "x", "$123456789", "-$10", "+0x10", "$G1", "0x 1", "- 1", "5x"}) {
        int32_t v = 99;
        EXPECT_FALSE(ParseIniInteger(s, v)) << '"' << s << '"';
        EXPECT_EQ(v, 99);
    }
}

TEST(IniDocument, FindsSectionsAndKeysRegardlessOfCaseAndBlanks)
{
    const auto doc = IniDocument::Parse("junk=1\n[Other]\nDrv=9\n  [ config ]  \n  dRV   =   3   \r\nempty=\n[x]\n");
    EXPECT_EQ(doc.Get("CONFIG", "Drv"), "3");
    EXPECT_EQ(doc.Get("Config", "EMPTY"), "");
    EXPECT_EQ(doc.Get("Config", "missing"), std::nullopt);
    EXPECT_EQ(doc.Get("Nowhere", "Drv"), std::nullopt);
    EXPECT_EQ(doc.Get("Other", "Drv"), "9");
    EXPECT_EQ(doc.Get("x", "junk"), std::nullopt);  // lines before any section belong to none
}

TEST(IniDocument, CutsLongValues)
{
    const std::string longValue(3000, '7');
    const auto doc = IniDocument::Parse("[A]\nk=" + longValue + "\n");
    EXPECT_EQ(doc.Get("A", "k")->size(), IniDocument::MaxValueLength);
}

TEST(IniDocument, WritesInPlaceAtSectionEndOrAsANewSection)
{
    auto doc = IniDocument::Parse("; keep me\r\n[Config]\r\nMixRate = 8000\r\nQuality=8\r\n\r\n[Options]\r\nSpeed=2\r\n");
    doc.Set("config", "mixrate", "44100");
    doc.Set("Config", "Aff", "2");
    doc.Set("Scores", "Best", "10");
    EXPECT_EQ(doc.Text(),
              "; keep me\r\n[Config]\r\nmixrate=44100\r\nQuality=8\r\nAff=2\r\n\r\n[Options]\r\nSpeed=2\r\n"
              "[Scores]\r\nBest=10\r\n");
}

TEST(IniDocument, AppendsAfterAFileWithoutFinalLineEnd)
{
    auto doc = IniDocument::Parse("[A]\nk=1");
    doc.Set("A", "j", "2");
    doc.Set("B", "m", "3");
    EXPECT_EQ(doc.Text(), "[A]\nk=1\nj=2\n[B]\nm=3\n");
}

TEST(IniDocument, UntouchedLinesKeepTheirBytes)
{
    const std::string text = "[A]\nodd=1 \r\r\nmixed=2\r\n\x01\xff junk\n[B]\nk=v";
    auto doc = IniDocument::Parse(text);
    EXPECT_EQ(doc.Text(), text);
    EXPECT_EQ(doc.Get("A", "odd"), "1 \r");
    doc.Set("A", "mixed", "3");
    EXPECT_EQ(doc.Text(), "[A]\nodd=1 \r\r\nmixed=3\r\n\x01\xff junk\n[B]\nk=v");
    EXPECT_EQ(IniDocument::Parse(doc.Text()).Get("A", "odd"), "1 \r");

    // A file ending in a bare carriage return keeps it as the line's ending.
    auto cr = IniDocument::Parse("[A]\nk=1 \r");
    EXPECT_EQ(cr.Get("A", "k"), "1");
    cr.Set("B", "j", "2");
    EXPECT_EQ(cr.Text(), "[A]\nk=1 \r\n[B]\nj=2\n");
    EXPECT_EQ(IniDocument::Parse(cr.Text()).Get("A", "k"), "1");
}

TEST(IniFile, MissingFileReadsDefaultsAndFirstWriteCreatesIt)
{
    TempGameFolder dir;
    const std::string path = dir.file("/Data/Config.dat");
    EXPECT_EQ(ReadProfileString(path, "Config", "Drv", "2"), "2");
    ASSERT_TRUE(WriteProfileString(path, "Config", "Drv", "4"));
    EXPECT_EQ(dir.read("/Data/Config.dat"), "[Config]\nDrv=4\n");
    EXPECT_EQ(ReadProfileString(path, "Config", "Drv", "2"), "4");
}

TEST(IniFile, WriteFailsWithoutTheFolderAndLeavesNothingBehind)
{
    TempGameFolder dir(false);
    EXPECT_FALSE(WriteProfileString(dir.file("/Data/Config.dat"), "Config", "Drv", "4"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Data"));
}

TEST(IniFile, ReplacementKeepsTheModeAndANewFileFollowsTheUmask)
{
    TempGameFolder dir;
    const auto mode = [&](const char* tail) {
        struct stat st {};
        return ::stat(dir.file(tail).c_str(), &st) == 0 ? st.st_mode & 07777 : 0u;
    };
    const mode_t saved = ::umask(077);
    dir.write("/Data/Config.dat", "[Config]\nDrv=1\n");
    ::chmod(dir.file("/Data/Config.dat").c_str(), 0644);
    const bool replaced = WriteProfileString(dir.file("/Data/Config.dat"), "Config", "Drv", "5");
    ::umask(027);
    const bool created = WriteProfileString(dir.file("/Data/New.dat"), "Config", "Drv", "5");
    ::umask(saved);

    ASSERT_TRUE(replaced);
    ASSERT_TRUE(created);
    EXPECT_EQ(mode("/Data/Config.dat"), 0644u);
    EXPECT_EQ(mode("/Data/New.dat"), 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "Data"), {}), 2);
}

// A disk that fills up mid-write: a file-size limit makes write() fail with
// EFBIG after a few bytes, exactly where a full disk would fail with ENOSPC.
TEST(IniFile, DiskFullMidWriteLeavesTheOldFileIntact)
{
    TempGameFolder dir;
    const std::string path = dir.file("/Data/Config.dat");
    const std::string old = "[Config]\nMixRate=22050\nQuality=16\n";
    dir.write("/Data/Config.dat", old);

    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool written = WriteProfileString(path, "Config", "Drv", "5");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(dir.read("/Data/Config.dat"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "Data"), {}), 1);
}

}  // namespace
