// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <memory>

#include "config/GameFolder.h"
#include "config/SelectionRule.h"
#include "config/Settings.h"
#include "config/SpinButton.h"
#include "config/ZorbilConfig.h"
#include "shared/DataPaths.h"
#include "support/FakeSwitches.h"
#include "support/MessageBoxWatcher.h"
#include "support/RecordingSoundLibrary.h"
#include "support/SoundSetup.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using namespace zorbil::test;
using Calls = std::vector<std::string>;

namespace {

enum class Arrow { Up, Down };

// One run of the dialog in a throw-away game folder holding `config` (no file
// when null), with a stand-in game window wired as the program wires it.
// Controls are named by the caption the player reads, without its
// mnemonic mark.
struct DialogRun {
    explicit DialogRun(const char* config, bool withData = true) : dir(withData)
    {
        if (config)
            dir.write(ConfigFileTail, config);
        form = std::make_unique<TConfigForm>(sound, dir.str());
        form->SetGameWindow(&game, switches);
        creationBoxes = watcher.boxes;
        watcher.boxes.clear();
    }

    std::string stored() const { return dir.read(ConfigFileTail); }
    const StartupConfig& settings() const { return form->Settings(); }

    // What the player does.
    void Click(const QString& caption) { QTest::mouseClick(Control(caption), Qt::LeftButton); }
    // The same choice made from code: nothing a player does, but what the
    // dialog's own code may do.
    void Set(const QString& caption, bool checked = true) { Control(caption)->setChecked(checked); }
    void Show()
    {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    // A click on an arrow of the frequency's or the quality's spin button,
    // where the player sees it; or a press held until Release.
    void Spin(SpinButton* spin, Arrow arrow) { Mouse(spin, arrow, true, true); }
    void Hold(SpinButton* spin, Arrow arrow) { Mouse(spin, arrow, true, false); }
    void Release(SpinButton* spin, Arrow arrow) { Mouse(spin, arrow, false, true); }
    // A key to whatever has the keyboard focus.
    void Type(Qt::Key key) { QTest::keyClick(static_cast<QWidget*>(nullptr), key); }

    // What the player sees.
    bool Checked(const QString& caption) const { return Control(caption)->isChecked(); }
    bool Usable(const QString& caption) const { return Control(caption)->isEnabled(); }
    QString Rate() const { return form->LabelMixRate->text(); }
    QString Quality() const { return form->LabelQual->text(); }
    int UsableSoundControls() const
    {
        int usable = 0;
        for (QWidget* control : form->SoundControls())
            usable += control->isEnabled() ? 1 : 0;
        return usable;
    }

    TempGameFolder dir;
    MessageBoxWatcher watcher;
    RecordingSoundLibrary sound;
    QWidget game;
    FakeSwitches switches;
    std::unique_ptr<TConfigForm> form;
    QList<SeenBox> creationBoxes;

private:
    QAbstractButton* Control(const QString& caption) const
    {
        for (QAbstractButton* control : form->findChildren<QAbstractButton*>())
            if (QString(control->text()).remove('&') == caption)
                return control;
        qFatal("no control captioned %s", qPrintable(caption));
    }
    void Mouse(SpinButton* spin, Arrow arrow, bool press, bool release)
    {
        if (!form->isVisible())
            Show();
        const int y = spin->height() * (arrow == Arrow::Up ? 1 : 3) / 4;
        const QPoint at = spin->mapTo(form.get(), QPoint(spin->width() / 2, y));
        if (press)
            QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, at);
        if (release)
            QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, at);
    }
};

const QString Mixers[] = {"Auto-Détection", "Pentium (MMX)", "Pentium (Non MMX)", "Pentium Pro / PII / PIII",
                          "FPU Interpolé"};
const QString Drivers[] = {"Windows Multimedia", "Microsoft DirectSound (Supporte EAX 1/2)",
                           "Open Sound System (Linux/Unix)", "Enlightment Sound Daemon (Linux/Unix)",
                           "A3D - Version 3.0 (Supporte Géométrie)"};

