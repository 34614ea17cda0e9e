// SPDX-License-Identifier: GPL-3.0-or-later
// Built as a shared library linked before the C library, so that its open,
// stat, fstat, ioctl, read and close (and their fortified and 64-bit names)
// come first for every library of the program; all but the fake's own path
// and copies go on to the next definition (the C library's, or the
// sanitizers' before it).
#undef _FORTIFY_SOURCE  // its inline open would clash with the one here
#include "support/FakeEvdevPad.h"

#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <linux/input.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <iterator>
#include <mutex>
#include <vector>

namespace zorbil::test {

namespace {

constexpr int Keys[] = {BTN_SOUTH, BTN_EAST, BTN_NORTH, BTN_WEST, BTN_TL,     BTN_TR,
                        BTN_SELECT, BTN_START, BTN_MODE, BTN_THUMBL, BTN_THUMBR};
struct AxisRange {
    int code, minimum, maximum, fuzz, flat;
};
constexpr AxisRange Axes[] = {{ABS_X, -32768, 32767, 16, 128},  {ABS_Y, -32768, 32767, 16, 128},
                              {ABS_RX, -32768, 32767, 16, 128}, {ABS_RY, -32768, 32767, 16, 128},
                              {ABS_Z, 0, 255, 0, 0},            {ABS_RZ, 0, 255, 0, 0},
                              {ABS_HAT0X, -1, 1, 0, 0},         {ABS_HAT0Y, -1, 1, 0, 0}};

struct Copy {
    int readFd;
    int writeFd;  // -1 once unplugged
};

struct State {
    std::mutex mutex;
    bool plugged = false;
    pthread_t owner{};
    std::vector<Copy> copies;
    bool down[KEY_CNT] = {};
    int value[ABS_CNT] = {};
    std::atomic<long> readsElsewhere{0};
};

// Never destroyed: the calls below may come after static destructors ran.
State& Fake()
{
    static State* state = new State;
    return *state;
}
// Copies open: while none, every call goes straight on.
std::atomic<int> openCopies{0};

template <typename F>
F Next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

int NextClose(int fd)
{
    static const auto next = Next<int (*)(int)>("close");
    return next(fd);
}

// The mode argument, where open takes one.
mode_t ModeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, mode_t) : 0;
}

bool IsFakePath(const char* path)
{
    return path && std::strcmp(path, FakeEvdevPad::Path) == 0;
}

// Under the lock.
Copy* Find(State& state, int fd)
{
    const auto found =
        std::find_if(state.copies.begin(), state.copies.end(), [fd](const Copy& c) { return c.readFd == fd; });
    return found == state.copies.end() ? nullptr : &*found;
}

int OpenCopy(int flags)
{
    State& state = Fake();
    std::lock_guard lock(state.mutex);
    if (!state.plugged) {
        errno = ENOENT;
        return -1;
    }
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | (flags & O_NONBLOCK)) != 0)
        return -1;
    // A reader that does not read loses events rather than blocking the pad.
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    state.copies.push_back({ends[0], ends[1]});
    ++openCopies;
    return ends[0];
}

bool IsCopy(int fd)
{
    if (openCopies == 0)
        return false;
    State& state = Fake();
    std::lock_guard lock(state.mutex);
    return Find(state, fd) != nullptr;
}

// Counts a read of a copy, and whether it reads as a device gone.
bool CopyGone(int fd)
{
    if (openCopies == 0)
        return false;
    State& state = Fake();
    std::lock_guard lock(state.mutex);
    const Copy* copy = Find(state, fd);
    if (!copy)
        return false;
    if (!pthread_equal(pthread_self(), state.owner))
        ++state.readsElsewhere;
    if (copy->writeFd >= 0)
        return false;
    errno = ENODEV;
    return true;
}

// Of the path, gone with the pad; of an open copy, there still.
int FakeStat(struct stat* out, bool ofPath)
{
    State& state = Fake();
    std::lock_guard lock(state.mutex);
    if (ofPath && !state.plugged) {
        errno = ENOENT;
        return -1;
    }
    std::memset(out, 0, sizeof *out);
    out->st_mode = S_IFCHR | 0660;
    out->st_rdev = makedev(13, 1023);  // the input major; a minor no real device has
    return 0;
}

void SetBit(void* bits, int size, int bit)
{
    if (bit / 8 < size)
        static_cast<unsigned char*>(bits)[bit / 8] |= static_cast<unsigned char>(1u << (bit % 8));
}

