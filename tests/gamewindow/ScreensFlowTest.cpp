// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameWindowTests.h"

#include "GameWindowFixture.h"
#include "config/Settings.h"
#include "screens/ScoresFile.h"

using namespace zorbil;
using zorbil::test::GameWindow;
using zorbil::test::Screen;

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

// A game at speed 6, its first picture shown and one donut eaten: 4 points.
void StartPlaying(GameWindow& w)
{
    w.StartGame(6);
    QVERIFY(w.Drawing());
    QVERIFY(w.PictureLoaded());
    w.PutDonut({9, 6});
    QVERIFY(w.NextStep());
    QVERIFY(w.NextStep());
    QCOMPARE(Score, 4);
    w.PutDonut({2, 2});
}

}  // namespace

void ScreensFlowTest::PauseAndQuitEndsTheGameOnce()
{
    GameWindow w(true);
    w.Open();
    StartPlaying(w);
    w.PutDonut({11, 6});
    QVERIFY(w.NextStep());
    QVERIFY(DonutEaten);  // the head has just reached a donut, not yet paid
    w.Open(Screen::Pause);
    w.recording.calls.clear();
    w.QuitGame();
    QVERIFY(!GameRunning && !GamePaused);
    QCOMPARE(w.Screens(), QList{Screen::GameOver});
    QVERIFY(!w.Stepping() && !w.Spinning());
    QVERIFY(w.Stopped());
    QVERIFY(w.OnScreen(Screen::GameOver));
    // As a wall ends it: the best score and both labels, the game-over sound
    // over the game music, which goes on.
    QCOMPARE(BestScore, 4);
    QCOMPARE(w.ScoreShown(), QString("4"));
    QCOMPARE(w.BestShown(), QString("4"));
    QCOMPARE(w.recording.calls.size(), size_t(2));
    QCOMPARE(w.recording.calls[0], "StreamOpenFile(" + w.game.file(OverSoundTail) + ",0x2000,512)");
    QVERIFY(w.recording.calls[1].starts_with("StreamPlay(-1,"));

    // The next game owes nothing to the last one and runs as usual.
    w.Continue();
    w.Continue();
    w.StartGame(0);
    QVERIFY(!DonutEaten);
    QCOMPARE(Score, 0);
    QVERIFY(w.Drawing());
    QVERIFY(w.NextStep());
    QCOMPARE(Snake.Head, (Cell{9, 6}));
    QVERIFY(w.boxes.boxes.isEmpty());
}

// Each screen a key opens during play stops the game where it is, the
// donut spinning on, and gives it back as it was, its picture drawn again.
void ScreensFlowTest::ScreensDuringPlayKeepTheGame()
{
    GameWindow w;
    w.Open();
    StartPlaying(w);
    w.Key(Qt::Key_Up);
    QVERIFY(w.NextStep());
    for (Screen s : {Screen::Pause, Screen::Help, Screen::Options, Screen::Scores}) {
        w.Open(s);
        QCOMPARE(w.Screens(), QList{s});
        QCOMPARE(GamePaused, s == Screen::Pause);
        QVERIFY(!w.Stepping() && w.Spinning());
        QVERIFY(w.Stopped());
        QVERIFY(w.OnScreen(s));
        const Moment open;
        w.Continue();
        QVERIFY(!GamePaused);
        CompareSnakes(open);
        QVERIFY(w.Screens().isEmpty());
        QVERIFY(w.Stepping());
        QVERIFY(w.Drawing());
        QVERIFY(w.PictureLoaded());
        QVERIFY(w.ShowsPicture(90));
        QVERIFY(w.NextStep());
        QCOMPARE(Snake.Head, (Cell{open.snake.Head.X, open.snake.Head.Y + 1}));
    }
    QCOMPARE(w.ScoreShown(), QString("4"));
    QVERIFY(GameRunning);
    // Leaving the scores during a game also saved the best score as it was.
    QCOMPARE(w.game.read(ScoresFileTail), std::string(4, '\0'));
}

void ScreensFlowTest::OptionsSwitchTheMusicOnlyWhenItChanged()
{
    GameWindow w(true);
    w.Open();
    w.StartGame(9);
    QVERIFY(w.Drawing());
    QVERIFY(w.PictureLoaded());

    // Another music, then the same one again, and another picture.
    w.Open(Screen::Options);
    w.recording.calls.clear();
    w.PickMusic(1);
    w.PickMusic(0);
    w.PickPicture(0);
    w.Continue();
    QVERIFY(w.Drawing());
    QVERIFY(w.PictureLoaded());
    QVERIFY(w.ShowsPicture(40));
    QVERIFY(w.recording.calls.empty());

    // Another music: it takes over, a stream looping.
    QVERIFY(w.NextStep());
    w.Open(Screen::Options);
    w.PickMusic(1);
    w.Continue();
    const std::string other = w.game.file("/Musiques/rapide.mus");
    QCOMPARE(w.recording.calls.size(), size_t(7));
    QCOMPARE(w.recording.calls[3], "LoadSong(" + other + ")");
    QCOMPARE(w.recording.calls[4], "StreamOpenFile(" + other + ",0x2,512)");
}

