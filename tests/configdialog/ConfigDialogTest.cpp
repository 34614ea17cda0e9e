// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "config/GameFolder.h"
#include "config/SelectionRule.h"
#include "config/Settings.h"
#include "config/SpinButton.h"
#include "config/ZorbilConfig.h"
#include "support/FakeSwitches.h"
#include "support/MessageBoxWatcher.h"
#include "support/RecordingSoundLibrary.h"
#include "support/SoundSetup.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using namespace zorbil::test;

namespace {

// One run of the dialog in a throw-away game folder holding `config` (no file
// when null), with a stand-in game window wired as the program wires it.
struct DialogRun {
    explicit DialogRun(const char* config, bool withData = true) : dir(withData)
    {
        if (config)
            dir.write(ConfigFileTail, config);
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(dir.path());
        form = std::make_unique<TConfigForm>(sound);
        std::filesystem::current_path(previous);
        form->SetGameWindow(&game, switches);
        creationBoxes = watcher.boxes;
        watcher.boxes.clear();
    }

    std::string stored() const { return dir.read(ConfigFileTail); }

    TempGameFolder dir;
    MessageBoxWatcher watcher;
    RecordingSoundLibrary sound;
    QWidget game;
    FakeSwitches switches;
    std::unique_ptr<TConfigForm> form;
    QList<SeenBox> creationBoxes;
};

QString Selected(const QList<QRadioButton*>& group)
{
    for (QRadioButton* button : group)
        if (button->isChecked())
            return button->text();
    return {};
}

QList<QRadioButton*> Mixers(const TConfigForm& f)
{
    return {f.RBMAuto, f.RBMPMMX, f.RBMPNoMMX, f.RBMPII, f.RBFPU};
}

QList<QRadioButton*> Drivers(const TConfigForm& f)
{
    return {f.RBWMM, f.RBDS, f.RBOSS, f.RBESD, f.RBA3D};
}

int EnabledSoundControls(const TConfigForm& f)
{
    int enabled = 0;
    for (QWidget* control : f.SoundControls())
        enabled += control->isEnabled() ? 1 : 0;
    return enabled;
}

}  // namespace

class ConfigDialogTest : public QObject {
    Q_OBJECT
private slots:
    void selectionRuleActsOnlyOnChange();
    void noFileShowsTheDefaultsAndOkCreatesSectionConfig();
    void noDataFolderStillOpensTheGameWindow();
    void readErrorShowsItsMessageAndFallsBack();
    void storedValuesAreShown_data();
    void storedValuesAreShown();
    void soundOffGreysAllNineteenControls();
    void soundBoxReenablesInterpolationUnderAFixedMixer();
    void spinButtonsStopAtTheirEnds();
    void spinButtonKeysAndRepeat();
    void mixerCodeFollowsTheSelectionRule();
    void radioGroupsAreIndependent();
    void okSavesAllSevenKeysAndStartsTheSound();
    void okWithSoundOffGreysTheGameWindowSwitches();
    void borderStyleFollowsTheDisplayChoice();
    void quitAndCloseBoxSaveNothing();
};

void ConfigDialogTest::selectionRuleActsOnlyOnChange()
{
    QWidget group;
    auto* first = new QRadioButton("first", &group);
    auto* second = new QRadioButton("second", &group);
    second->move(0, 30);
    auto* box = new QCheckBox("box", &group);
    box->move(0, 60);
    int firstRuns = 0, secondRuns = 0, boxRuns = 0;
    OnSelected(first, [&] { ++firstRuns; });
    OnSelected(second, [&] { ++secondRuns; });
    OnChanged(box, [&] { ++boxRuns; });
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));

    first->setChecked(true);
    QCOMPARE(firstRuns, 1);
    first->setChecked(true);
    QTest::mouseClick(first, Qt::LeftButton);
    QCOMPARE(firstRuns, 1);
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(secondRuns, 1);
    QCOMPARE(firstRuns, 1);
    QVERIFY(!first->isChecked());

    box->setChecked(false);
    QCOMPARE(boxRuns, 0);
    box->setChecked(true);
    box->setChecked(true);
    QCOMPARE(boxRuns, 1);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(boxRuns, 2);
    QVERIFY(!box->isChecked());
}

