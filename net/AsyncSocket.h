// The event-driven TCP/UDP socket: name lookup, connection, a send queue of
// blocks that leave as the network takes them, reading driven by readiness
// reports, closing, and the error texts. The chain of classes adds, on top of
// TCustomAsyncSocket, the SOCKS client (TCustomSocksSocket), line mode
// (TCustomLineSocket) and the waiting operations (TCustomSyncSocket);
// TAsyncSocket is the one to use. A socket belongs to the thread that creates
// it: every event fires from that thread's event loop.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"

class TFdWatch;

BZ_DECLARE_EXCEPTION(ESocketException, Exception);

enum TSocketState : uint8_t
{
    wsInvalidState,
    wsOpened,
    wsBound,
    wsConnecting,
    wsSocksConnected,
    wsConnected,
    wsAccepting,
    wsListening,
    wsClosed,
};

enum TSocketSendFlags : uint8_t { wsSendNormal, wsSendUrgent };
enum TSocketLingerOnOff : uint8_t { wsLingerOff, wsLingerOn, wsLingerNoSet };

// ComponentOptions bits.
enum : unsigned
{
    wsoNoReceiveLoop = 1,
    wsoTcpNoDelay = 2,
    wsoSIO_RCVALL = 4,
};

// The text of a socket error code ("Not a WinSock error" for unknown codes).
std::string SocketErrorText(int code);
// IPv4 address of a host (dotted text or a name, looked up at once), in
// network order; raises ESocketException.
uint32_t SocketResolveHost(const std::string& host);
// Port number (host order) of a decimal text or a service name.
uint16_t SocketResolvePort(const std::string& port, const std::string& proto);
// Protocol number of "tcp", "udp", "raw", a decimal text or a protocol name.
int SocketResolveProto(const std::string& proto);
// Four decimal numbers 0..255 with three dots, blanks around allowed.
bool IsDottedAddress(const std::string& s);

// One block of the send queue.
class TBuffer
{
public:
    explicit TBuffer(int size);
    // Copies what fits after the written part; answers the count copied.
    int Write(const void* data, int len);
    // The unread part and its length.
    const uint8_t* Peek(int& len) const;
    // Marks n bytes as read (at most the unread length); all read: empty again.
    void Remove(int n);
    void SetSize(int size);
    int Size() const { return static_cast<int>(data_.size()); }

private:
    std::vector<uint8_t> data_;
    int wrCount_ = 0;
    int rdCount_ = 0;
};

class TCustomAsyncSocket
{
public:
    TCustomAsyncSocket();
    virtual ~TCustomAsyncSocket();
    TCustomAsyncSocket(const TCustomAsyncSocket&) = delete;
    TCustomAsyncSocket& operator=(const TCustomAsyncSocket&) = delete;

    // ---- properties
    const std::string& Addr() const { return addr_; }
    void SetAddr(const std::string& v);
    const std::string& Port() const { return port_; }
    void SetPort(const std::string& v);
    const std::string& Proto() const { return proto_; }
    void SetProto(const std::string& v);
    const std::string& LocalAddr() const { return localAddr_; }
    void SetLocalAddr(const std::string& v);
    const std::string& LocalPort() const { return localPort_; }
    void SetLocalPort(const std::string& v);
    int ReqVerLow() const { return reqVerLow_; }
    void SetReqVerLow(int v);
    int ReqVerHigh() const { return reqVerHigh_; }
    void SetReqVerHigh(int v);
    TSocketSendFlags SendFlags() const;
    void SetSendFlags(int v);

    TSocketState State() const { return state_; }
    int LastError = 0;
    int64_t ReadCount = 0;
    std::string DnsResult;
    std::vector<std::string> DnsResultList;
    bool MultiThreaded = false;
    bool MultiCast = false;
    std::string MultiCastAddrStr;
    int MultiCastIpTTL = 1;
    bool ReuseAddr = false;
    unsigned ComponentOptions = 0;
    int ListenBacklog = 5;
    int FlushTimeout = 60;
    TSocketLingerOnOff LingerOnOff = wsLingerOn;
    int LingerTimeout = 0;
    int HSocket() const { return hsocket_; }
    bool AllSent() const { return allSent_; }

