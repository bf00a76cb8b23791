// TThread: a worker with Execute, Terminate, WaitFor, OnTerminate (run in the
// main thread) and Synchronize (runs a call in the main thread and waits).
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// The main thread's dispatcher: the window layer installs one that posts the
// call into its event loop; tests install a pump (CheckSynchronize). Without
// one, calls queue until CheckSynchronize() runs them on the main thread.
using TMainThreadPoster = std::function<void(std::function<void()>)>;
void SetMainThreadPoster(TMainThreadPoster poster);
void MarkMainThread();        // the calling thread becomes the main thread
bool IsMainThread();
// Runs the queued calls (main thread only); answers whether any ran.
bool CheckSynchronize(int timeoutMs = 0);

// C++ cannot start the thread from the base constructor (Execute is not yet
// callable then): a thread created with createSuspended == false starts on the
// main thread's next pump of queued calls (event loop or CheckSynchronize), or
// at Start()/WaitFor(), whichever comes first. A derived class whose Execute
// uses its own members calls Terminate() and WaitFor() in its destructor.
class TThread
{
public:
    explicit TThread(bool createSuspended);
    virtual ~TThread();   // terminates and waits when still running
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Start();          // Resume
    void Resume() { Start(); }
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    int WaitFor();         // answers ReturnValue; pumps queued calls when on the main thread
    bool Finished() const { return finished_; }
    int ReturnValue = 0;
    bool FreeOnTerminate = false;   // the thread object deletes itself after OnTerminate
    std::function<void(TThread*)> OnTerminate;
    // An exception that escaped Execute, kept here (message).
    std::string FatalException;

    static void Synchronize(TThread* thread, const std::function<void()>& method);
    static void Queue(TThread* thread, const std::function<void()>& method);

protected:
    virtual void Execute() = 0;
    void Synchronize(const std::function<void()>& method) { Synchronize(this, method); }

private:
    // Lets a start posted by the constructor find the object, or learn that it
    // is gone.
    struct StartGate;
    void Run();
    std::shared_ptr<StartGate> gate_;
    bool autoStart_ = false;
    std::thread thread_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::atomic<bool> started_{false};
    std::mutex mutex_;
};
