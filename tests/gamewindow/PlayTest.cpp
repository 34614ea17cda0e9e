// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"

#include "GameWindowFixture.h"
#include "game/KeyControl.h"
#include "screens/ScoresFile.h"

using namespace zorbil;
using zorbil::test::GameWindow;

namespace {

// Waits for the next step of the snake.
bool NextStep(Cell from)
{
    return QTest::qWaitFor([from] { return !(Snake.Head == from) || !GameRunning; }, 3000);
}

}  // namespace

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
    QTest::mouseClick(w.form->MenuPrincipal->BtnJouer, Qt::LeftButton);
    QCOMPARE(GameRunning, starts);
    QCOMPARE(w.form->MenuOptions->InWarningLayout(), warning);
    QCOMPARE(w.form->MenuOptions->isVisible(), !starts);
    QCOMPARE(w.form->MenuPrincipal->isVisible(), !starts);
    if (starts) {
        QCOMPARE(Snake.Head, (Cell{8, 6}));
        QCOMPARE(Snake.Length, 5);
        QVERIFY(w.form->tmrGame->isActive() && w.form->tmrAnimate->isActive());
        QCOMPARE(w.form->cursor().shape(), Qt::BlankCursor);
        QVERIFY(w.Drawing());
        // The first frame loads the picture and takes the signal away.
        QTRY_VERIFY(!w.Exists("/Data/Temp.dat"));
        QVERIFY(w.form->Renderer()->Texture != 0 || !texture);
        // Without a picture the load says so.
        QCOMPARE(w.boxes.texts(), texture ? QStringList() : QStringList{BackgroundErrorMessage});
        // F2 during that game shows the options still in their warning layout.
        w.Key(Qt::Key_F2);
        QVERIFY(w.form->MenuOptions->isVisible());
        QCOMPARE(w.form->MenuOptions->InWarningLayout(), warning);
    } else {
        QVERIFY(!w.form->tmrGame->isActive());
        QVERIFY(w.Stopped());
        QVERIFY(w.boxes.boxes.isEmpty());
    }
    // "&Continuer" always restores the normal layout.
    QTest::mouseClick(w.form->MenuOptions->MenuOptionsOK, Qt::LeftButton);
    QVERIFY(!w.form->MenuOptions->InWarningLayout());
    QCOMPARE(w.form->MenuPrincipal->isVisible(), !starts);
}