void ConfigDialogTest::noFileShowsTheDefaultsAndOkCreatesSectionConfig()
{
    DialogRun run(nullptr);
    TConfigForm& f = *run.form;
    QVERIFY(run.creationBoxes.isEmpty());
    QCOMPARE(f.windowTitle(), QString("Zorbil - Configuration"));
    QCOMPARE(f.size(), QSize(450, 450));
    QCOMPARE(f.LabelMixRate->text(), QString("22050 Hz"));
    QCOMPARE(f.LabelQual->text(), QString("16 bits"));
    QVERIFY(f.CheckBoxSon->isChecked());
    QVERIFY(f.CBoxInter->isChecked());
    QVERIFY(f.RBtnFull->isChecked());
    QCOMPARE(Selected(Drivers(f)), f.RBDS->text());
    QCOMPARE(Selected(Mixers(f)), f.RBMAuto->text());
    QCOMPARE(EnabledSoundControls(f), 19);
    QCOMPARE(f.ImageZorbil->pixmap().size(), QSize(433, 65));
    QCOMPARE(f.Image2->pixmap().size(), QSize(70, 30));
    QCOMPARE(f.Image3->pixmap().size(), QSize(85, 30));
    QCOMPARE(QString::fromStdString(GameFolder()), QString::fromStdString(run.dir.str()));

    f.BtnOK->click();
    QVERIFY(run.watcher.boxes.isEmpty());
    QCOMPARE(run.stored(), std::string("[Config]\nMixRate=22050\nQuality=16\nInterp=1\nSonAct=1\nDrv=2\nMixer=11\nAff=1\n"));
    // The device tests and benchmarks set up is this one.
    RecordingSoundLibrary usual;
    FakeSwitches switches;
    SetUpSound(usual, switches);
    QCOMPARE(run.sound.calls, usual.calls);
    QVERIFY(run.game.isVisible());
    QVERIFY(f.isHidden());
}

void ConfigDialogTest::noDataFolderStillOpensTheGameWindow()
{
    DialogRun run(nullptr, false);
    QVERIFY(run.creationBoxes.isEmpty());
    run.form->BtnOK->click();
    QCOMPARE(run.watcher.boxes.size(), 1);
    QCOMPARE(run.watcher.boxes[0].title, QString("Erreur"));
    QCOMPARE(run.watcher.boxes[0].text, QString(SaveErrorMessage));
    QCOMPARE(run.watcher.boxes[0].buttons, QStringList{"OK"});
    QVERIFY(run.game.isVisible());
    QVERIFY(run.form->isHidden());
    QVERIFY(!std::filesystem::exists(run.dir.path() / "Data"));
}

void ConfigDialogTest::readErrorShowsItsMessageAndFallsBack()
{
    DialogRun run("[Config]\nMixRate=\nQuality=8\nInterp=1\nMixer=21\nAff=2\n");
    QCOMPARE(run.creationBoxes.size(), 1);
    QCOMPARE(run.creationBoxes[0].title, QString("Erreur"));
    QCOMPARE(run.creationBoxes[0].text, QString(ConfigReadErrorMessage));
    const StartupConfig& c = run.form->Settings();
    QCOMPARE(c.MixRate, 22050);
    QCOMPARE(c.Quality, 16);
    QCOMPARE(c.Interp, 0);
    QCOMPARE(c.SonAct, 1);
    QCOMPARE(c.Drv, 2);
    QCOMPARE(c.Mixer, 2);
    QCOMPARE(c.Aff, 1);
    QVERIFY(!run.form->CBoxInter->isChecked());
    QCOMPARE(Selected(Mixers(*run.form)), run.form->RBMAuto->text());
}

