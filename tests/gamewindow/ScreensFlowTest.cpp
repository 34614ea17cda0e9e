// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreensFlowTest.h"

#include "GameWindowFixture.h"
#include "config/Settings.h"
#include "screens/ScoresFile.h"

using namespace zorbil;
using zorbil::test::GameWindow;

namespace {

struct Moment {
    TSnake snake = Snake;
    int32_t score = Score;
};

void CompareSnakes(const Moment& m)
{
    QCOMPARE(Snake.Head, m.snake.Head);
    QCOMPARE(Snake.Direction, m.snake.Direction);
    QCOMPARE(Snake.Length, m.snake.Length);
    QVERIFY(Snake.Body == m.snake.Body);
    QCOMPARE(Score, m.score);
}

// A click on a file list's entry, as the player picks a file.
void Pick(FileList* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QCOMPARE(list->currentRow(), row);
}

// A game at 300 ms a step, its first picture loaded.
void StartPlaying(GameWindow& w)
{
    w.form->MenuOptions->Speed->setValue(6);
    w.Play();
    Donut = {2, 2};
    QVERIFY(w.Drawing());
    QTRY_VERIFY(!w.Exists("/Data/Temp.dat"));
}

}  // namespace

void ScreensFlowTest::PauseAndContinueKeepTheGame()
{
    GameWindow w;
    w.Open();
    StartPlaying(w);
    w.Key(Qt::Key_Up);
    Score = 12;
    w.Key(Qt::Key_Right);  // taken after the next step only
    QTRY_VERIFY(TurnAllowed);
    w.Key(Qt::Key_Escape);
    QVERIFY(GamePaused);
    QVERIFY(w.form->MenuPause->isVisible() && w.form->MenuPause->isEnabled());
    QVERIFY(!w.form->tmrGame->isActive());
    QVERIFY(w.form->tmrAnimate->isActive());  // the donut spins on
    QVERIFY(w.Stopped());
    QVERIFY(w.OnScreen(w.form->MenuPause));
    const Moment paused;
    QTest::qWait(400);  // longer than a step
    CompareSnakes(paused);

    QTest::mouseClick(w.form->MenuPause->MenuPauseContinuer, Qt::LeftButton);
    QVERIFY(!GamePaused);
    QVERIFY(!w.form->MenuPause->isVisible());
    QVERIFY(w.form->tmrGame->isActive());
    CompareSnakes(paused);
    // The new drawing context gets its picture again.
    QVERIFY(w.Drawing());
    QTRY_VERIFY(!w.Exists("/Data/Temp.dat"));
    QVERIFY(w.form->Renderer()->Texture != 0);
    QTRY_VERIFY(!(Snake.Head == paused.snake.Head) || !GameRunning);
    QCOMPARE(Score, 12);
}

void ScreensFlowTest::PauseAndQuitEndsTheGameOnce()
{
    GameWindow w(true);
    w.Open();
    StartPlaying(w);
    w.Key(Qt::Key_Escape);
    DonutEaten = true;  // the head had just reached a donut
    Score = 12;
    w.recording.calls.clear();
    QTest::mouseClick(w.form->MenuPause->MenuPauseQuitter, Qt::LeftButton);
    QVERIFY(!GameRunning && !GamePaused);
    QVERIFY(!w.form->MenuPause->isVisible());
    QVERIFY(w.form->GameOver->isVisible());
    QVERIFY(!w.form->tmrGame->isActive() && !w.form->tmrAnimate->isActive());
    QVERIFY(w.Stopped());
    QVERIFY(w.OnScreen(w.form->GameOver));
    // As a wall ends it: the best score and both labels, the game-over sound
    // over the game music, which goes on.
    QCOMPARE(BestScore, 12);
    QCOMPARE(w.form->MenuScores->ScoreNb->text(), QString("12"));
    QCOMPARE(w.form->MenuScores->TopScoreNb->text(), QString("12"));
    QCOMPARE(w.recording.calls.size(), size_t(2));
    QCOMPARE(w.recording.calls[0], "StreamOpenFile(" + w.game.file(OverSoundTail) + ",0x2000,512)");
    QVERIFY(w.recording.calls[1].starts_with("StreamPlay(-1,"));

    // The next game owes nothing to the last one and runs as usual.
    QTest::mouseClick(w.form->GameOver->GameOverOK, Qt::LeftButton);
    QTest::mouseClick(w.form->MenuScores->MenuScoresOK, Qt::LeftButton);
    w.form->MenuOptions->Speed->setValue(0);
    QTest::mouseClick(w.form->MenuPrincipal->BtnJouer, Qt::LeftButton);
    QVERIFY(!DonutEaten);
    QCOMPARE(Score, 0);
    Donut = {2, 2};
    QVERIFY(w.Drawing());
    QTRY_VERIFY_WITH_TIMEOUT(!GameRunning, 5000);
    QCOMPARE(Snake.Head, (Cell{15, 6}));
    QVERIFY(w.form->GameOver->isVisible());
    QVERIFY(w.boxes.boxes.isEmpty());
}

