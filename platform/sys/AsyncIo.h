// What the socket layer needs of the event loop, behind a header without Qt:
// readiness of a descriptor delivered as one report per turn of the loop,
// calls queued on the loop of the calling thread, name lookups on a worker
// whose answer comes back through that loop, and a local wait that ends on
// request or after a time-out measured with a monotonic clock.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Readiness bits of one report.
enum : unsigned
{
    fdReadable = 1,   // data, end of stream or an error is there to read
    fdWritable = 2,   // room to send, or a connection attempt ended
    fdHangUp = 4,     // the peer closed or the descriptor failed
};

// Watches one descriptor on the loop of the thread that creates it. The
// handler gets the readiness bits of one report (read and write only while
// enabled). The handler may destroy the watch.
class TFdWatch
{
public:
    TFdWatch(int fd, std::function<void(unsigned)> handler);
    ~TFdWatch();
    TFdWatch(const TFdWatch&) = delete;
    TFdWatch& operator=(const TFdWatch&) = delete;

    void SetRead(bool on);
    void SetWrite(bool on);
    bool ReadEnabled() const;
    bool WriteEnabled() const;
    int Fd() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Runs f later, from the loop of the calling thread.
void PostCall(std::function<void()> f);

// Looks up the IPv4 addresses of host on a worker thread; done(error, dotted
// addresses) runs later on the loop of the calling thread. The error is a
// lookup error code (11001 host not found, 11002 try again, 11003
// non-recoverable, 11004 no data), 0 on success.
void ResolveHostAsync(const std::string& host, std::function<void(int, std::vector<std::string>)> done);

// Looks up the host name of a dotted IPv4 address on a worker thread;
// done(error, name) runs later on the loop of the calling thread.
void ResolveAddressAsync(const std::string& address, std::function<void(int, std::string)> done);

// Milliseconds of a monotonic clock (never wraps, never goes back).
int64_t MonotonicMs();

// A local event loop: Run processes events until Quit (answers true) or until
// timeoutMs have passed (0 or less: no limit; answers false). The loop also
// ends (false) when the application is closing down.
class TLocalLoop
{
public:
    TLocalLoop();
    ~TLocalLoop();
    bool Run(int64_t timeoutMs);
    void Quit();
    bool Running() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Processes the pending events of the calling thread's loop once.
void ProcessPendingEvents();
// True when the application is closing down (or none exists).
bool ApplicationClosing();
