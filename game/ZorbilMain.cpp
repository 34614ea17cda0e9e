// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ZorbilMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include "config/GameFolder.h"
#include "config/Settings.h"
#include "controls/InstantAccelerators.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "game/ReloadSignal.h"
#include "input/PadPoller.h"
#include "render/GLThread.h"
#include "screens/GameOverPanel.h"
#include "screens/HelpPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresFile.h"
#include "screens/ScoresPanel.h"
#include "shared/DataPaths.h"

namespace zorbil {

TZorbilForm::TZorbilForm(SoundLibrary& sound, QWidget* configDialog)
    : tmrGame(new QTimer(this)),
      tmrAnimate(new QTimer(this)),
      GameOver(new GameOverPanel(this)),
      MenuPause(new PausePanel(this)),
      MenuPrincipal(new MainMenuPanel(this)),
      MenuScores(new ScoresPanel(this)),
      MenuOptions(new OptionsPanel(this)),
      MenuAide(new HelpPanel(this)),
      configDialog_(configDialog),
      sound_(sound, *this, [this](const std::string& m) { ErrorBox(m); }, GameFolder())
{
    setWindowTitle("Zorbil");
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    tmrGame->setInterval(250);
    tmrAnimate->setInterval(40);
    ConnectHandlers();
    new InstantAccelerators(this);
    FormCreate();
}

TZorbilForm::~TZorbilForm()
{
    DetachGameKeys();
}

void TZorbilForm::ConnectHandlers()
{
    connect(tmrGame, &QTimer::timeout, this, &TZorbilForm::tmrGameTimer);
    connect(tmrAnimate, &QTimer::timeout, this, &TZorbilForm::tmrAnimateTimer);
    connect(this, &TCGForm::frameSwapped, this, [this] { sound_.FrameShown(); });
    connect(MenuOptions->Speed, &QSlider::valueChanged, this, &TZorbilForm::SpeedChange);
    connect(MenuPrincipal->BtnJouer, &QAbstractButton::clicked, this, &TZorbilForm::BtnJouerClick);
    connect(MenuPrincipal->BtnScores, &QAbstractButton::clicked, this, &TZorbilForm::BtnScoresClick);
    connect(MenuPrincipal->BtnAide, &QAbstractButton::clicked, this, &TZorbilForm::BtnAideClick);
    connect(MenuPrincipal->BtnOptions, &QAbstractButton::clicked, this, &TZorbilForm::BtnOptionsClick);
    connect(MenuPrincipal->BtnQuitter, &QAbstractButton::clicked, this, &TZorbilForm::BtnQuitterClick);
    connect(GameOver->GameOverOK, &QAbstractButton::clicked, this, &TZorbilForm::GameOverOKClick);
    connect(MenuScores->MenuScoresOK, &QAbstractButton::clicked, this, &TZorbilForm::MenuScoresOKClick);
    connect(MenuOptions->MenuOptionsOK, &QAbstractButton::clicked, this, &TZorbilForm::MenuOptionsOKClick);
    connect(MenuAide->MenuAideOK, &QAbstractButton::clicked, this, &TZorbilForm::MenuAideOKClick);
    connect(MenuPause->MenuPauseContinuer, &QAbstractButton::clicked, this, &TZorbilForm::MenuPauseContinuerClick);
    connect(MenuPause->MenuPauseQuitter, &QAbstractButton::clicked, this, &TZorbilForm::MenuPauseQuitterClick);
}

void TZorbilForm::FormCreate()
{
    ReadOptionsAndBestScore();
    MenuScores->ShowBestScore(BestScore);
    DescribeScore();
    setGeometry(screen()->availableGeometry());
    PointFileLists();
    Randomize();
    renderer_ = std::make_unique<TWRenderer>(
        *this, [this] { return MenuOptions->TexList->FileName().toStdString(); },
        [this](const std::string& m) { ErrorBox(m); });
}

void TZorbilForm::ReadOptionsAndBestScore()
{
    // Switches not read count as 0; the speed keeps its design position.
    GameOptions options{5, 0, 0};
    const bool read = ReadOptions(GamePath(ConfigFileTail), options);
    MenuOptions->Speed->setValue(ClampSpeed(options.Speed));
    if (!read || !ReadBestScore(GamePath(ScoresFileTail), BestScore))
        ErrorBox(OptionsReadErrorMessage);
    MenuOptions->SonAct->setChecked(ApplySwitch(options.SonAct, MenuOptions->SonAct->isChecked()));
    MenuOptions->MusicAct->setChecked(ApplySwitch(options.MusAct, MenuOptions->MusicAct->isChecked()));
}

// A missing folder leaves its list empty; the window is set up all the same.
void TZorbilForm::PointFileLists()
{
    const QStringList missing = MenuOptions->PointLists();
    if (!missing.isEmpty())
        ErrorBox(QCoreApplication::translate("Messages", MissingFoldersMessage).arg(missing.join(", ")).toStdString());
}

void TZorbilForm::showEvent(QShowEvent* event)
{
    TCGForm::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TZorbilForm::FormShow()
{
    FitToWorkArea();
    // The window manager frames the window only once it is shown; it is on
    // screen, frame and all, by its first exposure.
    windowHandle()->installEventFilter(this);
    sound_.PlayMenuMusic();
}

namespace {

// On a Wayland session, also through Xwayland, the compositor alone knows its
// work area, and it places windows where it likes.
bool WaylandSession()
{
    return QGuiApplication::platformName().startsWith("wayland") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

void TZorbilForm::FitToWorkArea()
{
    const bool framed = !(windowFlags() & Qt::FramelessWindowHint);
    if (WaylandSession()) {
        setWindowState(framed ? Qt::WindowMaximized : Qt::WindowFullScreen);
        return;
    }
    const QRect area = screen()->availableGeometry();
    if (!framed) {
        setGeometry(area);
        return;
    }
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    fittedFrame_ = frame;
    setFixedSize(area.size().shrunkBy(frame));
    move(area.topLeft());  // where the frame's corner goes
}

void TZorbilForm::FitFrame()
{
    if (!WaylandSession() && !(windowFlags() & Qt::FramelessWindowHint) &&
        windowHandle()->frameMargins() != fittedFrame_)
        FitToWorkArea();
}

void TZorbilForm::changeEvent(QEvent* event)
{
    TCGForm::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        FormDeactivate();
}

void TZorbilForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TZorbilForm::FormClose()
{
    // Nothing of a game may run on without its render thread.
    tmrGame->stop();
    tmrAnimate->stop();
    DetachGameKeys();
    renderer_.reset();
    ReleaseContext();
    PadPoller::SetPlaying(false);
    DeleteReloadSignal();
    if (configDialog_)
        configDialog_->close();
}

void TZorbilForm::resizeEvent(QResizeEvent* event)
{
    TCGForm::resizeEvent(event);
    // The compositor has fitted the maximised window to its work area: the
    // window keeps that size.
    if ((windowState() & Qt::WindowMaximized) && WaylandSession())
        setFixedSize(size());
    for (QWidget* panel : std::initializer_list<QWidget*>{GameOver, MenuPause, MenuPrincipal, MenuScores,
                                                          MenuOptions, MenuAide})
        panel->setGeometry(rect());
}

bool TZorbilForm::EffectsOn() const
{
    return MenuOptions->SonAct->isChecked();
}

bool TZorbilForm::MusicOn() const
{
    return MenuOptions->MusicAct->isChecked();
}

std::string TZorbilForm::SelectedMusic() const
{
    return MenuOptions->ModList->FileName().toStdString();
}

void TZorbilForm::GreyAndClear()
{
    MenuOptions->MusicAct->setEnabled(false);
    MenuOptions->SonAct->setEnabled(false);
    MenuOptions->MusicAct->setChecked(false);
    MenuOptions->SonAct->setChecked(false);
}

void TZorbilForm::ErrorBox(const std::string& message)
{
    // The box keeps the keyboard until the player answers it: a snake left
    // running meanwhile would meet the wall before the player could steer.
    const bool stepping = tmrGame->isActive();
    tmrGame->stop();
    // Messages are marked in the context "Messages" where they are written.
    QMessageBox::critical(this, QCoreApplication::translate("MessageBoxes", "Erreur"),
                          QCoreApplication::translate("Messages", message.c_str()));
    if (stepping && GameRunning && !tmrGame->isActive())
        tmrGame->start();
}

}  // namespace zorbil
