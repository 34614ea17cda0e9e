// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "config/Settings.h"
#include "screens/ScoresFile.h"
#include "shared/DataPaths.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using zorbil::test::TempGameFolder;

namespace {

std::string Bytes(std::initializer_list<int> b)
{
    std::string s;
    for (int c : b)
        s.push_back(static_cast<char>(c));
    return s;
}

int FilesIn(const std::filesystem::path& dir)
{
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

// Files may not grow past `bytes` while it lives: a disk that fills up.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

}  // namespace

TEST(ScoresFile, WritesExactlyFourLittleEndianBytes)
{
    TempGameFolder game;
    const std::string path = game.file(ScoresFileTail);
    ASSERT_TRUE(WriteBestScore(path, 42));
    EXPECT_EQ(game.read(ScoresFileTail), Bytes({0x2A, 0, 0, 0}));
    ASSERT_TRUE(WriteBestScore(path, 0));
    EXPECT_EQ(game.read(ScoresFileTail), Bytes({0, 0, 0, 0}));
    ASSERT_TRUE(WriteBestScore(path, 0x01020304));
    EXPECT_EQ(game.read(ScoresFileTail), Bytes({4, 3, 2, 1}));
    ASSERT_TRUE(WriteBestScore(path, -2));
    EXPECT_EQ(game.read(ScoresFileTail), Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(FilesIn(game.path() / "Data"), 1);  // no temporary left behind

    // A save keeps the file's mode, whatever the umask.
    ::chmod(path.c_str(), 0664);
    const mode_t saved = ::umask(077);
    const bool written = WriteBestScore(path, 5);
    ::umask(saved);
    ASSERT_TRUE(written);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
}

TEST(ScoresFile, ReadsTheFirstFourBytes)
{
    TempGameFolder game;
    const std::string path = game.file(ScoresFileTail);
    int32_t best = 7;
    EXPECT_TRUE(ReadBestScore(path, best));  // missing: no error, nothing read
    EXPECT_EQ(best, 7);

    game.write(ScoresFileTail, Bytes({0x2A, 0, 0, 0, 0x55, 0x66}));  // longer is fine
    EXPECT_TRUE(ReadBestScore(path, best));
    EXPECT_EQ(best, 42);

    game.write(ScoresFileTail, Bytes({0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_TRUE(ReadBestScore(path, best));
    EXPECT_EQ(best, INT32_MAX);

    game.write(ScoresFileTail, Bytes({9, 9, 9}));
    EXPECT_FALSE(ReadBestScore(path, best));
    EXPECT_EQ(best, INT32_MAX);

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);  // cannot be read as a file
    EXPECT_FALSE(ReadBestScore(path, best));
}

TEST(ScoresFile, AFailedWriteLeavesTheOldFileWhole)
{
    TempGameFolder game;
    const std::string path = game.file(ScoresFileTail);
    ASSERT_TRUE(WriteBestScore(path, 1234));
    {
        const FileSizeLimit full(2);
        EXPECT_FALSE(WriteBestScore(path, 99));
    }
    int32_t best = 0;
    EXPECT_TRUE(ReadBestScore(path, best));
    EXPECT_EQ(best, 1234);
    EXPECT_EQ(FilesIn(game.path() / "Data"), 1);

    TempGameFolder noData(false);
    EXPECT_FALSE(WriteBestScore(noData.file(ScoresFileTail), 5));
}

// One rule for both saved files: the folder is writable, so a rename could
// replace them, but a file the player protected stays as it is (for root
// too, who may write anything).
TEST(SavedFiles, AWriteProtectedFileIsNeverReplaced)
{
    TempGameFolder game;
    const std::string config = game.file(ConfigFileTail), scores = game.file(ScoresFileTail);
    game.write(ConfigFileTail, "[Options]\nSpeed=2\n");
    game.write(ScoresFileTail, Bytes({0x2A, 0, 0, 0}));
    ::chmod(config.c_str(), 0444);
    ::chmod(scores.c_str(), 0444);
    EXPECT_FALSE(SaveOptions(config, {7, 1, 1}));
    EXPECT_FALSE(WriteBestScore(scores, 99));
    EXPECT_EQ(game.read(ConfigFileTail), "[Options]\nSpeed=2\n");
    EXPECT_EQ(game.read(ScoresFileTail), Bytes({0x2A, 0, 0, 0}));
    EXPECT_EQ(FilesIn(game.path() / "Data"), 2);

    // Writable again, both are saved.
    ::chmod(config.c_str(), 0644);
    ::chmod(scores.c_str(), 0644);
    EXPECT_TRUE(SaveOptions(config, {7, 1, 1}));
    EXPECT_TRUE(WriteBestScore(scores, 99));
    EXPECT_EQ(game.read(ScoresFileTail), Bytes({99, 0, 0, 0}));
}