// The checked caption of a group; "" when none, "several" when more.
template <std::size_t N>
QString Chosen(const DialogRun& run, const QString (&group)[N])
{
    QString chosen;
    for (const QString& caption : group)
        if (run.Checked(caption))
            chosen = chosen.isEmpty() ? caption : "several";
    return chosen;
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
    QCOMPARE(run.Rate(), QString("22050 Hz"));
    QCOMPARE(run.Quality(), QString("16 bits"));
    QVERIFY(run.Checked("Son") && run.Checked("Interpolation") && run.Checked("Plein Ecran"));
    QCOMPARE(Chosen(run, Drivers), QString("Microsoft DirectSound (Supporte EAX 1/2)"));
    QCOMPARE(Chosen(run, Mixers), QString("Auto-Détection"));
    QCOMPARE(run.UsableSoundControls(), 19);
    QCOMPARE(f.ImageZorbil->pixmap().size(), QSize(433, 65));
    QCOMPARE(f.Image2->pixmap().size(), QSize(70, 30));
    QCOMPARE(f.Image3->pixmap().size(), QSize(85, 30));
    QCOMPARE(QString::fromStdString(GameFolder()), QString::fromStdString(run.dir.str()));

    run.Click("OK");
    QVERIFY(run.watcher.boxes.isEmpty());
    QCOMPARE(run.stored(), std::string("[Config]\nMixRate=22050\nQuality=16\nInterp=1\nSonAct=1\nDrv=2\nMixer=11\nAff=1\n"));
    QVERIFY(run.game.isVisible());
    QVERIFY(f.isHidden());
    // The device tests and benchmarks set up is this one.
    RecordingSoundLibrary usual;
    FakeSwitches switches;
    SetUpSound(usual, switches);
    QCOMPARE(run.sound.calls, usual.calls);
}

void ConfigDialogTest::noDataFolderStillOpensTheGameWindow()
{
    DialogRun run(nullptr, false);
    QVERIFY(run.creationBoxes.isEmpty());
    run.Click("OK");
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
    QVERIFY(run.settings() == (StartupConfig{.MixRate = 22050, .Quality = 16, .Aff = 1, .Drv = 2, .Mixer = 2,
                                              .Interp = 0, .SonAct = 1}));
    QVERIFY(!run.Checked("Interpolation"));
    QCOMPARE(Chosen(run, Mixers), QString("Auto-Détection"));
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

    const QString auto_ = Mixers[0], directSound = Drivers[1];
    QTest::newRow("quality 24 falls back silently")
        << "[Config]\nQuality=24\n" << "22050 Hz" << "16 bits" << auto_ << 11 << true << directSound << false;
    QTest::newRow("rate $AC44") << "[Config]\nMixRate=$AC44\nQuality=8\n" << "44100 Hz" << "8 bits" << auto_ << 11
                                << true << directSound << false;
    QTest::newRow("rate 0xAC44") << "[Config]\nMixRate=0xAC44\nDrv=3\n" << "44100 Hz" << "16 bits" << auto_ << 11
                                 << true << Drivers[2] << false;
    QTest::newRow("unknown mixer 7 keeps Auto")
        << "[Config]\nMixer=7\nAff=2\n" << "22050 Hz" << "16 bits" << auto_ << 2 << true << directSound << true;
    QTest::newRow("MMX 21 with interpolation becomes 22") << "[Config]\nInterp=1\nMixer=21\nDrv=5\n" << "22050 Hz"
                                                          << "16 bits" << Mixers[1] << 22 << true << Drivers[4]
                                                          << false;
    QTest::newRow("PII 42 without interpolation becomes 41") << "[Config]\nInterp=0\nMixer=42\nDrv=1\n" << "22050 Hz"
                                                             << "16 bits" << Mixers[3] << 41 << true << Drivers[0]
                                                             << false;
    QTest::newRow("Auto 11 with interpolation stays 11") << "[Config]\nInterp=1\nMixer=11\nDrv=4\n" << "22050 Hz"
                                                         << "16 bits" << auto_ << 11 << true << Drivers[3] << false;
    QTest::newRow("FPU greys interpolation") << "[Config]\nMixer=5\nMixRate=8000\n" << "8000 Hz" << "16 bits"
                                             << Mixers[4] << 5 << false << directSound << false;
    QTest::newRow("Non MMX greys interpolation")
        << "[Config]\nMixer=3\n" << "22050 Hz" << "16 bits" << Mixers[2] << 3 << false << directSound << false;
}

