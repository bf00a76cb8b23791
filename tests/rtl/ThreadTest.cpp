#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Thread.h"

namespace {

class FnThread : public TThread
{
public:
    explicit FnThread(std::function<void(FnThread&)> body, bool suspended = true)
        : TThread(suspended), body_(std::move(body)) {}
    ~FnThread() override
    {
        Terminate();
        if (!FreeOnTerminate)
            WaitFor();
    }
    using TThread::Synchronize;
    using TThread::Terminated;

protected:
    void Execute() override { body_(*this); }

private:
    std::function<void(FnThread&)> body_;
};

// A stand-in for the window layer's event loop: posted calls wait here until
// the test pumps them on the main thread.
struct TestPump
{
    std::mutex m;
    std::deque<std::function<void()>> calls;
    std::atomic<int> posted{0};
    TestPump()
    {
        SetMainThreadPoster([this](std::function<void()> f) {
            std::lock_guard<std::mutex> lock(m);
            calls.push_back(std::move(f));
            ++posted;
        });
    }
    ~TestPump() { SetMainThreadPoster(nullptr); }
    bool RunOne()
    {
        std::function<void()> f;
        {
            std::lock_guard<std::mutex> lock(m);
            if (calls.empty())
                return false;
            f = std::move(calls.front());
            calls.pop_front();
        }
        f();
        return true;
    }
    // Pumps until cond holds (or 5 s pass).
    template <class C> bool RunUntil(C cond)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!cond() && std::chrono::steady_clock::now() < end)
            if (!RunOne())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return cond();
    }
};

} // namespace

TEST(Thread, SynchronizeRunsInTheMainThreadThroughThePoster)
{
    ASSERT_TRUE(IsMainThread());
    TestPump pump;
    std::thread::id ranIn;
    std::atomic<bool> back{false};
    FnThread t([&](FnThread& self) {
        EXPECT_FALSE(IsMainThread());
        self.Synchronize([&] { ranIn = std::this_thread::get_id(); });
        back = true;   // only after the call ran
    });
    t.Start();
    ASSERT_TRUE(pump.RunUntil([&] { return back.load(); }));
    EXPECT_EQ(ranIn, std::this_thread::get_id());
    EXPECT_GE(pump.posted.load(), 1);
    t.WaitFor();
}

TEST(Thread, OnTerminateRunsInTheMainThreadAndWaitForNeverDeadlocks)
{
    // No poster: WaitFor itself pumps the calls the worker waits on.
    std::thread::id terminatedIn;
    int syncs = 0;
    FnThread t([&](FnThread& self) {
        for (int i = 0; i < 3; ++i)
            self.Synchronize([&] { ++syncs; });
        self.ReturnValue = 42;
    });
    t.OnTerminate = [&](TThread* th) {
        terminatedIn = std::this_thread::get_id();
        EXPECT_EQ(th, &t);
    };
    t.Start();
    EXPECT_EQ(t.WaitFor(), 42);
    EXPECT_EQ(syncs, 3);
    EXPECT_EQ(terminatedIn, std::this_thread::get_id());
    EXPECT_TRUE(t.Finished());
}

TEST(Thread, WaitForPumpsEvenWithAPosterInstalled)
{
    TestPump pump;   // never pumped by the test itself
    bool ran = false;
    FnThread t([&](FnThread& self) { self.Synchronize([&] { ran = true; }); });
    t.Start();
    t.WaitFor();
    EXPECT_TRUE(ran);
}

TEST(Thread, SynchronizeOnTheMainThreadRunsDirectly)
{
    bool ran = false;
    TThread::Synchronize(nullptr, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(CheckSynchronize());
}

TEST(Thread, ExceptionsAreKept)
{
    FnThread t([](FnThread&) { throw EConvertError("mauvais nombre"); });
    t.Start();
    t.WaitFor();
    EXPECT_EQ(t.FatalException, "mauvais nombre");

    // An exception of a synchronized call comes back in the worker.
    std::string caught;
    FnThread u([&](FnThread& self) {
        try {
            self.Synchronize([] { throw EAbort("stop"); });
        } catch (const EAbort& e) {
            caught = e.Message;
        }
    });
    u.Start();
    u.WaitFor();
    EXPECT_EQ(caught, "stop");
    EXPECT_EQ(u.FatalException, "");
}

TEST(Thread, TerminateIsSeenByExecuteAndTheDestructorJoins)
{
    std::atomic<bool> running{false};
    std::atomic<bool> left{false};
    {
        FnThread t([&](FnThread& self) {
            running = true;
            while (!self.Terminated())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            left = true;
        });
        t.Start();
        while (!running)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(left);
}

TEST(Thread, FreeOnTerminateDeletesTheObject)
{
    static std::atomic<int> destroyed{0};
    struct Counted : FnThread
    {
        using FnThread::FnThread;
        ~Counted() override { ++destroyed; }
    };
    bool terminated = false;
    auto* t = new Counted([](FnThread&) {});
    t->FreeOnTerminate = true;
    t->OnTerminate = [&](TThread*) { terminated = true; };
    t->Start();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (destroyed == 0 && std::chrono::steady_clock::now() < end)
        CheckSynchronize(5);
    EXPECT_TRUE(terminated);
    EXPECT_EQ(destroyed.load(), 1);
}

TEST(Thread, NotSuspendedStartsOnTheNextPumpOrAtWaitFor)
{
    std::atomic<int> runs{0};
    {
        FnThread t([&](FnThread&) { ++runs; }, false);
        EXPECT_FALSE(t.Finished());
        EXPECT_EQ(runs.load(), 0);
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!t.Finished() && std::chrono::steady_clock::now() < end)
            CheckSynchronize(5);
        EXPECT_EQ(runs.load(), 1);
    }
    {
        FnThread t([&](FnThread&) { ++runs; }, false);
        t.WaitFor();
        EXPECT_EQ(runs.load(), 2);
    }
    CheckSynchronize();   // the second one's posted start finds it gone
    {
        FnThread never([&](FnThread&) { ++runs; }, true);   // never started: nothing to wait for
        EXPECT_EQ(never.WaitFor(), 0);
    }
    EXPECT_EQ(runs.load(), 2);
}

TEST(Thread, QueueDoesNotWait)
{
    std::atomic<bool> queued{false};
    int value = 0;
    FnThread t([&](FnThread& self) {
        TThread::Queue(&self, [&] { value = 7; });
        queued = true;
    });
    t.Start();
    while (!queued)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(value, 0);
    t.WaitFor();
    CheckSynchronize();
    EXPECT_EQ(value, 7);
}
