// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder's lock-down, for real: applied in a child process, which then
// tries what a decoder taken over by a crafted file would try; and the
// decoder program itself, locked down, decoding every format.
#include <gtest/gtest.h>

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <grp.h>
#include <mqueue.h>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/shm.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "SoundFiles.h"
#include "Songs.h"
#include "Writers.h"
#include "audio/DecoderProcess.h"
#include "audio/DecoderProtocol.h"
#include "audio/SoundDecoders.h"
#include "audio/decoder/Landlock.h"
#include "audio/decoder/Namespaces.h"
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
constexpr uint32_t SignalledTheGame = 1 << 5;
constexpr uint32_t ListedTheGameFolder = 1 << 6;
constexpr uint32_t Landlocked = 1 << 7;
constexpr uint32_t Filtered = 1 << 8;
constexpr uint32_t Namespaced = 1 << 9;
constexpr uint32_t AttachedTheGamesSharedMemory = 1 << 10;
constexpr uint32_t MadeSharedMemory = 1 << 11;
constexpr uint32_t MadeAMessageQueue = 1 << 12;
constexpr uint32_t AimedSignalsAtTheGame = 1 << 13;  // F_SETOWN, F_SETSIG, O_ASYNC
constexpr uint32_t ClearedItsDeathSignal = 1 << 14;
constexpr uint32_t RescheduledTheGame = 1 << 15;
constexpr uint32_t WatchedTheGameFolder = 1 << 16;
constexpr uint32_t StatedAnotherFile = 1 << 17;
constexpr uint32_t MadeAThreadBomb = 1 << 18;

constexpr int BombThreads = 1000;

