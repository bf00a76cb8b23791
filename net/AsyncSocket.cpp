#include "net/AsyncSocket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/AsyncIo.h"
#include "platform/sys/WinSock.h"

namespace {

int ErreurSysteme() { return WSAErrorFromErrno(errno); }

std::string Minuscules(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string TexteAdresse(in_addr a)
{
    char t[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &a, t, sizeof t);
    return t;
}

}  // namespace

// ---- error texts and resolving ---------------------------------------------------------

std::string SocketErrorText(int code)
{
    static const struct { int c; const char* t; } textes[] = {
        {0, "No Error"},
        {10004, "Interrupted system call"},
        {10009, "Bad file number"},
        {10013, "Permission denied"},
        {10014, "Bad address"},
        {10022, "Invalid argument"},
        {10024, "Too many open files"},
        {10035, "Operation would block"},
        {10036, "Operation now in progress"},
        {10037, "Operation already in progress"},
        {10038, "Socket operation on non-socket"},
        {10039, "Destination address required"},
        {10040, "Message too long"},
        {10041, "Protocol wrong type for socket"},
        {10042, "Protocol not available"},
        {10043, "Protocol not supported"},
        {10044, "Socket type not supported"},
        {10045, "Operation not supported on socket"},
        {10046, "Protocol family not supported"},
        {10047, "Address family not supported by protocol family"},
        {10048, "Address already in use"},
        {10049, "Address not available"},
        {10050, "Network is down"},
        {10051, "Network is unreachable"},
        {10052, "Network dropped connection on reset"},
        {10053, "Connection aborted"},
        {10054, "Connection reset by peer"},
        {10055, "No buffer space available"},
        {10056, "Socket is already connected"},
        {10057, "Socket is not connected"},
        {10058, "Can't send after socket shutdown"},
        {10059, "Too many references: can't splice"},
        {10060, "Connection timed out"},
        {10061, "Connection refused"},
        {10062, "Too many levels of symbolic links"},
        {10063, "File name too long"},
        {10064, "Host is down"},
        {10065, "No route to host"},
        {10066, "Directory not empty"},
        {10067, "Too many processes"},
        {10068, "Too many users"},
        {10069, "Disc quota exceeded"},
        {10070, "Stale NFS file handle"},
        {10071, "Too many levels of remote in path"},
        {10091, "Network sub-system is unusable"},
        {10092, "WinSock DLL cannot support this application"},
        {10093, "WinSock not initialized"},
        {11001, "Host not found"},
        {11002, "Non-authoritative host not found"},
        {11003, "Non-recoverable error"},
        {11004, "No Data"},
    };
    for (const auto& t : textes)
        if (t.c == code)
            return t.t;
    return "Not a WinSock error";
}

bool IsDottedAddress(const std::string& s)
{
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    for (int part = 0; part < 4; ++part)
    {
        if (part > 0)
        {
            if (i >= s.size() || s[i] != '.')
                return false;
            ++i;
        }
        if (i >= s.size() || s[i] < '0' || s[i] > '9')
            return false;
        int v = 0, n = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9' && n < 4)
        {
            v = v * 10 + (s[i] - '0');
            ++i;
            ++n;
        }
        if (v > 255)
            return false;
    }
    while (i < s.size() && s[i] == ' ')
        ++i;
    return i == s.size();
}

uint32_t SocketResolveHost(const std::string& host)
{
    if (host.empty() || host.size() >= 256)
        throw ESocketException("SocketResolveHost: '" + host + "' Invalid Hostname.");
    if (IsDottedAddress(host))
    {
        in_addr a{};
        if (::inet_pton(AF_INET, Trim(host).c_str(), &a) != 1 ||
            (a.s_addr == INADDR_NONE && Trim(host) != "255.255.255.255"))
            throw ESocketException("SocketResolveHost: '" + host + "' Invalid IP address.");
        return a.s_addr;
    }
    addrinfo indices{};
    indices.ai_family = AF_INET;
    addrinfo* res = nullptr;
    const int rc = ::getaddrinfo(host.c_str(), nullptr, &indices, &res);
    if (rc != 0 || !res)
        throw ESocketException(Format("SocketResolveHost: Cannot convert host address '%s', Error #%d",
                                      {host, rc == EAI_AGAIN ? WSATRY_AGAIN : WSAHOST_NOT_FOUND}));
    const uint32_t a = reinterpret_cast<const sockaddr_in*>(res->ai_addr)->sin_addr.s_addr;
    ::freeaddrinfo(res);
    return a;
}

uint16_t SocketResolvePort(const std::string& port, const std::string& proto)
{
    if (port.empty() || port.size() >= 32)
        throw ESocketException("SocketResolvePort: Invalid Port.");
    if (proto.empty() || proto.size() >= 32)
        throw ESocketException("SocketResolvePort: Invalid Proto.");
    const std::string p = TrimLeft(port);
    if (!p.empty() && p[0] >= '0' && p[0] <= '9')
    {
        int v = 0;
        for (size_t i = 0; i < p.size() && p[i] >= '0' && p[i] <= '9'; ++i)
            v = (v * 10 + (p[i] - '0')) & 0xFFFF;
        return static_cast<uint16_t>(v);
    }
    servent se{};
    servent* r = nullptr;
    char tampon[1024];
    if (::getservbyname_r(port.c_str(), proto.c_str(), &se, tampon, sizeof tampon, &r) != 0 || !r)
        throw ESocketException(Format("SocketResolvePort: Cannot convert port '%s', Error #%d", {port, 11004}));
    return ntohs(static_cast<uint16_t>(r->s_port));
}

int SocketResolveProto(const std::string& proto)
{
    if (proto.empty() || proto.size() >= 32)
        throw ESocketException("SocketResolveProto: Invalid Protocol.");
    if (proto[0] >= '0' && proto[0] <= '9')
    {
        int v = 0;
        for (size_t i = 0; i < proto.size() && proto[i] >= '0' && proto[i] <= '9' && v < 100000; ++i)
            v = v * 10 + (proto[i] - '0');
        return v;
    }
    const std::string p = Minuscules(proto);
    if (p == "tcp")
        return 6;
    if (p == "udp")
        return 17;
    if (p == "raw")
        return 255;
    protoent pe{};
    protoent* r = nullptr;
    char tampon[1024];
    if (::getprotobyname_r(p.c_str(), &pe, tampon, sizeof tampon, &r) != 0 || !r)
        throw ESocketException(Format("SocketResolveProto: Cannot convert protocol '%s', Error #%d", {proto, 11004}));
    return r->p_proto;
}

// ---- send blocks -------------------------------------------------------------------------

TBuffer::TBuffer(int size) : data_(static_cast<size_t>(size < 1 ? 1514 : size)) {}

int TBuffer::Write(const void* data, int len)
{
    const int n = std::min(len, Size() - wrCount_);
    if (n > 0)
        std::memcpy(data_.data() + wrCount_, data, static_cast<size_t>(n));
    wrCount_ += std::max(n, 0);
    return std::max(n, 0);
}

const uint8_t* TBuffer::Peek(int& len) const
{
    len = wrCount_ - rdCount_;
    return data_.data() + rdCount_;
}

void TBuffer::Remove(int n)
{
    rdCount_ += std::clamp(n, 0, wrCount_ - rdCount_);
    if (rdCount_ >= wrCount_)
        rdCount_ = wrCount_ = 0;
}

void TBuffer::SetSize(int size)
{
    std::vector<uint8_t> nouveau(static_cast<size_t>(std::max(size, 1)));
    const int garde = std::min(wrCount_ - rdCount_, static_cast<int>(nouveau.size()));
    std::memcpy(nouveau.data(), data_.data() + rdCount_, static_cast<size_t>(garde));
    data_.swap(nouveau);
    rdCount_ = 0;
    wrCount_ = garde;
}

// ---- life ----------------------------------------------------------------------------------

TCustomAsyncSocket::TCustomAsyncSocket() { SetDefaults(); }

TCustomAsyncSocket::~TCustomAsyncSocket()
{
    destroying_ = true;
    alive_.reset();
    dnsGeneration_++;
    if (hsocket_ >= 0)
    {
        watch_.reset();
        ::close(hsocket_);
        hsocket_ = -1;
    }
}

void TCustomAsyncSocket::Later(std::function<void()> f)
{
    std::weak_ptr<bool> v = alive_;
    PostCall([v, f = std::move(f)] {
        if (!v.expired())
            f();
    });
}

void TCustomAsyncSocket::SetDefaults()
{
    sin_ = sockaddr_in{};
    sin_.sin_family = AF_INET;
    addrAssigned_ = portAssigned_ = false;
    addrResolved_ = portResolved_ = localPortResolved_ = false;
    addr_.clear();
    port_.clear();
    proto_ = "tcp";
    protoAssigned_ = protoResolved_ = true;
    protoNum_ = 6;
    sockType_ = 1;
    localPort_ = std::string("0");
    localAddr_ = std::string("0.0.0.0");
    LingerOnOff = wsLingerOn;
    LingerTimeout = 0;
    hsocket_ = -1;
    watch_.reset();
    state_ = wsClosed;
    allSent_ = true;
    ReadCount = 0;
    paused_ = false;
    closeFired_ = false;
    readStalled_ = false;
    FlushTimeout = 60;
}

// ---- properties -------------------------------------------------------------------------

void TCustomAsyncSocket::SetEndpointPart(const char* name, const std::string& v, std::string& value,
                                         bool& assigned, bool& resolved)
{
    if (state_ != wsClosed)
        return RaiseError(std::string("Cannot change ") + name + " if not closed");
    if (assigned && v == value)
        return;
    value = Trim(v);
    assigned = !value.empty();
    resolved = false;
}

void TCustomAsyncSocket::SetAddr(const std::string& v) { SetEndpointPart("Addr", v, addr_, addrAssigned_, addrResolved_); }
void TCustomAsyncSocket::SetPort(const std::string& v) { SetEndpointPart("Port", v, port_, portAssigned_, portResolved_); }
void TCustomAsyncSocket::SetProto(const std::string& v) { SetEndpointPart("Proto", v, proto_, protoAssigned_, protoResolved_); }

void TCustomAsyncSocket::SetLocalAddr(const std::string& v)
{
    if (state_ != wsClosed)
        return RaiseError("Cannot change LocalAddr if not closed");
    localAddr_ = v.empty() ? "0.0.0.0" : v;
}

void TCustomAsyncSocket::SetLocalPort(const std::string& v)
{
    if (state_ != wsClosed)
        return RaiseError("Cannot change LocalPort if not closed");
    localPort_ = v;
    localPortResolved_ = false;
}

// Nothing is loaded at run time here: the version stays free to change.
void TCustomAsyncSocket::SetReqVerLow(int v) { reqVerLow_ = v; }
void TCustomAsyncSocket::SetReqVerHigh(int v) { reqVerHigh_ = v; }

TSocketSendFlags TCustomAsyncSocket::SendFlags() const
{
    if (sendFlags_ == 0)
        return wsSendNormal;
    if (sendFlags_ == MSG_OOB)
        return wsSendUrgent;
    throw ESocketException("Invalid internal SendFlags");
}

void TCustomAsyncSocket::SetSendFlags(int v)
{
    if (v == wsSendNormal)
        sendFlags_ = 0;
    else if (v == wsSendUrgent)
        sendFlags_ = MSG_OOB;
    else
        RaiseError("Invalid SendFlags");
}

// ---- errors -------------------------------------------------------------------------------

void TCustomAsyncSocket::RaiseError(const std::string& msg)
{
    if (OnError)
        OnError();
    else
        throw ESocketException(msg);
}

void TCustomAsyncSocket::SocketError(const std::string& fn, int code)
{
    if ((code == WSAECONNRESET || code == WSAENOTCONN) && hsocket_ >= 0)
    {
        watch_.reset();
        ::close(hsocket_);
        hsocket_ = -1;
        if (!closeFired_)
        {
            closeFired_ = true;
            TriggerSessionClosed(code);
        }
        ChangeState(wsClosed);
    }
    LastError = code;
    RaiseError("Error " + std::to_string(code) + " in function " + fn + "\r\n" + SocketErrorText(code));
}

void TCustomAsyncSocket::BackgroundException(const std::exception& e)
{
    bool canClose = true;
    if (OnBgException)
    {
        try
        {
            OnBgException(e, canClose);
        }
        catch (...)
        {
        }
    }
    if (canClose)
    {
        try
        {
            AbortSocket();
        }
        catch (...)
        {
        }
    }
}

// ---- state and triggers ---------------------------------------------------------------------

void TCustomAsyncSocket::ChangeState(TSocketState s)
{
    const TSocketState ancien = state_;
    state_ = s;
    if (ancien != s && OnChangeState)
        OnChangeState(ancien, s);
}

bool TCustomAsyncSocket::TriggerDataAvailable(int err)
{
    if (!OnDataAvailable)
        return false;
    OnDataAvailable(err);
    return true;
}

void TCustomAsyncSocket::TriggerSessionConnectedSpecial(int err) { TriggerSessionConnected(err); }

void TCustomAsyncSocket::TriggerSessionConnected(int err)
{
    if (OnSessionConnected)
        OnSessionConnected(err);
}

void TCustomAsyncSocket::TriggerSessionClosed(int err)
{
    if (OnSessionClosed)
        OnSessionClosed(err);
}

void TCustomAsyncSocket::TriggerDataSent(int err)
{
    if (OnDataSent)
        OnDataSent(err);
}

void TCustomAsyncSocket::TriggerDnsLookupDone(int err)
{
    if (OnDnsLookupDone)
        OnDnsLookupDone(err);
}

// ---- name lookup ----------------------------------------------------------------------------

void TCustomAsyncSocket::DnsLookup(const std::string& host)
{
    if (host.empty())
    {
        RaiseError("DNS lookup: invalid host name.");
        TriggerDnsLookupDone(WSAEINVAL);
        return;
    }
    if (dnsPending_)
    {
        dnsPending_ = false;
        dnsGeneration_++;
    }
    DnsResultList.clear();
    DnsResult.clear();
    in_addr a{};
    if (IsDottedAddress(host) && ::inet_pton(AF_INET, Trim(host).c_str(), &a) == 1)
    {
        DnsResult = TexteAdresse(a);
        DnsResultList.push_back(DnsResult);
        TriggerDnsLookupDone(0);
        return;
    }
    const uint64_t generation = ++dnsGeneration_;
    dnsPending_ = true;
    std::weak_ptr<bool> v = alive_;
    ResolveHostAsync(host, [this, v, generation](int err, std::vector<std::string> adresses) {
        if (v.expired() || generation != dnsGeneration_)
            return;
        dnsPending_ = false;
        if (err == 0)
        {
            DnsResultList = adresses;
            DnsResult = adresses.front();
        }
        try
        {
            TriggerDnsLookupDone(err);
        }
        catch (const std::exception& e)
        {
            BackgroundException(e);
        }
    });
}

void TCustomAsyncSocket::ReverseDnsLookup(const std::string& address)
{
    if (address.empty() || address.size() >= 257)
    {
        RaiseError("ReverseDnsLookup: Invalid host name.");
        TriggerDnsLookupDone(WSAEINVAL);
        return;
    }
    if (dnsPending_)
        dnsGeneration_++;
    DnsResultList.clear();
    DnsResult.clear();
    const uint64_t generation = ++dnsGeneration_;
    dnsPending_ = true;
    std::weak_ptr<bool> v = alive_;
    ResolveAddressAsync(Trim(address), [this, v, generation](int err, std::string nom) {
        if (v.expired() || generation != dnsGeneration_)
            return;
        dnsPending_ = false;
        if (err == 0)
        {
            DnsResult = nom;
            DnsResultList.push_back(nom);
        }
        try
        {
            TriggerDnsLookupDone(err);
        }
        catch (const std::exception& e)
        {
            BackgroundException(e);
        }
    });
}

void TCustomAsyncSocket::CancelDnsLookup()
{
    if (!dnsPending_)
        return;
    dnsPending_ = false;
    dnsGeneration_++;
    if (!destroying_)
        TriggerDnsLookupDone(WSAEINTR);
}

// ---- connecting ---------------------------------------------------------------------------------

void TCustomAsyncSocket::ResolveAll()
{
    if (!protoResolved_)
    {
        protoNum_ = SocketResolveProto(proto_);
        const std::string p = Minuscules(proto_);
        sockType_ = p == "tcp" || protoNum_ == 6 ? 1 : p == "udp" || protoNum_ == 17 ? 2 : 3;
        protoResolved_ = true;
    }
    if (!portResolved_)
    {
        sin_.sin_port = htons(SocketResolvePort(port_, proto_));
        portResolved_ = true;
    }
    if (!localPortResolved_)
    {
        SocketResolvePort(localPort_, proto_);
        localPortResolved_ = true;
    }
    if (!addrResolved_)
    {
        sin_.sin_addr.s_addr = SocketResolveHost(addr_);
        addrResolved_ = true;
    }
}

void TCustomAsyncSocket::AssignHandle(int fd, bool stream)
{
    hsocket_ = fd;
    std::weak_ptr<bool> v = alive_;
    watch_ = std::make_unique<TFdWatch>(fd, [this, v](unsigned bits) {
        if (!v.expired())
            OnReady(bits);
    });
    (void)stream;
}

void TCustomAsyncSocket::SetLinger()
{
    if (LingerOnOff == wsLingerNoSet)
        return;
    if (hsocket_ < 0)
        return RaiseError("Cannot set linger option at this time");
    linger l{LingerOnOff == wsLingerOn ? 1 : 0, LingerTimeout};
    if (::setsockopt(hsocket_, SOL_SOCKET, SO_LINGER, &l, sizeof l) != 0)
        SocketError("setsockopt(SO_LINGER)", ErreurSysteme());
}

void TCustomAsyncSocket::BindLocal()
{
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(SocketResolvePort(localPort_, proto_));
    local.sin_addr.s_addr = SocketResolveHost(localAddr_);
    if (::bind(hsocket_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
        return RaiseError(Format("winsock.bind failed, error #%d", {ErreurSysteme()}));
    socklen_t n = sizeof local;
    if (::getsockname(hsocket_, reinterpret_cast<sockaddr*>(&local), &n) != 0)
        return RaiseError(Format("winsock.getsockname failed, error #%d", {ErreurSysteme()}));
    localPort_ = std::to_string(ntohs(local.sin_port));
}

void TCustomAsyncSocket::Connect()
{
    if (hsocket_ >= 0 && state_ != wsClosed)
        return RaiseError("Connect: Socket already in use");
    if (!portAssigned_)
        return RaiseError("Connect: No Port Specified");
    if (!addrAssigned_)
        return RaiseError("Connect: No IP Address Specified");
    if (!protoAssigned_)
        return RaiseError("Connect: No Protocol Specified");
    ResolveAll();
    bufList_.clear();
    const int type = sockType_ == 1 ? SOCK_STREAM : sockType_ == 2 ? SOCK_DGRAM : SOCK_RAW;
    const int fd = ::socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, sockType_ == 3 ? protoNum_ : 0);
    if (fd < 0)
        return SocketError("Connect (socket)", ErreurSysteme());
    AssignHandle(fd, sockType_ == 1);
    ChangeState(wsOpened);
    if (state_ != wsOpened)
        return SocketError("Connect (Invalid operation in OnChangeState)", WSAEINVAL);
    const int un = 1;
    if (sockType_ == 1)
    {
        if (::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &un, sizeof un) != 0)
            return SocketError("setsockopt(SO_REUSEADDR)", ErreurSysteme());
        if ((ComponentOptions & wsoTcpNoDelay) && ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &un, sizeof un) != 0)
            return SocketError("setsockopt(IPPROTO_TCP, TCP_NODELAY)", ErreurSysteme());
        SetLinger();
        if (::setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &un, sizeof un) != 0)
            return SocketError("setsockopt(SO_KEEPALIVE)", ErreurSysteme());
        if (Trim(localPort_) != "0" || localAddr_ != "0.0.0.0")
            BindLocal();
    }
    else
    {
        BindLocal();
        if (MultiCast)
        {
            if (MultiCastIpTTL != 1)
            {
                const unsigned char ttl = static_cast<unsigned char>(MultiCastIpTTL);
                if (::setsockopt(fd, IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl) != 0)
                    return SocketError("setsockopt(IP_MULTICAST_TTL)", ErreurSysteme());
            }
            if (localAddr_ != "0.0.0.0")
            {
                in_addr ifa{};
                ifa.s_addr = SocketResolveHost(localAddr_);
                if (::setsockopt(fd, IPPROTO_IP, IP_MULTICAST_IF, &ifa, sizeof ifa) != 0)
                    return SocketError("setsockopt(IP_MULTICAST_IF)", ErreurSysteme());
            }
        }
        if (sin_.sin_addr.s_addr == INADDR_BROADCAST &&
            ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &un, sizeof un) != 0)
            return SocketError("setsockopt(SO_BROADCAST)", ErreurSysteme());
    }
    if (sockType_ == 1)
    {
        if (::connect(fd, reinterpret_cast<sockaddr*>(&sin_), sizeof sin_) != 0 && errno != EINPROGRESS)
        {
            const int e = ErreurSysteme();
            LastError = e;
            return SocketError("Connect", e);
        }
        ChangeState(wsConnecting);
        UpdateWatch();
    }
    else
    {
        UpdateWatch();
        ChangeState(wsConnected);
        TriggerSessionConnectedSpecial(0);
    }
}

