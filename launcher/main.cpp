// SPDX-License-Identifier: GPL-3.0-or-later
// The installed game's launcher: gives the player a game folder of their
// own, filled from the shipped files, and starts the program in it.
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <string>
#include <vector>

#include "app/Language.h"
#include "launcher/DataHome.h"
#include "launcher/InstallLayout.h"
#include "launcher/LauncherMessages.h"
#include "launcher/PlayerFolder.h"
#include "launcher/StartError.h"

using namespace zorbil::launcher;

namespace {

std::string Message(const char* text)
{
    return zorbil::Translated("Messages", text).toStdString();
}

// A translation that lost a place holder still gives its text.
std::string Format(std::string message, const std::string& path, const std::string& reason)
{
    if (const auto at = message.find("%1"); at != std::string::npos)
        message.replace(at, 2, path);
    if (const auto at = message.find("%2"); at != std::string::npos)
        message.replace(at, 2, reason);
    return message;
}

}  // namespace

int main(int argc, char** argv)
{
    // System error texts in the player's language.
    std::setlocale(LC_ALL, "");
    const InstallLayout layout = InstalledLayout();
    const std::filesystem::path folder = DataHome() / "zorbil";
    try {
        AddShippedFiles(layout.Shipped, folder);
    } catch (const std::filesystem::filesystem_error& error) {
        const auto& failed = error.path2().empty() ? error.path1() : error.path2();
        const std::string where = failed == folder ? "" : failed.string() + " : ";
        ReportStartError(Format(Message(FolderErrorMessage), folder.string(), where + error.code().message()));
        return 1;
    }
    if (::chdir(folder.c_str()) != 0) {
        ReportStartError(Format(Message(FolderErrorMessage), folder.string(), std::strerror(errno)));
        return 1;
    }

    std::string program = layout.Program.string();
    std::vector<char*> args{program.data()};
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    ::execv(program.c_str(), args.data());
    ReportStartError(Format(Message(ProgramErrorMessage), program, std::strerror(errno)));
    return 1;
}