void ConfigDialogTest::storedValuesAreShown()
{
    QFETCH(QString, file);
    DialogRun run(file.toStdString().c_str());
    QVERIFY(run.creationBoxes.isEmpty());
    QTEST(run.Rate(), "rateLabel");
    QTEST(run.Quality(), "qualityLabel");
    QTEST(Chosen(run, Mixers), "mixer");
    QTEST(int(run.settings().Mixer), "mixerCode");
    QTEST(run.Usable("Interpolation"), "interpEnabled");
    QTEST(Chosen(run, Drivers), "driver");
    QTEST(run.Checked("Fenêtré"), "windowed");
    QCOMPARE(run.Checked("Plein Ecran"), !run.Checked("Fenêtré"));

    // What was shown is what OK writes back, the fallback mixer 2 included.
    run.Click("OK");
    StartupConfig written;
    QVERIFY(ReadStartupConfig(run.dir.file(ConfigFileTail), written));
    QCOMPARE(written.Mixer, run.settings().Mixer);
    QCOMPARE(written.MixRate, run.settings().MixRate);
}

// The sound box greys and re-enables all nineteen sound controls, the
// interpolation box too under a mixer that has none.
void ConfigDialogTest::soundOffGreysAllNineteenControls()
{
    DialogRun run("[Config]\nSonAct=0\nMixer=5\n");
    QVERIFY(!run.Checked("Son"));
    QCOMPARE(run.settings().SonAct, 0);
    QCOMPARE(run.UsableSoundControls(), 0);
    for (const char* stays : {"Son", "Plein Ecran", "Fenêtré", "OK"})
        QVERIFY2(run.Usable(stays), stays);
    QVERIFY(run.form->PanelDrv->isEnabled() && run.form->PanelMixer->isEnabled());

    run.Click("Son");
    QCOMPARE(run.settings().SonAct, 1);
    QCOMPARE(run.UsableSoundControls(), 19);
    QVERIFY(run.Usable("Interpolation"));
    QCOMPARE(run.settings().Mixer, 5);
}

void ConfigDialogTest::spinButtonsStopAtTheirEnds()
{
    DialogRun run(nullptr);
    SpinButton* rate = run.form->SpinButtonMixRate;
    run.Spin(rate, Arrow::Up);
    run.Spin(rate, Arrow::Up);
    QCOMPARE(run.Rate(), QString("44100 Hz"));
    run.Spin(rate, Arrow::Up);
    QCOMPARE(run.settings().MixRate, 44100);
    for (int expected : {32000, 22050, 16000, 11025, 8000, 8000}) {
        run.Spin(rate, Arrow::Down);
        QCOMPARE(run.settings().MixRate, expected);
        QCOMPARE(run.Rate(), QString("%1 Hz").arg(expected));
    }
    SpinButton* quality = run.form->SpinButtonQual;
    run.Spin(quality, Arrow::Down);
    QCOMPARE(run.Quality(), QString("8 bits"));
    run.Spin(quality, Arrow::Down);
    QCOMPARE(run.settings().Quality, 8);
    run.Spin(quality, Arrow::Up);
    QCOMPARE(run.Quality(), QString("16 bits"));
    QCOMPARE(run.settings().Quality, 16);
}

void ConfigDialogTest::spinButtonKeysAndRepeat()
{
    DialogRun run("[Config]\nMixRate=8000\n");
    run.Show();
    QCOMPARE(QApplication::focusWidget(), run.form->RBtnFull);

    // Keys go to whatever has the focus, as the player's keyboard does.
    SpinButton* rate = run.form->SpinButtonMixRate;
    rate->setFocus();
    run.Type(Qt::Key_Up);
    QCOMPARE(run.settings().MixRate, 11025);
    run.Type(Qt::Key_Space);
    QCOMPARE(run.settings().MixRate, 16000);
    run.Type(Qt::Key_Down);
    run.Type(Qt::Key_Space);
    QCOMPARE(run.settings().MixRate, 8000);
    run.form->SpinButtonQual->setFocus();
    run.Type(Qt::Key_Down);
    QCOMPARE(run.settings().Quality, 8);
    QCOMPARE(run.settings().MixRate, 8000);

    // Held with the mouse, the up arrow keeps climbing after its delay.
    run.Hold(rate, Arrow::Up);
    QCOMPARE(run.settings().MixRate, 8000);
    QTRY_COMPARE_WITH_TIMEOUT(run.settings().MixRate, 44100, 5000);
    run.Release(rate, Arrow::Up);
    QCOMPARE(run.settings().MixRate, 44100);
}