// ---- readiness reports ----------------------------------------------------------------------

void TCustomAsyncSocket::UpdateWatch()
{
    if (!watch_)
        return;
    watch_->SetRead(!paused_ && !readStalled_ && state_ != wsConnecting);
    const bool ecrire = state_ == wsConnecting || (!allSent_ && !bufList_.empty());
    watch_->SetWrite(!paused_ && ecrire);
}

int TCustomAsyncSocket::BytesPending() const
{
    int n = 0;
    if (hsocket_ < 0 || ::ioctl(hsocket_, FIONREAD, &n) != 0)
        return 0;
    return n;
}

bool TCustomAsyncSocket::PeerClosed(int& err) const
{
    err = 0;
    char c;
    const ssize_t r = ::recv(hsocket_, &c, 1, MSG_PEEK | MSG_DONTWAIT);
    if (r == 0)
        return true;
    if (r < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
    {
        err = ErreurSysteme();
        return true;
    }
    return false;
}

void TCustomAsyncSocket::OnReady(unsigned bits)
{
    if (hsocket_ < 0 || paused_)
        return;
    std::weak_ptr<bool> v = alive_;
    const int fd = hsocket_;
    auto encore = [&] { return !v.expired() && hsocket_ == fd; };
    try
    {
        if (state_ == wsListening && sockType_ == 1)
        {
            if (bits & fdReadable)
            {
                watch_->SetRead(false);   // until Accept takes the connection
                if (OnSessionAvailable)
                    OnSessionAvailable(0);
                if (encore() && state_ == wsListening)
                    watch_->SetRead(true);
            }
            return;
        }
        bool evConnect = false, evLire = false, evEcrire = false, evFermer = false;
        int errConnect = 0, errFermer = 0;
        if (state_ == wsConnecting && (bits & (fdWritable | fdHangUp)))
        {
            int e = 0;
            socklen_t n = sizeof e;
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &e, &n);
            errConnect = WSAErrorFromErrno(e);
            evConnect = true;
            evEcrire = errConnect == 0;
        }
        else if (bits & fdWritable)
            evEcrire = true;
        if ((bits & fdReadable) && !(state_ == wsConnecting && !evConnect))
        {
            if (sockType_ != 1 || BytesPending() > 0)
                evLire = true;
            else
                evFermer = PeerClosed(errFermer);
        }
        if (evConnect)
        {
            DoConnectEvent(errConnect);
            if (!encore())
                return;
        }
        if (evLire)
        {
            DoReadEvent();
            if (!encore())
                return;
            // A close that came with the data is handled after it.
            if (sockType_ == 1 && !readStalled_ && BytesPending() == 0)
            {
                pollfd p{fd, POLLIN, 0};
                if (::poll(&p, 1, 0) > 0)
                    evFermer = PeerClosed(errFermer);
            }
        }
        if (evEcrire)
        {
            DoWriteEvent();
            if (!encore())
                return;
        }
        if (evFermer)
        {
            DoCloseEvent(errFermer);
            if (!encore())
                return;
        }
        UpdateWatch();
    }
    catch (const std::exception& e)
    {
        if (!v.expired())
            BackgroundException(e);
    }
}