bool Opens(const std::string& path, int flags)
{
    const int fd = open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

// Whether the folder lists as holding `name`.
bool Lists(const std::string& folder, const char* name)
{
    DIR* listing = opendir(folder.c_str());
    if (!listing)
        return false;
    bool found = false;
    while (const dirent* entry = readdir(listing))
        found = found || std::strcmp(entry->d_name, name) == 0;
    closedir(listing);
    return found;
}

// Threads started at once, each waiting on `hold`, until one fails.
int ThreadsStarted(int hold)
{
    pthread_attr_t small;
    pthread_attr_init(&small);
    pthread_attr_setstacksize(&small, 64 * 1024);
    int started = 0;
    pthread_t thread;
    while (started < BombThreads &&
           pthread_create(&thread, &small, [](void* fd) -> void* {
               char byte;
               [[maybe_unused]] const ssize_t got = read(*static_cast<int*>(fd), &byte, 1);
               return nullptr;
           }, &hold) == 0)
        ++started;
    pthread_attr_destroy(&small);
    return started;
}

struct Target {
    pid_t game;           // the test's process
    int gameSegment;      // a SysV shared-memory segment of the test's
    std::string queue;    // a POSIX message queue's name
    int landlockAbi;      // the highest the lock-down is told the kernel has
};

// Runs in the child, locked down as the decoder locks itself down (its own
// namespaces where granted: the rest runs in their first process); the last
// attempt replaces it with a shell that ends with 42.
[[noreturn]] void TryEverything(const TempGameFolder& folder, const Target& target, int report)
{
    uint32_t deeds = 0;
    const std::string given = folder.file("/Musiques/given.mus");
    int hold[2];
    if (pipe2(hold, O_CLOEXEC) != 0)
        _exit(2);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    LimitResources();
    deeds |= EnterNamespaces(given) ? Namespaced : 0u;
    if (!DropPrivileges())
        _exit(2);
    if (RestrictFileSystem(given, target.landlockAbi) > 0)
        deeds |= Landlocked;
    if (FilterSystemCalls())
        deeds |= Filtered;
    deeds |= Opens(given, O_RDONLY) ? ReadItsFile : 0u;
    deeds |= Opens(folder.file("/Data/Config.dat"), O_RDONLY) ? ReadAnotherFile : 0u;
    deeds |= Opens(folder.file("/Data/written"), O_WRONLY | O_CREAT) ? WroteInTheGameFolder : 0u;
    deeds |= Lists(folder.str(), "Data") ? ListedTheGameFolder : 0u;
    struct stat info {};
    deeds |= stat(folder.file("/Data/Config.dat").c_str(), &info) == 0 ? StatedAnotherFile : 0u;
    if (const int watch = inotify_init1(IN_CLOEXEC); watch >= 0) {
        deeds |= inotify_add_watch(watch, folder.file("/Data").c_str(), IN_ALL_EVENTS) >= 0 ? WatchedTheGameFolder : 0u;
        close(watch);
    }
    if (const int s = socket(AF_INET, SOCK_STREAM, 0); s >= 0) {
        deeds |= OpenedASocket;
        close(s);
    }
    if (const pid_t child = fork(); child == 0)
        _exit(0);
    else if (child > 0)
        deeds |= StartedAProcess;
    deeds |= kill(target.game, 0) == 0 ? SignalledTheGame : 0u;
    if (void* seen = shmat(target.gameSegment, nullptr, SHM_RDONLY); seen != reinterpret_cast<void*>(-1)) {
        deeds |= AttachedTheGamesSharedMemory;
        shmdt(seen);
    }
    if (const int made = shmget(IPC_PRIVATE, 1 << 20, IPC_CREAT | 0600); made >= 0) {
        deeds |= MadeSharedMemory;
        shmctl(made, IPC_RMID, nullptr);
    }
    if (const mqd_t queue = mq_open(target.queue.c_str(), O_CREAT | O_RDWR, 0600, nullptr); queue != -1) {
        deeds |= MadeAMessageQueue;
        mq_close(queue);
    }
    // Told, the kernel would signal the game on input to the pipe.
    const bool owner = fcntl(hold[1], F_SETOWN, target.game) == 0;
    const bool signal = fcntl(hold[1], F_SETSIG, SIGCONT) == 0;
    const bool async = fcntl(hold[1], F_SETFL, O_ASYNC) == 0;
    deeds |= owner || signal || async ? AimedSignalsAtTheGame : 0u;
    deeds |= prctl(PR_SET_PDEATHSIG, 0) == 0 ? ClearedItsDeathSignal : 0u;
    cpu_set_t processors;
    CPU_ZERO(&processors);
    sched_getaffinity(0, sizeof processors, &processors);
    const bool niced = setpriority(PRIO_PROCESS, static_cast<id_t>(target.game), 1) == 0;
    const bool pinned = sched_setaffinity(target.game, sizeof processors, &processors) == 0;
    constexpr int BestEffortLowest = (2 << 13) | 7;
    const bool ioniced = syscall(SYS_ioprio_set, 1, target.game, BestEffortLowest) == 0;
    deeds |= niced || pinned || ioniced ? RescheduledTheGame : 0u;
    deeds |= ThreadsStarted(hold[0]) >= BombThreads / 2 ? MadeAThreadBomb : 0u;
    [[maybe_unused]] const ssize_t written = write(report, &deeds, sizeof deeds);
    close(report);
    execl("/bin/sh", "sh", "-c", "exit 42", static_cast<char*>(nullptr));
    _exit(0);
}

// Whether the kernel grants this process a user namespace: not in a chroot,
// nor where a setting forbids it.
bool NamespacesGranted()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(unshare(CLONE_NEWUSER) == 0 ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Decoded {
    DecoderHello hello{};
    std::string tag;
    std::vector<int16_t> samples;
    std::string status;  // what /proc/PID/status said of its confinement
};

// The samples the decoder hands over in its first moments, as the game
// would read them.
Decoded Decode(const std::string& path, DecodeMode mode, const std::string& program = GameDecoder)
{
    Decoded decoded;
    const DecoderProcess process = StartDecoder(program, path, mode, 22050);
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

// Run as the test's user and, when that is root, as an ordinary one too;
// with the lock-down told the kernel has this Landlock, only ABI 2
// (Debian 12's), or none.
TEST(DecoderSandbox, LockedDownItCanOnlyReadItsFile)
{
    TempGameFolder folder;
    folder.write("/Data/Config.dat", "[Config]\n");
    std::filesystem::create_directory(folder.path() / "Musiques");
    folder.write("/Musiques/given.mus", Wav(2, 100));
    // An ordinary user may reach the file, as a player's own.
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all & ~std::filesystem::perms::others_write &
                                                    ~std::filesystem::perms::group_write);
    const int segment = shmget(IPC_PRIVATE, 4096, IPC_CREAT | 0644);
    ASSERT_GE(segment, 0);
    const std::string queue = "/zorbil-sandbox-test-" + std::to_string(getpid());
    const bool granted = NamespacesGranted();
    if (!granted)
        std::printf("This kernel refuses namespaces here: the decoders run without them.\n");
    std::vector<uid_t> users{geteuid()};
    if (geteuid() == 0)
        users.push_back(65534);
    for (const uid_t user : users)
        for (const int abi : {INT_MAX, 2, 0}) {
            const std::string run = "uid " + std::to_string(user) + ", Landlock ABI at most " + std::to_string(abi);
            int report[2];
            ASSERT_EQ(pipe2(report, O_CLOEXEC), 0);
            const Target target{getpid(), segment, queue, abi};
            const pid_t child = fork();
            if (child == 0) {
                if (user != geteuid() && (setgroups(0, nullptr) != 0 || setresgid(user, user, user) != 0 ||
                                          setresuid(user, user, user) != 0))
                    _exit(2);
                // As a program the player starts: its /proc/self is its own.
                prctl(PR_SET_DUMPABLE, 1);
                TryEverything(folder, target, report[1]);
            }
            close(report[1]);
            uint32_t deeds = 0;
            const bool reported = read(report[0], &deeds, sizeof deeds) == sizeof deeds;
            close(report[0]);
            int status = 0;
            waitpid(child, &status, 0);
            const bool queueOutlived = mq_unlink(queue.c_str()) == 0;
            ASSERT_TRUE(reported) << run << ": the child died before it could report";

            EXPECT_TRUE(deeds & ReadItsFile) << run;
            EXPECT_TRUE(deeds & Filtered) << run << ": no seccomp on this kernel";
            EXPECT_FALSE(deeds & WroteInTheGameFolder) << run;
            EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data" / "written")) << run;
            EXPECT_FALSE(deeds & OpenedASocket) << run;
            EXPECT_FALSE(deeds & StartedAProcess) << run;
            EXPECT_FALSE(deeds & SignalledTheGame) << run;
            EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 42) << run << ": the child started a program";
            EXPECT_FALSE(deeds & AttachedTheGamesSharedMemory) << run;
            EXPECT_FALSE(deeds & MadeSharedMemory) << run;
            EXPECT_FALSE(deeds & MadeAMessageQueue) << run;
            EXPECT_FALSE(queueOutlived) << run;
            EXPECT_FALSE(deeds & AimedSignalsAtTheGame) << run;
            EXPECT_FALSE(deeds & ClearedItsDeathSignal) << run;
            EXPECT_FALSE(deeds & RescheduledTheGame) << run;
            EXPECT_FALSE(deeds & WatchedTheGameFolder) << run;
            // The kernel counts no process of root's against its limit, and
            // outside a user namespace of its own the limit would count every
            // process of the player's: it is set only there.
            if (user != 0 && (deeds & Namespaced)) {
                EXPECT_FALSE(deeds & MadeAThreadBomb) << run;
            }
            if (abi == 0) {
                EXPECT_FALSE(deeds & Landlocked) << run;
            }
            if (deeds & (Landlocked | Namespaced)) {
                EXPECT_FALSE(deeds & ReadAnotherFile) << run;
                EXPECT_FALSE(deeds & ListedTheGameFolder) << run;
            }
            EXPECT_EQ((deeds & Namespaced) != 0, granted) << run;
            if (deeds & Namespaced) {
                EXPECT_FALSE(deeds & StatedAnotherFile) << run;
            }
            if (!(deeds & Landlocked) && abi != 0)
                std::printf("%s: this kernel offers no Landlock.\n", run.c_str());
        }
    shmctl(segment, IPC_RMID, nullptr);
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
    const bool granted = NamespacesGranted();

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
        EXPECT_EQ(decoded.hello.namespaces, granted ? 1 : 0) << c.file;
        if (granted) {
            EXPECT_NE(decoded.status.find("\t1; "), std::string::npos) << c.file << ": " << decoded.status;
        }
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

// Where the kernel refuses an ordinary user namespaces of its own (here, on
// a kernel that grants them: a user namespace that may hold none), the decoder still decodes, under its
// filter and Landlock; the game tells the player once, however many
// decoders say so.
TEST(DecoderSandbox, WithoutNamespacesItStillDecodesLockedDown)
{
    TempGameFolder folder;
    soundgen::WriteMidi(folder.file("/jingle.mid"), soundgen::DonutJingle());
    folder.write("/tone.wav", Wav(2, 11025));
    // A kernel that refuses them already needs no help.
    const std::string refusing = NamespacesGranted() ? folder.file("/refusing.sh") : GameDecoder;
    folder.write("/refusing.sh", std::string("#!/bin/sh\nexec unshare --user --map-root-user sh -c "
                                             "'echo 0 > /proc/sys/user/max_user_namespaces && exec \"$0\" \"$@\"' ") +
                                     GameDecoder + " \"$@\"\n");
    ::chmod(folder.file("/refusing.sh").c_str(), 0755);
    const bool soundFont = std::filesystem::exists("/usr/share/sounds/sf2/default-GM.sf2") ||
                           std::filesystem::exists("/usr/share/sounds/sf2/TimGM6mb.sf2");
    for (const auto& [file, mode, audible] : {std::tuple{"/tone.wav", DecodeMode::Stream, true},
                                              std::tuple{"/jingle.mid", DecodeMode::Song, soundFont}}) {
        const Decoded decoded = Decode(folder.file(file), mode, refusing);
        EXPECT_EQ(std::string(decoded.hello.magic, 4), std::string(HelloMagic, 4)) << file;
        EXPECT_EQ(decoded.hello.namespaces, 0) << file;
        EXPECT_EQ(decoded.hello.seccomp, 1) << file;
        EXPECT_NE(decoded.status.find("Seccomp:\t2"), std::string::npos) << file << ": " << decoded.status;
        if (audible) {
            EXPECT_GT(Rms(decoded.samples), 100) << file;
        }
    }

    static std::vector<std::string> told;
    SetDecoderNotice([](const char* message) { told.emplace_back(message); });
    {
        SoundDecoders decoders(refusing, {}, [](const std::shared_ptr<Decoding>&) {});
        const auto first = decoders.Start(folder.file("/tone.wav"), DecodeMode::Stream, 22050);
        const auto second = decoders.Start(folder.file("/tone.wav"), DecodeMode::Stream, 22050);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while ((first->result == Decoding::Result::Pending || second->result == Decoding::Result::Pending) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(first->result, Decoding::Result::Chunk);
        EXPECT_EQ(second->result, Decoding::Result::Chunk);
    }
    SetDecoderNotice(nullptr);
    EXPECT_EQ(std::count(told.begin(), told.end(), std::string(DecoderWithoutNamespacesMessage)), 1);
}
