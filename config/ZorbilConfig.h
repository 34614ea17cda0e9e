// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog: the program's first and main window. It chooses
// the display mode and the sound set-up, keeps them in section Config of the
// settings file, starts the sound device and hands over to the game window.
// ZorbilConfig.cpp holds it but for the game controllers (ConfigPad.cpp).
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "audio/SoundCodes.h"
#include "config/Settings.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zorbil {

class FocusHalo;
class SoundLibrary;
struct PadEvent;
class SoundSwitches;
class SpinButton;

class TConfigForm : public QWidget {
    Q_OBJECT
public:
    // Runs the creation steps: the large-fonts question, the game folder
    // (the folder the program started in) and the reading of section Config.
    TConfigForm(SoundLibrary& library, const std::string& gameFolder, QWidget* parent = nullptr);

    // The game window exists only after the dialog: OK sets its border,
    // starts the sound through its switches and shows it. Must be called
    // before the message loop starts.
    void SetGameWindow(QWidget* window, SoundSwitches& switches);

    // The player answered "&Non" to the large-fonts question: the program is
    // to end as soon as its message loop starts.
    bool QuitRequested() const { return quitRequested_; }

    const StartupConfig& Settings() const { return Config; }

    QLabel* ImageZorbil;
    QFrame* BevelHaut;
    QFrame* SeparateurHaut;
    QFrame* BevelSon;
    QFrame* Bevel1;
    QCheckBox* CheckBoxSon;
    QLabel* LabelFrq;
    QLabel* LabelMixRate;
    SpinButton* SpinButtonMixRate;
    QLabel* LabelQuality;
    QLabel* LabelQual;
    SpinButton* SpinButtonQual;
    QCheckBox* CBoxInter;
    QFrame* PanelDrv;
    QLabel* LabelDrvSon;
    QRadioButton* RBWMM;
    QRadioButton* RBDS;
    QRadioButton* RBOSS;
    QRadioButton* RBESD;
    QRadioButton* RBA3D;
    QFrame* PanelMixer;
    QLabel* LabelMixSon;
    QRadioButton* RBMAuto;
    QRadioButton* RBMPMMX;
    QRadioButton* RBMPNoMMX;
    QRadioButton* RBMPII;
    QRadioButton* RBFPU;
    QFrame* BevelAff;
    QLabel* LabelAffichage;
    QRadioButton* RBtnFull;
    QRadioButton* RBtnWin;
    QFrame* Separateur;
    QPushButton* BtnOK;
    QLabel* Image2;
    QFrame* BevelBasG;
    QLabel* Image3;
    QFrame* BevelBasD;
    QPushButton* BtnQuitter;

    // Radio buttons with the same parent would all share one group, panels'
    // children included, so each of the three groups is explicit.
    QButtonGroup* GroupAff;
    QButtonGroup* GroupDrv;
    QButtonGroup* GroupMixer;

    // Greyed and re-enabled together, in this order.
    std::array<QWidget*, 19> SoundControls() const;

signals:
    // The dialog was closed (Quit, its close box, or the game window's end).
    void Closed();

protected:
    // ConfigPad.cpp. Takes the game controllers' PadInputEvent.
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    // Names for screen readers where a control's own text says too little.
    void NameForAssistiveTechnology();
    // The controls in the order Tab visits them.
    QList<QWidget*> TabOrder() const;
    void SetTabOrder();
    void ConnectHandlers();
    // In the order of the driver and mixer codes' table.
    std::array<QRadioButton*, DriverCodes.size()> DriverButtons() const;
    std::array<QRadioButton*, MixerChoices> MixerButtons() const;
    void FormCreate(const std::string& gameFolder);

    void CheckBoxSonClick();
    void CBoxInterClick();
    void SpinButtonMixRateUpClick();
    void SpinButtonMixRateDownClick();
    void SpinButtonQualUpClick();
    void SpinButtonQualDownClick();
    // A mixer button selected: the Interpolation box goes with the mixers
    // that offer it.
    void RBMixerClick(MixerChoice choice);
    void BtnOKClick();
    void BtnQuitterClick();

    // ConfigPad.cpp. A game controller: the D-pad moves the focus to the nearest control
    // (and left and right change the frequency and the quality), A acts as
    // Space does, Start confirms as OK does; B does nothing, since closing
    // the dialog ends the program.
    void PadInput(const PadEvent& event);

    void SoundOff();
    void SetSoundControlsEnabled(bool enabled);
    void ShowMixRate();
    void ShowQuality();
    void SetGameWindowBorder();

    SoundLibrary& library_;
    FocusHalo* halo_;
    QWidget* gameWindow_ = nullptr;
    SoundSwitches* switches_ = nullptr;
    bool quitRequested_ = false;
    StartupConfig Config;
};

}  // namespace zorbil
