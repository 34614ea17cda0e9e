// SPDX-License-Identifier: GPL-3.0-or-later
// The answer to the reload signal: the selected picture becomes the
// background texture of the current context.
#include <exception>
#include <filesystem>

#include "config/GameFolder.h"
#include "render/GLThread.h"
#include "render/mwTex.h"
#include "render/mwUtil.h"
#include "shared/DataPaths.h"

namespace zorbil {

void TWRenderer::LoadBackground()
{
    std::error_code ignored;
    try {
        // The options screen's lists may have moved the current directory.
        std::filesystem::current_path(GameFolder());
        Texture = mwLoadPCX(selectedTexture_());
        if (Texture != 0)
            sceneTextures_.push_back(Texture);
        BindTexture(Texture);
        MoveFileNoReplace(GamePath(LogFileTail), GamePath(MovedLogTail));
        std::filesystem::remove(signalPath_, ignored);
    } catch (const std::exception&) {
        // Reported once: the signal goes too when it can, and the failure is
        // remembered until the next SetupScene when it cannot.
        backgroundFailed_ = true;
        std::filesystem::remove(signalPath_, ignored);
        errorBox_(BackgroundErrorMessage);
    }
}

}  // namespace zorbil