// While a screen is open, the screen keys do nothing; an arrow turns the
// snake for the first step after the return, and goes on to the screen's
// control.
void ScreensFlowTest::KeysWhileAScreenIsOpen()
{
    GameWindow w;
    w.Open();
    // Outside a game the keys do nothing of the game's.
    w.Key(Qt::Key_Escape);
    w.Key(Qt::Key_F3);
    QCOMPARE(w.Screens(), QList{Screen::MainMenu});

    w.StartGame(9);
    w.Open(Screen::Options);
    for (Qt::Key k : {Qt::Key_Escape, Qt::Key_F1, Qt::Key_F3, Qt::Key_F2})
        w.Key(k);
    QVERIFY(!GamePaused);
    QCOMPARE(w.Screens(), QList{Screen::Options});
    w.FocusMusicList();
    w.Key(Qt::Key_Down);
    QCOMPARE(Snake.Direction, uint8_t(DirDown));
    QCOMPARE(w.SelectedMusic(), w.game.file("/Musiques/rapide.mus"));
    // One turn per step: the handler drops this one, the list still has it.
    w.Key(Qt::Key_Up);
    QCOMPARE(Snake.Direction, uint8_t(DirDown));
    QCOMPARE(w.SelectedMusic(), w.game.file("/Musiques/calme.mus"));
    const Cell head = Snake.Head;
    w.Continue();
    QVERIFY(w.NextStep());
    QCOMPARE(Snake.Head, (Cell{head.X, head.Y - 1}));
    QVERIFY(w.Drawing());
}

void ScreensFlowTest::MenuScreensComeBackToTheMainMenu()
{
    GameWindow w;
    w.Open();
    for (auto [screen, signal] : {std::pair{Screen::Help, false}, {Screen::Options, true}, {Screen::Scores, true}}) {
        std::filesystem::remove(w.game.file("/Data/Temp.dat"));
        w.Open(screen);
        QCOMPARE(w.Screens(), (QList{Screen::MainMenu, screen}));  // over the menu
        QVERIFY(!w.form->MenuPrincipal->BtnJouer->underMouse());
        w.Continue();
        QCOMPARE(w.Screens(), QList{Screen::MainMenu});
        QCOMPARE(w.Exists("/Data/Temp.dat"), signal);
    }
    // The scores screen from the menu shows 0 and the loaded best, and saves.
    QCOMPARE(w.ScoreShown(), QString("0"));
    QCOMPARE(w.game.read(ScoresFileTail), std::string(4, '\0'));
    QVERIFY(!GameRunning);
    QVERIFY(w.Stopped());
}

void ScreensFlowTest::OptionsAreSavedGreyedOnesAsOff()
{
    GameWindow w;
    w.Open();
    w.Open(Screen::Options);
    w.SetSpeed(2);
    w.SetEffects(false);
    w.Continue();
    GameOptions saved{};
    QVERIFY(ReadOptions(w.game.file(ConfigFileTail), saved));
    QCOMPARE(saved.Speed, 2);
    QCOMPARE(saved.SonAct, 0);
    QCOMPARE(saved.MusAct, 1);
    QVERIFY(w.boxes.boxes.isEmpty());

    // Sound off at start-up: the boxes, both ticked, are greyed and cleared,
    // and saved so.
    w.SetEffects(true);
    test::SetUpSound(w.sound, *w.form, {.sonAct = 0});
    QVERIFY(w.SoundBoxesGreyed());
    QVERIFY(!w.form->EffectsOn() && !w.form->MusicOn());
    w.Open(Screen::Options);
    w.Continue();
    QVERIFY(ReadOptions(w.game.file(ConfigFileTail), saved));
    QCOMPARE(saved.SonAct, 0);
    QCOMPARE(saved.MusAct, 0);
}

void ScreensFlowTest::FailedWritesAreReportedAndTheScreensGoOn()
{
    GameWindow w;
    w.Open();
    w.game.write(ScoresFileTail, std::string("\x07\0\0\0", 4));
    std::filesystem::rename(w.game.path() / "Data", w.game.path() / "Data.away");

    w.Open(Screen::Options);
    w.Continue();
    QTRY_COMPARE(w.boxes.texts(),
                 (QStringList{SaveErrorMessage, "Impossible de travailler sur le disque dur. Vérifiez qu'il n'est pas "
                                                "plein ou protégé en écriture."}));
    QCOMPARE(w.Screens(), QList{Screen::MainMenu});

    w.boxes.boxes.clear();
    w.Open(Screen::Scores);
    w.Continue();
    QCOMPARE(w.boxes.texts(), QStringList{SaveErrorMessage});  // one box for the whole block
    QCOMPARE(w.Screens(), QList{Screen::MainMenu});

    // A game without its signal file runs on without a picture.
    w.boxes.boxes.clear();
    w.StartGame(5);
    QCOMPARE(w.boxes.texts(), QStringList{"Impossible d'écrire sur le disque. Vérifiez qu'il n'est pas plein ou "
                                          "protégé en écriture."});
    QVERIFY(GameRunning);
    QVERIFY(w.Drawing());

    // The old score file was not touched by the failed saves.
    std::filesystem::rename(w.game.path() / "Data.away", w.game.path() / "Data");
    QCOMPARE(w.game.read(ScoresFileTail), std::string("\x07\0\0\0", 4));
}