void PlayTest::ArrowKeysSteerWhateverTheModifiers()
{
    GameWindow w;
    w.Open();
    w.form->MenuOptions->Speed->setValue(9);  // 450 ms: room for keys between steps
    w.Play();
    QVERIFY(GameRunning);
    Donut = {2, 2};  // out of the way
    // A key is handled as it arrives, before any step can run.
    const Cell start = Snake.Head;
    w.Key(Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(Snake.Direction, uint8_t(DirUp));
    QVERIFY(!TurnAllowed);
    w.Key(Qt::Key_Left);  // one turn per step: dropped
    QCOMPARE(Snake.Direction, uint8_t(DirUp));
    QVERIFY(NextStep(start));
    QCOMPARE(Snake.Head, (Cell{start.X, start.Y + 1}));
    QCOMPARE(Snake.Body[0], start);

    const Cell from = Snake.Head;
    w.Key(Qt::Key_Left, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(Snake.Direction, uint8_t(DirLeft));
    QVERIFY(NextStep(from));
    QCOMPARE(Snake.Head, (Cell{from.X - 1, from.Y}));
    w.Key(Qt::Key_Right);  // straight back: refused, the turn stays allowed
    QCOMPARE(Snake.Direction, uint8_t(DirLeft));
    QVERIFY(TurnAllowed);
    w.Key(Qt::Key_A);  // not a game key
    QVERIFY(TurnAllowed);
    QVERIFY(GameRunning);
}

void PlayTest::WallEndsTheGame()
{
    GameWindow w;
    w.Open();
    w.form->MenuOptions->Speed->setValue(0);
    w.Play();
    Donut = {2, 2};
    QVERIFY(w.Drawing());
    QTRY_VERIFY_WITH_TIMEOUT(!GameRunning, 5000);
    QCOMPARE(Snake.Head, (Cell{15, 6}));  // stopped on its last cell
    QVERIFY(w.form->GameOver->isVisible() && w.form->GameOver->isEnabled());
    QVERIFY(!w.form->tmrGame->isActive() && !w.form->tmrAnimate->isActive());
    QCOMPARE(w.form->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(w.Stopped());
    // The game keys are gone with the game.
    w.Key(Qt::Key_Escape);
    QVERIFY(!w.form->MenuPause->isVisible());
    QVERIFY(!GamePaused);
}

void PlayTest::SnakeWaitsWhileAnErrorBoxIsOpen()
{
    GameWindow w;
    w.boxes.answerAfterMs = 1000;
    w.Open();
    w.form->MenuOptions->Speed->setValue(0);  // 50 ms: the wall is 350 ms away
    w.Choose(true, false);  // no picture: the first frame's load fails
    QTest::mouseClick(w.form->MenuPrincipal->BtnJouer, Qt::LeftButton);
    QTRY_COMPARE(w.boxes.texts(), QStringList{BackgroundErrorMessage});
    QVERIFY(GameRunning);
    QVERIFY(Snake.Head.X < 12);
    // Answered, the game goes on to the wall.
    QTRY_VERIFY(!GameRunning);
    QCOMPARE(Snake.Head, (Cell{15, 6}));
    QCOMPARE(w.boxes.boxes.size(), 1);
}

void PlayTest::BiteEndsTheGame()
{
    GameWindow w;
    w.Open();
    w.form->MenuOptions->Speed->setValue(9);
    w.Play();
    Donut = {2, 2};
    w.Key(Qt::Key_Up);
    QVERIFY(NextStep({8, 6}));
    w.Key(Qt::Key_Left);
    QVERIFY(NextStep({8, 7}));
    w.Key(Qt::Key_Down);  // into its own body at (7, 6)
    QTRY_VERIFY(!GameRunning);
    QCOMPARE(Snake.Head, (Cell{7, 6}));
    QVERIFY(w.form->GameOver->isVisible());
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
    w.form->MenuOptions->Speed->setValue(5);  // 5 points a donut
    w.Play();
    Donut = {9, 6};  // eaten at the first step, paid at the second
    QTRY_COMPARE(Score, 5);
    Donut = {2, 2};  // the next one out of the way
    QTRY_VERIFY_WITH_TIMEOUT(!GameRunning, 5000);
    QCOMPARE(Score, 5);
    QCOMPARE(BestScore, best);
    QCOMPARE(w.form->MenuScores->ScoreNb->text(), QString("5"));
    QCOMPARE(w.form->MenuScores->TopScoreNb->text(), QString::number(best));

    QTest::mouseClick(w.form->GameOver->GameOverOK, Qt::LeftButton);
    QVERIFY(!w.form->GameOver->isVisible());
    QVERIFY(w.form->MenuScores->isVisible() && w.form->MenuScores->isEnabled());
    w.game.write(ScoresFileTail, "");
    // The mnemonic of "&Continuer" (the button shows itself pressed first).
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    QTest::keyClick(w.form->windowHandle(), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!w.form->MenuScores->isVisible());
    QVERIFY(w.form->MenuPrincipal->isVisible());
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

void PlayTest::SpeedSetsTheStepInterval()
{
    GameWindow w;
    w.Open();
    const int expected[] = {50, 50, 100, 150, 200, 250, 300, 350, 400, 450};
    for (int p : {9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
        w.form->MenuOptions->Speed->setValue(p);
        QCOMPARE(w.form->tmrGame->interval(), expected[p]);
    }
    // A running game takes the new interval at once.
    w.Play();
    w.form->MenuOptions->Speed->setValue(2);
    QVERIFY(w.form->tmrGame->isActive());
    QCOMPARE(w.form->tmrGame->interval(), 100);
}
