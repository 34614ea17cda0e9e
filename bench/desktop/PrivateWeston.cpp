// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PrivateWeston.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

extern char** environ;

namespace zorbil::bench {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

bool Ended(pid_t pid, std::chrono::milliseconds within)
{
    for (auto waited = 0ms; waited < within; waited += 50ms) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

}  // namespace

PrivateWeston::PrivateWeston(int width, int height, const std::string& shell)
    : socket_("zorbil-bench-" + std::to_string(getpid()))
{
    std::string pattern = (fs::temp_directory_path() / "zorbil-weston-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        error_ = "no temporary folder";
        return;
    }
    runtime_ = pattern;
    const std::string log = runtime_ + "/weston.log";
    // The headless output ends each frame on a 16 ms timer and starts the
    // next repaint the repaint window before the next 60 Hz refresh: with
    // the default window of 7 ms it repaints at about 39 Hz, with 16 ms at
    // close to 60 Hz, as a real display would.
    std::ofstream(runtime_ + "/weston.ini") << "[core]\nrepaint-window=16\nidle-time=0\n[shell]\nlocking=false\n";

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (!entry.starts_with("XDG_RUNTIME_DIR=") && !entry.starts_with("WAYLAND_DISPLAY="))
            env.push_back(entry);
    }
    env.push_back("XDG_RUNTIME_DIR=" + runtime_);
    std::vector<std::string> args = {"weston",
                                     "--config=" + runtime_ + "/weston.ini",
                                     "--backend=headless-backend.so",
                                     "--use-pixman",
                                     "--width=" + std::to_string(width),
                                     "--height=" + std::to_string(height),
                                     "--shell=" + shell,
                                     "--socket=" + socket_};
    std::vector<char*> argv, envp;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    const int logFd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        // Ends with this process however it ends: Qt leaves with exit() on a
        // fatal Wayland error, past every destructor on the stack.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(1);
        if (logFd >= 0) {
            dup2(logFd, STDOUT_FILENO);
            dup2(logFd, STDERR_FILENO);
        }
        execvpe("weston", argv.data(), envp.data());
        _exit(127);
    }
    if (logFd >= 0)
        close(logFd);
    if (pid_ < 0) {
        error_ = "weston could not be started";
        return;
    }
    // The socket appears once the compositor accepts clients.
    for (int i = 0; i < 100 && !fs::exists(runtime_ + "/" + socket_); ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            break;
        }
        std::this_thread::sleep_for(100ms);
    }
    if (pid_ < 0 || !fs::exists(runtime_ + "/" + socket_)) {
        std::ifstream in(log);
        std::string text{std::istreambuf_iterator<char>(in), {}};
        error_ = text.empty() ? "weston did not start (is it installed?)"
                              : "weston did not come up: " + text.substr(text.size() > 400 ? text.size() - 400 : 0);
    }
}

PrivateWeston::~PrivateWeston()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        if (!Ended(pid_, 5s)) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    std::error_code ignored;
    if (!runtime_.empty())
        fs::remove_all(runtime_, ignored);
}

void PrivateWeston::UseForThisProcess() const
{
    setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    setenv("WAYLAND_DISPLAY", socket_.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    unsetenv("DISPLAY");
}

}  // namespace zorbil::bench