int Bits(void* out, int size, const int* codes, int count)
{
    std::memset(out, 0, size);
    for (int i = 0; i < count; ++i)
        SetBit(out, size, codes[i]);
    return size;
}

// The evdev driver's answers that SDL asks for.
int EvdevIoctl(State& state, unsigned long request, void* arg)
{
    const int size = _IOC_SIZE(request);
    if (_IOC_TYPE(request) != 'E') {
        errno = ENOTTY;  // the joystick driver's calls: not that kind of device
        return -1;
    }
    const unsigned nr = _IOC_NR(request);
    int axisCodes[std::size(Axes)];
    for (std::size_t i = 0; i < std::size(Axes); ++i)
        axisCodes[i] = Axes[i].code;
    if (nr == _IOC_NR(EVIOCGVERSION)) {
        *static_cast<int*>(arg) = EV_VERSION;
        return 0;
    }
    if (nr == _IOC_NR(EVIOCGID)) {
        *static_cast<input_id*>(arg) = {BUS_USB, 0x1209, 0x5a0b, 0x0111};
        return 0;
    }
    if (nr == _IOC_NR(EVIOCGNAME(0))) {
        const char name[] = "Manette d'essai evdev";
        const int n = std::min<int>(size, sizeof name);
        std::memcpy(arg, name, n);
        return n;
    }
    if (nr == _IOC_NR(EVIOCGPROP(0)) || nr == _IOC_NR(EVIOCGLED(0)) || nr == _IOC_NR(EVIOCGSND(0)) ||
        nr == _IOC_NR(EVIOCGSW(0)))
        return Bits(arg, size, nullptr, 0);
    if (nr == _IOC_NR(EVIOCGKEY(0))) {
        std::memset(arg, 0, size);
        for (int code : Keys)
            if (state.down[code])
                SetBit(arg, size, code);
        return size;
    }
    if (nr == _IOC_NR(EVIOCGBIT(0, 0))) {
        const int types[] = {EV_SYN, EV_KEY, EV_ABS};
        return Bits(arg, size, types, int(std::size(types)));
    }
    if (nr == _IOC_NR(EVIOCGBIT(EV_KEY, 0)))
        return Bits(arg, size, Keys, int(std::size(Keys)));
    if (nr == _IOC_NR(EVIOCGBIT(EV_ABS, 0)))
        return Bits(arg, size, axisCodes, int(std::size(axisCodes)));
    if (nr > _IOC_NR(EVIOCGBIT(0, 0)) && nr <= _IOC_NR(EVIOCGBIT(EV_MAX, 0)))
        return Bits(arg, size, nullptr, 0);  // no other kind of event
    if (nr >= _IOC_NR(EVIOCGABS(0)) && nr < _IOC_NR(EVIOCGABS(ABS_CNT))) {
        const int code = nr - _IOC_NR(EVIOCGABS(0));
        for (const AxisRange& axis : Axes)
            if (axis.code == code) {
                *static_cast<input_absinfo*>(arg) = {state.value[code], axis.minimum, axis.maximum, axis.fuzz,
                                                     axis.flat, 0};
                return 0;
            }
        errno = EINVAL;
        return -1;
    }
    if (request == EVIOCGRAB)
        return 0;
    errno = EINVAL;  // unique name, force feedback, ...: none
    return -1;
}

void Emit(int type, int code, int value)
{
    State& state = Fake();
    std::lock_guard lock(state.mutex);
    if (!state.plugged)
        return;
    if (type == EV_KEY && code >= 0 && code < KEY_CNT)
        state.down[code] = value != 0;
    if (type == EV_ABS && code >= 0 && code < ABS_CNT)
        state.value[code] = value;
    input_event events[2] = {};
    gettimeofday(&events[0].time, nullptr);
    events[1].time = events[0].time;
    events[0].type = static_cast<__u16>(type);
    events[0].code = static_cast<__u16>(code);
    events[0].value = value;
    events[1].type = EV_SYN;
    events[1].code = SYN_REPORT;
    for (const Copy& copy : state.copies)
        if (copy.writeFd >= 0 && write(copy.writeFd, events, sizeof events) < 0) {
            // full: lost, as the driver loses events nobody reads
        }
}

}  // namespace

FakeEvdevPad::FakeEvdevPad()
{
    State& state = Fake();
    std::lock_guard lock(state.mutex);
    state.plugged = true;
    state.owner = pthread_self();
    std::fill(std::begin(state.down), std::end(state.down), false);
    std::fill(std::begin(state.value), std::end(state.value), 0);
    state.readsElsewhere = 0;
}