    // ---- events
    std::function<void(int err)> OnDataAvailable;
    std::function<void(int err)> OnDataSent;
    std::function<void(int count)> OnSendData;
    std::function<void(int err)> OnSessionClosed;
    std::function<void(int err)> OnSessionAvailable;
    std::function<void(int err)> OnSessionConnected;
    std::function<void(TSocketState oldState, TSocketState newState)> OnChangeState;
    std::function<void(int err)> OnDnsLookupDone;
    std::function<void()> OnError;
    std::function<void(const std::exception& e, bool& canClose)> OnBgException;

    // ---- operations
    virtual void Connect();
    void Close();
    void CloseLater();
    // Posts the destruction: the socket must have been made with new and
    // nothing else may own it.
    void FreeLater();
    void AbortSocket();
    void Flush();
    void Drain();
    virtual void Listen();
    virtual int Accept();
    virtual int Receive(void* buffer, int len);
    std::string ReceiveStr();
    int ReceiveFrom(void* buffer, int len, sockaddr_in& from);
    virtual int Send(const void* data, int len);
    int SendTo(const sockaddr_in& to, const void* data, int len);
    int SendStr(const std::string& s);
    void DnsLookup(const std::string& host);
    void ReverseDnsLookup(const std::string& address);
    void CancelDnsLookup();
    std::string GetPeerAddr();
    std::string GetPeerPort();
    std::string GetXPort();
    std::string GetXAddr();
    void Dup(int handle);
    void ShutDown(int how);
    void Pause();
    void Resume();
    void PumpMessages();
    virtual int RcvdCount();

protected:
    // Event triggers; TriggerDataAvailable answers whether a handler took the event.
    virtual bool TriggerDataAvailable(int err);
    virtual void TriggerSessionConnectedSpecial(int err);
    virtual void TriggerSessionConnected(int err);
    virtual void TriggerSessionClosed(int err);
    void TriggerDataSent(int err);
    void TriggerDnsLookupDone(int err);
    void ChangeState(TSocketState s);

    // "Error <code> in function <name>" + the code's text, through RaiseError.
    void SocketError(const std::string& fn, int code);
    void RaiseError(const std::string& msg);
    void BackgroundException(const std::exception& e);
    virtual void SetDefaults();
    void CloseSocket(bool shutdownFirst, int err);
    // Reads from the descriptor, counting what was read; -1 with LastError.
    int RealReceive(void* buffer, int len, int flags = 0);
    void ReadPending();
    void ConnectedStep(int err);
    void AssignHandle(int fd, bool stream);
    void UpdateWatch();
    bool Destroying() const { return destroying_; }
    int BytesPending() const;
    // Runs f from the loop later, unless the socket is gone by then.
    void Later(std::function<void()> f);

    sockaddr_in sin_{};
    int sockType_ = 1;   // 1 stream, 2 datagram, 3 raw
    int protoNum_ = 6;
    int64_t consumed_ = 0;

private:
    void OnReady(unsigned bits);
    void DoConnectEvent(int err);
    void DoReadEvent();
    void DoWriteEvent();
    void DoCloseEvent(int err);
    bool PeerClosed(int& err) const;
    void TryToSend();
    void QueueData(const void* data, int len);
    void SetLinger();
    void BindLocal();
    void ResolveAll();
    void SetEndpointPart(const char* name, const std::string& v, std::string& value, bool& assigned, bool& resolved);

