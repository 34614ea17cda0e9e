// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameWindowTests.h"

#include "GameWindowFixture.h"
#include "game/KeyControl.h"
#include "render/GLThread.h"
#include "screens/ScoresFile.h"

using namespace zorbil;
using zorbil::test::GameWindow;
using zorbil::test::Screen;

void PlayTest::PlayButtonTable_data()
{
    QTest::addColumn<bool>("music");
    QTest::addColumn<bool>("texture");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("warning");
    QTest::newRow("music and picture") << true << true << true << false;
    QTest::newRow("music only") << true << false << true << true;
    QTest::newRow("picture only") << false << true << true << true;
    QTest::newRow("neither") << false << false << false << true;
}

void PlayTest::PlayButtonTable()
{
    QFETCH(bool, music);
    QFETCH(bool, texture);
    QFETCH(bool, starts);
    QFETCH(bool, warning);
    GameWindow w;
    w.Open();
    w.Choose(music, texture);
    w.Play();
    QCOMPARE(GameRunning, starts);
    QCOMPARE(w.OptionsWarn(), warning);
    QCOMPARE(w.Screens(), (starts ? QList<Screen>{} : QList{Screen::MainMenu, Screen::Options}));
    if (starts) {
        QCOMPARE(Snake.Head, (Cell{8, 6}));
        QCOMPARE(Snake.Length, 5);
        QVERIFY(w.Stepping() && w.Spinning());
        QVERIFY(w.PointerHidden());
        QVERIFY(w.Drawing());
        // The first frame loads the picture and takes the signal away;
        // without a picture the load says so.
        QVERIFY(w.PictureLoaded());
        QVERIFY(!texture || w.ShowsPicture(90));
        QCOMPARE(w.boxes.texts(), texture ? QStringList() : QStringList{BackgroundErrorMessage});
        // F2 during that game shows the options still in their warning layout.
        w.Open(Screen::Options);
        QCOMPARE(w.Front(), Screen::Options);
        QCOMPARE(w.OptionsWarn(), warning);
    } else {
        QVERIFY(!w.Stepping());
        QVERIFY(w.Stopped());
        QVERIFY(w.boxes.boxes.isEmpty());
    }
    // "&Continuer" always restores the normal layout.
    w.Continue();
    QVERIFY(!w.OptionsWarn());
    QCOMPARE(w.Screens().contains(Screen::MainMenu), !starts);
}