void ScreensFlowTest::HelpOptionsScoresDuringPlayAndBack()
{
    GameWindow w;
    w.Open();
    StartPlaying(w);
    const QString music = w.form->MenuOptions->ModList->FileName();
    Score = 7;
    struct Screen {
        Qt::Key key;
        ScreenPanel* panel;
        FlatButton* cont;
    } screens[] = {
        {Qt::Key_F1, w.form->MenuAide, w.form->MenuAide->MenuAideOK},
        {Qt::Key_F2, w.form->MenuOptions, w.form->MenuOptions->MenuOptionsOK},
        {Qt::Key_F3, w.form->MenuScores, w.form->MenuScores->MenuScoresOK},
    };
    for (const Screen& s : screens) {
        QTRY_VERIFY(TurnAllowed);
        w.Key(s.key);
        QVERIFY2(s.panel->isVisible() && s.panel->isEnabled(), qPrintable(s.panel->objectName()));
        QVERIFY(!w.form->tmrGame->isActive());
        QVERIFY(!GamePaused);
        QVERIFY(w.Stopped());
        QVERIFY(w.OnScreen(s.panel));
        const Moment open;
        QTest::qWait(350);
        CompareSnakes(open);
        QTest::mouseClick(s.cont, Qt::LeftButton);
        QVERIFY(!s.panel->isVisible());
        QVERIFY(!w.form->MenuPrincipal->isVisible());
        QVERIFY(w.form->tmrGame->isActive());
        QVERIFY(w.Drawing());
        QTRY_VERIFY(!w.Exists("/Data/Temp.dat"));
    }
    QCOMPARE(QString::fromStdString(MusicBeforeOptions), music);
    QCOMPARE(w.form->MenuScores->ScoreNb->text(), QString("7"));
    QVERIFY(GameRunning);
    // Leaving the scores during a game also saved the best score as it was.
    QCOMPARE(w.game.read(ScoresFileTail), std::string(4, '\0'));
}

void ScreensFlowTest::OptionsSwitchTheMusicOnlyWhenItChanged()
{
    GameWindow w(true);
    w.Open();
    StartPlaying(w);
    w.form->MenuOptions->Speed->setValue(9);  // far from the wall for the whole test
    FileList* musics = w.form->MenuOptions->ModList;

    // Another music, then the same one again, and another picture.
    w.Key(Qt::Key_F2);
    w.recording.calls.clear();
    Pick(musics, 1);
    Pick(musics, 0);
    Pick(w.form->MenuOptions->TexList, 0);
    QTest::mouseClick(w.form->MenuOptions->MenuOptionsOK, Qt::LeftButton);
    QVERIFY(w.Drawing());
    QTRY_VERIFY(!w.Exists("/Data/Temp.dat"));  // the picture is loaded
    QVERIFY(w.recording.calls.empty());

    // Another music: it takes over, a stream looping.
    QTRY_VERIFY(TurnAllowed);
    w.Key(Qt::Key_F2);
    Pick(musics, 1);
    QTest::mouseClick(w.form->MenuOptions->MenuOptionsOK, Qt::LeftButton);
    const std::string other = w.game.file("/Musiques/rapide.mus");
    QCOMPARE(w.recording.calls.size(), size_t(7));
    QCOMPARE(w.recording.calls[3], "LoadSong(" + other + ")");
    QCOMPARE(w.recording.calls[4], "StreamOpenFile(" + other + ",0x2,512)");
}

