// SPDX-License-Identifier: GPL-3.0-or-later
// A weston of the benchmark's own on its headless back end, with a software
// (pixman) output repainting at about 60 Hz, as the only compositor this process
// talks to: its socket and runtime folder are private, and it ends with the
// object. Started before the application object, which connects at once.
#pragma once

#include <sys/types.h>

#include <string>

namespace zorbil::bench {

class PrivateWeston {
public:
    // shell: a weston shell module, e.g. "desktop-shell.so".
    PrivateWeston(int width, int height, const std::string& shell);
    ~PrivateWeston();
    PrivateWeston(const PrivateWeston&) = delete;
    PrivateWeston& operator=(const PrivateWeston&) = delete;

    // False, with the reason in Error(), when weston did not come up.
    bool Started() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    // Points this process's Qt and EGL at the compositor, with no X server.
    void UseForThisProcess() const;

private:
    std::string runtime_;
    std::string socket_;
    pid_t pid_ = -1;
    std::string error_;
};

}  // namespace zorbil::bench