void TCustomAsyncSocket::ConnectedStep(int err)
{
    if (state_ == wsConnected)
        return;
    ChangeState(wsConnected);
    UpdateWatch();
    TriggerSessionConnectedSpecial(err);
}

void TCustomAsyncSocket::DoConnectEvent(int err)
{
    if (state_ == wsConnected)
        return;
    std::weak_ptr<bool> v = alive_;
    ChangeState(wsConnected);
    if (err == 0)
        UpdateWatch();
    TriggerSessionConnectedSpecial(err);
    if (!v.expired() && err != 0 && state_ != wsClosed)
        CloseSocket(false, err);
}

void TCustomAsyncSocket::DoReadEvent()
{
    if (state_ == wsConnecting)
        DoConnectEvent(0);
    if (hsocket_ >= 0)
        ReadPending();
}

void TCustomAsyncSocket::DoWriteEvent()
{
    TryToSend();
    if (allSent_ && hsocket_ >= 0)
        TriggerDataSent(0);
}

void TCustomAsyncSocket::DoCloseEvent(int err)
{
    if (state_ == wsConnecting)
        return;
    std::weak_ptr<bool> v = alive_;
    const unsigned options = ComponentOptions;
    ComponentOptions &= ~wsoNoReceiveLoop;
    readStalled_ = false;
    ReadPending();
    if (v.expired())
        return;
    ComponentOptions = options;
    if (!closeFired_)
    {
        closeFired_ = true;
        TriggerSessionClosed(err);
        if (v.expired())
            return;
    }
    if (state_ != wsClosed)
        CloseSocket(false, err);
}