    std::string addr_, port_, proto_, localAddr_, localPort_;
    bool addrAssigned_ = false, portAssigned_ = false, protoAssigned_ = false;
    bool addrResolved_ = false, portResolved_ = false, protoResolved_ = false, localPortResolved_ = false;
    int reqVerLow_ = 1, reqVerHigh_ = 1;
    int sendFlags_ = 0;
    int hsocket_ = -1;
    std::unique_ptr<TFdWatch> watch_;
    TSocketState state_ = wsClosed;
    std::deque<std::unique_ptr<TBuffer>> bufList_;
    int bufSize_ = 1460;
    bool allSent_ = true;
    bool paused_ = false;
    bool closeFired_ = false;
    bool readStalled_ = false;
    bool destroying_ = false;
    uint64_t dnsGeneration_ = 0;
    bool dnsPending_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    friend class TCustomSocksSocket;
    friend class TCustomLineSocket;
};

enum TSocksAuthentication : uint8_t { socksNoAuthentication, socksAuthenticateUsercode };
enum TSocksAuthState : uint8_t { socksAuthStart, socksAuthSuccess, socksAuthFailure, socksAuthNotRequired };

// The SOCKS 4, 4A and 5 client: with SocksServer set, Connect goes through it.
class TCustomSocksSocket : public TCustomAsyncSocket
{
public:
    const std::string& SocksServer() const { return socksServer_; }
    void SetSocksServer(const std::string& v);
    const std::string& SocksPort() const { return socksPort_; }
    void SetSocksPort(const std::string& v);
    const std::string& SocksLevel() const { return socksLevel_; }
    void SetSocksLevel(const std::string& v);
    std::string SocksUsercode;
    std::string SocksPassword;
    TSocksAuthentication SocksAuthentication = socksNoAuthentication;

    std::function<void(int err)> OnSocksConnected;
    std::function<void(int err, const std::string& msg)> OnSocksError;
    std::function<void(TSocksAuthState)> OnSocksAuthState;

    void Connect() override;
    void Listen() override;

protected:
    bool TriggerDataAvailable(int err) override;
    void TriggerSessionConnectedSpecial(int err) override;
    bool SocksRunning() const { return socksStep_ != 0; }

private:
    void SendSocksRequest();
    void SendSocksAuth();
    void SocksReply();
    void SocksFail(int code, const std::string& msg);

    std::string socksServer_, socksPort_, socksLevel_ = "5";
    uint16_t targetPort_ = 0;
    uint32_t targetAddr_ = 0;
    std::string targetHost_;
    int socksStep_ = 0;
    // Room for the longest SOCKS 5 reply: 7 bytes plus a name of 255.
    uint8_t rcvBuf_[262] = {};
    int rcvCnt_ = 0;
};

// Line mode: with LineMode on, data is offered line by line.
class TCustomLineSocket : public TCustomSocksSocket
{
public:
    bool LineMode() const { return lineMode_; }
    void SetLineMode(bool on);
    std::string LineEnd = "\r\n";
    int LineLimit = 65536;
    bool LineEcho = false;
    bool LineEdit = false;
    std::function<void(int count, bool& clearData)> OnLineLimitExceeded;

    int Receive(void* buffer, int len) override;
    int RcvdCount() override;
    int SendLine(const std::string& line);

protected:
    bool TriggerDataAvailable(int err) override;

private:
    bool OfferLines(int err);
    void LineEditing(std::string& data);
    void RetriggerLines();

    bool lineMode_ = false;
    std::string rcvdBuf_;
    int lineLength_ = 0;
    bool lineReady_ = false;
};

// The waiting operations: a local event loop until a flag is set.
class TCustomSyncSocket : public TCustomLineSocket
{
public:
    int Timeout = 0;   // milliseconds, 0: none
    // Runs the loop until flag is set: 0, or 12001 after Timeout or when the
    // application closes.
    int WaitUntilReady(const bool& flag);
    int Synchronize(const std::function<void()>& proc, bool& flag);
};

class TAsyncSocket : public TCustomSyncSocket
{
};
