// SPDX-License-Identifier: GPL-3.0-or-later
// The loader's file side: opening, its log and the move of the log.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "PcxBuilder.h"
#include "render/PcxFileSource.h"
#include "render/mwGL.h"
#include "render/mwTex.h"
#include "render/mwUtil.h"
#include "support/TempGameFolder.h"

namespace zorbil {
namespace {

using test::PcxBuilder;
using test::TempGameFolder;

const std::string Banner = " mwGL Library - 2000 Zorbil team\r\n"
                           "                     zorbil@example.org\r\n"
                           "----------------------------------------v0.01-\r\n"
                           "\r\n";

TEST(PcxFile, LogBannerThenOneLinePerStep)
{
    TempGameFolder folder;
    folder.write("/log.txt", "left from an earlier run, much longer than the banner itself .........\r\n");
    // The log goes in the game folder, wherever the program itself is
    // installed.
    CreateLog(folder.str());
    EXPECT_TRUE(std::filesystem::equivalent(LogPath(), folder.file("/log.txt")));
    EXPECT_EQ(folder.read("/log.txt"), Banner);

    const std::string missing = folder.file("/Textures/none.pcx");
    EXPECT_EQ(mwLoadPCX(missing), 0u);
    folder.write("/short.pcx", std::string(100, 'x'));
    EXPECT_EQ(mwLoadPCX(folder.file("/short.pcx")), 0u);
    folder.write("/odd.pcx", PcxBuilder(320, 200).Bytes());
    EXPECT_EQ(mwLoadPCX(folder.file("/odd.pcx")), 0u);
    EXPECT_THROW(mwLoadPCX(""), std::invalid_argument);

    EXPECT_EQ(folder.read("/log.txt"),
              Banner + "Opening PCX file - \"" + missing + "\"\r\n" +
                  "ERROR (mwTex:mwLoadPCX) - \"can't open file - " + missing + "\"\r\n" +
                  "Opening PCX file - \"" + folder.file("/short.pcx") + "\"\r\n" +
                  "ERROR (mwTex:mwLoadPCX) - \"Not proper PCX file (Header) - " + folder.file("/short.pcx") + "\"\r\n" +
                  "Opening PCX file - \"" + folder.file("/odd.pcx") + "\"\r\n" +
                  "ERROR (mwTex:mwLoadPCX) - \"PCX file incorrect size (320,200) - " + folder.file("/odd.pcx") +
                  "\"\r\n" +
                  "Opening PCX file - \"\"\r\n");
}

TEST(PcxFile, LinesAreDroppedOnceTheLogIsGone)
{
    TempGameFolder folder;
    CreateLog(folder.str());
    LogLine("kept");
    ASSERT_TRUE(MoveFileNoReplace(folder.file("/log.txt"), folder.file("/Data/Log.txt")));
    LogLine("dropped");
    EXPECT_FALSE(std::filesystem::exists(folder.file("/log.txt")));
    EXPECT_EQ(folder.read("/Data/Log.txt"), Banner + "kept\r\n");
}

TEST(PcxFile, LogThatCannotBeCreatedIsSilent)
{
    TempGameFolder folder;
    CreateLog(folder.file("/no/such/folder"));
    LogLine("nowhere");
    EXPECT_FALSE(std::filesystem::exists(folder.file("/no")));
}

TEST(PcxFile, MoveNeverReplacesTheTarget)
{
    TempGameFolder folder;
    folder.write("/log.txt", "new");
    folder.write("/Data/Log.txt", "old");
    EXPECT_FALSE(MoveFileNoReplace(folder.file("/log.txt"), folder.file("/Data/Log.txt")));
    EXPECT_EQ(folder.read("/log.txt"), "new");
    EXPECT_EQ(folder.read("/Data/Log.txt"), "old");
    EXPECT_FALSE(MoveFileNoReplace(folder.file("/absent.txt"), folder.file("/Data/Other.txt")));
}

TEST(PcxFile, OnlyRegularFilesOpen)
{
    TempGameFolder folder;
    PcxFileSource directory;
    EXPECT_FALSE(directory.Open(folder.str()));

    // A named pipe with no writer would block a plain open for ever.
    const std::string pipe = folder.file("/pipe.pcx");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    PcxFileSource fifo;
    EXPECT_FALSE(fifo.Open(pipe));

    folder.write("/ok.pcx", PcxBuilder(2, 2).Bytes());
    PcxFileSource file;
    ASSERT_TRUE(file.Open(folder.file("/ok.pcx")));
    EXPECT_EQ(file.Size(), 897);
    uint8_t bytes[4];
    EXPECT_TRUE(file.ReadAt(893, bytes, 4));
    EXPECT_FALSE(file.ReadAt(894, bytes, 4));
    EXPECT_FALSE(file.ReadAt(-1, bytes, 1));
    EXPECT_NO_THROW(file.Close());
}

}  // namespace
}  // namespace zorbil