void ConfigDialogTest::storedValuesAreShown_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rateLabel");
    QTest::addColumn<QString>("qualityLabel");
    QTest::addColumn<QString>("mixer");
    QTest::addColumn<int>("mixerCode");
    QTest::addColumn<bool>("interpEnabled");
    QTest::addColumn<QString>("driver");
    QTest::addColumn<bool>("windowed");

    QTest::newRow("quality 24 falls back silently") << "[Config]\nQuality=24\n" << "22050 Hz" << "16 bits"
                                                    << "Au&to-Détection" << 11 << true
                                                    << "&Microsoft DirectSound (Supporte EAX 1/2)" << false;
    QTest::newRow("rate $AC44") << "[Config]\nMixRate=$AC44\nQuality=8\n" << "44100 Hz" << "8 bits"
                                << "Au&to-Détection" << 11 << true << "&Microsoft DirectSound (Supporte EAX 1/2)"
                                << false;
    QTest::newRow("rate 0xAC44") << "[Config]\nMixRate=0xAC44\nDrv=3\n" << "44100 Hz" << "16 bits"
                                 << "Au&to-Détection" << 11 << true << "Op&en Sound System (Linux/Unix)" << false;
    QTest::newRow("unknown mixer 7 keeps Auto") << "[Config]\nMixer=7\nAff=2\n" << "22050 Hz" << "16 bits"
                                                << "Au&to-Détection" << 2 << true
                                                << "&Microsoft DirectSound (Supporte EAX 1/2)" << true;
    QTest::newRow("MMX 21 with interpolation becomes 22")
        << "[Config]\nInterp=1\nMixer=21\nDrv=5\n" << "22050 Hz" << "16 bits" << "Pentium (MM&X)" << 22 << true
        << "&A3D - Version 3.0 (Supporte Géométrie)" << false;
    QTest::newRow("PII 42 without interpolation becomes 41")
        << "[Config]\nInterp=0\nMixer=42\nDrv=1\n" << "22050 Hz" << "16 bits" << "Pentium P&ro / PII / PIII" << 41
        << true << "&Windows Multimedia" << false;
    QTest::newRow("Auto 11 with interpolation stays 11")
        << "[Config]\nInterp=1\nMixer=11\nDrv=4\n" << "22050 Hz" << "16 bits" << "Au&to-Détection" << 11 << true
        << "Enli&ghtment Sound Daemon (Linux/Unix)" << false;
    QTest::newRow("FPU greys interpolation") << "[Config]\nMixer=5\nMixRate=8000\n" << "8000 Hz" << "16 bits"
                                             << "FPU I&nterpolé" << 5 << false
                                             << "&Microsoft DirectSound (Supporte EAX 1/2)" << false;
    QTest::newRow("Non MMX greys interpolation") << "[Config]\nMixer=3\n" << "22050 Hz" << "16 bits"
                                                 << "Pentium &(Non MMX)" << 3 << false
                                                 << "&Microsoft DirectSound (Supporte EAX 1/2)" << false;
}

void ConfigDialogTest::storedValuesAreShown()
{
    QFETCH(QString, file);
    DialogRun run(file.toStdString().c_str());
    TConfigForm& f = *run.form;
    QVERIFY(run.creationBoxes.isEmpty());
    QTEST(f.LabelMixRate->text(), "rateLabel");
    QTEST(f.LabelQual->text(), "qualityLabel");
    QTEST(Selected(Mixers(f)), "mixer");
    QTEST(int(f.Settings().Mixer), "mixerCode");
    QTEST(f.CBoxInter->isEnabled(), "interpEnabled");
    QTEST(Selected(Drivers(f)), "driver");
    QTEST(f.RBtnWin->isChecked(), "windowed");
    QCOMPARE(f.RBtnFull->isChecked(), !f.RBtnWin->isChecked());

    // What was shown is what OK writes back, the fallback mixer 2 included.
    f.BtnOK->click();
    StartupConfig written;
    QVERIFY(ReadStartupConfig(run.dir.file(ConfigFileTail), written));
    QCOMPARE(written.Mixer, f.Settings().Mixer);
    QCOMPARE(written.MixRate, f.Settings().MixRate);
}

void ConfigDialogTest::soundOffGreysAllNineteenControls()
{
    DialogRun run("[Config]\nSonAct=0\nInterp=1\nMixer=21\n");
    TConfigForm& f = *run.form;
    QVERIFY(!f.CheckBoxSon->isChecked());
    QCOMPARE(f.Settings().SonAct, 0);
    QCOMPARE(EnabledSoundControls(f), 0);
    QVERIFY(!f.CBoxInter->isEnabled());
    for (QWidget* stays : {static_cast<QWidget*>(f.CheckBoxSon), static_cast<QWidget*>(f.PanelDrv),
                           static_cast<QWidget*>(f.PanelMixer), static_cast<QWidget*>(f.RBtnFull),
                           static_cast<QWidget*>(f.RBtnWin), static_cast<QWidget*>(f.BtnOK)})
        QVERIFY(stays->isEnabled());

    QTest::mouseClick(f.CheckBoxSon, Qt::LeftButton);
    QCOMPARE(f.Settings().SonAct, 1);
    QCOMPARE(EnabledSoundControls(f), 19);
}

void ConfigDialogTest::soundBoxReenablesInterpolationUnderAFixedMixer()
{
    DialogRun run("[Config]\nMixer=5\n");
    TConfigForm& f = *run.form;
    QVERIFY(!f.CBoxInter->isEnabled());
    f.CheckBoxSon->setChecked(false);
    QCOMPARE(f.Settings().SonAct, 0);
    f.CheckBoxSon->setChecked(true);
    QVERIFY(f.CBoxInter->isEnabled());
    QCOMPARE(f.Settings().Mixer, 5);
}