void TCustomAsyncSocket::ReadPending()
{
    std::weak_ptr<bool> v = alive_;
    for (;;)
    {
        LastError = 0;
        const int64_t avant = consumed_;
        if (!TriggerDataAvailable(0))
        {
            char poubelle[1024];
            if (RealReceive(poubelle, sizeof poubelle) < 0)
                break;
        }
        if (v.expired() || hsocket_ < 0)
            return;
        // A pass that took nothing ends the loop; reading waits for the next
        // Receive, as a report comes again only after data was taken.
        if (consumed_ == avant)
        {
            if (BytesPending() > 0)
            {
                readStalled_ = true;
                if (watch_)
                    watch_->SetRead(false);
            }
            break;
        }
        if (ComponentOptions & wsoNoReceiveLoop)
            break;
        if (LastError != 0)
            break;
        if (BytesPending() == 0)
            break;
    }
}

// ---- receiving ------------------------------------------------------------------------------------

int TCustomAsyncSocket::RealReceive(void* buffer, int len, int flags)
{
    if (hsocket_ < 0)
    {
        LastError = WSAENOTSOCK;
        return -1;
    }
    const ssize_t n = ::recv(hsocket_, buffer, static_cast<size_t>(std::max(len, 0)), flags | MSG_DONTWAIT);
    if (n < 0)
    {
        LastError = ErreurSysteme();
        return -1;
    }
    if (n > 0 && !(flags & MSG_PEEK))
    {
        consumed_ += n;
        ReadCount += n;
    }
    if (readStalled_)
    {
        readStalled_ = false;
        UpdateWatch();
    }
    return static_cast<int>(n);
}

