// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder's lock-down, for real: applied in a child process, which then
// tries what a decoder taken over by a crafted file would try; and the
// decoder program itself, locked down, decoding every format.
#include <gtest/gtest.h>

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SoundFiles.h"
#include "Songs.h"
#include "Writers.h"
#include "audio/DecoderProcess.h"
#include "audio/DecoderProtocol.h"
#include "audio/decoder/Landlock.h"
#include "audio/decoder/ProcessLimits.h"
#include "audio/decoder/SyscallFilter.h"
#include "support/GameDecoder.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using namespace zorbil::test;

namespace {

// What the locked-down child managed to do, one bit each.
constexpr uint32_t ReadItsFile = 1 << 0;
constexpr uint32_t ReadAnotherFile = 1 << 1;
constexpr uint32_t WroteInTheGameFolder = 1 << 2;
constexpr uint32_t OpenedASocket = 1 << 3;
constexpr uint32_t StartedAProcess = 1 << 4;
constexpr uint32_t SignalledItsParent = 1 << 5;
constexpr uint32_t ListedTheGameFolder = 1 << 6;
constexpr uint32_t Landlocked = 1 << 7;
constexpr uint32_t Filtered = 1 << 8;

bool Opens(const std::string& path, int flags)
{
    const int fd = open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

// Runs in the child, after the lock-down; the last attempt replaces the
// child with a shell that ends with 42.
[[noreturn]] void TryEverything(const TempGameFolder& folder, int report)
{
    uint32_t deeds = 0;
    const std::string given = folder.file("/Musiques/given.mus");
    if (!DropPrivileges())
        _exit(2);
    if (RestrictFileSystem(given) > 0)
        deeds |= Landlocked;
    if (FilterSystemCalls())
        deeds |= Filtered;
    deeds |= Opens(given, O_RDONLY) ? ReadItsFile : 0u;
    deeds |= Opens(folder.file("/Data/Config.dat"), O_RDONLY) ? ReadAnotherFile : 0u;
    deeds |= Opens(folder.file("/Data/written"), O_WRONLY | O_CREAT) ? WroteInTheGameFolder : 0u;
    deeds |= Opens(folder.str(), O_RDONLY | O_DIRECTORY) ? ListedTheGameFolder : 0u;
    if (const int s = socket(AF_INET, SOCK_STREAM, 0); s >= 0) {
        deeds |= OpenedASocket;
        close(s);
    }
    if (const pid_t child = fork(); child == 0)
        _exit(0);
    else if (child > 0)
        deeds |= StartedAProcess;
    deeds |= kill(getppid(), 0) == 0 ? SignalledItsParent : 0u;
    [[maybe_unused]] const ssize_t written = write(report, &deeds, sizeof deeds);
    close(report);
    execl("/bin/sh", "sh", "-c", "exit 42", static_cast<char*>(nullptr));
    _exit(0);
}

struct Decoded {
    DecoderHello hello{};
    std::string tag;
    std::vector<int16_t> samples;
    std::string status;  // what /proc/PID/status said of its confinement
};

// The samples the decoder hands over in its first moments, as the game
// would read them.
Decoded Decode(const std::string& path, DecodeMode mode)
{
    Decoded decoded;
    const DecoderProcess process = StartDecoder(GameDecoder, path, mode, 22050);
    if (process.pid < 0)
        return decoded;
    std::string bytes;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    const std::size_t wanted = sizeof(DecoderHello) + 4 + 8 + 22050 * 4;
    while (bytes.size() < wanted && std::chrono::steady_clock::now() < deadline) {
        pollfd output{process.samples, POLLIN, 0};
        poll(&output, 1, 100);
        char buffer[65536];
        const ssize_t got = read(process.samples, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got > 0)
            bytes.append(buffer, static_cast<std::size_t>(got));
        if (decoded.status.empty() && bytes.size() >= sizeof(DecoderHello)) {
            // The process that decodes: the one started, or its child in
            // a PID namespace of its own.
            pid_t decoder = process.pid;
            const std::string id = std::to_string(process.pid);
            std::ifstream("/proc/" + id + "/task/" + id + "/children") >> decoder;
            std::ifstream status("/proc/" + std::to_string(decoder) + "/status");
            for (std::string line; std::getline(status, line);)
                if (line.rfind("NoNewPrivs:", 0) == 0 || line.rfind("Seccomp:", 0) == 0 ||
                    line.rfind("NSpid:", 0) == 0)
                    decoded.status += line + "; ";
        }
    }
    kill(process.pid, SIGKILL);
    waitpid(process.pid, nullptr, 0);
    close(process.samples);
    if (bytes.size() < sizeof(DecoderHello) + 4)
        return decoded;
    std::memcpy(&decoded.hello, bytes.data(), sizeof decoded.hello);
    decoded.tag = bytes.substr(sizeof(DecoderHello), 4);
    const std::size_t start = sizeof(DecoderHello) + 4 + (decoded.tag == "CHNK" ? 4 : 0);
    decoded.samples.resize((bytes.size() - start) / 4);
    for (std::size_t i = 0; i < decoded.samples.size(); ++i)
        std::memcpy(&decoded.samples[i], bytes.data() + start + 4 * i, sizeof(int16_t));
    return decoded;
}

double Rms(const std::vector<int16_t>& samples)
{
    double sum = 0;
    for (const int16_t s : samples)
        sum += double(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

}  // namespace

TEST(DecoderSandbox, LockedDownItCanOnlyReadItsFile)
{
    TempGameFolder folder;
    folder.write("/Data/Config.dat", "[Config]\n");
    std::filesystem::create_directory(folder.path() / "Musiques");
    folder.write("/Musiques/given.mus", Wav(2, 100));
    int report[2];
    ASSERT_EQ(pipe2(report, O_CLOEXEC), 0);
    const pid_t child = fork();
    if (child == 0)
        TryEverything(folder, report[1]);
    close(report[1]);
    uint32_t deeds = 0;
    const bool reported = read(report[0], &deeds, sizeof deeds) == sizeof deeds;
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(reported) << "the child died before it could report";

    EXPECT_TRUE(deeds & ReadItsFile);
    EXPECT_TRUE(deeds & Filtered) << "no seccomp on this kernel";
    EXPECT_FALSE(deeds & WroteInTheGameFolder);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data" / "written"));
    EXPECT_FALSE(deeds & OpenedASocket);
    EXPECT_FALSE(deeds & StartedAProcess);
    EXPECT_FALSE(deeds & SignalledItsParent);
    EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 42) << "the child started a program";
    if (deeds & Landlocked) {
        EXPECT_FALSE(deeds & ReadAnotherFile);
        EXPECT_FALSE(deeds & ListedTheGameFolder);
    } else {
        std::printf("This kernel offers no Landlock: the decoders run without it.\n");
    }
}

TEST(DecoderSandbox, LockedDownItDecodesEveryFormat)
{
    TempGameFolder folder;
    soundgen::Stereo tone;
    tone.Resize(soundgen::SampleRate / 2);
    for (std::size_t i = 0; i < tone.Frames(); ++i)
        tone.left[i] = tone.right[i] = 0.5f * static_cast<float>(std::sin(i * 0.0627));
    soundgen::WriteOgg(folder.file("/tone.ogg"), tone, 0.3f);
    soundgen::WriteModule(folder.file("/jingle.mod"), soundgen::DonutJingle());
    soundgen::WriteMidi(folder.file("/jingle.mid"), soundgen::DonutJingle());
    folder.write("/tone.wav", Wav(2, 11025));
    folder.write("/tone.aiff", Aiff(2, 11025, 11025));
    folder.write("/tone.flac", Flac(2, 2, 8));
    folder.write("/frames.mp3", Mp3Frames(40));
    folder.write("/tiny.xm", Xm());
    folder.write("/tiny.s3m", S3m());
    folder.write("/tiny.it", It());
    const bool soundFont = std::filesystem::exists("/usr/share/sounds/sf2/default-GM.sf2") ||
                           std::filesystem::exists("/usr/share/sounds/sf2/TimGM6mb.sf2");

    struct Case {
        const char* file;
        DecodeMode mode;
        const char* tag;
        bool audible;
    };
    for (const Case& c : {Case{"/tone.wav", DecodeMode::Stream, "CHNK", true},
                          Case{"/tone.aiff", DecodeMode::Stream, "CHNK", true},
                          Case{"/tone.ogg", DecodeMode::LoopingStream, "CHNK", true},
                          Case{"/tone.flac", DecodeMode::Stream, "CHNK", true},
                          // Silent frames: an MP3 encoder is more than a test should hold.
                          Case{"/frames.mp3", DecodeMode::Stream, "CHNK", false},
                          Case{"/jingle.mod", DecodeMode::Song, "MUSC", true},
                          Case{"/tiny.xm", DecodeMode::Song, "MUSC", true},
                          Case{"/tiny.s3m", DecodeMode::Song, "MUSC", true},
                          Case{"/tiny.it", DecodeMode::Song, "MUSC", true},
                          Case{"/jingle.mid", DecodeMode::Song, "MUSC", soundFont}}) {
        const Decoded decoded = Decode(folder.file(c.file), c.mode);
        EXPECT_EQ(std::string(decoded.hello.magic, 4), std::string(HelloMagic, 4)) << c.file;
        EXPECT_GT(decoded.hello.landlockAbi, 0) << c.file;
        EXPECT_EQ(decoded.hello.seccomp, 1) << c.file;
        EXPECT_EQ(decoded.tag, c.tag) << c.file;
        EXPECT_NE(decoded.status.find("NoNewPrivs:\t1"), std::string::npos) << c.file << ": " << decoded.status;
        EXPECT_NE(decoded.status.find("Seccomp:\t2"), std::string::npos) << c.file << ": " << decoded.status;
        EXPECT_FALSE(decoded.samples.empty()) << c.file;
        if (c.audible) {
            EXPECT_GT(Rms(decoded.samples), 100) << c.file;
        }
        if (std::string(c.file) == "/jingle.mid")
            std::printf("A decoder playing a MIDI song: Landlock ABI %d; %s\n", decoded.hello.landlockAbi,
                        decoded.status.c_str());
    }
}
