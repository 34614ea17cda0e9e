// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files that crash, hang or swamp Debian's decoders, and decoders that
// stall, spin or are killed, each met through the real sound layer: only a
// decoder process suffers. The game neither crashes nor grows, and the
// shipped music plays after each as if nothing had happened.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "DecoderProcesses.h"
#include "HostileSounds.h"
#include "SoundRig.h"
#include "support/GameDecoder.h"

using namespace zorbil;
using namespace zorbil::test;

namespace {

const std::filesystem::path GameDir = ZORBIL_GAME_DIR;
const std::string ShippedMusic = (GameDir / "Musiques" / "Nuit etoilee.mus").string();
const std::string ShippedModule = (GameDir / "Musiques" / "Zorbil Express.mus").string();

long StatusKilobytes(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    long value = 0;
    while (status >> word) {
        if (word == key) {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

double ProcessorSecondsOfThisProcess()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The peak resident memory from now on: the kernel forgets the old peak.
void ForgetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

bool Loud(Level level)
{
    return level.rms > 500;
}

class HostileSoundsTest : public SoundRig {
protected:
    // Picked for a new game, then again during a game (looping).
    void Pick(const std::string& music)
    {
        switches.selected = music;
        sound->PlayGameMusic();
        sound->SwitchGameMusic();
    }

    // The music picked next is heard.
    void ExpectHeard(const std::string& music, const std::string& after)
    {
        const long before = disk.Frames();
        Pick(music);
        EXPECT_GE(WaitUntilHeard(disk, before, Loud), 0) << music << " after " << after;
        sound->StopAllMusic();
    }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        folder.write("/Musiques/" + name, bytes);
        return Music(name);
    }
};

}  // namespace

TEST_F(HostileSoundsTest, EachFaultStaysInItsDecoder)
{
    StartDevice();
    ExpectHeard(ShippedMusic, "nothing");
    for (const HostileSound& hostile : HostileSounds()) {
        const std::string music = Write(std::string(hostile.name) + ".mus", hostile.bytes(folder.file("/scratch")));
        const long resident = StatusKilobytes("VmRSS:");
        ForgetPeakMemory();
        Pick(music);
        if (hostile.refusedAtOnce) {
            EXPECT_TRUE(RefusedBothWays(*library, disk, music)) << hostile.name;
        }
        disk.Advance(1.0);
        EXPECT_LT(StatusKilobytes("VmHWM:") - resident, 20 * 1024) << hostile.name;
        sound->StopAllMusic();
        ExpectHeard(ShippedMusic, hostile.name);
    }
    EXPECT_TRUE(errors.empty());
}

// The decoder the game is given here turns songs down, says hello to a
// stream and then stalls, or spins while it trickles out silence: the
// watchdog ends it, the music stays silent, and the file opens to nothing
// from then on.
TEST_F(HostileSoundsTest, StalledOrSpinningDecodersAreKilled)
{
    const std::string hello = R"(printf 'ZDC2\007\000\000\000\001\000\000\000\001\000\000\000MUSC')";
    // A stall, then a loop that spends a thousand turns on each silent frame.
    const std::string spin =
        R"(while :; do i=0; while [ $i -lt 1000 ]; do i=$((i + 1)); done; printf '\000\000\000\000'; done)";
    for (const std::string& fault : {std::string("exec sleep 600"), spin}) {
        const std::string program = folder.file("/decoder.sh");
        folder.write("/decoder.sh", "#!/bin/sh\n[ \"$1\" = song ] && exit 3\n" + hello + "\n" + fault + "\n");
        ::chmod(program.c_str(), 0755);
        StartDevice(1, program, DecoderLimits{1, 1, 0.5});
        const long start = disk.Frames();
        Pick(ShippedMusic);
        EXPECT_TRUE(RefusedBothWays(*library, disk, ShippedMusic)) << fault;
        EXPECT_TRUE(MixUntil(disk, [&] { return Decoders(program).empty(); })) << fault;
        EXPECT_LT(LevelOf(disk.Left(start), 0, disk.Frames() - start).rms, 1) << fault;
    }
    StartDevice();
    ExpectHeard(ShippedMusic, "the killed decoders");
}

// Decoders that break the protocol: bytes without end after a complete short
// sound, or a hello that no decoder of ours writes. Each is killed as soon as
// the game reads the offending bytes, and the flood costs the game next to
// no processor time.
TEST_F(HostileSoundsTest, DecodersBreakingTheProtocolAreKilledAtOnce)
{
    const std::string hello = R"(printf 'ZDC2\007\000\000\000\001\000\000\000\001\000\000\000')";
    const std::string flood = hello + R"(; printf 'CHNK\004\000\000\000\001\002\003\004'; exec cat /dev/zero)";
    const std::string badHello = R"(printf 'ZDC2\007\000\000\000\007\000\000\000\001\000\000\000CHNK'; exec sleep 600)";
    for (const std::string& fault : {flood, badHello}) {
        const std::string program = folder.file("/decoder.sh");
        folder.write("/decoder.sh", "#!/bin/sh\n[ \"$1\" = song ] && exit 3\n" + fault + "\n");
        ::chmod(program.c_str(), 0755);
        StartDevice(1, program);
        const double before = ProcessorSecondsOfThisProcess();
        Pick(ShippedMusic);
        EXPECT_TRUE(RefusedBothWays(*library, disk, ShippedMusic)) << fault;
        EXPECT_TRUE(MixUntil(disk, [&] { return Decoders(program).empty(); })) << fault;
        // The old reader spun on such a flood at most of a processor.
        EXPECT_LT(ProcessorSecondsOfThisProcess() - before, 1.0) << fault;
    }
    StartDevice();
    ExpectHeard(ShippedMusic, "the killed decoders");
}

// Killed from outside in the middle of the song: the samples already
// handed over play out, then silence; another music plays at once.
TEST_F(HostileSoundsTest, DecoderKilledMidSongLeavesSilence)
{
    StartDevice();
    const long before = disk.Frames();
    Pick(ShippedMusic);
    ASSERT_GE(WaitUntilHeard(disk, before, Loud), 0);
    const auto decoders = Decoders(GameDecoder);
    ASSERT_FALSE(decoders.empty());
    for (const pid_t decoder : decoders)
        kill(decoder, SIGKILL);
    const long silent = WaitUntilHeard(disk, disk.Frames(), [](Level l) { return l.rms < 1; });
    ASSERT_GE(silent, 0);
    disk.Advance(0.5);
    EXPECT_LT(LevelOf(disk.Left(silent), 0, SecondsToFrames(0.5)).rms, 1);
    ExpectHeard(ShippedModule, "a killed decoder");
    EXPECT_TRUE(errors.empty());
}

// The fuzzer's findings (ZORBIL_MUSIC_FINDINGS: a folder of them), each
// picked as the game music like the faults above.
TEST_F(HostileSoundsTest, FuzzerFindingsStayInTheirDecoder)
{
    const char* findings = std::getenv("ZORBIL_MUSIC_FINDINGS");
    if (!findings) {
        GTEST_SKIP() << "no ZORBIL_MUSIC_FINDINGS folder given";
    }
    StartDevice();
    for (const auto& entry : std::filesystem::directory_iterator(findings)) {
        const std::string music = folder.file("/Musiques/" + entry.path().filename().string() + ".mus");
        std::filesystem::copy_file(entry.path(), music);
        const long resident = StatusKilobytes("VmRSS:");
        ForgetPeakMemory();
        Pick(music);
        disk.Advance(1.0);
        EXPECT_LT(StatusKilobytes("VmHWM:") - resident, 20 * 1024) << entry.path();
        sound->StopAllMusic();
        ExpectHeard(ShippedMusic, entry.path().string());
    }
}
