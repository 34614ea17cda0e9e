// SPDX-License-Identifier: GPL-3.0-or-later
// zorbil-decoder MODE RATE FILE: decodes one of the player's sound files for
// the game, in a process of its own, under its limits and locked down
// before it reads a byte of the file. Its samples go to standard output
// (see audio/DecoderProtocol.h). Nothing it is handed can reach the game
// but samples.
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "audio/DecoderProtocol.h"
#include "audio/decoder/Landlock.h"
#include "audio/decoder/MixerOutput.h"
#include "audio/decoder/MusicDecoder.h"
#include "audio/decoder/Namespaces.h"
#include "audio/decoder/ProcessLimits.h"
#include "audio/decoder/SyscallFilter.h"

// LeakSanitizer stops the world through ptrace at exit, which the filter
// refuses: a sanitizer build's decoder goes without its leak check.
#if defined(__SANITIZE_ADDRESS__)
#define ZORBIL_NO_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORBIL_NO_LEAK_CHECK 1
#endif
#endif
#ifdef ZORBIL_NO_LEAK_CHECK
extern "C" const char* __lsan_default_options()
{
    return "detect_leaks=0";
}
#endif

namespace {

struct Request {
    zorbil::DecodeMode mode = zorbil::DecodeMode::Stream;
    int rate = 0;
    std::string path;
};

bool Parse(int argc, char** argv, Request& request)
{
    if (argc != 4)
        return false;
    bool known = false;
    for (const auto mode : {zorbil::DecodeMode::Song, zorbil::DecodeMode::Stream, zorbil::DecodeMode::LoopingStream})
        if (std::strcmp(argv[1], zorbil::DecodeModeArgument(mode)) == 0) {
            request.mode = mode;
            known = true;
        }
    char* end = nullptr;
    const long rate = std::strtol(argv[2], &end, 10);
    request.rate = static_cast<int>(rate);
    // Its own file system holds the file at the same place, found without
    // the folder it was started in.
    std::error_code ec;
    request.path = std::filesystem::absolute(argv[3], ec).lexically_normal().string();
    return known && *end == '\0' && rate >= 4000 && rate <= 192000 && !request.path.empty();
}

}  // namespace

int main(int argc, char** argv)
{
    // Nothing of whoever started it but the three standard descriptors.
    close_range(3, ~0U, 0);
    Request request;
    if (!Parse(argc, argv, request)) {
        std::fprintf(stderr, "usage: %s song|stream|loop RATE FILE\n", argv[0]);
        return zorbil::DecoderUsage;
    }
    zorbil::LimitResources();
    // Ends with the game, however the game ends; the filter keeps it so.
    prctl(PR_SET_PDEATHSIG, SIGKILL);

    zorbil::DecoderHello hello{};
    std::memcpy(hello.magic, zorbil::HelloMagic, sizeof hello.magic);
    hello.namespaces = zorbil::EnterNamespaces(request.path) ? 1 : 0;
    if (!zorbil::DropPrivileges())
        return zorbil::DecoderNoDevice;
    hello.landlockAbi = zorbil::RestrictFileSystem(request.path);
    zorbil::MixerOutput output(STDOUT_FILENO);
    if (!output.Open(request.rate))
        return zorbil::DecoderNoDevice;
    hello.seccomp = zorbil::FilterSystemCalls() ? 1 : 0;
    if (!output.Send(&hello, sizeof hello))
        return zorbil::DecoderEnded;
    const int status = zorbil::DecodeSound(request.mode, request.path, output);
    // The mixer may be stuck on a reader that no longer reads: no clean-up.
    std::fflush(nullptr);
    _exit(status);
}
