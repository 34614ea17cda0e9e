// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/DecoderProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zorbil {

namespace {

// A few seconds of sound at the highest rate: the decoder runs ahead of the
// game by that much, in the kernel's memory rather than the game's.
constexpr int PipeBytes = 256 * 1024;

}  // namespace

std::string DecoderBesideProgram()
{
    std::error_code ec;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (program.parent_path() / DecoderProgramName).string();
}

DecoderProcess StartDecoder(const std::string& program, const std::string& path, DecodeMode mode, int rate)
{
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0)
        return {};
    fcntl(pipe[0], F_SETPIPE_SZ, PipeBytes);
    fcntl(pipe[0], F_SETFL, O_NONBLOCK);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    // A group of its own, which a kill ends whole.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    const std::string rateText = std::to_string(rate);
    char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(DecodeModeArgument(mode)),
                          const_cast<char*>(rateText.c_str()), const_cast<char*>(path.c_str()), nullptr};
    char* const noEnvironment[] = {nullptr};
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv, noEnvironment);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(pipe[1]);
    if (failed != 0) {
        close(pipe[0]);
        return {};
    }
    return {pid, pipe[0]};
}

std::optional<int> Reaped(pid_t pid)
{
    int status = 0;
    const pid_t ended = waitpid(pid, &status, WNOHANG);
    if (ended == 0)
        return std::nullopt;
    if (ended < 0)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void KillGroup(pid_t pid)
{
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
}

namespace {

double OwnProcessorSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // Past the command's name, which may hold spaces: state is field 3,
    // user time field 14 and system time field 15.
    std::istringstream fields(line.substr(line.rfind(')') + 1));
    std::string field;
    unsigned long long user = 0, system = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            user = std::stoull(field);
        if (i == 15)
            system = std::stoull(field);
    }
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

double ProcessorSeconds(pid_t pid)
{
    double seconds = OwnProcessorSeconds(pid);
    const std::string id = std::to_string(pid);
    std::ifstream children("/proc/" + id + "/task/" + id + "/children");
    for (pid_t child; children >> child;)
        seconds += OwnProcessorSeconds(child);
    return seconds;
}

}  // namespace zorbil
