// SPDX-License-Identifier: GPL-3.0-or-later
// TWRenderer: the render thread of the game window. The thread itself never
// draws: it hands DrawScene to the user-interface thread, waits until the
// frame is done, and asks again, for as long as play goes on. Every OpenGL
// call and every read of the game state therefore happens on the
// user-interface thread, between timer ticks and key handlers, without a
// lock.
//
// While the compositor or the window system shows nothing of the surface
// (minimised, hidden, a Wayland compositor that sends no more frame
// callbacks), the loop asks for no frames: a swap paced by the display would
// otherwise hold the user-interface thread on every frame. It goes on when
// the surface is exposed again.
//
// Life: created suspended with the game window. Start or continuation of
// play: SetupScene, then Resume (and write the reload signal
// "/Data/Temp.dat", since a new scene has no background). Interruption or
// end of play: Suspend, then FreeScene. Everything but the thread body is
// called from the user-interface thread.
//
// The window's context outlives the scenes: FreeScene deletes what the
// scene made in it and puts back every state SetupScene found, so each
// scene starts from the same state as in a new context, without the
// driver compiling the frames' shaders again. WarmUp draws one frame while
// the surface is hidden, so that not even the first game waits for them.
//
// GLThread.cpp holds the thread and the drawing state, SceneDrawing.cpp the
// frame's drawing, BackgroundLoading.cpp the answer to the reload signal.
#pragma once

#include <GL/gl.h>

#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "render/CgGeometry.h"
#include "render/CgLight.h"
#include "shared/ErrorBox.h"
#include "translations/Translatable.h"

struct GLUquadric;

namespace zorbil {

class TCGForm;

// Shown when the selected background cannot be loaded.
inline constexpr const char* BackgroundErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Une erreur s'est produite lors du chargement de la texture d'arrière-plan que vous avez sélectionnée. Le fichier "
    "est introuvable ou son format n'est pas correct. Lisez le fichier Zorbil.txt pour plus de détails sur ce type "
    "d'erreurs.");

class TWRenderer : public QThread {
    Q_OBJECT
public:
    // selectedTexture gives the full path of the options screen's TexList
    // selection, "" when nothing is selected. The window must outlive the
    // renderer. The thread starts suspended.
    TWRenderer(TCGForm& window, std::function<std::string()> selectedTexture, ErrorBox errorBox);
    // Suspended: returns at once. Playing: stops the loop; a frame request
    // already on its way returns without drawing. Never waits on a blocked
    // thread. Releases the scene as FreeScene does; the window keeps its
    // context.
    ~TWRenderer() override;

    // New context on the window, font lists, fixed GL state, projection,
    // sphere quadric, four lights.
    void SetupScene();
    // Releases what the last SetupScene made; a second call does nothing.
    void FreeScene();
    // Between games (no scene): makes the window's context if need be and
    // draws one frame of the game as it stands, with a stand-in background,
    // where nobody sees it, then releases all it made as FreeScene does.
    // Presents nothing. Draws only in a context not yet warmed up. The
    // drawing runs on a thread of its own where the platform allows it, so
    // that the driver's compile holds nothing up; SetupScene and the
    // destructor wait for it.
    void WarmUp();
    // Waits until the drawing of WarmUp is done: the game state must not
    // change under it.
    void FinishWarmUp();

    void Resume();
    // Stops the loop between two frames; does not wait for the thread.
    void Suspend();

    // SceneDrawing.cpp. One frame. Draws nothing when there is no drawing
    // state.
    void DrawScene();

    // Texture name of the last background load, 0 when it failed or none
    // was loaded.
    GLuint Texture = 0;

protected:
    void run() override;  // the frame loop (Execute)
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Frame();
    // The drawing state of SetupScene, and its release, in a current
    // context.
    void BuildScene();
    void ReleaseScene();
    // WarmUp's frame, in the current context.
    void DrawUnseenFrame();
    // SceneDrawing.cpp. The frame without its background load, finish and
    // presentation.
    void BeginFrame();
    void DrawContent();
    void DrawSnake(bool shadow);
    void DrawDonut(bool shadow);
    // BackgroundLoading.cpp
    void LoadBackground();

    TCGForm& window_;
    std::function<std::string()> selectedTexture_;
    ErrorBox errorBox_;

    std::array<TCGColor, 8> SegmentColors;
    TCGMatrix ShadowMatrix;
    std::array<std::optional<TCGLight>, 4> SceneLights;
    GLUquadric* SphereQuadric = nullptr;

    // One pixel of the score text, in device pixels.
    float textPixel_ = 1;
    bool sceneReady_ = false;
    // The scene's state lives in a context.
    bool sceneInContext_ = false;
    // Background textures the scene has made.
    std::vector<GLuint> sceneTextures_;
    // The window's context WarmUp last drew in (TCGForm::ContextsMade).
    unsigned warmedContext_ = 0;
    // Draws WarmUp's frame, with the window's context moved to it.
    std::unique_ptr<QThread> warmUp_;
    unsigned sceneGeneration_ = 0;
    std::string signalPath_;
    // A background load that raised an error is not retried, nor reported
    // again, before the next SetupScene.
    bool backgroundFailed_ = false;

    QMutex gateMutex_;
    QWaitCondition gate_;
    bool suspended_ = true;
    bool unexposed_ = false;
    bool started_ = false;
    std::atomic<bool> terminated_ = false;
};

}  // namespace zorbil
