// SPDX-License-Identifier: GPL-3.0-or-later
// A game controller with a device file, as the kernel's evdev driver makes
// one (an Xbox 360 pad's buttons and axes), for tests and benchmarks on
// machines without /dev/input. Its made-up path is answered by this library
// for the whole program, SDL's Linux joystick driver included: open and
// stat, and the fstat, ioctl, read and close calls on what open gave. Each
// open gets its own copy of the events, as with the real driver. One at a
// time.
//
// SDL looks at the path when its joystick subsystem starts, and only if
// OfferToSdl was called before.
#pragma once

namespace zorbil::test {

class FakeEvdevPad {
public:
    static constexpr const char* Path = "/dev/input/event-zorbil-fake";

    // Plugged in.
    FakeEvdevPad();
    ~FakeEvdevPad();
    FakeEvdevPad(const FakeEvdevPad&) = delete;
    FakeEvdevPad& operator=(const FakeEvdevPad&) = delete;

    // SDL's joystick driver will open Path when its subsystem starts next.
    static void OfferToSdl();

    // An event of the kernel's codes, followed by its report's end. Key
    // codes as BTN_SOUTH (A), axes as ABS_HAT0Y (the D-pad's up and down,
    // -1 to 1) or ABS_X (the left stick, -32768 to 32767).
    void Key(int code, bool down);
    void Axis(int code, int value);
    // Every open copy then reads as a device gone; opening fails.
    void Unplug();

    // How many copies are open now.
    int OpenCopies() const;
    // read calls on the copies made by threads other than the one that made
    // this pad.
    long ReadsElsewhere() const;
};

}  // namespace zorbil::test