// Arrow keys with modifiers reach the key handler through the window; its
// turning rules are its own tests' business.
void PlayTest::ArrowKeysSteerWhateverTheModifiers()
{
    GameWindow w;
    w.Open();
    w.StartGame(9);
    const Cell start = Snake.Head;
    w.Key(Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(Snake.Direction, uint8_t(DirUp));
    QVERIFY(w.NextStep());
    QCOMPARE(Snake.Head, (Cell{start.X, start.Y + 1}));
    QCOMPARE(Snake.Body[0], start);
    w.Key(Qt::Key_Left, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(Snake.Direction, uint8_t(DirLeft));
    QVERIFY(w.NextStep());
    QCOMPARE(Snake.Head, (Cell{start.X - 1, start.Y + 1}));
}

// The box keeps the keyboard until it is answered: a second of it at 50 ms
// a step would have taken the snake into the wall.
void PlayTest::SnakeWaitsWhileAnErrorBoxIsOpen()
{
    GameWindow w;
    int stepsAtBox = -1, stepsWhileOpen = -1;
    w.boxes.answerAfterMs = 1000;
    w.boxes.onShown = [&] {
        stepsAtBox = w.Steps();
        w.LetRun();
    };
    w.boxes.onAnswer = [&] { stepsWhileOpen = w.Steps() - stepsAtBox; };
    w.Open();
    w.SetSpeed(0);
    w.Choose(true, false);  // no picture: the first frame's load fails
    w.Play();
    QTRY_COMPARE(w.boxes.texts(), QStringList{BackgroundErrorMessage});
    QCOMPARE(stepsWhileOpen, 0);
    // Answered, the game goes on to the wall.
    QTRY_VERIFY_WITH_TIMEOUT(!GameRunning, 30000);
    QCOMPARE(Snake.Head, (Cell{15, 6}));
    QCOMPARE(w.boxes.boxes.size(), 1);
}

void PlayTest::WallOrBiteEndsTheGame_data()
{
    QTest::addColumn<QList<Qt::Key>>("turns");
    QTest::addColumn<int>("steps");
    QTest::addColumn<Cell>("end");
    QTest::newRow("the wall: seven cells, then the wall") << QList<Qt::Key>{} << 8 << Cell{15, 6};
    QTest::newRow("its own body") << QList{Qt::Key_Up, Qt::Key_Left, Qt::Key_Down} << 3 << Cell{7, 6};
}

void PlayTest::WallOrBiteEndsTheGame()
{
    QFETCH(QList<Qt::Key>, turns);
    GameWindow w;
    w.Open();
    w.StartGame(0);
    QVERIFY(w.Drawing());
    for (Qt::Key turn : turns) {
        w.Key(turn);
        QVERIFY(w.NextStep());
    }
    QVERIFY(w.StepUntilOver());
    QTEST(w.Steps(), "steps");
    QTEST(Snake.Head, "end");  // the head stays on its last cell
    QCOMPARE(w.Screens(), QList{Screen::GameOver});
    QVERIFY(!w.Stepping() && !w.Spinning());
    QVERIFY(!w.PointerHidden());
    QVERIFY(w.Stopped());
    // The game keys are gone with the game.
    w.Key(Qt::Key_Escape);
    QCOMPARE(w.Screens(), QList{Screen::GameOver});
    QVERIFY(!GamePaused);
}

void PlayTest::GameOverScoresMenuSavesTheBestScore_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("best");
    QTest::newRow("a higher score replaces the best") << 3 << 5;
    QTest::newRow("a tie leaves the best") << 5 << 5;
    QTest::newRow("a lower score leaves the best") << 40 << 40;
}

void PlayTest::GameOverScoresMenuSavesTheBestScore()
{
    QFETCH(int, stored);
    QFETCH(int, best);
    GameWindow w;
    const int32_t s = stored;
    w.game.write(ScoresFileTail, std::string(reinterpret_cast<const char*>(&s), 4));
    w.Open();
    w.StartGame(5);  // 5 points a donut
    w.PutDonut({9, 6});
    QVERIFY(w.NextStep());  // eaten
    QVERIFY(w.NextStep());  // paid
    QCOMPARE(Score, 5);
    w.PutDonut({2, 2});
    QVERIFY(w.StepUntilOver());
    QCOMPARE(Score, 5);
    QCOMPARE(BestScore, best);
    QCOMPARE(w.ScoreShown(), QString("5"));
    QCOMPARE(w.BestShown(), QString::number(best));

    w.Continue();
    QCOMPARE(w.Screens(), QList{Screen::Scores});
    w.game.write(ScoresFileTail, "");
    // The mnemonic of "&Continuer" (the button shows itself pressed first).
    w.Alt(Qt::Key_C);
    QTRY_COMPARE(w.Screens(), QList{Screen::MainMenu});
    const int32_t b = best;
    QCOMPARE(w.game.read(ScoresFileTail), std::string(reinterpret_cast<const char*>(&b), 4));
    QVERIFY(w.Exists("/Data/Temp.dat"));
    QVERIFY(w.boxes.boxes.isEmpty());

    // The next game starts from scratch.
    w.Play();
    QCOMPARE(Score, 0);
    QCOMPARE(Snake.Length, 5);
    QVERIFY(w.Drawing());
}

// Each position's interval is the rules' tests' business.
void PlayTest::SpeedSetsTheStepInterval()
{
    GameWindow w;
    w.Open();
    for (auto [position, interval] : {std::pair{9, 450}, {0, 50}, {3, 150}}) {
        w.SetSpeed(position);
        QCOMPARE(w.StepInterval(), interval);
    }
    // A running game takes the new interval at once.
    w.StartGame(8);
    w.SetSpeed(2);
    QVERIFY(w.Stepping());
    QCOMPARE(w.StepInterval(), 100);
}