void ConfigDialogTest::mixerCodeFollowsTheSelectionRule()
{
    DialogRun run(nullptr);
    run.Show();
    run.Click("Pentium (MMX)");
    QCOMPARE(run.settings().Mixer, 22);
    run.Click("Interpolation");
    QCOMPARE(run.settings().Interp, 0);
    QCOMPARE(run.settings().Mixer, 22);
    // The selected button again, by a click or from code: nothing happens.
    run.Click("Pentium (MMX)");
    run.Set("Pentium (MMX)");
    QVERIFY(run.Checked("Pentium (MMX)"));
    QCOMPARE(run.settings().Mixer, 22);
    // Another mixer and back applies the new interpolation setting.
    run.Set("Auto-Détection");
    QCOMPARE(run.settings().Mixer, 11);
    run.Set("Pentium (MMX)");
    QCOMPARE(run.settings().Mixer, 21);
    run.Set("FPU Interpolé");
    QCOMPARE(run.settings().Mixer, 5);
    QVERIFY(!run.Usable("Interpolation"));
    run.Click("Pentium Pro / PII / PIII");
    QCOMPARE(run.settings().Mixer, 41);
    QVERIFY(run.Usable("Interpolation"));
    run.Set("Pentium (Non MMX)");
    QCOMPARE(run.settings().Mixer, 3);
    QVERIFY(!run.Usable("Interpolation"));
}

void ConfigDialogTest::radioGroupsAreIndependent()
{
    DialogRun run(nullptr);
    for (const QString& caption : {QString("Fenêtré"), Drivers[4], Mixers[3]})
        run.Set(caption);
    QCOMPARE(Chosen(run, Drivers), Drivers[4]);
    QCOMPARE(Chosen(run, Mixers), Mixers[3]);
    QVERIFY(run.Checked("Fenêtré") && !run.Checked("Plein Ecran"));
    QCOMPARE(run.settings().Aff, 2);
    QCOMPARE(run.settings().Drv, 5);
    QCOMPARE(run.settings().Mixer, 42);
    run.Set(Drivers[2]);
    QCOMPARE(run.settings().Drv, 3);
    QVERIFY(run.Checked("Fenêtré") && run.Checked(Mixers[3]));
    run.Set("Plein Ecran");
    QCOMPARE(run.settings().Aff, 1);
    QVERIFY(run.Checked(Drivers[2]) && run.Checked(Mixers[3]));
}

void ConfigDialogTest::okSavesAllSevenKeysAndStartsTheSound()
{
    DialogRun run("; kept\n[Options]\nSpeed=3\n[Config]\nAff=1\nMixRate=11025\n");
    run.Spin(run.form->SpinButtonQual, Arrow::Down);
    run.Set("Interpolation", false);
    for (const QString& caption : {QString("Pentium (MMX)"), Drivers[3], QString("Fenêtré")})
        run.Set(caption);
    run.Click("OK");
    QVERIFY(run.watcher.boxes.isEmpty());
    QCOMPARE(run.sound.calls,
             (Calls{"SetOutput(5)", "SetMixer(2)", "SetDriver(0)", "Init(11025,8,1)", "SetSFXMasterVolume(255)"}));
    // Existing lines keep their place; the keys missing from the section
    // follow it in reading order.
    QCOMPARE(run.stored(), std::string("; kept\n[Options]\nSpeed=3\n[Config]\nAff=2\nMixRate=11025\nQuality=8\n"
                                       "Interp=0\nSonAct=1\nDrv=4\nMixer=21\n"));
}

void ConfigDialogTest::okWithSoundOffGreysTheGameWindowSwitches()
{
    DialogRun run(nullptr);
    run.Click("Son");
    QCOMPARE(run.UsableSoundControls(), 0);
    QVERIFY(!run.switches.greyed);
    run.Click("OK");
    QCOMPARE(run.sound.calls, Calls{"SetOutput(0)"});
    QVERIFY(run.switches.greyed);
    QVERIFY(run.game.isVisible());
    QVERIFY(run.stored().find("SonAct=0\n") != std::string::npos);
}

void ConfigDialogTest::borderStyleFollowsTheDisplayChoice()
{
    for (bool windowed : {false, true}) {
        DialogRun run(windowed ? "[Config]\nAff=2\n" : nullptr);
        run.Click("OK");
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
        run.Set("Fenêtré");
        run.Spin(run.form->SpinButtonMixRate, Arrow::Down);
        if (byCloseBox)
            run.form->close();
        else
            run.Click("Quitter");
        QCOMPARE(closed.count(), 1);
        QVERIFY(!run.form->isVisible());
        QVERIFY(!run.game.isVisible());
        QVERIFY(run.sound.calls.empty());
        QCOMPARE(run.stored(), std::string(original));
    }
}

QTEST_MAIN(ConfigDialogTest)
#include "ConfigDialogTest.moc"
