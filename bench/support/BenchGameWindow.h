// SPDX-License-Identifier: GPL-3.0-or-later
// The game window as the configuration dialog opens it, with the real sound
// layer on SDL's dummy driver and a plain widget standing for the dialog.
#pragma once

#include <QTest>
#include <QWidget>
#include <string>

#include "audio/SdlSoundLibrary.h"
#include "audio/SoundDevice.h"
#include "game/ZorbilMain.h"
#include "support/GameDecoder.h"
#include "support/SoundSetup.h"

namespace zorbil::bench {

struct BenchGameWindow {
    // flags: as the dialog sets them for a display mode, e.g. frameless for
    // "Plein Ecran"; none keeps the window's own.
    explicit BenchGameWindow(Qt::WindowFlags flags = {})
    {
        test::SetUpSound(sound, form);
        if (flags)
            form.setWindowFlags(flags);
        form.show();
    }
    bool Exposed() { return QTest::qWaitForWindowExposed(&form); }

    SdlSoundLibrary sound{test::GameDecoder};
    QWidget dialog;
    TZorbilForm form{sound, &dialog};
};

}  // namespace zorbil::bench