int TCustomAsyncSocket::Receive(void* buffer, int len) { return RealReceive(buffer, len); }

std::string TCustomAsyncSocket::ReceiveStr()
{
    const int n = RcvdCount();
    if (n <= 0)
        return {};
    std::string s(static_cast<size_t>(n), '\0');
    const int lu = Receive(s.data(), n);
    s.resize(static_cast<size_t>(std::max(lu, 0)));
    return s;
}

int TCustomAsyncSocket::ReceiveFrom(void* buffer, int len, sockaddr_in& from)
{
    if (hsocket_ < 0)
    {
        LastError = WSAENOTSOCK;
        return -1;
    }
    socklen_t n = sizeof from;
    const ssize_t r = ::recvfrom(hsocket_, buffer, static_cast<size_t>(std::max(len, 0)), MSG_DONTWAIT,
                                 reinterpret_cast<sockaddr*>(&from), &n);
    if (r < 0)
    {
        LastError = ErreurSysteme();
        return -1;
    }
    consumed_ += r;
    ReadCount += r;
    if (readStalled_)
    {
        readStalled_ = false;
        UpdateWatch();
    }
    return static_cast<int>(r);
}

int TCustomAsyncSocket::RcvdCount()
{
    if (destroying_)
        return -1;
    int n = 0;
    if (hsocket_ < 0 || ::ioctl(hsocket_, FIONREAD, &n) != 0)
    {
        SocketError("ioctlSocket", hsocket_ < 0 ? WSAENOTSOCK : ErreurSysteme());
        return 0;
    }
    return n;
}