void ConfigDialogTest::spinButtonsStopAtTheirEnds()
{
    DialogRun run(nullptr);
    TConfigForm& f = *run.form;
    QToolButton* up = f.SpinButtonMixRate->UpButton();
    QToolButton* down = f.SpinButtonMixRate->DownButton();
    up->click();
    up->click();
    QCOMPARE(f.LabelMixRate->text(), QString("44100 Hz"));
    up->click();
    QCOMPARE(f.Settings().MixRate, 44100);
    const QList<int> expected = {32000, 22050, 16000, 11025, 8000, 8000};
    for (int rate : expected) {
        down->click();
        QCOMPARE(f.Settings().MixRate, rate);
        QCOMPARE(f.LabelMixRate->text(), QString("%1 Hz").arg(rate));
    }
    f.SpinButtonQual->DownButton()->click();
    QCOMPARE(f.LabelQual->text(), QString("8 bits"));
    f.SpinButtonQual->DownButton()->click();
    QCOMPARE(f.Settings().Quality, 8);
    f.SpinButtonQual->UpButton()->click();
    QCOMPARE(f.LabelQual->text(), QString("16 bits"));
    QCOMPARE(f.Settings().Quality, 16);
}

void ConfigDialogTest::spinButtonKeysAndRepeat()
{
    DialogRun run("[Config]\nMixRate=8000\n");
    TConfigForm& f = *run.form;
    f.show();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(QApplication::focusWidget(), f.RBtnFull);

    // Keys go to whatever has the focus, as the player's keyboard does.
    f.SpinButtonMixRate->setFocus();
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Up);
    QCOMPARE(f.Settings().MixRate, 11025);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Space);
    QCOMPARE(f.Settings().MixRate, 16000);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Down);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Space);
    QCOMPARE(f.Settings().MixRate, 8000);
    f.SpinButtonQual->setFocus();
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Down);
    QCOMPARE(f.Settings().Quality, 8);
    QCOMPARE(f.Settings().MixRate, 8000);

    // Held with the mouse, the up arrow keeps climbing after its delay.
    QToolButton* up = f.SpinButtonMixRate->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    QCOMPARE(f.Settings().MixRate, 8000);
    QTRY_COMPARE_WITH_TIMEOUT(f.Settings().MixRate, 44100, 5000);
    QTest::mouseRelease(up, Qt::LeftButton);
    QCOMPARE(f.Settings().MixRate, 44100);
}

void ConfigDialogTest::mixerCodeFollowsTheSelectionRule()
{
    DialogRun run(nullptr);
    TConfigForm& f = *run.form;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    QTest::mouseClick(f.RBMPMMX, Qt::LeftButton);
    QCOMPARE(f.Settings().Mixer, 22);
    QTest::mouseClick(f.CBoxInter, Qt::LeftButton);
    QCOMPARE(f.Settings().Interp, 0);
    QCOMPARE(f.Settings().Mixer, 22);
    // The selected button again, by a click or from code: nothing happens.
    QTest::mouseClick(f.RBMPMMX, Qt::LeftButton);
    f.RBMPMMX->setChecked(true);
    QVERIFY(f.RBMPMMX->isChecked());
    QCOMPARE(f.Settings().Mixer, 22);
    // Another mixer and back applies the new interpolation setting.
    f.RBMAuto->setChecked(true);
    QCOMPARE(f.Settings().Mixer, 11);
    f.RBMPMMX->setChecked(true);
    QCOMPARE(f.Settings().Mixer, 21);
    f.RBFPU->setChecked(true);
    QCOMPARE(f.Settings().Mixer, 5);
    QVERIFY(!f.CBoxInter->isEnabled());
    QTest::mouseClick(f.RBMPII, Qt::LeftButton);
    QCOMPARE(f.Settings().Mixer, 41);
    QVERIFY(f.CBoxInter->isEnabled());
    f.RBMPNoMMX->setChecked(true);
    QCOMPARE(f.Settings().Mixer, 3);
    QVERIFY(!f.CBoxInter->isEnabled());
}

