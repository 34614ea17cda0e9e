// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartUpTest.h"

#include <QScreen>

#include "GameWindowFixture.h"
#include "config/Settings.h"
#include "screens/ScoresFile.h"

using namespace zorbil;
using zorbil::test::GameWindow;

void StartUpTest::DefaultsWithoutSettings()
{
    GameWindow w;
    w.Open();
    QVERIFY(w.boxes.boxes.isEmpty());
    QCOMPARE(w.form->MenuOptions->Speed->value(), 5);
    QCOMPARE(w.form->tmrGame->interval(), 250);
    QCOMPARE(w.form->tmrAnimate->interval(), 40);
    QVERIFY(w.form->EffectsOn());
    QVERIFY(w.form->MusicOn());
    QCOMPARE(BestScore, 0);
    QCOMPARE(w.form->MenuScores->TopScoreNb->text(), QString("0"));
    QVERIFY(w.form->MenuPrincipal->isVisible());
    for (QWidget* hidden : QList<QWidget*>{w.form->GameOver, w.form->MenuPause, w.form->MenuScores,
                                           w.form->MenuOptions, w.form->MenuAide})
        QVERIFY2(!hidden->isVisible() && !hidden->isEnabled(), qPrintable(hidden->objectName()));
    QVERIFY(w.form->MenuOptions->TexList->FileName().isEmpty());
    QCOMPARE(w.form->MenuOptions->TexList->count(), 2);
    QCOMPARE(w.form->MenuOptions->ModList->count(), 2);
    QVERIFY(w.form->Renderer());
    QVERIFY(w.Stopped());  // no frame before a game
}

void StartUpTest::StoredOptionsAndBestScore()
{
    GameWindow w;
    w.game.write(ConfigFileTail, "[Options]\nSpeed=12\nSonAct=2\nMusAct=0\n");
    w.game.write(ScoresFileTail, std::string("\x39\x05\x00\x00", 4));
    w.Open();
    QVERIFY(w.boxes.boxes.isEmpty());
    QCOMPARE(w.form->MenuOptions->Speed->value(), 9);
    QCOMPARE(w.form->tmrGame->interval(), 450);
    QVERIFY(w.form->EffectsOn());  // 2 leaves the box as designed
    QVERIFY(!w.form->MusicOn());
    QCOMPARE(BestScore, 1337);
    QCOMPARE(w.form->MenuScores->TopScoreNb->text(), QString("1337"));
}

void StartUpTest::UnreadableOptionsOrScores_data()
{
    QTest::addColumn<QString>("config");
    QTest::addColumn<QByteArray>("scores");
    QTest::addColumn<int>("speed");
    QTest::addColumn<bool>("switchesOn");
    QTest::newRow("speed not a number: nothing more is read")
        << "[Options]\nSpeed=vite\nSonAct=1\nMusAct=1\n" << QByteArray("\x10\0\0\0", 4) << 5 << false;
    QTest::newRow("scores shorter than 4 bytes")
        << "[Options]\nSpeed=3\n" << QByteArray("\x10\0\0", 3) << 3 << true;
}

void StartUpTest::UnreadableOptionsOrScores()
{
    QFETCH(QString, config);
    QFETCH(QByteArray, scores);
    QFETCH(int, speed);
    QFETCH(bool, switchesOn);
    GameWindow w;
    w.game.write(ConfigFileTail, config.toStdString());
    w.game.write(ScoresFileTail, scores.toStdString());
    w.Open();
    QCOMPARE(w.boxes.texts(), QStringList{OptionsReadErrorMessage});
    QCOMPARE(w.boxes.boxes[0].title, QString("Erreur"));
    QCOMPARE(w.boxes.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(w.form->MenuOptions->Speed->value(), speed);
    QCOMPARE(w.form->EffectsOn(), switchesOn);
    QCOMPARE(w.form->MusicOn(), switchesOn);
    QCOMPARE(BestScore, 0);
    QCOMPARE(w.form->MenuScores->TopScoreNb->text(), QString("0"));
}

void StartUpTest::MissingFoldersAreReportedOnce()
{
    GameWindow w;
    std::filesystem::remove_all(w.game.path() / "Textures");
    std::filesystem::remove_all(w.game.path() / "Musiques");
    w.Open();
    QCOMPARE(w.boxes.boxes.size(), 1);
    QVERIFY(w.boxes.boxes[0].text.contains(QString::fromStdString(w.game.str() + "/Textures/")));
    QVERIFY(w.boxes.boxes[0].text.contains(QString::fromStdString(w.game.str() + "/Musiques/")));
    // Set up all the same: the seed is drawn, the renderer exists, and
    // "&Jouer" can only end in the warning layout.
    QVERIFY(w.form->Renderer());
    QTest::mouseClick(w.form->MenuPrincipal->BtnJouer, Qt::LeftButton);
    QVERIFY(!GameRunning);
    QVERIFY(w.form->MenuOptions->InWarningLayout());
    QVERIFY(w.form->MenuOptions->isVisible());
}

void StartUpTest::CoversTheAvailableScreenArea()
{
    GameWindow w;
    SetGameFolder(w.game.str());
    ResetProgramState();
    for (bool frameless : {true, false}) {
        TZorbilForm form(w.sound, nullptr);
        form.setWindowFlag(Qt::FramelessWindowHint, frameless);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect area = form.screen()->availableGeometry();
        QTRY_COMPARE(form.frameGeometry(), area);
        // The screens follow the window.
        QCOMPARE(form.MenuPrincipal->geometry(), form.rect());
        QCOMPARE(form.MenuPrincipal->BtnJouer->width(), form.width() - 15);
    }
}

void StartUpTest::SoundOffGreysAndClearsTheSwitches()
{
    GameWindow w;
    w.Open();
    test::SetUpSound(w.sound, *w.form, {.sonAct = 0});
    QVERIFY(!w.form->MenuOptions->SonAct->isEnabled() && !w.form->MenuOptions->SonAct->isChecked());
    QVERIFY(!w.form->MenuOptions->MusicAct->isEnabled() && !w.form->MenuOptions->MusicAct->isChecked());
    QVERIFY(!w.form->EffectsOn() && !w.form->MusicOn());
}

void StartUpTest::ClosingRemovesTheSignalAndClosesTheDialog()
{
    GameWindow w;
    w.Open();
    w.game.write("/Data/Temp.dat", "");
    QTest::mouseClick(w.form->MenuPrincipal->BtnQuitter, Qt::LeftButton);
    QVERIFY(!w.form->isVisible());
    QVERIFY(w.dialog.closes >= 1);
    QVERIFY(!w.Exists("/Data/Temp.dat"));
    QVERIFY(!w.form->Renderer());
}