// ---- sending ---------------------------------------------------------------------------------------

void TCustomAsyncSocket::QueueData(const void* data, int len)
{
    const auto* p = static_cast<const uint8_t*>(data);
    while (len > 0)
    {
        if (bufList_.empty())
            bufList_.push_back(std::make_unique<TBuffer>(bufSize_));
        int n = bufList_.back()->Write(p, len);
        if (n == 0)
        {
            bufList_.push_back(std::make_unique<TBuffer>(bufSize_));
            n = bufList_.back()->Write(p, len);
        }
        p += n;
        len -= n;
    }
}

void TCustomAsyncSocket::TryToSend()
{
    if (hsocket_ < 0 || bufList_.empty())
    {
        allSent_ = true;
        return;
    }
    for (;;)
    {
        TBuffer& b = *bufList_.front();
        int len = 0;
        const uint8_t* p = b.Peek(len);
        if (len > 0)
        {
            ssize_t n;
            if (sockType_ == 1)
                n = ::send(hsocket_, p, static_cast<size_t>(len), sendFlags_ | MSG_NOSIGNAL | MSG_DONTWAIT);
            else
                n = ::sendto(hsocket_, p, static_cast<size_t>(len), MSG_NOSIGNAL | MSG_DONTWAIT,
                             reinterpret_cast<const sockaddr*>(&sin_), sizeof sin_);
            if (n < 0)
            {
                const int e = ErreurSysteme();
                if (e == WSAECONNRESET || e == WSAENOTSOCK || e == WSAENOTCONN || e == WSAEINVAL ||
                    e == WSAECONNABORTED || e == WSAEBADF)
                {
                    const bool dejaSignale = closeFired_;
                    closeFired_ = true;
                    bufList_.clear();
                    allSent_ = true;
                    watch_.reset();
                    ::close(hsocket_);
                    hsocket_ = -1;
                    ChangeState(wsClosed);
                    if (!dejaSignale)
                        TriggerSessionClosed(e);
                }
                else if (e != WSAEWOULDBLOCK)
                {
                    LastError = e;
                    SocketError("TryToSend failed", e);
                }
                return;
            }
            b.Remove(static_cast<int>(n));
            if (OnSendData)
                OnSendData(static_cast<int>(n));
            if (n < len)
                return;   // the write report resumes
        }
        if (bufList_.size() > 1)
            bufList_.pop_front();
        else
        {
            bufList_.clear();
            allSent_ = true;
            return;
        }
    }
}

