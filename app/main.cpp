// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up: the window-system platform, the application and
// its title, the player's language, the game folder and the texture log in
// it, the configuration dialog (created first, so it is the main window),
// then the message loop until the dialog closes. The game window, created
// hidden, and the game controllers wait until the dialog is on screen: the
// dialog needs neither to show itself.
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "app/FirstPaint.h"
#include "app/Language.h"
#include "app/PlatformChoice.h"
#include "app/ZorbilApplication.h"
#include "audio/SdlSoundLibrary.h"
#include "config/LargeFonts.h"
#include "config/ZorbilConfig.h"
#include "game/ZorbilMain.h"
#include "input/PadPoller.h"
#include "render/mwGL.h"
#include "shared/Title.h"

namespace {

// Without its two windows the program cannot go on: says why before it ends.
void ShowStartError(const std::exception& error)
{
    QMessageBox box(QMessageBox::Critical, zorbil::ApplicationTitle, QString::fromUtf8(error.what()));
    box.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    zorbil::ChooseWindowPlatform();
    zorbil::ZorbilApplication app(argc, argv);
    zorbil::InstallPlayerLanguage(app);
    // The program starts in its game folder; the options screen's file lists
    // move the current directory later on.
    std::error_code noFolder;
    const std::string gameFolder = std::filesystem::current_path(noFolder).string();
    zorbil::CreateLog(gameFolder);
    zorbil::SetDecoderNotice([](const char* message) {
        std::fprintf(stderr, "zorbil: %s\n", qUtf8Printable(QCoreApplication::translate("Messages", message)));
    });
    // One sound library for the whole run, shared by the device set-up and
    // the game window; its decoders are the program installed beside this one.
    zorbil::SdlSoundLibrary sound;
    // Game controllers answer from the first window on: before the dialog
    // when the large-fonts question comes first.
    zorbil::PadPoller pads;
    if (zorbil::LargeFontsScreen())
        pads.Start();
    try {
        zorbil::TConfigForm config(sound, gameFolder);
        QObject::connect(&config, &zorbil::TConfigForm::Closed, &app, &QCoreApplication::quit);
        std::unique_ptr<zorbil::TZorbilForm> game;
        // "&Non" to the large-fonts question: end as soon as the loop runs,
        // before the dialog can be used.
        if (config.QuitRequested()) {
            QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
        } else {
            config.show();
            new zorbil::AfterFirstPaint(config, [&] {
                pads.Start();
                try {
                    game = std::make_unique<zorbil::TZorbilForm>(sound, &config);
                    config.SetGameWindow(game.get(), *game);
                } catch (const std::exception& error) {
                    ShowStartError(error);
                    config.hide();
                    QCoreApplication::exit(1);
                }
            });
        }
        return app.exec();
    } catch (const std::exception& error) {
        ShowStartError(error);
        return 1;
    }
}
