// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameWindowTests.h"

#include "GameWindowFixture.h"
#include "config/Settings.h"
#include "screens/ScoresFile.h"

using namespace zorbil;
using zorbil::test::GameWindow;
using zorbil::test::Screen;

void StartUpTest::DefaultsWithoutSettings()
{
    GameWindow w;
    w.Open();
    QVERIFY(w.boxes.boxes.isEmpty());
    QCOMPARE(w.Speed(), 5);
    QCOMPARE(w.StepInterval(), 250);
    QCOMPARE(w.SpinInterval(), 40);
    QVERIFY(w.form->EffectsOn() && w.form->MusicOn());
    QCOMPARE(BestScore, 0);
    QCOMPARE(w.BestShown(), QString("0"));
    QCOMPARE(w.Screens(), QList{Screen::MainMenu});
    QCOMPARE(w.Pictures(), (QStringList{"bleu.pcx", "vert.pcx"}));
    QCOMPARE(w.Musics(), (QStringList{"calme.mus", "rapide.mus"}));
    QVERIFY(w.ChosenPicture().isEmpty() && w.SelectedMusic().empty());
    QVERIFY(w.Stopped());  // no frame before a game
}

void StartUpTest::StoredOptionsAndBestScore_data()
{
    QTest::addColumn<QString>("config");
    QTest::addColumn<QByteArray>("scores");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("effects");
    QTest::addColumn<bool>("music");
    QTest::addColumn<int>("best");
    QTest::addColumn<bool>("unreadable");
    QTest::newRow("read: the speed kept in range, SonAct 2 leaves its box as designed")
        << "[Options]\nSpeed=12\nSonAct=2\nMusAct=0\n" << QByteArray("\x39\x05\0\0", 4) << 9 << 450 << true
        << false << 1337 << false;
    QTest::newRow("speed not a number: nothing more is read") << "[Options]\nSpeed=vite\nSonAct=1\nMusAct=1\n"
                                                              << QByteArray("\x10\0\0\0", 4) << 5 << 250 << false
                                                              << false << 0 << true;
    QTest::newRow("scores shorter than 4 bytes")
        << "[Options]\nSpeed=3\n" << QByteArray("\x10\0\0", 3) << 3 << 150 << true << true << 0 << true;
}

void StartUpTest::StoredOptionsAndBestScore()
{
    QFETCH(QString, config);
    QFETCH(QByteArray, scores);
    QFETCH(int, best);
    QFETCH(bool, unreadable);
    GameWindow w;
    w.game.write(ConfigFileTail, config.toStdString());
    w.game.write(ScoresFileTail, scores.toStdString());
    w.Open();
    QCOMPARE(w.boxes.texts(), unreadable ? QStringList{OptionsReadErrorMessage} : QStringList());
    if (unreadable) {
        QCOMPARE(w.boxes.boxes[0].title, QString("Erreur"));
        QCOMPARE(w.boxes.boxes[0].icon, QMessageBox::Critical);
    }
    QTEST(w.Speed(), "speed");
    QTEST(w.StepInterval(), "interval");
    QTEST(w.form->EffectsOn(), "effects");
    QTEST(w.form->MusicOn(), "music");
    QCOMPARE(BestScore, best);
    QCOMPARE(w.BestShown(), QString::number(best));
}

void StartUpTest::MissingFoldersAreReportedOnce_data()
{
    QTest::addColumn<bool>("musicsToo");
    QTest::newRow("Textures") << false;
    QTest::newRow("Textures and Musiques") << true;
}

void StartUpTest::MissingFoldersAreReportedOnce()
{
    QFETCH(bool, musicsToo);
    GameWindow w;
    std::filesystem::remove_all(w.game.path() / "Textures");
    if (musicsToo)
        std::filesystem::remove_all(w.game.path() / "Musiques");
    w.Open();
    QCOMPARE(w.boxes.boxes.size(), 1);
    QVERIFY(w.boxes.boxes[0].text.contains(QString::fromStdString(w.game.str() + "/Textures/")));
    QCOMPARE(w.boxes.boxes[0].text.contains(QString::fromStdString(w.game.str() + "/Musiques/")), musicsToo);
    QVERIFY(w.Pictures().isEmpty());
    QCOMPARE(w.Musics().size(), musicsToo ? 0 : 2);
    // Set up all the same: "&Jouer" with nothing chosen ends in the warning
    // layout.
    w.Play();
    QVERIFY(!GameRunning);
    QCOMPARE(w.Front(), Screen::Options);
    QVERIFY(w.OptionsWarn());
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

// After a game, as before any: the window goes, with its render thread,
// the reload signal and the dialog.
void StartUpTest::ClosingRemovesTheSignalAndClosesTheDialog()
{
    GameWindow w;
    w.Open();
    w.StartGame(9);
    QVERIFY(w.Drawing());
    QVERIFY(GameWindow::RenderThreadRuns());
    w.Open(Screen::Pause);
    w.QuitGame();
    w.Continue();
    w.Continue();
    QCOMPARE(w.Screens(), QList{Screen::MainMenu});
    QVERIFY(w.Exists("/Data/Temp.dat"));
    w.QuitProgram();
    QVERIFY(!w.form->isVisible());
    QVERIFY(w.dialog.closes >= 1);
    QVERIFY(!w.Exists("/Data/Temp.dat"));
    QVERIFY(!GameWindow::RenderThreadRuns());
}