int TCustomAsyncSocket::Send(const void* data, int len)
{
    if (state_ != wsConnected && state_ != wsSocksConnected)
    {
        SocketError("Send", WSAENOTCONN);
        return -1;
    }
    if (len <= 0)
        return 0;
    allSent_ = false;
    QueueData(data, len);
    TryToSend();
    if (hsocket_ < 0)
        return len;
    if (allSent_)
        Later([this] {
            if (hsocket_ >= 0 && !paused_)
            {
                try
                {
                    DoWriteEvent();
                }
                catch (const std::exception& e)
                {
                    BackgroundException(e);
                }
            }
        });
    UpdateWatch();
    return len;
}

int TCustomAsyncSocket::SendStr(const std::string& s) { return Send(s.data(), static_cast<int>(s.size())); }

int TCustomAsyncSocket::SendTo(const sockaddr_in& to, const void* data, int len)
{
    if (hsocket_ < 0)
    {
        LastError = WSAENOTSOCK;
        return -1;
    }
    const ssize_t n = ::sendto(hsocket_, data, static_cast<size_t>(std::max(len, 0)), MSG_NOSIGNAL | MSG_DONTWAIT,
                               reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (n < 0)
    {
        LastError = ErreurSysteme();
        return -1;
    }
    Later([this] {
        if (hsocket_ >= 0)
            TriggerDataSent(0);
    });
    return static_cast<int>(n);
}

void TCustomAsyncSocket::Flush()
{
    const int64_t fin = MonotonicMs() + int64_t(FlushTimeout) * 1000;
    while (hsocket_ >= 0 && !bufList_.empty() && !allSent_)
    {
        TryToSend();
        if (allSent_ || hsocket_ < 0)
            break;
        // Waits for room without turning the event loop.
        pollfd p{hsocket_, POLLOUT, 0};
        const int64_t reste = fin - MonotonicMs();
        if (reste <= 0 || ::poll(&p, 1, static_cast<int>(std::min<int64_t>(reste, 1000))) < 0)
            break;
    }
}

void TCustomAsyncSocket::Drain()
{
    char poubelle[1024];
    while (hsocket_ >= 0 && BytesPending() > 0)
        if (RealReceive(poubelle, sizeof poubelle) <= 0)
            break;
}

// ---- closing -----------------------------------------------------------------------------------------

void TCustomAsyncSocket::CloseSocket(bool shutdownFirst, int err)
{
    if (hsocket_ >= 0 && state_ != wsClosed)
    {
        if (shutdownFirst && sockType_ == 1)
            ::shutdown(hsocket_, SHUT_WR);
        watch_.reset();
        ::close(hsocket_);
        hsocket_ = -1;
        std::weak_ptr<bool> v = alive_;
        ChangeState(wsClosed);
        if (v.expired())
            return;
        if (!closeFired_ && !destroying_)
        {
            closeFired_ = true;
            TriggerSessionClosed(err);
            if (v.expired())
                return;
        }
        if (hsocket_ < 0)
            SetDefaults();
    }
    else if (hsocket_ < 0 && state_ != wsClosed)
    {
        ChangeState(wsClosed);
        SetDefaults();
    }
    else if (hsocket_ >= 0)
    {
        watch_.reset();
        ::close(hsocket_);
        hsocket_ = -1;
        SetDefaults();
    }
}

void TCustomAsyncSocket::Close() { CloseSocket(true, 0); }

void TCustomAsyncSocket::CloseLater()
{
    Later([this] { Close(); });
}

void TCustomAsyncSocket::FreeLater()
{
    TCustomAsyncSocket* moi = this;
    Later([moi] { delete moi; });
}

void TCustomAsyncSocket::AbortSocket()
{
    CancelDnsLookup();
    bufList_.clear();
    allSent_ = true;
    if (hsocket_ >= 0 && sockType_ == 1 && state_ == wsConnected)
    {
        LingerOnOff = wsLingerOff;
        SetLinger();
    }
    CloseSocket(false, 0);
}

void TCustomAsyncSocket::ShutDown(int how)
{
    if (hsocket_ >= 0)
        ::shutdown(hsocket_, how == 0 ? SHUT_RD : how == 1 ? SHUT_WR : SHUT_RDWR);
}

void TCustomAsyncSocket::Pause()
{
    paused_ = true;
    UpdateWatch();
}

void TCustomAsyncSocket::Resume()
{
    paused_ = false;
    UpdateWatch();
}

void TCustomAsyncSocket::PumpMessages() { ProcessPendingEvents(); }

// ---- peers and local ends ------------------------------------------------------------------------

std::string TCustomAsyncSocket::GetPeerAddr()
{
    if (state_ != wsConnected || hsocket_ < 0)
        return "error";
    sockaddr_in a{};
    socklen_t n = sizeof a;
    if (::getpeername(hsocket_, reinterpret_cast<sockaddr*>(&a), &n) != 0)
    {
        SocketError("GetPeerAddr", ErreurSysteme());
        return "error";
    }
    return TexteAdresse(a.sin_addr);
}

std::string TCustomAsyncSocket::GetPeerPort()
{
    if (state_ != wsConnected || hsocket_ < 0)
        return "error";
    sockaddr_in a{};
    socklen_t n = sizeof a;
    if (::getpeername(hsocket_, reinterpret_cast<sockaddr*>(&a), &n) != 0)
    {
        SocketError("GetPeerPort", ErreurSysteme());
        return "error";
    }
    return std::to_string(ntohs(a.sin_port));
}

std::string TCustomAsyncSocket::GetXPort()
{
    if (hsocket_ < 0 || (state_ != wsBound && state_ != wsConnected && state_ != wsListening))
        return "error";
    sockaddr_in a{};
    socklen_t n = sizeof a;
    if (::getsockname(hsocket_, reinterpret_cast<sockaddr*>(&a), &n) != 0)
        return "error";
    return std::to_string(ntohs(a.sin_port));
}

std::string TCustomAsyncSocket::GetXAddr()
{
    if (hsocket_ < 0 || (state_ != wsBound && state_ != wsConnected && state_ != wsListening))
        return "error";
    sockaddr_in a{};
    socklen_t n = sizeof a;
    if (::getsockname(hsocket_, reinterpret_cast<sockaddr*>(&a), &n) != 0)
        return "error";
    return TexteAdresse(a.sin_addr);
}

// ---- listening, accepting, taking a handle over ---------------------------------------------------

void TCustomAsyncSocket::Listen()
{
    if (!portAssigned_)
        return SocketError("listen: port not assigned", WSAEINVAL);
    if (!protoAssigned_)
        return SocketError("listen: protocol not assigned", WSAEINVAL);
    if (!addrAssigned_)
        return SocketError("listen: address not assigned", WSAEINVAL);
    const std::string p = Minuscules(proto_);
    if (p.rfind("raw_", 0) == 0)
    {
        sockType_ = 3;
        protoNum_ = SocketResolveProto(proto_.substr(4));
    }
    else if (p == "udp")
    {
        sockType_ = 2;
        protoNum_ = 17;
    }
    else
    {
        sockType_ = 1;
        protoNum_ = 6;
    }
    protoResolved_ = true;
    sin_.sin_port = htons(SocketResolvePort(port_, sockType_ == 2 ? "udp" : "tcp"));
    portResolved_ = true;
    sin_.sin_addr.s_addr = SocketResolveHost(addr_);
    addrResolved_ = true;
    const int type = sockType_ == 1 ? SOCK_STREAM : sockType_ == 2 ? SOCK_DGRAM : SOCK_RAW;
    const int fd = ::socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, sockType_ == 3 ? protoNum_ : 0);
    if (fd < 0)
        return SocketError("socket", ErreurSysteme());
    AssignHandle(fd, sockType_ == 1);
    auto echec = [&](const std::string& fn, int code) {
        CloseSocket(false, 0);
        SocketError(fn, code);
    };
    const int un = 1;
    if (sockType_ == 2 && ReuseAddr && ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &un, sizeof un) != 0)
        return echec("setsockopt(SO_REUSEADDR)", ErreurSysteme());
    if (sockType_ == 1)
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &un, sizeof un);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&sin_), sizeof sin_) != 0)
        return echec("Bind", ErreurSysteme());
    ChangeState(wsBound);
    if (sockType_ == 1)
    {
        if (::listen(fd, ListenBacklog) != 0)
            return echec("Listen", ErreurSysteme());
        ChangeState(wsListening);
    }
    else if (sockType_ == 2)
    {
        if (MultiCast)
        {
            ip_mreq m{};
            m.imr_multiaddr.s_addr = SocketResolveHost(MultiCastAddrStr);
            m.imr_interface.s_addr = SocketResolveHost(localAddr_);
            if (::setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &m, sizeof m) != 0)
                return echec("setsockopt(IP_ADD_MEMBERSHIP)", ErreurSysteme());
        }
        ChangeState(wsListening);
        ChangeState(wsConnected);
        TriggerSessionConnectedSpecial(0);
    }
    else
    {
        // Receiving every packet of an interface has no equivalent here.
        if (ComponentOptions & wsoSIO_RCVALL)
            return echec("WSAIoctl(SIO_RCVALL)", WSAEOPNOTSUPP);
        ChangeState(wsListening);
        ChangeState(wsConnected);
        TriggerSessionConnectedSpecial(0);
    }
    if (hsocket_ >= 0)
        UpdateWatch();
}

int TCustomAsyncSocket::Accept()
{
    if (state_ != wsListening)
    {
        SocketError("not a listening socket", WSAEINVAL);
        return -1;
    }
    const int fd = ::accept4(hsocket_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
    {
        const int e = ErreurSysteme();
        LastError = e;
        SocketError("Accept", e);
        return -1;
    }
    return fd;
}

void TCustomAsyncSocket::Dup(int handle)
{
    if (handle == 0 || handle == -1)
        return SocketError("Dup", WSAEINVAL);
    if (state_ != wsClosed)
        CloseSocket(false, 0);
    const int flags = ::fcntl(handle, F_GETFL, 0);
    ::fcntl(handle, F_SETFL, flags | O_NONBLOCK);
    sockType_ = 1;
    protoNum_ = 6;
    AssignHandle(handle, true);
    SetLinger();
    ConnectedStep(0);
}