FakeEvdevPad::~FakeEvdevPad()
{
    Unplug();
}

void FakeEvdevPad::OfferToSdl()
{
    SDL_SetHint(SDL_HINT_JOYSTICK_DEVICE, Path);
}

void FakeEvdevPad::Key(int code, bool down)
{
    Emit(EV_KEY, code, down ? 1 : 0);
}

void FakeEvdevPad::Axis(int code, int value)
{
    Emit(EV_ABS, code, value);
}

void FakeEvdevPad::Unplug()
{
    State& state = Fake();
    std::lock_guard lock(state.mutex);
    state.plugged = false;
    for (Copy& copy : state.copies)
        if (copy.writeFd >= 0) {
            NextClose(copy.writeFd);
            copy.writeFd = -1;
        }
}

int FakeEvdevPad::OpenCopies() const
{
    return openCopies;
}

long FakeEvdevPad::ReadsElsewhere() const
{
    return Fake().readsElsewhere;
}

}  // namespace zorbil::test

using namespace zorbil::test;

extern "C" {

int open(const char* path, int flags, ...)
{
    static const auto next = Next<int (*)(const char*, int, ...)>("open");
    if (IsFakePath(path))
        return OpenCopy(flags);
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    return next(path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    static const auto next = Next<int (*)(const char*, int, ...)>("open64");
    if (IsFakePath(path))
        return OpenCopy(flags);
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    return next(path, flags, mode);
}

// What a fortified open calls.
int __open_2(const char* path, int flags)
{
    static const auto next = Next<int (*)(const char*, int)>("__open_2");
    return IsFakePath(path) ? OpenCopy(flags) : next(path, flags);
}

int __open64_2(const char* path, int flags)
{
    static const auto next = Next<int (*)(const char*, int)>("__open64_2");
    return IsFakePath(path) ? OpenCopy(flags) : next(path, flags);
}

int stat(const char* path, struct stat* out) noexcept
{
    static const auto next = Next<int (*)(const char*, struct stat*)>("stat");
    return IsFakePath(path) ? FakeStat(out, true) : next(path, out);
}

// The same structure on 64-bit systems.
int stat64(const char* path, struct stat64* out) noexcept
{
    static const auto next = Next<int (*)(const char*, struct stat64*)>("stat64");
    static_assert(sizeof(struct stat64) == sizeof(struct stat));
    return IsFakePath(path) ? FakeStat(reinterpret_cast<struct stat*>(out), true) : next(path, out);
}

// Newer SDLs ask the file they opened.
int fstat(int fd, struct stat* out) noexcept
{
    static const auto next = Next<int (*)(int, struct stat*)>("fstat");
    return IsCopy(fd) ? FakeStat(out, false) : next(fd, out);
}

int fstat64(int fd, struct stat64* out) noexcept
{
    static const auto next = Next<int (*)(int, struct stat64*)>("fstat64");
    return IsCopy(fd) ? FakeStat(reinterpret_cast<struct stat*>(out), false) : next(fd, out);
}

int ioctl(int fd, unsigned long request, ...) noexcept
{
    static const auto next = Next<int (*)(int, unsigned long, ...)>("ioctl");
    va_list args;
    va_start(args, request);
    void* arg = va_arg(args, void*);
    va_end(args);
    if (openCopies > 0) {
        State& state = Fake();
        std::lock_guard lock(state.mutex);
        if (Copy* copy = Find(state, fd)) {
            if (copy->writeFd < 0) {
                errno = ENODEV;
                return -1;
            }
            return EvdevIoctl(state, request, arg);
        }
    }
    return next(fd, request, arg);
}

ssize_t read(int fd, void* buffer, size_t size)
{
    static const auto next = Next<ssize_t (*)(int, void*, size_t)>("read");
    return CopyGone(fd) ? -1 : next(fd, buffer, size);
}

// What a fortified read calls.
ssize_t __read_chk(int fd, void* buffer, size_t size, size_t bufferSize)
{
    static const auto next = Next<ssize_t (*)(int, void*, size_t, size_t)>("__read_chk");
    return CopyGone(fd) ? -1 : next(fd, buffer, size, bufferSize);
}

int close(int fd)
{
    if (openCopies > 0) {
        State& state = Fake();
        std::lock_guard lock(state.mutex);
        if (Copy* copy = Find(state, fd)) {
            if (copy->writeFd >= 0)
                NextClose(copy->writeFd);
            state.copies.erase(state.copies.begin() + (copy - state.copies.data()));
            --openCopies;
        }
    }
    return NextClose(fd);
}

}  // extern "C"
