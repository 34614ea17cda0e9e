// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ZorbilConfig.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <type_traits>

#include "assets/Artwork.h"
#include "audio/SoundDevice.h"
#include "config/GameFolder.h"
#include "config/LargeFonts.h"
#include "config/MessageBoxes.h"
#include "config/SelectionRule.h"
#include "config/SpinButton.h"
#include "controls/FocusHalo.h"
#include "controls/CaptionName.h"
#include "controls/InstantAccelerators.h"
#include "shared/DataPaths.h"

namespace zorbil {

namespace {

template <typename T>
T* Place(QWidget* parent, int left, int top, int width, int height, const QString& text = {})
{
    auto* widget = new T(parent);
    if constexpr (std::is_base_of_v<QAbstractButton, T> || std::is_same_v<T, QLabel>)
        widget->setText(text);
    widget->setGeometry(left, top, width, height);
    // The layout was drawn for a narrower font: a caption that needs more
    // room takes it, as far as its container allows.
    if constexpr (std::is_same_v<T, QCheckBox> || std::is_same_v<T, QRadioButton>)
        widget->resize(std::max(width, std::min(widget->sizeHint().width(), parent->width() - left)), height);
    return widget;
}

// A label takes the size of its caption, like an auto-sized label.
QLabel* PlacePicture(QWidget* parent, int left, int top, int width, int height, const char* artwork)
{
    auto* picture = Place<QLabel>(parent, left, top, width, height);
    picture->setPixmap(QPixmap::fromImage(Artwork(artwork)));
    return picture;
}

QLabel* PlaceLabel(QWidget* parent, int left, int top, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QFrame* PlaceFrame(QWidget* parent, int left, int top, int width, int height, QFrame::Shape shape,
                   QFrame::Shadow shadow)
{
    auto* frame = Place<QFrame>(parent, left, top, width, height);
    frame->setFrameShape(shape);
    frame->setFrameShadow(shadow);
    return frame;
}

// A separator line lies along the bottom of its area.
QFrame* PlaceBottomLine(QWidget* parent, int left, int top, int width, int height)
{
    return PlaceFrame(parent, left, top + height - 2, width, 2, QFrame::HLine, QFrame::Raised);
}

QButtonGroup* MakeGroup(QWidget* owner, std::initializer_list<QRadioButton*> buttons)
{
    auto* group = new QButtonGroup(owner);
    for (QRadioButton* button : buttons)
        group->addButton(button);
    return group;
}

void Emphasise(QWidget* widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    font.setUnderline(true);
    widget->setFont(font);
}

}  // namespace

TConfigForm::TConfigForm(SoundLibrary& library, const std::string& gameFolder, QWidget* parent)
    : QWidget(parent), library_(library), halo_(new FocusHalo(this))
{
    setWindowTitle("Zorbil - Configuration");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(450, 450);
    // The layout is laid out in pixels for an 11-pixel sans-serif font.
    QFont font("Liberation Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
    setAutoFillBackground(true);

    CreateControls();
    SetTabOrder();
    ConnectHandlers();
    new InstantAccelerators(this);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    FormCreate(gameFolder);
}

void TConfigForm::CreateControls()
{
    ImageZorbil = PlacePicture(this, 8, 8, 433, 65, "ImageZorbil");
    BevelHaut = PlaceFrame(this, 8, 8, 435, 65, QFrame::Box, QFrame::Sunken);
    SeparateurHaut = PlaceBottomLine(this, 8, 80, 433, 9);
    BevelSon = PlaceFrame(this, 8, 104, 433, 241, QFrame::Panel, QFrame::Raised);
    Bevel1 = PlaceFrame(this, 23, 120, 402, 33, QFrame::Panel, QFrame::Raised);

    CheckBoxSon = Place<QCheckBox>(this, 32, 128, 49, 17, tr("Son"));
    Emphasise(CheckBoxSon, true);
    LabelFrq = PlaceLabel(this, 96, 128, tr("Fréq."));
    LabelMixRate = PlaceLabel(this, 128, 128, "22050 Hz");
    SpinButtonMixRate = Place<SpinButton>(this, 184, 128, 17, 17);
    LabelQuality = PlaceLabel(this, 216, 128, tr("Qualité"));
    LabelQual = PlaceLabel(this, 256, 128, "16 bits");
    SpinButtonQual = Place<SpinButton>(this, 296, 128, 20, 17);
    CBoxInter = Place<QCheckBox>(this, 336, 128, 81, 17, tr("&Interpolation"));
    CBoxInter->setChecked(true);

    PanelDrv = PlaceFrame(this, 24, 168, 241, 161, QFrame::Panel, QFrame::Raised);
    LabelDrvSon = PlaceLabel(PanelDrv, 88, 8, tr("Driver / Pilote :"));
    Emphasise(LabelDrvSon, false);
    RBWMM = Place<QRadioButton>(PanelDrv, 8, 40, 121, 17, tr("&Windows Multimedia"));
    RBDS = Place<QRadioButton>(PanelDrv, 8, 64, 225, 17, tr("&Microsoft DirectSound (Supporte EAX 1/2)"));
    RBOSS = Place<QRadioButton>(PanelDrv, 8, 88, 177, 17, tr("Op&en Sound System (Linux/Unix)"));
    RBESD = Place<QRadioButton>(PanelDrv, 8, 112, 217, 17, tr("Enli&ghtment Sound Daemon (Linux/Unix)"));
    RBA3D = Place<QRadioButton>(PanelDrv, 8, 136, 217, 17, tr("&A3D - Version 3.0 (Supporte Géométrie)"));
    GroupDrv = MakeGroup(this, {RBWMM, RBDS, RBOSS, RBESD, RBA3D});
    RBDS->setChecked(true);

    PanelMixer = PlaceFrame(this, 272, 168, 153, 161, QFrame::Panel, QFrame::Raised);
    LabelMixSon = PlaceLabel(PanelMixer, 56, 8, tr("Mixeur :"));
    Emphasise(LabelMixSon, false);
    RBMAuto = Place<QRadioButton>(PanelMixer, 8, 40, 137, 17, tr("Au&to-Détection"));
    RBMPMMX = Place<QRadioButton>(PanelMixer, 8, 64, 137, 17, tr("Pentium (MM&X)"));
    RBMPNoMMX = Place<QRadioButton>(PanelMixer, 8, 88, 129, 17, tr("Pentium &(Non MMX)"));
    RBMPII = Place<QRadioButton>(PanelMixer, 8, 112, 137, 17, tr("Pentium P&ro / PII / PIII"));
    RBFPU = Place<QRadioButton>(PanelMixer, 8, 136, 113, 17, tr("FPU I&nterpolé"));
    GroupMixer = MakeGroup(this, {RBMAuto, RBMPMMX, RBMPNoMMX, RBMPII, RBFPU});
    RBMAuto->setChecked(true);

    BevelAff = PlaceFrame(this, 8, 352, 433, 33, QFrame::Panel, QFrame::Raised);
    LabelAffichage = PlaceLabel(this, 16, 360, tr("Affichage"));
    Emphasise(LabelAffichage, true);
    LabelAffichage->adjustSize();
    RBtnFull = Place<QRadioButton>(this, 144, 360, 113, 17, tr("&Plein Ecran"));
    RBtnWin = Place<QRadioButton>(this, 320, 360, 113, 17, tr("&Fenêtré"));
    GroupAff = MakeGroup(this, {RBtnFull, RBtnWin});
    RBtnFull->setChecked(true);
    Separateur = PlaceBottomLine(this, 8, 392, 433, 9);

    BtnOK = Place<QPushButton>(this, 8, 416, 75, 25, tr("&OK"));
    Image2 = PlacePicture(this, 136, 408, 70, 30, "OpenGLLogo");
    BevelBasG = PlaceFrame(this, 135, 407, 72, 32, QFrame::Box, QFrame::Sunken);
    Image3 = PlacePicture(this, 232, 408, 85, 30, "SoundLogo");
    BevelBasD = PlaceFrame(this, 231, 407, 87, 32, QFrame::Box, QFrame::Sunken);
    BtnQuitter = Place<QPushButton>(this, 368, 416, 75, 25, tr("&Quitter"));

    // No button answers Enter or Escape by itself.
    for (QPushButton* button : {BtnOK, BtnQuitter}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    NameForAssistiveTechnology();

    // The frames are drawn over the pictures and controls they surround;
    // keep them underneath so they never take a click.
    for (QFrame* frame : {BevelHaut, BevelSon, Bevel1, BevelAff, BevelBasG, BevelBasD})
        frame->lower();
}

void TConfigForm::NameForAssistiveTechnology()
{
    // The spin buttons show no text of their own: named for what they
    // change, described by the value their label shows.
    SpinButtonMixRate->setAccessibleName(tr("Fréquence de mixage"));
    SpinButtonQual->setAccessibleName(LabelQuality->text());
    // The radio groups are named by their captions.
    PanelDrv->setAccessibleName(CaptionName(LabelDrvSon->text()));
    PanelMixer->setAccessibleName(CaptionName(LabelMixSon->text()));
    ImageZorbil->setAccessibleName("Zorbil");
    Image2->setAccessibleName("OpenGL");
    Image3->setAccessibleName("SDL_mixer");
}

QList<QWidget*> TConfigForm::TabOrder() const
{
    return {RBtnWin,   RBtnFull,          BtnOK,          BtnQuitter,
            RBWMM,     RBDS,              RBOSS,          RBESD,       RBA3D,
            RBMAuto,   RBMPMMX,           RBMPII,         RBMPNoMMX,   RBFPU,
            CBoxInter, SpinButtonMixRate, SpinButtonQual, CheckBoxSon};
}

void TConfigForm::SetTabOrder()
{
    const QList<QWidget*> order = TabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TConfigForm::ConnectHandlers()
{
    OnChanged(CheckBoxSon, [this] { CheckBoxSonClick(); });
    OnChanged(CBoxInter, [this] { CBoxInterClick(); });
    connect(SpinButtonMixRate, &SpinButton::UpClick, this, &TConfigForm::SpinButtonMixRateUpClick);
    connect(SpinButtonMixRate, &SpinButton::DownClick, this, &TConfigForm::SpinButtonMixRateDownClick);
    connect(SpinButtonQual, &SpinButton::UpClick, this, &TConfigForm::SpinButtonQualUpClick);
    connect(SpinButtonQual, &SpinButton::DownClick, this, &TConfigForm::SpinButtonQualDownClick);

    OnSelected(RBtnFull, [this] { Config.Aff = 1; });
    OnSelected(RBtnWin, [this] { Config.Aff = 2; });

    const auto drivers = DriverButtons();
    for (size_t i = 0; i < drivers.size(); ++i)
        OnSelected(drivers[i], [this, code = DriverCodes[i].code] { Config.Drv = code; });

    const auto mixers = MixerButtons();
    for (size_t i = 0; i < mixers.size(); ++i)
        OnSelected(mixers[i], [this, choice = MixerChoice(i)] { RBMixerClick(choice); });

    connect(BtnOK, &QPushButton::clicked, this, &TConfigForm::BtnOKClick);
    connect(BtnQuitter, &QPushButton::clicked, this, &TConfigForm::BtnQuitterClick);
}

std::array<QRadioButton*, DriverCodes.size()> TConfigForm::DriverButtons() const
{
    return {RBWMM, RBDS, RBOSS, RBESD, RBA3D};
}

std::array<QRadioButton*, MixerChoices> TConfigForm::MixerButtons() const
{
    return {RBMAuto, RBMPMMX, RBMPNoMMX, RBMPII, RBFPU};
}

std::array<QWidget*, 19> TConfigForm::SoundControls() const
{
    return {LabelFrq, LabelMixRate, LabelQuality, LabelQual, SpinButtonQual, SpinButtonMixRate, CBoxInter,
            LabelDrvSon, LabelMixSon, RBWMM, RBDS, RBOSS, RBESD, RBA3D, RBMAuto, RBMPMMX, RBMPNoMMX, RBMPII,
            RBFPU};
}

void TConfigForm::FormCreate(const std::string& gameFolder)
{
    if (LargeFontsScreen() && !AskQuestion(this, LargeFontsQuestion))
        quitRequested_ = true;

    SetGameFolder(gameFolder);
    CheckBoxSon->setChecked(true);

    if (!ReadStartupConfig(GamePath(ConfigFileTail), Config))
        ShowErrorBox(this, ConfigReadErrorMessage);

    ShowMixRate();
    ShowQuality();
    CBoxInter->setChecked(Config.Interp == 1);
    CheckBoxSon->setChecked(Config.SonAct == 1);
    (Config.Aff == 2 ? RBtnWin : RBtnFull)->setChecked(true);

    if (const auto button = DriverButton(Config.Drv))
        DriverButtons()[*button]->setChecked(true);
    // The fallback code 2 keeps the designed Auto selection and is written
    // back unchanged until the player picks a mixer.
    if (const MixerCode* mixer = FindMixerCode(Config.Mixer))
        MixerButtons()[size_t(mixer->choice)]->setChecked(true);

    // Selecting a mixer may have enabled the Interpolation box again.
    if (Config.SonAct == 0)
        SoundOff();

    // The keyboard starts on the first stop of the tab order, the selected
    // display button, so that Space there changes nothing.
    (Config.Aff == 2 ? RBtnWin : RBtnFull)->setFocus();
}

void TConfigForm::CheckBoxSonClick()
{
    if (CheckBoxSon->isChecked()) {
        Config.SonAct = 1;
        SetSoundControlsEnabled(true);
    } else {
        SoundOff();
    }
}

void TConfigForm::SoundOff()
{
    Config.SonAct = 0;
    SetSoundControlsEnabled(false);
}

void TConfigForm::SetSoundControlsEnabled(bool enabled)
{
    for (QWidget* control : SoundControls())
        control->setEnabled(enabled);
}

void TConfigForm::CBoxInterClick()
{
    // The mixer code takes the new setting only when a mixer is chosen again.
    Config.Interp = CBoxInter->isChecked() ? 1 : 0;
}

void TConfigForm::ShowMixRate()
{
    LabelMixRate->setText(QString("%1 Hz").arg(Config.MixRate));
    LabelMixRate->adjustSize();
    SpinButtonMixRate->setAccessibleDescription(LabelMixRate->text());
}

void TConfigForm::ShowQuality()
{
    LabelQual->setText(QString("%1 bits").arg(Config.Quality));
    LabelQual->adjustSize();
    SpinButtonQual->setAccessibleDescription(LabelQual->text());
}

void TConfigForm::SpinButtonMixRateUpClick()
{
    const auto next = std::upper_bound(MixRates.begin(), MixRates.end(), Config.MixRate);
    if (next != MixRates.end())
        Config.MixRate = *next;
    ShowMixRate();
}

void TConfigForm::SpinButtonMixRateDownClick()
{
    const auto at = std::lower_bound(MixRates.begin(), MixRates.end(), Config.MixRate);
    if (at != MixRates.begin())
        Config.MixRate = *std::prev(at);
    ShowMixRate();
}

void TConfigForm::SpinButtonQualUpClick()
{
    Config.Quality = 16;
    ShowQuality();
}

void TConfigForm::SpinButtonQualDownClick()
{
    Config.Quality = 8;
    ShowQuality();
}

void TConfigForm::RBMixerClick(MixerChoice choice)
{
    CBoxInter->setEnabled(OffersInterpolation(choice));
    Config.Mixer = MixerCodeFor(choice, Config.Interp == 1);
}

void TConfigForm::SetGameWindow(QWidget* window, SoundSwitches& switches)
{
    gameWindow_ = window;
    switches_ = &switches;
}

void TConfigForm::SetGameWindowBorder()
{
    if (Config.Aff == 2) {
        gameWindow_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowCloseButtonHint);
        gameWindow_->setWindowTitle("Zorbil");
    } else {
        gameWindow_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    }
    // Neither mode changes the screen's mode: both cover the work area.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        gameWindow_->setGeometry(screen->availableGeometry());
}

void TConfigForm::BtnOKClick()
{
    SetGameWindowBorder();
    const ErrorBox error = [this](const std::string& message) { ShowErrorBox(this, message); };
    SetupSoundDevice(library_, *switches_, error, Config.SonAct, Config.Drv, Config.Mixer, Config.MixRate,
                     Config.Quality);
    if (!SaveStartupConfig(GamePath(ConfigFileTail), Config))
        ShowErrorBox(this, SaveErrorMessage);
    gameWindow_->show();
    hide();
}

void TConfigForm::BtnQuitterClick()
{
    close();
}

void TConfigForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit Closed();
}

}  // namespace zorbil