void ConfigDialogTest::radioGroupsAreIndependent()
{
    DialogRun run(nullptr);
    TConfigForm& f = *run.form;
    f.RBtnWin->setChecked(true);
    f.RBA3D->setChecked(true);
    f.RBMPII->setChecked(true);
    QVERIFY(f.RBtnWin->isChecked() && f.RBA3D->isChecked() && f.RBMPII->isChecked());
    QVERIFY(!f.RBtnFull->isChecked() && !f.RBDS->isChecked() && !f.RBMAuto->isChecked());
    QCOMPARE(f.Settings().Aff, 2);
    QCOMPARE(f.Settings().Drv, 5);
    QCOMPARE(f.Settings().Mixer, 42);
    f.RBOSS->setChecked(true);
    QCOMPARE(f.Settings().Drv, 3);
    QVERIFY(f.RBtnWin->isChecked() && f.RBMPII->isChecked());
    f.RBtnFull->setChecked(true);
    QCOMPARE(f.Settings().Aff, 1);
    QVERIFY(f.RBOSS->isChecked() && f.RBMPII->isChecked());
}

void ConfigDialogTest::okSavesAllSevenKeysAndStartsTheSound()
{
    DialogRun run("; kept\n[Options]\nSpeed=3\n[Config]\nAff=1\nMixRate=11025\n");
    TConfigForm& f = *run.form;
    f.SpinButtonQual->DownButton()->click();
    f.CBoxInter->setChecked(false);
    f.RBMPMMX->setChecked(true);
    f.RBESD->setChecked(true);
    f.RBtnWin->setChecked(true);
    f.BtnOK->click();
    QVERIFY(run.watcher.boxes.isEmpty());
    QCOMPARE(run.sound.calls, (std::vector<std::string>{"SetOutput(5)", "SetMixer(2)", "SetDriver(0)",
                                                        "Init(11025,8,1)", "SetSFXMasterVolume(255)"}));
    // Existing lines keep their place; the keys missing from the section
    // follow it in reading order.
    QCOMPARE(run.stored(), std::string("; kept\n[Options]\nSpeed=3\n[Config]\nAff=2\nMixRate=11025\nQuality=8\n"
                                       "Interp=0\nSonAct=1\nDrv=4\nMixer=21\n"));
}

void ConfigDialogTest::okWithSoundOffGreysTheGameWindowSwitches()
{
    DialogRun run(nullptr);
    TConfigForm& f = *run.form;
    QTest::mouseClick(f.CheckBoxSon, Qt::LeftButton);
    QCOMPARE(EnabledSoundControls(f), 0);
    QVERIFY(!run.switches.greyed);
    f.BtnOK->click();
    QCOMPARE(run.sound.calls, std::vector<std::string>{"SetOutput(0)"});
    QVERIFY(run.switches.greyed && !run.switches.effects && !run.switches.music);
    QVERIFY(run.game.isVisible());
    QVERIFY(run.stored().find("SonAct=0\n") != std::string::npos);
}

void ConfigDialogTest::borderStyleFollowsTheDisplayChoice()
{
    for (bool windowed : {false, true}) {
        DialogRun run(windowed ? "[Config]\nAff=2\n" : nullptr);
        run.form->BtnOK->click();
        const Qt::WindowFlags flags = run.game.windowFlags();
        QCOMPARE(bool(flags & Qt::FramelessWindowHint), !windowed);
        QCOMPARE(bool(flags & Qt::WindowTitleHint), windowed);
        if (windowed) {
            QVERIFY(flags & Qt::WindowMinimizeButtonHint);
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            QCOMPARE(run.game.windowTitle(), QString("Zorbil"));
        }
        QCOMPARE(run.game.geometry(), run.game.screen()->availableGeometry());
        QVERIFY(run.game.isVisible());
    }
}

void ConfigDialogTest::quitAndCloseBoxSaveNothing()
{
    const char* original = "[Config]\r\nMixRate = 44100 \r\nMixer=7\r\n";
    for (bool byCloseBox : {false, true}) {
        DialogRun run(original);
        QSignalSpy closed(run.form.get(), &TConfigForm::Closed);
        run.form->show();
        run.form->RBtnWin->setChecked(true);
        run.form->SpinButtonMixRate->DownButton()->click();
        if (byCloseBox)
            run.form->close();
        else
            run.form->BtnQuitter->click();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!run.form->isVisible());
        QVERIFY(!run.game.isVisible());
        QVERIFY(run.sound.calls.empty());
        QCOMPARE(run.stored(), std::string(original));
    }
}

QTEST_MAIN(ConfigDialogTest)
#include "ConfigDialogTest.moc"
