// SPDX-License-Identifier: GPL-3.0-or-later
// A player's game folder filled from a shipped one, on real folders: first
// start, a start after the player changed things, an upgrade, and folders
// that cannot be made or filled.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>

#include "launcher/PlayerFolder.h"
#include "support/TempGameFolder.h"

using namespace zorbil::launcher;
using zorbil::test::TempGameFolder;
namespace fs = std::filesystem;

namespace {

// Every file below `root` with its content, by relative path.
std::map<std::string, std::string> Tree(const TempGameFolder& dir, const fs::path& root)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) {
            const std::string tail = "/" + fs::relative(entry.path(), dir.path()).string();
            files[fs::relative(entry.path(), root).string()] = dir.read(tail);
        }
    return files;
}

class PlayerFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("/shipped/Zorbil.txt", "notes");
        fs::create_directories(dir.path() / "shipped/Data");
        fs::create_directories(dir.path() / "shipped/Textures");
        fs::create_directories(dir.path() / "shipped/Musiques");
        dir.write("/shipped/Data/Menu.dat", "menu");
        dir.write("/shipped/Textures/Bois.pcx", "bois");
        dir.write("/shipped/Musiques/Nuit.mus", "nuit");
    }

    TempGameFolder dir{false};
    const fs::path shipped = dir.path() / "shipped";
    const fs::path player = dir.path() / "home/.local/share/zorbil";
};

TEST_F(PlayerFolderTest, FirstStartCopiesEverythingAndLaterStartsOnlyAddWhatIsMissing)
{
    AddShippedFiles(shipped, player);
    EXPECT_EQ(Tree(dir, player), Tree(dir, shipped));

    // The player adds a texture, edits the settings and a shipped file, and
    // deletes a shipped music.
    dir.write("/home/.local/share/zorbil/Textures/Mine.pcx", "mine");
    dir.write("/home/.local/share/zorbil/Data/Config.dat", "[Options]\nSpeed=2\n");
    dir.write("/home/.local/share/zorbil/Zorbil.txt", "my notes");
    fs::remove(player / "Musiques/Nuit.mus");
    AddShippedFiles(shipped, player);

    // An upgrade ships a new texture, a new folder and a changed sound.
    dir.write("/shipped/Textures/Lave.pcx", "lave");
    fs::create_directories(shipped / "Extra");
    dir.write("/shipped/Extra/New.dat", "new");
    dir.write("/shipped/Data/Menu.dat", "menu 2");
    AddShippedFiles(shipped, player);

    const std::map<std::string, std::string> expected = {
        {"Zorbil.txt", "my notes"},
        {"Data/Menu.dat", "menu"},
        {"Data/Config.dat", "[Options]\nSpeed=2\n"},
        {"Textures/Bois.pcx", "bois"},
        {"Textures/Mine.pcx", "mine"},
        {"Textures/Lave.pcx", "lave"},
        {"Musiques/Nuit.mus", "nuit"},
        {"Extra/New.dat", "new"},
    };
    EXPECT_EQ(Tree(dir, player), expected);
}

TEST_F(PlayerFolderTest, AFolderThatCannotBeMadeOrFilledIsReportedAndNothingHalfWrittenStays)
{
    // A file where a folder should be stops even root.
    fs::create_directories(dir.path() / "home");
    dir.write("/home/.local", "not a folder");
    EXPECT_THROW(AddShippedFiles(shipped, player), fs::filesystem_error);
    fs::remove(dir.path() / "home/.local");
    fs::create_directories(player / "Data");
    dir.write("/home/.local/share/zorbil/Textures", "not a folder either");
    EXPECT_THROW(AddShippedFiles(shipped, player), fs::filesystem_error);
    fs::remove(player / "Textures");

    // A disk that fills up during a copy: the file is not there at all, so
    // the next start copies it whole.
    dir.write("/shipped/Textures/Big.pcx", std::string(64 * 1024, 'x'));
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = saved;
    full.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &full);
    EXPECT_THROW(AddShippedFiles(shipped, player), fs::filesystem_error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    for (const auto& entry : fs::directory_iterator(player / "Textures"))
        EXPECT_EQ(entry.path().filename(), "Bois.pcx") << "a truncated copy stayed behind";

    AddShippedFiles(shipped, player);
    EXPECT_EQ(Tree(dir, player), Tree(dir, shipped));
}

}  // namespace