void ScreensFlowTest::ArrowKeysReachTheOpenScreensControl()
{
    GameWindow w;
    w.Open();
    StartPlaying(w);
    QTRY_VERIFY(TurnAllowed);
    w.Key(Qt::Key_F2);
    FileList* musics = w.form->MenuOptions->ModList;
    musics->setFocus(Qt::TabFocusReason);
    QCOMPARE(w.form->focusWidget(), static_cast<QWidget*>(musics));
    // The game's key handler turns the snake and lets the key go on.
    w.Key(Qt::Key_Down);
    QCOMPARE(Snake.Direction, uint8_t(DirDown));
    QCOMPARE(musics->currentRow(), 1);
    QCOMPARE(musics->FileName(), QString::fromStdString(w.game.file("/Musiques/rapide.mus")));
    // One turn per step: the handler drops this one, the list still has it.
    w.Key(Qt::Key_Up);
    QCOMPARE(Snake.Direction, uint8_t(DirDown));
    QCOMPARE(musics->currentRow(), 0);
}

void ScreensFlowTest::ScreenKeysAreIgnoredWhileAScreenIsOpen()
{
    GameWindow w;
    w.Open();
    // Outside a game the keys do nothing of the game's.
    w.Key(Qt::Key_Escape);
    w.Key(Qt::Key_F3);
    QVERIFY(!w.form->MenuPause->isVisible() && !w.form->MenuScores->isVisible());

    StartPlaying(w);
    w.Key(Qt::Key_F1);
    QVERIFY(w.form->MenuAide->isVisible());
    for (Qt::Key k : {Qt::Key_Escape, Qt::Key_F2, Qt::Key_F3, Qt::Key_F1})
        w.Key(k);
    QVERIFY(!GamePaused);
    QVERIFY(!w.form->MenuPause->isVisible());
    QVERIFY(!w.form->MenuOptions->isVisible());
    QVERIFY(!w.form->MenuScores->isVisible());
    // An arrow still turns the snake, for the first step after the return.
    w.Key(Qt::Key_Down);
    QCOMPARE(Snake.Direction, uint8_t(DirDown));
    const Cell head = Snake.Head;
    QTest::mouseClick(w.form->MenuAide->MenuAideOK, Qt::LeftButton);
    QTRY_VERIFY(!(Snake.Head == head));
    QCOMPARE(Snake.Head, (Cell{head.X, head.Y - 1}));
    QVERIFY(w.Drawing());
}

void ScreensFlowTest::MenuScreensComeBackToTheMainMenu()
{
    GameWindow w;
    w.Open();
    struct Screen {
        FlatButton* open;
        ScreenPanel* panel;
        FlatButton* cont;
        bool signal;
    } screens[] = {
        {w.form->MenuPrincipal->BtnAide, w.form->MenuAide, w.form->MenuAide->MenuAideOK, false},
        {w.form->MenuPrincipal->BtnOptions, w.form->MenuOptions, w.form->MenuOptions->MenuOptionsOK, true},
        {w.form->MenuPrincipal->BtnScores, w.form->MenuScores, w.form->MenuScores->MenuScoresOK, true},
    };
    for (const Screen& s : screens) {
        std::filesystem::remove(w.game.file("/Data/Temp.dat"));
        QTest::mouseClick(s.open, Qt::LeftButton);
        QVERIFY(s.panel->isVisible() && s.panel->isEnabled());
        QVERIFY(w.form->MenuPrincipal->isVisible());  // underneath
        QVERIFY(!w.form->MenuPrincipal->BtnJouer->underMouse());
        QTest::mouseClick(s.cont, Qt::LeftButton);
        QVERIFY(!s.panel->isVisible() && !s.panel->isEnabled());
        QVERIFY(w.form->MenuPrincipal->isVisible());
        QCOMPARE(w.Exists("/Data/Temp.dat"), s.signal);
    }
    // The scores screen from the menu shows 0 and the loaded best, and saves.
    QCOMPARE(w.form->MenuScores->ScoreNb->text(), QString("0"));
    QCOMPARE(w.game.read(ScoresFileTail), std::string(4, '\0'));
    QVERIFY(!GameRunning);
    QVERIFY(w.Stopped());
}

