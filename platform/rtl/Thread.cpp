#include "platform/rtl/Thread.h"

#include <condition_variable>
#include <deque>
#include <exception>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

namespace {

std::atomic<std::thread::id> g_mainThread{std::this_thread::get_id()};   // set before main() runs

std::mutex g_mutex;
std::condition_variable g_queued;
std::deque<std::function<void()>> g_queue;
TMainThreadPoster g_poster;

// Every call for the main thread waits in one queue; an installed poster is
// only asked to pump it. So a main thread blocked in WaitFor, which pumps the
// queue itself, never waits for its own event loop.
void PostToMain(std::function<void()> call)
{
    TMainThreadPoster poster;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_queue.push_back(std::move(call));
        poster = g_poster;
    }
    g_queued.notify_all();
    if (poster)
        poster([] { CheckSynchronize(0); });
}

} // namespace

struct TThread::StartGate
{
    std::mutex m;
    TThread* thread;
};

void SetMainThreadPoster(TMainThreadPoster poster)
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_poster = std::move(poster);
    }
    g_queued.notify_all();
}

void MarkMainThread()
{
    g_mainThread = std::this_thread::get_id();
}

bool IsMainThread()
{
    return std::this_thread::get_id() == g_mainThread.load();
}

bool CheckSynchronize(int timeoutMs)
{
    if (!IsMainThread())
        return false;
    std::deque<std::function<void()>> calls;
    {
        std::unique_lock<std::mutex> lock(g_mutex);
        if (g_queue.empty() && timeoutMs > 0)
            g_queued.wait_for(lock, std::chrono::milliseconds(timeoutMs), [] { return !g_queue.empty(); });
        calls.swap(g_queue);
    }
    // Every call runs; the first exception of a queued call goes on afterwards.
    std::exception_ptr first;
    for (auto& call : calls) {
        try {
            call();
        } catch (...) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
    return !calls.empty();
}

// ---- Synchronize and Queue -------------------------------------------------------

void TThread::Synchronize(TThread*, const std::function<void()>& method)
{
    if (IsMainThread()) {
        method();
        return;
    }
    struct Call
    {
        std::mutex m;
        std::condition_variable cv;
        bool done = false;
        std::exception_ptr error;
    };
    auto call = std::make_shared<Call>();
    PostToMain([call, &method] {
        try {
            method();
        } catch (...) {
            call->error = std::current_exception();
        }
        {
            std::lock_guard<std::mutex> lock(call->m);
            call->done = true;
        }
        call->cv.notify_all();
    });
    std::unique_lock<std::mutex> lock(call->m);
    call->cv.wait(lock, [&] { return call->done; });
    if (call->error)
        std::rethrow_exception(call->error);   // raised again in the calling thread
}

void TThread::Queue(TThread*, const std::function<void()>& method)
{
    if (IsMainThread()) {
        method();
        return;
    }
    PostToMain(method);
}

// ---- TThread ---------------------------------------------------------------------

TThread::TThread(bool createSuspended) : gate_(std::make_shared<StartGate>())
{
    gate_->thread = this;
    if (!createSuspended) {
        autoStart_ = true;
        PostToMain([gate = gate_] {
            std::lock_guard<std::mutex> lock(gate->m);
            if (gate->thread)
                gate->thread->Start();
        });
    }
}

TThread::~TThread()
{
    {
        std::lock_guard<std::mutex> lock(gate_->m);
        gate_->thread = nullptr;
    }
    if (!thread_.joinable())
        return;
    if (thread_.get_id() == std::this_thread::get_id()) {
        thread_.detach();   // FreeOnTerminate: the thread deletes its own object
        return;
    }
    Terminate();
    if (IsMainThread())
        while (!finished_)
            CheckSynchronize(5);
    thread_.join();
}

void TThread::Start()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (started_)
        return;
    started_ = true;
    thread_ = std::thread([this] { Run(); });
}

void TThread::Run()
{
    try {
        Execute();
    } catch (const Exception& e) {
        FatalException = e.Message.empty() ? std::string("Exception") : e.Message;
    } catch (const std::exception& e) {
        FatalException = e.what();
    } catch (...) {
        FatalException = "Exception inconnue";
    }
    const bool freeIt = FreeOnTerminate;
    if (OnTerminate) {
        try {
            Synchronize(this, [this] { OnTerminate(this); });
        } catch (const std::exception& e) {
            if (FatalException.empty())
                FatalException = e.what();
        } catch (...) {
            if (FatalException.empty())
                FatalException = "Exception inconnue";
        }
    }
    finished_ = true;
    if (freeIt)
        delete this;
}

int TThread::WaitFor()
{
    if (FreeOnTerminate)
        throw EThread(L1("WaitFor impossible sur un thread qui se libère seul"));
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (started_ && thread_.get_id() == std::this_thread::get_id())
            throw EThread(L1("Un thread ne peut pas s'attendre lui-même"));
    }
    if (!started_) {
        if (!autoStart_)
            return ReturnValue;   // never started: nothing to wait for
        Start();
    }
    if (IsMainThread())
        while (!finished_)
            CheckSynchronize(5);   // runs the worker's Synchronize calls meanwhile
    std::lock_guard<std::mutex> lock(mutex_);
    if (thread_.joinable())
        thread_.join();
    return ReturnValue;
}
