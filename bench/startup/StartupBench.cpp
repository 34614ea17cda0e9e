// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time of two builds of the game program: from process start to
// the configuration dialog mapped on the X server, against the same time of
// a minimal Qt dialog (minimal_dialog, built beside this program). The
// three start in turn, each round in another order, so that a busy machine
// weighs on all alike; prints each median, each game's ratio to the minimal
// dialog, and the ratio of the two games.
//   startup_bench [--runs N] [--after-env VAR=VALUE]... BEFORE AFTER
// Run it in a game folder (the programs take theirs from the current
// directory), with $DISPLAY set.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* DialogTitle = "Zorbil - Configuration";
constexpr auto StartTimeout = std::chrono::seconds(60);

struct Program {
    std::string Path;
    std::vector<std::string> Environment;
    std::vector<double> Millis;
};

// Reports every top-level window the X server maps, with its title.
class RootWatch {
public:
    RootWatch()
        : connection_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(connection_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        Drain();
    }
    ~RootWatch() { xcb_disconnect(connection_); }
    RootWatch(const RootWatch&) = delete;
    RootWatch& operator=(const RootWatch&) = delete;

    bool Connected() const { return xcb_connection_has_error(connection_) == 0; }

    // Forgets the events of earlier starts.
    void Drain()
    {
        free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            free(event);
    }

    // Waits until a window with this title is mapped and gives it; none when
    // the child ends first or the time runs out.
    xcb_window_t WaitForMapped(const std::string& title, pid_t child, Clock::time_point deadline)
    {
        xcb_window_t shown = XCB_NONE;
        Wait(deadline, [&](const xcb_generic_event_t* event) {
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                return false;
            const xcb_window_t window = reinterpret_cast<const xcb_map_notify_event_t*>(event)->window;
            if (Title(window) == title)
                shown = window;
            return shown != XCB_NONE;
        }, child);
        return shown;
    }

    // Waits until the X server has destroyed the window of an ended
    // client, so that none of its late events counts for the next start.
    void WaitForDestroyed(xcb_window_t window, Clock::time_point deadline)
    {
        Wait(deadline, [&](const xcb_generic_event_t* event) {
            return (event->response_type & 0x7f) == XCB_DESTROY_NOTIFY
                && reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window == window;
        });
    }

private:
    template <typename Matches>
    void Wait(Clock::time_point deadline, Matches matches, pid_t child = 0)
    {
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        while (Clock::now() < deadline && Connected()) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool found = matches(event);
                free(event);
                if (found)
                    return;
            }
            if (child > 0 && Ended(child))
                return;
            poll(&fd, 1, 20);
        }
    }

    // Whether the child has ended, leaving it for waitpid to reap.
    static bool Ended(pid_t child)
    {
        siginfo_t info{};
        return waitid(P_PID, child, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child;
    }

    std::string Title(xcb_window_t window)
    {
        const auto cookie = xcb_get_property(connection_, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
            xcb_get_property_reply(connection_, cookie, nullptr), &free);
        if (!reply)
            return {};
        const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
        return std::string(text, xcb_get_property_value_length(reply.get()));
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
};

// Starts the program, waits for its dialog, ends it; the time to the dialog
// in milliseconds, or a negative number when it never came.
double TimeOneStart(RootWatch& watch, const Program& program)
{
    watch.Drain();
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        for (const std::string& assignment : program.Environment)
            putenv(const_cast<char*>(assignment.c_str()));
        execl(program.Path.c_str(), program.Path.c_str(), static_cast<char*>(nullptr));
        std::fprintf(stderr, "cannot start %s: %s\n", program.Path.c_str(), std::strerror(errno));
        _exit(127);
    }
    if (child < 0)
        return -1;
    const xcb_window_t dialog = watch.WaitForMapped(DialogTitle, child, start + StartTimeout);
    const double millis = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (dialog == XCB_NONE)
        return -1;
    watch.WaitForDestroyed(dialog, Clock::now() + StartTimeout);
    return millis;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// minimal_dialog, in the folder of this program.
std::string MinimalDialogPath(const char* self)
{
    std::string path = self;
    const size_t slash = path.rfind('/');
    return (slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1)) + "minimal_dialog";
}

int Usage()
{
    std::fprintf(stderr, "usage: startup_bench [--runs N] [--after-env VAR=VALUE]... BEFORE AFTER\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 11;
    std::vector<std::string> afterEnvironment;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
            if (runs < 1)
                return Usage();
        } else if (arg == "--after-env" && i + 1 < argc && std::strchr(argv[i + 1], '=')) {
            afterEnvironment.emplace_back(argv[++i]);
        } else if (arg.starts_with("--")) {
            return Usage();
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 2)
        return Usage();

    RootWatch watch;
    if (!watch.Connected()) {
        std::fprintf(stderr, "startup_bench: no X server in $DISPLAY\n");
        return 1;
    }
    Program programs[3] = {{paths[0], {}, {}}, {paths[1], afterEnvironment, {}}, {MinimalDialogPath(argv[0]), {}, {}}};
    for (int round = 0; round < runs; ++round) {
        for (int turn = 0; turn < 3; ++turn) {
            Program& program = programs[(round + turn) % 3];
            const double millis = TimeOneStart(watch, program);
            if (millis < 0) {
                std::fprintf(stderr, "startup_bench: %s showed no \"%s\" window\n", program.Path.c_str(), DialogTitle);
                return 1;
            }
            program.Millis.push_back(millis);
        }
    }

    const char* labels[3] = {"before", "after", "qt"};
    for (int i = 0; i < 3; ++i) {
        std::string environment;
        for (const std::string& assignment : programs[i].Environment)
            environment += assignment + " ";
        std::printf("%-6s %s%s: median %.1f ms over %d starts (%.1f to %.1f)\n", labels[i], environment.c_str(),
            programs[i].Path.c_str(), Median(programs[i].Millis), runs,
            *std::min_element(programs[i].Millis.begin(), programs[i].Millis.end()),
            *std::max_element(programs[i].Millis.begin(), programs[i].Millis.end()));
    }
    const double minimal = Median(programs[2].Millis);
    std::printf("before / minimal Qt dialog: %.3f\n", Median(programs[0].Millis) / minimal);
    std::printf("after / minimal Qt dialog: %.3f\n", Median(programs[1].Millis) / minimal);
    std::printf("after / before: %.3f\n", Median(programs[1].Millis) / Median(programs[0].Millis));
    return 0;
}