void ScreensFlowTest::OptionsAreSaved()
{
    GameWindow w;
    w.Open();
    QTest::mouseClick(w.form->MenuPrincipal->BtnOptions, Qt::LeftButton);
    w.form->MenuOptions->Speed->setValue(2);
    w.form->MenuOptions->SonAct->setChecked(false);
    QTest::mouseClick(w.form->MenuOptions->MenuOptionsOK, Qt::LeftButton);
    GameOptions saved{};
    QVERIFY(ReadOptions(w.game.file(ConfigFileTail), saved));
    QCOMPARE(saved.Speed, 2);
    QCOMPARE(saved.SonAct, 0);
    QCOMPARE(saved.MusAct, 1);
    QVERIFY(w.boxes.boxes.isEmpty());

    // A new run starts with what was saved.
    GameWindow again;
    again.game.write(ConfigFileTail, w.game.read(ConfigFileTail));
    w.form.reset();
    again.Open();
    QCOMPARE(again.form->MenuOptions->Speed->value(), 2);
    QCOMPARE(again.form->tmrGame->interval(), 100);
    QVERIFY(!again.form->EffectsOn());
    QVERIFY(again.form->MusicOn());
}

void ScreensFlowTest::FailedWritesAreReportedAndTheScreensGoOn()
{
    GameWindow w;
    w.Open();
    w.game.write(ScoresFileTail, std::string("\x07\0\0\0", 4));
    std::filesystem::rename(w.game.path() / "Data", w.game.path() / "Data.away");

    QTest::mouseClick(w.form->MenuPrincipal->BtnOptions, Qt::LeftButton);
    QTest::mouseClick(w.form->MenuOptions->MenuOptionsOK, Qt::LeftButton);
    QTRY_COMPARE(w.boxes.texts(),
                 (QStringList{SaveErrorMessage, "Impossible de travailler sur le disque dur. Vérifiez qu'il n'est pas "
                                                "plein ou protégé en écriture."}));
    QVERIFY(w.form->MenuPrincipal->isVisible() && !w.form->MenuOptions->isVisible());

    w.boxes.boxes.clear();
    QTest::mouseClick(w.form->MenuPrincipal->BtnScores, Qt::LeftButton);
    QTest::mouseClick(w.form->MenuScores->MenuScoresOK, Qt::LeftButton);
    QCOMPARE(w.boxes.texts(), QStringList{SaveErrorMessage});  // one box for the whole block
    QVERIFY(w.form->MenuPrincipal->isVisible() && !w.form->MenuScores->isVisible());

    // A game without its signal file runs on without a picture.
    w.boxes.boxes.clear();
    w.Play();
    QCOMPARE(w.boxes.texts(), QStringList{"Impossible d'écrire sur le disque. Vérifiez qu'il n'est pas plein ou "
                                          "protégé en écriture."});
    QVERIFY(GameRunning);
    QVERIFY(w.Drawing());

    // The old score file was not touched by the failed saves.
    std::filesystem::rename(w.game.path() / "Data.away", w.game.path() / "Data");
    QCOMPARE(w.game.read(ScoresFileTail), std::string("\x07\0\0\0", 4));
}
