// The render thread's life: frames handed to the user-interface thread,
// suspension, release and destruction in every state.
#include <QElapsedTimer>
#include <QSignalSpy>

#include "SceneFixture.h"

namespace zorbil {
namespace {

using Lifecycle = test::SceneFixture;

// Runs the event loop until n more frames were presented, or 10 s passed.
bool WaitForFrames(QSignalSpy& frames, int n)
{
    const qsizetype target = frames.count() + n;
    QElapsedTimer clock;
    clock.start();
    while (frames.count() < target && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return frames.count() >= target;
}

TEST_F(Lifecycle, CreatedSuspendedDrawsNothingUntilResumed)
{
    QSignalSpy frames(form.get(), &TCGForm::frameSwapped);
    renderer->FreeScene();
    auto fresh = std::make_unique<TWRenderer>(*form, [] { return std::string(); }, [](const std::string&) {});
    QTest::qWait(50);
    EXPECT_FALSE(fresh->isRunning());
    EXPECT_EQ(frames.count(), 0);
    fresh->SetupScene();
    fresh->Resume();
    EXPECT_TRUE(WaitForFrames(frames, 3));
    fresh->Suspend();
    fresh->FreeScene();
}

TEST_F(Lifecycle, PlayingThenStoppedThenPlayingAgain)
{
    QSignalSpy frames(form.get(), &TCGForm::frameSwapped);
    renderer->Resume();
    ASSERT_TRUE(WaitForFrames(frames, 5));

    renderer->Suspend();
    renderer->FreeScene();
    renderer->FreeScene();  // a second release does nothing
    EXPECT_EQ(form->RC(), nullptr);
    // At most the one request already queued runs, and it draws nothing.
    const qsizetype stopped = frames.count();
    QTest::qWait(100);
    EXPECT_EQ(frames.count(), stopped);

    renderer->SetupScene();
    renderer->Resume();
    EXPECT_TRUE(WaitForFrames(frames, 5));
}

TEST_F(Lifecycle, DestroyedWhileSuspendedReturnsAtOnce)
{
    QSignalSpy frames(form.get(), &TCGForm::frameSwapped);
    renderer->Resume();
    ASSERT_TRUE(WaitForFrames(frames, 2));
    renderer->Suspend();
    renderer->FreeScene();
    QElapsedTimer clock;
    clock.start();
    renderer.reset();
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(Lifecycle, DestroyedWhilePlayingStopsAfterTheFrameInProgress)
{
    QSignalSpy frames(form.get(), &TCGForm::frameSwapped);
    renderer->Resume();
    ASSERT_TRUE(WaitForFrames(frames, 2));
    // No event processing here: the thread is blocked in a queued frame
    // request that only the destructor can deliver.
    QElapsedTimer clock;
    clock.start();
    renderer.reset();
    EXPECT_LT(clock.elapsed(), 1000);
    const qsizetype after = frames.count();
    QTest::qWait(50);
    EXPECT_EQ(frames.count(), after);
}

}  // namespace
}  // namespace zorbil
